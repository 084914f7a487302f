// The main dialog in this process, built from the program's own template.
#include "main_dlg.h"

#include "conversion_rules.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const UINT WM_RUN_BODY = WM_APP;

// The program's dialog, with a test body run once the dialog is shown. The
// body ends the dialog.
class CTestMainDlg : public CMainDlg
{
public:
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) override
    {
        if (uMsg == WM_RUN_BODY)
        {
            m_body(*this);
            return TRUE;
        }
        const BOOL bHandled = CMainDlg::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult);
        if (uMsg == WM_SHOWWINDOW && wParam)
            ::PostMessageW(hWnd, WM_RUN_BODY, 0, 0);
        return bHandled;
    }

    LRESULT Command(int nID, int nCode = BN_CLICKED)
    {
        return SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(GetDlgItem(nID)));
    }

    int Check(int nID) const { return static_cast<int>(::SendMessageW(GetDlgItem(nID), BM_GETCHECK, 0, 0)); }

    std::vector<std::wstring> ListLines() const
    {
        std::vector<std::wstring> lines;
        const int nCount = static_cast<int>(::SendMessageW(m_hLogList, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < nCount; ++i)
        {
            std::wstring line(::SendMessageW(m_hLogList, LB_GETTEXTLEN, i, 0) + 1, L'\0');
            ::SendMessageW(m_hLogList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0]));
            line.resize(line.size() - 1);
            lines.push_back(line);
        }
        return lines;
    }

    std::function<void(CTestMainDlg&)> m_body;
};

LOGFONTW FontOf(HWND hWnd)
{
    LOGFONTW font = {};
    const HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0));
    EXPECT_EQ(static_cast<int>(sizeof font), ::GetObjectW(hFont, sizeof font, &font));
    return font;
}

