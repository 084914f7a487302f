// The window layer in its own process: the modal run, the routing of the
// dialog's messages, and the centring rule.
#include "dialog_impl.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const UINT WM_RUN_BODY = WM_APP;
const UINT WM_ANSWER = WM_APP + 1;

// A dialog that records what reaches its message map and runs a test body
// once it is up.
class CProbeDlg : public CDialogImpl<CProbeDlg>
{
public:
    enum { IDD = 100 };

    BEGIN_MSG_MAP(CProbeDlg)
        if (m_messages.empty())
            m_hWndAtFirstMessage = m_hWnd;
        m_messages.push_back(uMsg);
        MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        MESSAGE_HANDLER(WM_RUN_BODY, OnRunBody)
        MESSAGE_HANDLER(WM_ANSWER, OnAnswer)
        MESSAGE_HANDLER(WM_CTLCOLORDLG, OnCtlColorDlg)
    END_MSG_MAP()

    LRESULT OnInitDialog()
    {
        ::PostMessageW(m_hWnd, WM_RUN_BODY, 0, 0);
        return TRUE;
    }
    LRESULT OnRunBody()
    {
        if (m_body)
            m_body(*this);
        EndDialog(7);
        return 0;
    }
    LRESULT OnAnswer() { return 42; }
    LRESULT OnCtlColorDlg() { return reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)); }

    void OnFinalMessage(HWND hWnd) override
    {
        m_hWndAtFinalMessage = hWnd;
        m_hWndDuringFinalMessage = m_hWnd;
        ++m_nFinalMessages;
    }

    std::function<void(CProbeDlg&)> m_body;
    std::vector<UINT> m_messages;
    HWND m_hWndAtFirstMessage = reinterpret_cast<HWND>(1);
    HWND m_hWndAtFinalMessage = NULL;
    HWND m_hWndDuringFinalMessage = reinterpret_cast<HWND>(1);
    int m_nFinalMessages = 0;
};

class CMissingDlg : public CDialogImpl<CMissingDlg>
{
public:
    enum { IDD = 999 };
    BEGIN_MSG_MAP(CMissingDlg)
    END_MSG_MAP()
};

TEST(DialogImpl, AttachesTheObjectBeforeTheFirstMessageAndReturnsTheEndDialogValue)
{
    CProbeDlg dlg;
    HWND hWnd = NULL;
    dlg.m_body = [&](CProbeDlg& d) { hWnd = d.m_hWnd; };
    EXPECT_EQ(7, dlg.DoModal(NULL));

    ASSERT_FALSE(dlg.m_messages.empty());
    EXPECT_EQ(static_cast<UINT>(WM_SETFONT), dlg.m_messages.front()); // before WM_INITDIALOG
    EXPECT_EQ(hWnd, dlg.m_hWndAtFirstMessage);
    EXPECT_NE(static_cast<HWND>(NULL), hWnd);
}

TEST(DialogImpl, DetachesAfterTheLastMessageAndCallsTheFinalHook)
{
    CProbeDlg dlg;
    HWND hWnd = NULL;
    dlg.m_body = [&](CProbeDlg& d) { hWnd = d.m_hWnd; };
    dlg.DoModal(NULL);

    EXPECT_EQ(static_cast<HWND>(NULL), dlg.m_hWnd);
    EXPECT_EQ(1, dlg.m_nFinalMessages);
    EXPECT_EQ(hWnd, dlg.m_hWndAtFinalMessage);
    EXPECT_EQ(static_cast<HWND>(NULL), dlg.m_hWndDuringFinalMessage);
    EXPECT_EQ(static_cast<UINT>(WM_NCDESTROY), dlg.m_messages.back());
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(DialogImpl, HandledResultsReachTheSenderByTheirOwnRoute)
{
    CProbeDlg dlg;
    LRESULT answer = 0, brush = 0, defaultId = 0;
    dlg.m_body = [&](CProbeDlg& d) {
        answer = ::SendMessageW(d.m_hWnd, WM_ANSWER, 0, 0);                // through DWLP_MSGRESULT
        brush = ::SendMessageW(d.m_hWnd, WM_CTLCOLORDLG, 0, 0);            // the procedure's own result
        defaultId = ::SendMessageW(d.m_hWnd, DM_GETDEFID, 0, 0);           // not handled: default processing
    };
    dlg.DoModal(NULL);

    EXPECT_EQ(42, answer);
    EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)), brush);
    EXPECT_EQ(MAKELRESULT(IDOK, DC_HASDEFID), defaultId);
}

TEST(DialogImpl, InitDialogTrueGivesTheFocusToTheFirstTabStop)
{
    CProbeDlg dlg;
    HWND hFocus = NULL, hButton = NULL;
    dlg.m_body = [&](CProbeDlg& d) {
        hFocus = ::GetFocus();
        hButton = d.GetDlgItem(IDCANCEL);
    };
    dlg.DoModal(NULL);
    EXPECT_EQ(hButton, hFocus);
}

