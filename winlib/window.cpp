#include "window.h"

BOOL CWindow::CenterWindow()
{
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndOwner != NULL)
    {
        const LONG lStyle = ::GetWindowLongW(hWndOwner, GWL_STYLE);
        if (!(lStyle & WS_VISIBLE) || (lStyle & WS_MINIMIZE))
            hWndOwner = NULL;
    }

    const HMONITOR hMonitor = ::MonitorFromWindow(hWndOwner != NULL ? hWndOwner : m_hWnd, MONITOR_DEFAULTTONEAREST);
    if (hMonitor == NULL)
        return FALSE;
    MONITORINFO monitor;
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(hMonitor, &monitor))
        return FALSE;

    const RECT area = monitor.rcWork;
    RECT reference = area;
    if (hWndOwner != NULL)
        ::GetWindowRect(hWndOwner, &reference);

    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;

    int x = (reference.left + reference.right) / 2 - w / 2;
    int y = (reference.top + reference.bottom) / 2 - h / 2;

    // A window larger than the area ends up on its left and top edges.
    if (x + w > area.right)
        x = area.right - w;
    if (x < area.left)
        x = area.left;
    if (y + h > area.bottom)
        y = area.bottom - h;
    if (y < area.top)
        y = area.top;

    return ::SetWindowPos(m_hWnd, NULL, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
