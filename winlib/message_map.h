#pragma once
// The message map: a list of entries tested in order. The first entry that
// matches calls its handler, whose result becomes the message's result, and
// the message counts as handled. A message that no entry matches gets the
// default dialog processing.
//
//   BEGIN_MSG_MAP(CMyDlg)
//       MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)     LRESULT OnInitDialog()
//       COMMAND_HANDLER(IDCANCEL, BN_CLICKED, OnCancel)  LRESULT OnCancel()
//       DROPFILES_HANDLER(OnDropFiles)                   LRESULT OnDropFiles(HDROP)
//       MESSAGE_CONSUME(WM_DESTROY)                      handled, nothing done, 0
//       COMMAND_CONSUME(IDOK, BN_CLICKED)
//   END_MSG_MAP()

#include <windows.h>

class CMessageMap
{
public:
    virtual BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) = 0;
};

#define BEGIN_MSG_MAP(theClass) \
public: \
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) override \
    { \
        (void)hWnd; \
        (void)uMsg; \
        (void)wParam; \
        (void)lParam; \
        (void)lResult;

#define MESSAGE_HANDLER(msg, func) \
        if (uMsg == (msg)) \
        { \
            lResult = func(); \
            return TRUE; \
        }

#define MESSAGE_CONSUME(msg) \
        if (uMsg == (msg)) \
        { \
            lResult = 0; \
            return TRUE; \
        }

#define COMMAND_HANDLER(id, code, func) \
        if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) \
        { \
            lResult = func(); \
            return TRUE; \
        }

#define COMMAND_CONSUME(id, code) \
        if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) \
        { \
            lResult = 0; \
            return TRUE; \
        }

#define DROPFILES_HANDLER(func) \
        if (uMsg == WM_DROPFILES) \
        { \
            lResult = func(reinterpret_cast<HDROP>(wParam)); \
            return TRUE; \
        }

#define END_MSG_MAP() \
        return FALSE; \
    }
