#pragma once
// CFontList: the fonts that the dialog makes. It owns them: they are only
// appended, and they are deleted, the first appended first, when the list
// itself is destroyed, after the window that used them is gone.

#include <windows.h>

#include <vector>

class CFontList
{
public:
    CFontList() {}
    ~CFontList();
    CFontList(const CFontList&) = delete;
    CFontList& operator=(const CFontList&) = delete;

    // Gives the control a bold font 7 pixels taller than its own. A control
    // that draws with the system font (it has no font of its own) is left
    // as it is.
    void CreateBoldFont(HWND hWndControl);

private:
    std::vector<HFONT> m_fonts;
};
