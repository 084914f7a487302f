// Drops and folder walks, on real folders, with drop handles built as the
// shell builds them.
#include "test_folder.h"
#include "test_host.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

typedef std::vector<std::wstring> Lines;

Lines Sorted(Lines lines)
{
    std::sort(lines.begin(), lines.end());
    return lines;
}

LRESULT Drop(CTestHost& host, const std::vector<std::wstring>& paths)
{
    return host.OnDropFiles(MakeDrop(paths));
}

TEST(DropFiles, TheDropIsReleasedOnceRead)
{
    CTestHost host;
    const HDROP hDrop = MakeDrop({ L"C:\\nothing\\here.zip" });
    EXPECT_EQ(0, host.OnDropFiles(hDrop));
    EXPECT_EQ(static_cast<UINT>(GMEM_INVALID_HANDLE), ::GlobalFlags(hDrop));
}

TEST(DropFiles, ConvertsFilesAndWholeTreesInDropOrder)
{
    CTestFolder folder;
    // a tree three levels deep, matching and other files at every level
    folder.MakeFolder(L"tree");
    folder.MakeFile(L"tree\\a.zip");
    folder.MakeFile(L"tree\\a.txt");
    folder.MakeFolder(L"tree\\one");
    folder.MakeFile(L"tree\\one\\b.RAR");
    folder.MakeFile(L"tree\\one\\b.cbz");
    folder.MakeFolder(L"tree\\one\\two");
    folder.MakeFile(L"tree\\one\\two\\c.zip");
    folder.MakeFile(L"tree\\one\\two\\c");
    folder.MakeFolder(L"tree\\one\\two\\three.zip");
    folder.MakeFile(L"tree\\one\\two\\three.zip\\d.rar");
    // hidden, system and read-only files are converted like any other
    folder.MakeFile(L"tree\\hidden.zip", FILE_ATTRIBUTE_HIDDEN);
    folder.MakeFile(L"tree\\one\\system.rar", FILE_ATTRIBUTE_SYSTEM);
    folder.MakeFile(L"tree\\one\\two\\readonly.zip", FILE_ATTRIBUTE_READONLY);
    // names the walk must not take for "." and ".."
    folder.MakeLinuxFile(L"tree\\...");
    folder.MakeLinuxFile(L"tree\\....zip");
    folder.MakeFolder(L"tree\\.hidden");
    folder.MakeFile(L"tree\\.hidden\\e.zip");
    // an empty folder and one that cannot be listed, in the middle of the drop
    folder.MakeFolder(L"empty");
    folder.MakeFolder(L"locked");
    folder.MakeFile(L"locked\\f.zip");
    folder.Lock(L"locked");
    folder.MakeFile(L"g.zip");
    folder.MakeFile(L"h.7z");
    folder.MakeFolder(L"last");
    folder.MakeFile(L"last\\i.rar");

    CTestHost host;
    host.m_lines.AddString(L"a line of an earlier drop");
    EXPECT_EQ(0, Drop(host, { folder.Path(L"g.zip"), folder.Path(L"tree"), folder.Path(L"empty"),
                             folder.Path(L"locked"), folder.Path(L"h.7z"), folder.Path(L"last") }));

    EXPECT_EQ(Sorted({ Success(L"g.zip", L"g.cbz"), Success(L"a.zip", L"a.cbz"), Success(L"b.RAR", L"b.cbr"),
                       Success(L"c.zip", L"c.cbz"), Success(L"d.rar", L"d.cbr"),
                       Success(L"hidden.zip", L"hidden.cbz"), Success(L"system.rar", L"system.cbr"),
                       Success(L"readonly.zip", L"readonly.cbz"), Success(L"e.zip", L"e.cbz"), Success(L"....zip", L"....cbz"),
                       Success(L"i.rar", L"i.cbr") }),
              host.Lines());
    EXPECT_TRUE(folder.Exists(L"tree\\one\\two\\three.zip\\d.cbr")); // a folder is never renamed
    EXPECT_TRUE(folder.Exists(L"tree\\one\\two\\readonly.cbz"));
    EXPECT_TRUE(folder.Exists(L"tree\\one\\b.cbz"));
    EXPECT_TRUE(folder.Exists(L"h.7z"));

    // the dropped file first, then the folders in drop order, each depth first
    ASSERT_FALSE(host.m_renames.empty());
    EXPECT_EQ(folder.Path(L"g.zip") + L"|" + folder.Path(L"g.cbz"), host.m_renames.front());
    EXPECT_EQ(folder.Path(L"last\\i.rar") + L"|" + folder.Path(L"last\\i.cbr"), host.m_renames.back());
    const Lines expectedFolders = { folder.Path(L"tree"), folder.Path(L"tree\\one"), folder.Path(L"tree\\one\\two"),
                                    folder.Path(L"tree\\one\\two\\three.zip"), folder.Path(L"tree\\.hidden"),
                                    folder.Path(L"empty"), folder.Path(L"locked"), folder.Path(L"last") };
    EXPECT_EQ(Sorted(expectedFolders), Sorted(host.m_folders));
    const auto walkedBefore = [&](const wchar_t* pszParent, const wchar_t* pszChild) {
        const auto parent = std::find(host.m_folders.begin(), host.m_folders.end(), folder.Path(pszParent));
        const auto child = std::find(host.m_folders.begin(), host.m_folders.end(), folder.Path(pszChild));
        return parent < child;
    };
    EXPECT_TRUE(walkedBefore(L"tree\\one\\two\\three.zip", L"empty"));
    EXPECT_TRUE(walkedBefore(L"tree\\.hidden", L"empty"));

    // Depth first: whatever lies below a folder is visited right after the
    // folder is entered, before anything else.
    const std::vector<std::wstring>& visits = host.m_visits;
    for (size_t i = 0; i < visits.size(); ++i)
    {
        if (std::find(host.m_folders.begin(), host.m_folders.end(), visits[i]) == host.m_folders.end())
            continue;
        const std::wstring below = visits[i] + L"\\";
        size_t end = i + 1;
        while (end < visits.size() && visits[end].compare(0, below.size(), below) == 0)
            ++end;
        for (size_t j = end; j < visits.size(); ++j)
            EXPECT_NE(0, visits[j].compare(0, below.size(), below)) << "visited late: " << j;
    }
}

