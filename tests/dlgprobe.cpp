// Reads the live Tomeflip dialog from another process and prints what it
// finds as one JSON object: the window and work area rectangles, every
// control with its id, class, text, style and rectangle, the state of the
// radio buttons, the lines of the message list and the control that has the
// keyboard focus. Waits up to 120 seconds for the dialog to be shown.
//   dlgprobe [--desktop=NAME]   looks on that desktop (a Wine desktop window)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Json(const std::wstring& text)
{
    std::string out = "\"";
    for (wchar_t c : text)
    {
        if (c == L'"' || c == L'\\')
        {
            out += '\\';
            out += static_cast<char>(c);
        }
        else if (c >= 0x20 && c < 0x7F)
        {
            out += static_cast<char>(c);
        }
        else
        {
            char unit[8];
            std::snprintf(unit, sizeof unit, "\\u%04x", static_cast<unsigned>(c));
            out += unit;
        }
    }
    return out + "\"";
}

std::string Json(const RECT& r)
{
    char text[80];
    std::snprintf(text, sizeof text, "[%ld, %ld, %ld, %ld]", r.left, r.top, r.right, r.bottom);
    return text;
}

std::wstring WindowText(HWND hWnd)
{
    const int n = ::GetWindowTextLengthW(hWnd);
    std::wstring text(n + 1, L'\0');
    ::GetWindowTextW(hWnd, &text[0], n + 1);
    text.resize(n);
    return text;
}

std::wstring ClassName(HWND hWnd)
{
    WCHAR szClass[64];
    const int n = ::GetClassNameW(hWnd, szClass, 64);
    return std::wstring(szClass, n);
}

std::string ListLines(HWND hList)
{
    std::string out = "[";
    const LRESULT nCount = ::SendMessageW(hList, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < nCount; ++i)
    {
        const LRESULT nLength = ::SendMessageW(hList, LB_GETTEXTLEN, i, 0);
        std::wstring line(nLength + 1, L'\0');
        ::SendMessageW(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0]));
        line.resize(nLength);
        out += (i ? ", " : "") + Json(line);
    }
    return out + "]";
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring desktopOption = L"--desktop=";
    const wchar_t* pszDesktop = NULL;
    if (argc > 1 && std::wstring(argv[1]).compare(0, desktopOption.size(), desktopOption) == 0)
        pszDesktop = argv[1] + desktopOption.size();

    HWND hDlg = NULL;
    for (int i = 0; i < 1200 && hDlg == NULL; ++i)
    {
        // A desktop that Wine is still making cannot be opened yet.
        if (pszDesktop != NULL)
        {
            const HDESK hDesktop = ::OpenDesktopW(pszDesktop, 0, FALSE, GENERIC_ALL);
            if (hDesktop != NULL && ::SetThreadDesktop(hDesktop))
                pszDesktop = NULL;
        }
        // The dialog is shown once it has been initialised.
        if (pszDesktop == NULL)
            hDlg = ::FindWindowW(L"#32770", L"Tomeflip");
        if (hDlg != NULL && !::IsWindowVisible(hDlg))
            hDlg = NULL;
        if (hDlg == NULL)
            ::Sleep(100);
    }
    if (hDlg == NULL)
    {
        std::printf("{\"found\": false}\n");
        return 1;
    }

    RECT window;
    ::GetWindowRect(hDlg, &window);
    MONITORINFO monitor;
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(hDlg, MONITOR_DEFAULTTONEAREST), &monitor);

    GUITHREADINFO thread;
    thread.cbSize = sizeof thread;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(hDlg, NULL), &thread);

    std::printf("{\"found\": true, \"caption\": %s, \"rect\": %s, \"work\": %s, \"monitor\": %s,\n",
                Json(WindowText(hDlg)).c_str(), Json(window).c_str(), Json(monitor.rcWork).c_str(),
                Json(monitor.rcMonitor).c_str());
    std::printf(" \"style\": %lu, \"focus\": %d, \"controls\": [\n", ::GetWindowLongW(hDlg, GWL_STYLE),
                thread.hwndFocus ? ::GetDlgCtrlID(thread.hwndFocus) : 0);
    bool bFirst = true;
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        RECT rect;
        ::GetWindowRect(hChild, &rect);
        const std::wstring className = ClassName(hChild);
        std::printf("%s  {\"id\": %d, \"class\": %s, \"text\": %s, \"style\": %lu, \"rect\": %s", bFirst ? "" : ",\n",
                    ::GetDlgCtrlID(hChild), Json(className).c_str(), Json(WindowText(hChild)).c_str(),
                    ::GetWindowLongW(hChild, GWL_STYLE), Json(rect).c_str());
        if (lstrcmpiW(className.c_str(), L"Button") == 0)
            std::printf(", \"check\": %d", static_cast<int>(::SendMessageW(hChild, BM_GETCHECK, 0, 0)));
        if (lstrcmpiW(className.c_str(), L"ListBox") == 0)
            std::printf(", \"lines\": %s", ListLines(hChild).c_str());
        std::printf("}");
        bFirst = false;
    }
    std::printf("\n]}\n");
    return 0;
}
