#include "path_text.h"

#include <gtest/gtest.h>

namespace {

struct PathCase
{
    const wchar_t* pszPath;
    const wchar_t* pszExpected;
};

class GetExtensionTest : public testing::TestWithParam<PathCase> {};

TEST_P(GetExtensionTest, GivesTheExtensionOfTheLastComponent)
{
    EXPECT_EQ(GetParam().pszExpected, GetExtension(GetParam().pszPath));
}

INSTANTIATE_TEST_SUITE_P(Paths, GetExtensionTest, testing::Values(
    PathCase{ L"C:\\comics\\Book.ZIP", L".ZIP" },          // the case stays
    PathCase{ L"C:\\comics\\vol.1.part2.rar", L".rar" },   // the last dot counts
    PathCase{ L"C:/comics/book.cbz", L".cbz" },            // '/' separates too
    PathCase{ L"C:\\comics.old\\book", L"" },              // the dot is in a folder
    PathCase{ L"C:\\comics\\book", L"" },
    PathCase{ L"book", L"" },
    PathCase{ L"", L"" },
    PathCase{ L"C:/comics/.zip", L".zip" },                // an empty name before the dot
    PathCase{ L"C:\\comics\\book.", L"." },
    PathCase{ L"x:book.zip", L".zip" },                    // a drive without a folder
    PathCase{ L"?:book.zip", L".zip" },                    // any first unit makes a drive
    PathCase{ L"C:\\comics\\a|b.zip", L".zip" },           // '|' does not separate here
    PathCase{ L"C:\\comics\\", L"" },
    PathCase{ L"a.b:c", L".b:c" },                          // ':' after the second unit is a letter
    PathCase{ L"\\\\server\\share\\x.rar", L".rar" },
    PathCase{ L"C:\\\\x.zip", L".zip" }));                 // a drive root's doubled backslash

// The rooms: a folder, a name and an extension (with its dot) of 255 code
// units fit, one of 256 makes the split fail.
TEST(GetExtensionLimits, FolderPartFitsUpTo255)
{
    const std::wstring folder255 = L"\\" + std::wstring(253, L'f') + L"\\";
    ASSERT_EQ(255u, folder255.size());
    EXPECT_EQ(L".zip", GetExtension(L"C:" + folder255 + L"a.zip"));
    EXPECT_EQ(L"", GetExtension(L"C:" + folder255 + L"g\\a.zip"));
    EXPECT_EQ(L".zip", GetExtension(folder255 + L"a.zip"));      // no drive: the folder starts at 0
    EXPECT_EQ(L"", GetExtension(L"x" + folder255 + L"a.zip"));
}

TEST(GetExtensionLimits, NamePartFitsUpTo255)
{
    const std::wstring name255(255, L'n');
    EXPECT_EQ(L".zip", GetExtension(L"C:\\d\\" + name255 + L".zip"));
    EXPECT_EQ(L"", GetExtension(L"C:\\d\\" + name255 + L"n.zip"));
}

TEST(GetExtensionLimits, ExtensionFitsUpTo255WithItsDot)
{
    const std::wstring ext255 = L"." + std::wstring(254, L'e');
    EXPECT_EQ(ext255, GetExtension(L"C:\\d\\a" + ext255));
    EXPECT_EQ(L"", GetExtension(L"C:\\d\\a" + ext255 + L"e"));
}

TEST(GetExtensionLimits, NameWithoutDotFailsAlikeAtAnyLength)
{
    EXPECT_EQ(L"", GetExtension(L"C:\\d\\" + std::wstring(255, L'n')));
    EXPECT_EQ(L"", GetExtension(L"C:\\d\\" + std::wstring(256, L'n')));
}

TEST(LowerAscii, LowersOnlyAsciiCapitals)
{
    EXPECT_EQ(L".zip", LowerAscii(L".ZIP"));
    EXPECT_EQ(L".cbr", LowerAscii(L".Cbr"));
    EXPECT_EQ(L"@[`{az09.", LowerAscii(L"@[`{AZ09."));              // the neighbours of A-Z stay
    EXPECT_EQ(L"\u00C4\uFF3A\u0130", LowerAscii(L"\u00C4\uFF3A\u0130")); // Ä, fullwidth Z, dotted I
    EXPECT_EQ(L"", LowerAscii(L""));
}

TEST(ReplaceExtension, ReplacesFromTheLastDotOfTheWholeText)
{
    const struct { const wchar_t* pszPath; const wchar_t* pszExt; const wchar_t* pszExpected; } cases[] = {
        { L"C:\\comics\\Book.ZIP", L".cbz", L"C:\\comics\\Book.cbz" },
        { L"C:\\comics\\vol.1.rar", L".cbr", L"C:\\comics\\vol.1.cbr" },
        { L"C:/comics/.zip", L".cbz", L"C:/comics/.cbz" },
        { L"C:\\comics\\Book.ZIP", L"cbz", L"C:\\comics\\Book.cbz" },   // with or without its dot
        { L"C:\\comics\\a.zip", L"..cbz", L"C:\\comics\\a..cbz" },      // only one dot is dropped
        { L"C:\\comics.old\\book", L".cbz", L"C:\\comics.cbz" },        // the dot of a folder
        { L"C:\\comics\\book", L".cbz", L"C:\\comics\\book.cbz" },      // no dot at all
        { L"", L".cbz", L".cbz" },
        { L"a.zip", L"", L"a." },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pszExpected, ReplaceExtension(c.pszPath, c.pszExt));
}

TEST(GetFileNamePart, TakesWhatFollowsTheLastSeparator)
{
    const PathCase cases[] = {
        { L"C:\\comics\\book.zip", L"book.zip" },
        { L"C:/comics/book.zip", L"book.zip" },
        { L"book.zip", L"book.zip" },
        { L"C:\\comics\\", L"" },
        { L"", L"" },
        { L"C:book.zip", L"C:book.zip" },     // ':' does not separate
        { L"C:\\comics\\a|b.zip", L"b.zip" },
        { L"a/b\\c", L"c" },
        { L"a\\b/c", L"c" },
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(c.pszExpected, GetFileNamePart(c.pszPath));
}

TEST(JoinPath, PutsExactlyOneBackslash)
{
    EXPECT_EQ(L"C:\\comics\\*.*", JoinPath(L"C:\\comics", L"*.*"));
    EXPECT_EQ(L"D:\\\\book.zip", JoinPath(L"D:\\", L"book.zip"));
    EXPECT_EQ(L"\\", JoinPath(L"", L""));
}

TEST(WidenAnsi, WidensAsciiLetterForLetter)
{
    EXPECT_EQ(L".cbz", WidenAnsi(".cbz"));
    EXPECT_EQ(4u, WidenAnsi(".cbz").size());
    EXPECT_EQ(L"", WidenAnsi(""));
}

} // namespace