TEST(DropFiles, AFolderThatCannotBeListedIsPassedOver)
{
    CTestFolder folder;
    folder.MakeFolder(L"locked");
    folder.MakeFile(L"locked\\f.zip");
    folder.Lock(L"locked");

    CTestHost host;
    Drop(host, { folder.Path(L"locked") });
    EXPECT_EQ(Lines{ folder.Path(L"locked") }, host.m_folders);
    EXPECT_TRUE(host.m_renames.empty());
}

TEST(DropFiles, ADropThatMatchesNothingEmptiesTheLog)
{
    CTestFolder folder;
    folder.MakeFile(L"a.txt");
    folder.MakeFile(L"b.cbz");

    CTestHost host;
    host.m_lines.AddString(L"earlier");
    Drop(host, { folder.Path(L"a.txt"), folder.Path(L"b.cbz") });
    EXPECT_TRUE(host.Lines().empty());

    host.m_lines.AddString(L"earlier");
    Drop(host, {});
    EXPECT_TRUE(host.Lines().empty());
}

TEST(DropFiles, ADriveRootIsWalkedThroughItsDoubledBackslash)
{
    CTestFolder folder;
    folder.MakeFolder(L"drive");
    folder.MakeFile(L"drive\\a.zip");
    folder.MakeFolder(L"drive\\sub");
    folder.MakeFile(L"drive\\sub\\b.rar");
    folder.MapDrive(L"t:", L"drive");

    CTestHost host;
    Drop(host, { L"T:\\" });
    folder.UnmapDrive(L"t:");

    EXPECT_EQ((Lines{ L"T:\\", L"T:\\\\sub" }), host.m_folders);
    EXPECT_EQ(Sorted({ L"T:\\\\a.zip|T:\\\\a.cbz", L"T:\\\\sub\\b.rar|T:\\\\sub\\b.cbr" }), Sorted(host.m_renames));
    EXPECT_EQ(Sorted({ Success(L"a.zip", L"a.cbz"), Success(L"b.rar", L"b.cbr") }), host.Lines());
    EXPECT_TRUE(folder.Exists(L"drive\\a.cbz"));
    EXPECT_TRUE(folder.Exists(L"drive\\sub\\b.cbr"));
}

