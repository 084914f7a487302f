// Converting one file, on real folders.
#include "test_folder.h"
#include "test_host.h"

#include <gtest/gtest.h>

namespace {

typedef std::vector<std::wstring> Lines;

struct RenameCase
{
    int nMode;
    const wchar_t* pszName;
    const wchar_t* pszNewName; // null: left alone
};

class ConvertFileTest : public testing::TestWithParam<RenameCase> {};

TEST_P(ConvertFileTest, RenamesExactlyTheMatchingFiles)
{
    const RenameCase& c = GetParam();
    CTestFolder folder;
    folder.MakeFile(c.pszName);
    const auto before = folder.Snapshot();

    CTestHost host;
    host.m_nMode = c.nMode;
    host.ConvertFile(folder.Path(c.pszName));

    if (c.pszNewName == nullptr)
    {
        EXPECT_TRUE(host.Lines().empty());
        EXPECT_TRUE(host.m_renames.empty());
        EXPECT_TRUE(folder.Exists(c.pszName));
    }
    else
    {
        EXPECT_EQ(Lines{ Success(c.pszName, c.pszNewName) }, host.Lines());
        EXPECT_FALSE(folder.Exists(c.pszName));
    }

    // Nothing but the name may change: the content and the time stay.
    const auto after = folder.Snapshot();
    ASSERT_EQ(1u, after.size());
    EXPECT_EQ(before.begin()->first, after.begin()->first);
    EXPECT_TRUE(before.begin()->second.lastWrite == after.begin()->second.lastWrite);
    EXPECT_EQ(c.pszNewName ? c.pszNewName : c.pszName, after.begin()->second.path);
}

INSTANTIATE_TEST_SUITE_P(RuleTable, ConvertFileTest, testing::Values(
    RenameCase{ ModeArchiveToComic, L"a.rar", L"a.cbr" },
    RenameCase{ ModeArchiveToComic, L"a.zip", L"a.cbz" },
    RenameCase{ ModeComicToArchive, L"a.cbr", L"a.rar" },
    RenameCase{ ModeComicToArchive, L"a.cbz", L"a.zip" },
    // the extension matches in any letter case; the new one is lower case
    RenameCase{ ModeArchiveToComic, L"BOOK.ZIP", L"BOOK.cbz" },
    RenameCase{ ModeArchiveToComic, L"Book.RaR", L"Book.cbr" },
    RenameCase{ ModeComicToArchive, L"x.Cbr", L"x.rar" },
    RenameCase{ ModeComicToArchive, L"X.CBZ", L"X.zip" },
    // several dots, an empty name, '%', Korean, a character beyond the BMP
    RenameCase{ ModeArchiveToComic, L"vol.1.part2.rar", L"vol.1.part2.cbr" },
    RenameCase{ ModeComicToArchive, L"archive.zip.cbz", L"archive.zip.zip" },
    RenameCase{ ModeArchiveToComic, L".zip", L".cbz" },
    RenameCase{ ModeArchiveToComic, L"100%.zip", L"100%.cbz" },
    RenameCase{ ModeArchiveToComic, L"%s%d.rar", L"%s%d.cbr" },
    RenameCase{ ModeArchiveToComic, L"\uB9CC\uD654\uCC45.zip", L"\uB9CC\uD654\uCC45.cbz" },
    RenameCase{ ModeArchiveToComic, L"\U0001F4DA book.ZIP", L"\U0001F4DA book.cbz" },
    // every value but 0 converts to comic-book archives
    RenameCase{ 2, L"a.zip", L"a.cbz" },
    RenameCase{ -1, L"a.rar", L"a.cbr" },
    // left alone
    RenameCase{ ModeArchiveToComic, L"archive.zip.cbz", nullptr },
    RenameCase{ ModeArchiveToComic, L"x.cbz", nullptr },
    RenameCase{ ModeComicToArchive, L"x.zip", nullptr },
    RenameCase{ ModeArchiveToComic, L"x", nullptr },
    RenameCase{ ModeArchiveToComic, L"x.7z", nullptr },
    RenameCase{ ModeArchiveToComic, L"x.zipx", nullptr },
    RenameCase{ ModeComicToArchive, L"x.cbz7", nullptr },
    RenameCase{ ModeArchiveToComic, L"x.zip.txt", nullptr },
    RenameCase{ ModeArchiveToComic, L"x.\uFF3AIP", nullptr },   // a fullwidth Z is not folded
    RenameCase{ 2, L"x.cbr", nullptr }));

TEST(ConvertFile, DotsInFolderNamesDoNotDisturbTheRename)
{
    CTestFolder folder;
    folder.MakeFolder(L"my.comics");
    folder.MakeFile(L"my.comics\\book.zip");
    folder.MakeFolder(L"x.zip");
    folder.MakeFile(L"x.zip\\book");

    CTestHost host;
    host.ConvertFile(folder.Path(L"my.comics\\book.zip"));
    host.ConvertFile(folder.Path(L"x.zip\\book"));

    EXPECT_TRUE(folder.Exists(L"my.comics\\book.cbz"));
    EXPECT_TRUE(folder.Exists(L"x.zip\\book"));
    EXPECT_FALSE(folder.Exists(L"x.cbz"));
    EXPECT_EQ(Lines{ Success(L"book.zip", L"book.cbz") }, host.Lines());
}

TEST(ConvertFile, AnExistingTargetIsNeverReplaced)
{
    CTestFolder folder;
    folder.MakeFile(L"a.zip");
    folder.MakeFile(L"a.cbz");

    CTestHost host;
    host.ConvertFile(folder.Path(L"a.zip"));

    EXPECT_EQ("a.zip", folder.Content(L"a.zip"));
    EXPECT_EQ("a.cbz", folder.Content(L"a.cbz"));
    EXPECT_EQ(Lines{ Failure(L"a.zip", L"a.cbz") }, host.Lines());
}

TEST(ConvertFile, ContentAndTimesOfAWholeFolderStay)
{
    CTestFolder folder;
    const wchar_t* names[] = { L"a.zip", L"b.RAR", L"c.cbz", L"d.txt", L"e", L"f.zip", L"f.cbz", L"g.rar.zip" };
    for (const wchar_t* name : names)
        folder.MakeFile(name);
    const auto before = folder.Snapshot();

    CTestHost host;
    for (const wchar_t* name : names)
        host.ConvertFile(folder.Path(name));

    const auto after = folder.Snapshot();
    ASSERT_EQ(before.size(), after.size());
    for (const auto& file : before)
    {
        ASSERT_EQ(1u, after.count(file.first));
        EXPECT_TRUE(file.second.lastWrite == after.at(file.first).lastWrite);
    }
    EXPECT_EQ(L"b.cbr", after.at("b.RAR").path);
    EXPECT_EQ(L"f.zip", after.at("f.zip").path);
    EXPECT_EQ(L"g.rar.cbz", after.at("g.rar.zip").path);
    EXPECT_EQ((Lines{ Success(L"a.zip", L"a.cbz"), Success(L"b.RAR", L"b.cbr"), Failure(L"f.zip", L"f.cbz"),
                      Success(L"g.rar.zip", L"g.rar.cbz") }),
              host.Lines());
}

// A failure that a real folder cannot be made to give, whatever its cause.
TEST(ConvertFile, ARefusedRenameIsLoggedAsAFailure)
{
    CTestHost host;
    host.m_bRefuseRenames = true;
    host.ConvertFile(L"C:\\comics\\Book.ZIP");
    EXPECT_EQ(Lines{ L"C:\\comics\\Book.ZIP|C:\\comics\\Book.cbz" }, host.m_renames);
    EXPECT_EQ(Lines{ Failure(L"Book.ZIP", L"Book.cbz") }, host.Lines());
}

TEST(ConvertFile, AFileThatIsGoneIsAFailedRename)
{
    CTestFolder folder;
    CTestHost host;
    host.ConvertFile(folder.Path(L"gone.zip"));
    EXPECT_EQ(Lines{ Failure(L"gone.zip", L"gone.cbz") }, host.Lines());
}

TEST(ConvertFile, ReadsTheDirectionForEveryFile)
{
    CTestHost host;
    host.m_bRefuseRenames = true;
    host.ConvertFile(L"a.zip");
    host.m_nMode = ModeComicToArchive;
    host.ConvertFile(L"b.cbz");
    host.ConvertFile(L"c.zip");
    EXPECT_EQ((Lines{ L"a.zip|a.cbz", L"b.cbz|b.zip" }), host.m_renames);
}

} // namespace