TEST(DialogImpl, AMissingTemplateGivesMinusOneAndLeavesNothingBehind)
{
    CMissingDlg missing;
    EXPECT_EQ(-1, missing.DoModal(NULL));
    EXPECT_EQ(static_cast<HWND>(NULL), missing.m_hWnd);

    // the next dialog gets its own object, not the one that was never attached
    CProbeDlg dlg;
    bool bRan = false;
    dlg.m_body = [&](CProbeDlg&) { bRan = true; };
    EXPECT_EQ(7, dlg.DoModal(NULL));
    EXPECT_TRUE(bRan);
}

// Centring: plain popup windows, with and without an owner.
class CenterWindowTest : public testing::Test
{
protected:
    void TearDown() override
    {
        for (HWND hWnd : m_windows)
            ::DestroyWindow(hWnd);
    }

    HWND Popup(int x, int y, int w, int h, HWND hOwner = NULL, DWORD dwStyle = 0)
    {
        const HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | dwStyle, x, y, w, h, hOwner, NULL, NULL, NULL);
        m_windows.insert(m_windows.begin(), hWnd);
        return hWnd;
    }

    static RECT WorkArea(HWND hWnd)
    {
        MONITORINFO monitor;
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoW(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
        return monitor.rcWork;
    }

    static POINT Centre(HWND hWnd)
    {
        CWindow window(hWnd);
        EXPECT_TRUE(window.CenterWindow());
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        return POINT{ rect.left, rect.top };
    }

    std::vector<HWND> m_windows;
};

TEST_F(CenterWindowTest, WithoutAnOwnerItCentresOnTheWorkArea)
{
    const HWND hWnd = Popup(3, 5, 301, 201);
    const RECT area = WorkArea(hWnd);
    const POINT p = Centre(hWnd);
    EXPECT_EQ((area.left + area.right) / 2 - 301 / 2, p.x);
    EXPECT_EQ((area.top + area.bottom) / 2 - 201 / 2, p.y);

    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    EXPECT_EQ(301, rect.right - rect.left); // the size stays
    EXPECT_EQ(201, rect.bottom - rect.top);
}

TEST_F(CenterWindowTest, AVisibleOwnerIsTheReference)
{
    const HWND hOwner = Popup(101, 51, 401, 301, NULL, WS_VISIBLE);
    const HWND hWnd = Popup(0, 0, 100, 60, hOwner);
    const POINT p = Centre(hWnd);
    EXPECT_EQ((101 + 502) / 2 - 50, p.x);
    EXPECT_EQ((51 + 352) / 2 - 30, p.y);
}

TEST_F(CenterWindowTest, AHiddenOrMinimisedOwnerIsPassedOver)
{
    for (DWORD dwStyle : { 0ul, static_cast<unsigned long>(WS_VISIBLE | WS_MINIMIZE) })
    {
        const HWND hOwner = Popup(10, 10, 200, 100, NULL, dwStyle);
        const HWND hWnd = Popup(0, 0, 100, 60, hOwner);
        const RECT area = WorkArea(hWnd);
        const POINT p = Centre(hWnd);
        EXPECT_EQ((area.left + area.right) / 2 - 50, p.x) << dwStyle;
        EXPECT_EQ((area.top + area.bottom) / 2 - 30, p.y) << dwStyle;
    }
}

TEST_F(CenterWindowTest, ItStaysInsideTheWorkArea)
{
    const RECT area = WorkArea(Popup(0, 0, 10, 10));
    // an owner at the bottom right pushes the window against the right and bottom edges
    const HWND hLowRight = Popup(area.right - 50, area.bottom - 40, 100, 80, NULL, WS_VISIBLE);
    POINT p = Centre(Popup(0, 0, 200, 150, hLowRight));
    EXPECT_EQ(area.right - 200, p.x);
    EXPECT_EQ(area.bottom - 150, p.y);

    // an owner at the top left pushes it against the left and top edges
    const HWND hHighLeft = Popup(area.left - 60, area.top - 50, 100, 80, NULL, WS_VISIBLE);
    p = Centre(Popup(0, 0, 200, 150, hHighLeft));
    EXPECT_EQ(area.left, p.x);
    EXPECT_EQ(area.top, p.y);
}

TEST_F(CenterWindowTest, AWindowLargerThanTheAreaKeepsToItsTopLeft)
{
    const RECT area = WorkArea(Popup(0, 0, 10, 10));
    const POINT p = Centre(Popup(0, 0, area.right - area.left + 300, area.bottom - area.top + 200));
    EXPECT_EQ(area.left, p.x);
    EXPECT_EQ(area.top, p.y);
}

} // namespace