TEST(DropFiles, AFileReachedTwiceIsConvertedOnce)
{
    for (bool bFileFirst : { true, false })
    {
        CTestFolder folder;
        folder.MakeFolder(L"f");
        folder.MakeFile(L"f\\a.zip");

        CTestHost host;
        if (bFileFirst)
            Drop(host, { folder.Path(L"f\\a.zip"), folder.Path(L"f") });
        else
            Drop(host, { folder.Path(L"f"), folder.Path(L"f\\a.zip") });
        EXPECT_EQ(Lines{ Success(L"a.zip", L"a.cbz") }, host.Lines());
        EXPECT_TRUE(folder.Exists(L"f\\a.cbz"));
    }
}

TEST(DropFiles, FilesRenamedDuringTheWalkAreNotConvertedAgain)
{
    CTestFolder folder;
    folder.MakeFolder(L"many");
    Lines expected;
    for (int i = 0; i < 300; ++i)
    {
        const std::wstring name = L"book" + std::to_wstring(i);
        folder.MakeFile(L"many\\" + name + L".zip");
        expected.push_back(Success(name + L".zip", name + L".cbz"));
    }

    CTestHost host;
    Drop(host, { folder.Path(L"many") });
    EXPECT_EQ(Sorted(expected), host.Lines());
    EXPECT_EQ(300u, host.m_renames.size());
}

TEST(DropFiles, SameNamesInDifferentFoldersGiveTwoLines)
{
    CTestFolder folder;
    folder.MakeFolder(L"x");
    folder.MakeFolder(L"y");
    folder.MakeFile(L"x\\a.zip");
    folder.MakeFile(L"y\\a.zip");
    folder.MakeFile(L"y\\b.zip");
    folder.MakeFile(L"y\\b.cbz");

    CTestHost host;
    Drop(host, { folder.Path(L"x"), folder.Path(L"y") });
    EXPECT_EQ(Sorted({ Success(L"a.zip", L"a.cbz"), Success(L"a.zip", L"a.cbz"), Failure(L"b.zip", L"b.cbz") }),
              host.Lines());
}

TEST(DropFiles, PathsThatNameNothingAreLeftAlone)
{
    CTestFolder folder;
    folder.MakeFile(L"a.zip");

    CTestHost host;
    Drop(host, { folder.Path(L"gone.zip"), folder.Path(L"gone"), folder.Path(L"a.zip") });
    EXPECT_EQ(Lines{ Success(L"a.zip", L"a.cbz") }, host.Lines());
    EXPECT_EQ(1u, host.m_renames.size());
}

// A dropped path too long for the 260-character buffer would be read cut at
// 259 characters; here the cut form names another, matching file.
TEST(DropFiles, APathTooLongForTheBufferIsNeverActedOn)
{
    CTestFolder folder;
    std::wstring deep = L"d";
    while (folder.Path(deep).size() + 6 < MAX_PATH - 1)
        deep += L"d";
    folder.MakeFolder(deep);
    const std::wstring cut = deep + L"\\x.zip";
    ASSERT_EQ(static_cast<size_t>(MAX_PATH - 1), folder.Path(cut).size());
    folder.MakeFile(cut);
    folder.MakeFile(cut + L".bak");
    folder.MakeFolder(cut + L".d");
    folder.MakeFile(cut + L".d\\y.zip");

    CTestHost host;
    Drop(host, { folder.Path(cut + L"b"), folder.Path(cut + L".bak"), folder.Path(cut + L".d") });
    EXPECT_TRUE(host.m_renames.empty());
    EXPECT_TRUE(host.m_folders.empty());
    EXPECT_TRUE(folder.Exists(cut));
    EXPECT_TRUE(folder.Exists(cut + L".d\\y.zip"));

    // 259 characters still fit
    Drop(host, { folder.Path(cut) });
    EXPECT_EQ(Lines{ Success(L"x.zip", L"x.cbz") }, host.Lines());
}

