#include "font_list.h"

CFontList::~CFontList()
{
    for (HFONT hFont : m_fonts)
        ::DeleteObject(hFont);
}

void CFontList::CreateBoldFont(HWND hWndControl)
{
    const HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(hWndControl, WM_GETFONT, 0, 0));
    if (hFont == NULL)
        return;

    LOGFONTW font;
    if (::GetObjectW(hFont, sizeof font, &font) != sizeof font)
        return;
    font.lfHeight -= 7; // a negative height is a character height: 7 pixels taller
    font.lfWeight = FW_BOLD;

    const HFONT hBoldFont = ::CreateFontIndirectW(&font);
    if (hBoldFont == NULL)
        return;
    // No redraw now: the control draws with the font when it is first shown.
    ::SendMessageW(hWndControl, WM_SETFONT, reinterpret_cast<WPARAM>(hBoldFont), 0);
    m_fonts.push_back(hBoldFont);
}
