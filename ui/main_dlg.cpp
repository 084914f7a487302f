#include "main_dlg.h"

#include "conversion_rules.h"
#include "list_box.h"
#include "message_log.h"

CMainDlg::CMainDlg()
    : m_hIcon(::LoadIconW(CWinModule::GetResourceInstance(), MAKEINTRESOURCEW(IDI_APPICON))),
      m_nMode(ModeArchiveToComic),
      m_hLogList(NULL)
{
}

LRESULT CMainDlg::OnInitDialog()
{
    // One shared icon serves as large and small icon; it is never destroyed.
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    CenterWindow();
    m_fonts.CreateBoldFont(GetDlgItem(IDC_HINT_TEXT));
    m_hLogList = GetDlgItem(IDC_LOG_LIST);
    ::SendMessageW(GetDlgItem(m_nMode != ModeComicToArchive ? IDC_RADIO_TO_COMIC : IDC_RADIO_TO_ARCHIVE),
                   BM_SETCHECK, BST_CHECKED, 0);
    ::DragAcceptFiles(m_hWnd, TRUE);
    return TRUE; // the focus goes to the first tab stop, the exit button
}

LRESULT CMainDlg::OnCancel()
{
    EndDialog(IDCANCEL);
    return 0;
}

// The radio button has taken the selection before it reports the click, so
// the first button alone tells the direction.
LRESULT CMainDlg::OnModeClicked()
{
    m_nMode = static_cast<int>(::SendMessageW(GetDlgItem(IDC_RADIO_TO_COMIC), BM_GETCHECK, 0, 0));
    return 0;
}

// Drawing the list again after every line would cost far more than the
// renames themselves, so it is drawn once, when the whole drop is done.
LRESULT CMainDlg::OnDropFiles(HDROP hDrop)
{
    const CListBox list(m_hLogList);
    list.SetRedraw(FALSE);
    const LRESULT lResult = CFolderWalker<CMainDlg>::OnDropFiles(hDrop);
    list.SetRedraw(TRUE);
    list.Invalidate();
    return lResult;
}

void CMainDlg::ClearLog()
{
    CListBox list(m_hLogList);
    ::ClearLog(list);
}

void CMainDlg::AddLogLine(const std::wstring& line)
{
    CListBox list(m_hLogList);
    ::AddLogLine(list, line);
}