// Links to folders are not entered, wherever they lead; every real file is
// converted once, through its real path.
TEST(DropFiles, FolderLinksAreNotEntered)
{
    CTestFolder folder;
    folder.MakeFolder(L"root");
    folder.MakeFile(L"root\\a.zip");
    folder.MakeFolder(L"root\\sub");
    folder.MakeFile(L"root\\sub\\b.zip");
    folder.MakeFolder(L"root\\sub\\deeper");
    folder.MakeFile(L"root\\sub\\deeper\\c.rar");
    folder.MakeFolder(L"elsewhere");
    folder.MakeFile(L"elsewhere\\outside.zip");
    // cycles: a link to its own folder, to its parent, to the top; and a fan-out
    folder.MakeLink(L"root\\self", L".");
    folder.MakeLink(L"root\\sub\\up", L"..");
    folder.MakeLink(L"root\\sub\\deeper\\top", L"../..");
    for (int i = 0; i < 4; ++i)
    {
        folder.MakeLink(L"root\\sub\\fan" + std::to_wstring(i), L"..");
        folder.MakeLink(L"root\\sub\\deeper\\fan" + std::to_wstring(i), L"../..");
    }
    folder.MakeLink(L"root\\out", L"../elsewhere");

    CTestHost host;
    Drop(host, { folder.Path(L"root") });

    EXPECT_EQ((Lines{ folder.Path(L"root"), folder.Path(L"root\\sub"), folder.Path(L"root\\sub\\deeper") }),
              Sorted(host.m_folders));
    EXPECT_EQ(Sorted({ Success(L"a.zip", L"a.cbz"), Success(L"b.zip", L"b.cbz"), Success(L"c.rar", L"c.cbr") }),
              host.Lines());
    EXPECT_TRUE(folder.Exists(L"elsewhere\\outside.zip"));
}

TEST(DropFiles, ADroppedLinkToAFolderIsWalked)
{
    CTestFolder folder;
    folder.MakeFolder(L"real");
    folder.MakeFile(L"real\\a.zip");
    folder.MakeLink(L"alias", L"real");
    folder.MakeLink(L"real\\loop", L"..");

    CTestHost host;
    Drop(host, { folder.Path(L"alias") });
    EXPECT_EQ(Lines{ folder.Path(L"alias") }, host.m_folders);
    EXPECT_EQ(Lines{ Success(L"a.zip", L"a.cbz") }, host.Lines());
    EXPECT_TRUE(folder.Exists(L"real\\a.cbz"));
}

TEST(IsFolderLink, TellsLinksFromOtherReparsePoints)
{
    const struct { DWORD dwAttributes; DWORD dwTag; bool bLink; } cases[] = {
        { FILE_ATTRIBUTE_DIRECTORY, 0, false },
        { FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN, IO_REPARSE_TAG_SYMLINK, false }, // the tag counts only on a reparse point
        { FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, IO_REPARSE_TAG_SYMLINK, true },
        { FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, IO_REPARSE_TAG_MOUNT_POINT, true },
        { FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, 0, true },          // Wine's symbolic links
        { FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, 0x9000001A, false }, // a cloud-file placeholder
        { FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, 0x80000017, false }, // a WOF-compressed folder
    };
    for (const auto& c : cases)
    {
        WIN32_FIND_DATAW entry = {};
        entry.dwFileAttributes = c.dwAttributes;
        entry.dwReserved0 = c.dwTag;
        EXPECT_EQ(c.bLink, IsFolderLink(entry)) << std::hex << c.dwAttributes << " " << c.dwTag;
    }
}

} // namespace