TEST(MainDlg, StartsInTheDefaultDirectionWithTheFocusOnTheExitButton)
{
    CTestMainDlg dlg;
    EXPECT_EQ(ModeArchiveToComic, dlg.m_nMode);
    EXPECT_NE(static_cast<HICON>(NULL), dlg.m_hIcon);

    dlg.m_body = [](CTestMainDlg& d) {
        EXPECT_EQ(BST_CHECKED, d.Check(IDC_RADIO_TO_COMIC));
        EXPECT_EQ(BST_UNCHECKED, d.Check(IDC_RADIO_TO_ARCHIVE));
        EXPECT_EQ(d.GetDlgItem(IDC_LOG_LIST), d.m_hLogList);
        EXPECT_EQ(d.GetDlgItem(IDCANCEL), ::GetFocus());
        EXPECT_EQ(reinterpret_cast<LRESULT>(d.m_hIcon), d.SendMessage(WM_GETICON, ICON_BIG));
        EXPECT_EQ(reinterpret_cast<LRESULT>(d.m_hIcon), d.SendMessage(WM_GETICON, ICON_SMALL));
        EXPECT_TRUE(::GetWindowLongW(d.m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        d.Command(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal(NULL));
}

TEST(MainDlg, TheHintHasABoldFontSevenPixelsTaller)
{
    CTestMainDlg dlg;
    dlg.m_body = [](CTestMainDlg& d) {
        const LOGFONTW dialogFont = FontOf(d.m_hWnd);
        const LOGFONTW hintFont = FontOf(d.GetDlgItem(IDC_HINT_TEXT));
        EXPECT_EQ(-11, dialogFont.lfHeight); // 8 points at 96 dots per inch
        EXPECT_EQ(-18, hintFont.lfHeight);
        EXPECT_EQ(FW_BOLD, hintFont.lfWeight);
        EXPECT_STREQ(dialogFont.lfFaceName, hintFont.lfFaceName);
        EXPECT_EQ(dialogFont.lfCharSet, hintFont.lfCharSet);
        EXPECT_EQ(dialogFont.lfItalic, hintFont.lfItalic);
        EXPECT_EQ(dialogFont.lfWidth, hintFont.lfWidth);
        // the other controls keep the dialog's font
        EXPECT_EQ(d.SendMessage(WM_GETFONT), ::SendMessageW(d.GetDlgItem(IDCANCEL), WM_GETFONT, 0, 0));
        d.Command(IDCANCEL);
    };
    dlg.DoModal(NULL);
}

TEST(MainDlg, TheHintFontIsDeletedWithTheObjectNotWithTheWindow)
{
    HFONT hHintFont = NULL;
    {
        CTestMainDlg dlg;
        dlg.m_body = [&](CTestMainDlg& d) {
            hHintFont = reinterpret_cast<HFONT>(::SendMessageW(d.GetDlgItem(IDC_HINT_TEXT), WM_GETFONT, 0, 0));
            d.Command(IDCANCEL);
        };
        dlg.DoModal(NULL);
        ASSERT_NE(static_cast<HFONT>(NULL), hHintFont);
        EXPECT_EQ(static_cast<HWND>(NULL), dlg.m_hWnd);               // the window is gone
        EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(hHintFont)); // its font is not
    }
    EXPECT_EQ(0u, ::GetObjectType(hHintFont));
}

TEST(MainDlg, TheRadioButtonsSetTheDirection)
{
    CTestMainDlg dlg;
    std::vector<int> modes;
    dlg.m_body = [&](CTestMainDlg& d) {
        for (int nID : { IDC_RADIO_TO_ARCHIVE, IDC_RADIO_TO_ARCHIVE, IDC_RADIO_TO_COMIC, IDC_RADIO_TO_COMIC })
        {
            ::SendMessageW(d.GetDlgItem(nID), BM_CLICK, 0, 0);
            modes.push_back(d.m_nMode);
        }
        d.Command(IDCANCEL);
    };
    dlg.DoModal(NULL);
    EXPECT_EQ((std::vector<int>{ ModeComicToArchive, ModeComicToArchive, ModeArchiveToComic, ModeArchiveToComic }),
              modes);
}

TEST(MainDlg, CommandsWithAnotherCodeChangeNothing)
{
    CTestMainDlg dlg;
    dlg.m_body = [](CTestMainDlg& d) {
        // select the second button without a click: only a command reads it
        ::SendMessageW(d.GetDlgItem(IDC_RADIO_TO_COMIC), BM_SETCHECK, BST_UNCHECKED, 0);
        ::SendMessageW(d.GetDlgItem(IDC_RADIO_TO_ARCHIVE), BM_SETCHECK, BST_CHECKED, 0);
        d.Command(IDC_RADIO_TO_ARCHIVE, BN_DOUBLECLICKED);
        d.Command(IDC_RADIO_TO_COMIC, BN_SETFOCUS);
        EXPECT_EQ(ModeArchiveToComic, d.m_nMode);
        d.Command(IDCANCEL, BN_DOUBLECLICKED);
        d.Command(IDOK, BN_DOUBLECLICKED);
        EXPECT_EQ(0, d.Command(IDOK)); // Enter away from a push button does nothing
        EXPECT_TRUE(::IsWindowVisible(d.m_hWnd)); // ending the dialog would hide it
        // it is the first button that tells the direction, whichever reports
        d.Command(IDC_RADIO_TO_COMIC);
        EXPECT_EQ(ModeComicToArchive, d.m_nMode);
        d.Command(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal(NULL));
}

TEST(MainDlg, TheLogIsTheSortedListBox)
{
    CTestMainDlg dlg;
    dlg.m_body = [](CTestMainDlg& d) {
        d.AddLogLine(L"b.zip");
        d.AddLogLine(L"a.zip");
        d.AddLogLine(L"a.zip");
        EXPECT_EQ((std::vector<std::wstring>{ L"a.zip", L"a.zip", L"b.zip" }), d.ListLines());
        d.ClearLog();
        EXPECT_TRUE(d.ListLines().empty());
        d.ClearLog();
        EXPECT_TRUE(d.ListLines().empty());
        d.Command(IDCANCEL);
    };
    dlg.DoModal(NULL);
}

// The list is not drawn during a drop; once the drop is done it is drawn
// again, with a scroll bar for lines beyond its height.
TEST(MainDlg, AfterALongDropTheListScrollsToEveryLine)
{
    CTestFolder folder;
    folder.MakeFolder(L"many");
    for (int i = 0; i < 40; ++i)
        folder.MakeFile(L"many\\book" + std::to_wstring(i) + L".zip");

    CTestMainDlg dlg;
    dlg.m_body = [&](CTestMainDlg& d) {
        d.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({ folder.Path(L"many") })));
        EXPECT_EQ(40u, d.ListLines().size());
        SCROLLINFO scroll = {};
        scroll.cbSize = sizeof scroll;
        scroll.fMask = SIF_RANGE | SIF_PAGE;
        ASSERT_TRUE(::GetScrollInfo(d.m_hLogList, SB_VERT, &scroll));
        EXPECT_EQ(39, scroll.nMax);
        EXPECT_LT(static_cast<int>(scroll.nPage), 40);
        d.Command(IDCANCEL);
    };
    dlg.DoModal(NULL);
}

// The message map, entry by entry: which messages it takes and which it
// leaves to the default processing.
TEST(MainDlg, TheMessageMapTakesExactlyItsEntries)
{
    CTestMainDlg dlg;
    dlg.m_body = [](CTestMainDlg& d) {
        const struct { UINT uMsg; int nID; int nCode; BOOL bHandled; } cases[] = {
            { WM_COMMAND, IDOK, BN_CLICKED, TRUE },
            { WM_COMMAND, IDOK, BN_DOUBLECLICKED, FALSE },
            { WM_COMMAND, IDCANCEL, BN_SETFOCUS, FALSE },
            { WM_COMMAND, IDC_RADIO_TO_COMIC, BN_DOUBLECLICKED, FALSE },
            { WM_COMMAND, IDC_RADIO_TO_ARCHIVE, BN_KILLFOCUS, FALSE },
            { WM_COMMAND, IDC_LOG_LIST, LBN_SELCHANGE, FALSE },
            { WM_COMMAND, IDC_HINT_TEXT, BN_CLICKED, FALSE },
            { WM_DESTROY, 0, 0, TRUE },
            { WM_PAINT, 0, 0, FALSE },
            { WM_CLOSE, 0, 0, FALSE },
            { WM_COMMAND, IDC_RADIO_TO_ARCHIVE, BN_CLICKED, TRUE },
            { WM_COMMAND, IDC_RADIO_TO_COMIC, BN_CLICKED, TRUE },
        };
        for (const auto& c : cases)
        {
            LRESULT lResult = 12345;
            const WPARAM wParam = c.uMsg == WM_COMMAND ? MAKEWPARAM(c.nID, c.nCode) : 0;
            EXPECT_EQ(c.bHandled, d.CMainDlg::ProcessWindowMessage(d.m_hWnd, c.uMsg, wParam, 0, lResult))
                << c.uMsg << " " << c.nID << " " << c.nCode;
            EXPECT_EQ(c.bHandled ? 0 : 12345, lResult);
        }
        EXPECT_TRUE(::IsWindowVisible(d.m_hWnd));
        d.Command(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal(NULL));
}

TEST(MainDlg, ADropConvertsInTheChosenDirection)
{
    CTestFolder folder;
    folder.MakeFolder(L"books");
    folder.MakeFile(L"books\\b.zip");
    folder.MakeFile(L"books\\a.cbr");
    folder.MakeFile(L"c.RAR");

    CTestMainDlg dlg;
    dlg.m_body = [&](CTestMainDlg& d) {
        EXPECT_EQ(0, d.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({ folder.Path(L"c.RAR"),
                                                                                       folder.Path(L"books") }))));
        EXPECT_EQ((std::vector<std::wstring>{ L"b.zip  \u2192  b.cbz ", L"c.RAR  \u2192  c.cbr " }), d.ListLines());

        ::SendMessageW(d.GetDlgItem(IDC_RADIO_TO_ARCHIVE), BM_CLICK, 0, 0);
        d.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({ folder.Path(L"books") })));
        EXPECT_EQ((std::vector<std::wstring>{ L"a.cbr  \u2192  a.rar ", L"b.cbz  \u2192  b.zip " }), d.ListLines());
        d.Command(IDCANCEL);
    };
    dlg.DoModal(NULL);
    EXPECT_TRUE(folder.Exists(L"c.cbr"));
    EXPECT_TRUE(folder.Exists(L"books\\a.rar"));
    EXPECT_TRUE(folder.Exists(L"books\\b.zip"));
}

} // namespace
