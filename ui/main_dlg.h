#pragma once
// CMainDlg: the program's one window. The user picks the direction with the
// two radio buttons and drops files and folders on the dialog; the list below
// shows a line for every rename.

#include <string>

#include "dialog_impl.h"
#include "file_converter.h"
#include "folder_walk.h"
#include "font_list.h"
#include "resource.h"

class CMainDlg : public CDialogImpl<CMainDlg>,
                 public CFileConverter<CMainDlg>,
                 public CFolderWalker<CMainDlg>
{
public:
    enum { IDD = IDD_MAINDLG };

    CMainDlg();

    BEGIN_MSG_MAP(CMainDlg)
        MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        COMMAND_CONSUME(IDOK, BN_CLICKED)
        COMMAND_HANDLER(IDCANCEL, BN_CLICKED, OnCancel)
        COMMAND_HANDLER(IDC_RADIO_TO_COMIC, BN_CLICKED, OnModeClicked)
        COMMAND_HANDLER(IDC_RADIO_TO_ARCHIVE, BN_CLICKED, OnModeClicked)
        MESSAGE_CONSUME(WM_DESTROY)
        DROPFILES_HANDLER(OnDropFiles)
    END_MSG_MAP()

    LRESULT OnInitDialog();
    LRESULT OnCancel();
    LRESULT OnModeClicked();
    LRESULT OnDropFiles(HDROP hDrop);

    // The message log, on the list box.
    void ClearLog();
    void AddLogLine(const std::wstring& line);

    HICON m_hIcon;
    CFontList m_fonts;
    int m_nMode;       // a ConversionMode
    HWND m_hLogList;
};
