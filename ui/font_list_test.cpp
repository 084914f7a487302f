// The fonts that the dialog makes, and when they are deleted.
#include "font_list.h"

#include <gtest/gtest.h>

namespace {

HWND MakeStatic()
{
    return ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
}

HFONT FontOf(HWND hWnd)
{
    return reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0));
}

TEST(FontList, AControlWithoutAFontOfItsOwnGetsNone)
{
    const HWND hWnd = MakeStatic();
    {
        CFontList fonts;
        fonts.CreateBoldFont(hWnd);
        EXPECT_EQ(static_cast<HFONT>(NULL), FontOf(hWnd));
    }
    ::DestroyWindow(hWnd);
}

TEST(FontList, OwnsEveryFontItMadeUntilItIsDestroyed)
{
    LOGFONTW base = {};
    base.lfHeight = -11;
    base.lfWeight = FW_NORMAL;
    base.lfItalic = TRUE;
    lstrcpyW(base.lfFaceName, L"Tahoma");
    const HFONT hBase = ::CreateFontIndirectW(&base);
    const HWND hFirst = MakeStatic();
    const HWND hSecond = MakeStatic();
    ::SendMessageW(hFirst, WM_SETFONT, reinterpret_cast<WPARAM>(hBase), 0);
    ::SendMessageW(hSecond, WM_SETFONT, reinterpret_cast<WPARAM>(hBase), 0);

    HFONT hMade[2];
    {
        CFontList fonts;
        fonts.CreateBoldFont(hFirst);
        fonts.CreateBoldFont(hSecond);
        hMade[0] = FontOf(hFirst);
        hMade[1] = FontOf(hSecond);
        EXPECT_NE(hMade[0], hMade[1]);
        for (HFONT hFont : hMade)
        {
            LOGFONTW made = {};
            ASSERT_EQ(static_cast<int>(sizeof made), ::GetObjectW(hFont, sizeof made, &made));
            EXPECT_EQ(-18, made.lfHeight);
            EXPECT_EQ(FW_BOLD, made.lfWeight);
            EXPECT_EQ(TRUE, made.lfItalic); // everything else as in the control's font
            EXPECT_STREQ(L"Tahoma", made.lfFaceName);
        }
        ::DestroyWindow(hFirst);
        ::DestroyWindow(hSecond);
        // the windows are gone, their fonts are not
        EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(hMade[0]));
        EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(hMade[1]));
    }
    EXPECT_EQ(0u, ::GetObjectType(hMade[0]));
    EXPECT_EQ(0u, ::GetObjectType(hMade[1]));
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(hBase)); // not the list's to delete
    ::DeleteObject(hBase);
}

} // namespace
