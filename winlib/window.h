#pragma once
// CWindow: a window handle with the few operations the program needs.

#include <windows.h>

class CWindow
{
public:
    HWND m_hWnd;

    explicit CWindow(HWND hWnd = NULL) : m_hWnd(hWnd) {}

    operator HWND() const { return m_hWnd; }

    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
    }

    void SetRedraw(BOOL bRedraw) const { SendMessage(WM_SETREDRAW, bRedraw); }
    BOOL Invalidate(BOOL bErase = TRUE) const { return ::InvalidateRect(m_hWnd, NULL, bErase); }

    // Centres a top-level window on its owner when the owner is shown and not
    // minimised, else on the work area of the nearest monitor, and keeps it
    // inside that work area. False when no monitor information is to be had.
    BOOL CenterWindow();
};
