#include "conversion_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(FindNewExtension, FollowsTheRuleTableOfEachDirection)
{
    const struct { int nMode; const wchar_t* pszExt; const wchar_t* pszExpected; } cases[] = {
        { ModeArchiveToComic, L".rar", L".cbr" },
        { ModeArchiveToComic, L".zip", L".cbz" },
        { ModeComicToArchive, L".cbr", L".rar" },
        { ModeComicToArchive, L".cbz", L".zip" },
        // a file already in the target form stays
        { ModeArchiveToComic, L".cbz", L"" },
        { ModeArchiveToComic, L".cbr", L"" },
        { ModeComicToArchive, L".zip", L"" },
        { ModeComicToArchive, L".rar", L"" },
        // nothing else converts; the comparison is exact
        { ModeArchiveToComic, L"", L"" },
        { ModeArchiveToComic, L".7z", L"" },
        { ModeArchiveToComic, L".zipx", L"" },
        { ModeArchiveToComic, L"zip", L"" },
        { ModeArchiveToComic, L".ZIP", L"" },         // lowering is the caller's step
        { ModeArchiveToComic, L".zip ", L"" },
        { ModeComicToArchive, L".cbz7", L"" },
        { ModeComicToArchive, L".\uFF43bz", L"" },    // a fullwidth c is not a c
        // only 0 is told apart
        { 2, L".zip", L".cbz" },
        { -1, L".rar", L".cbr" },
        { 2, L".cbz", L"" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pszExpected, FindNewExtension(c.nMode, c.pszExt)) << "mode " << c.nMode;
}

} // namespace
