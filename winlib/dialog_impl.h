#pragma once
// The dialog base classes: a dialog object is attached to its window before
// the window's first message, and from then on every message of the window
// goes to the object's message map.
//
//   CMessageMap   CWindow
//         \         /
//       CWindowImplRoot          the message being handled, the final hook
//              |
//       CDialogImplBaseT         the dialog procedure
//              |
//       CDialogImpl<T>           the modal run from template T::IDD

#include "message_map.h"
#include "module.h"
#include "window.h"

template <class TBase = CWindow>
class CWindowImplRoot : public TBase, public CMessageMap
{
public:
    virtual ~CWindowImplRoot() {}
};

template <class TBase = CWindow>
class CDialogImplBaseT : public CWindowImplRoot<TBase>
{
public:
    virtual DLGPROC GetDialogProc() { return DialogProc; }

    // Called with the old handle once the window has been destroyed.
    virtual void OnFinalMessage(HWND /*hWnd*/) {}

    // The procedure of a window that has no object yet: the first message
    // attaches the object that DoModal left with the module.
    static INT_PTR CALLBACK StartDialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        CDialogImplBaseT* pThis = static_cast<CDialogImplBaseT*>(WinModule().ExtractCreateWndData());
        if (pThis == NULL)
            return FALSE;
        pThis->m_hWnd = hWnd;
        ::SetWindowLongPtrW(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(pThis));
        const DLGPROC pProc = pThis->GetDialogProc();
        ::SetWindowLongPtrW(hWnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(pProc));
        return pProc(hWnd, uMsg, wParam, lParam);
    }

    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        CDialogImplBaseT* pThis = reinterpret_cast<CDialogImplBaseT*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
        if (pThis == NULL)
            return FALSE;

        LRESULT lResult = 0;
        const BOOL bHandled = pThis->ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult);
        const INT_PTR nResult = bHandled ? HandledResult(hWnd, uMsg, lResult) : FALSE;

        if (uMsg == WM_NCDESTROY)
        {
            ::SetWindowLongPtrW(hWnd, DWLP_USER, 0);
            pThis->m_hWnd = NULL;
            pThis->OnFinalMessage(hWnd);
        }
        return nResult;
    }

private:
    // These messages take their result as the dialog procedure's own return
    // value; every other handled message takes it through DWLP_MSGRESULT.
    static INT_PTR HandledResult(HWND hWnd, UINT uMsg, LRESULT lResult)
    {
        switch (uMsg)
        {
        case WM_INITDIALOG:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
        case WM_COMPAREITEM:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return static_cast<INT_PTR>(lResult);
        default:
            ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, lResult);
            return TRUE;
        }
    }
};

template <class T, class TBase = CWindow>
class CDialogImpl : public CDialogImplBaseT<TBase>
{
public:
    // Runs the dialog until EndDialog; -1 when it cannot be created.
    INT_PTR DoModal(HWND hWndParent = ::GetActiveWindow(), LPARAM dwInitParam = 0)
    {
        WinModule().AddCreateWndData(static_cast<CDialogImplBaseT<TBase>*>(this));
        const INT_PTR nResult = ::DialogBoxParamW(CWinModule::GetResourceInstance(), MAKEINTRESOURCEW(T::IDD),
                                                  hWndParent, CDialogImplBaseT<TBase>::StartDialogProc, dwInitParam);
        WinModule().ExtractCreateWndData(); // left over when the window was never made
        return nResult;
    }

    BOOL EndDialog(int nRetCode) { return ::EndDialog(this->m_hWnd, nRetCode); }
};
