#include "message_log.h"
#include "sorted_lines.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FormatResultLine, SuccessEndsInOneSpace)
{
    const std::wstring line = FormatResultLine(L"a.zip", L"a.cbz", true);
    EXPECT_EQ(std::wstring(L"a.zip  \u2192  a.cbz "), line);
    EXPECT_EQ(5u + 5u + 6u, line.size());
}

TEST(FormatResultLine, FailureCarriesTheMark)
{
    const std::wstring line = FormatResultLine(L"a.zip", L"a.cbz", false);
    const wchar_t expected[] = { 'a', '.', 'z', 'i', 'p', ' ', ' ', 0x2192, ' ', ' ',
                                 'a', '.', 'c', 'b', 'z', ' ', ' ', ':', ' ', 0xC2E4, 0xD328, 0 };
    EXPECT_EQ(std::wstring(expected), line);
    EXPECT_EQ(5u + 5u + 11u, line.size());
}

TEST(FormatResultLine, NamesAreCopiedLiterally)
{
    EXPECT_EQ(L"100%.zip  \u2192  100%.cbz ", FormatResultLine(L"100%.zip", L"100%.cbz", true));
    EXPECT_EQ(L"%s%n%d.rar  \u2192  %s%n%d.cbr ", FormatResultLine(L"%s%n%d.rar", L"%s%n%d.cbr", true));
    EXPECT_EQ(L"  \u2192   ", FormatResultLine(L"", L"", true));
}

// A list that records what the log asks of it.
class CRecordingLines
{
public:
    explicit CRecordingLines(int nLines) : m_nLines(nLines) {}
    int GetCount() { m_calls.push_back(L"count"); return m_nLines; }
    void DeleteString(int nIndex) { m_calls.push_back(L"delete " + std::to_wstring(nIndex)); --m_nLines; }
    void AddString(const wchar_t* pszLine) { m_calls.push_back(std::wstring(L"add ") + pszLine); ++m_nLines; }

    int m_nLines;
    std::vector<std::wstring> m_calls;
};

TEST(ClearLog, DeletesTheFirstLineUntilNoneIsLeft)
{
    CRecordingLines lines(2);
    ClearLog(lines);
    const std::vector<std::wstring> expected = { L"count", L"delete 0", L"count", L"delete 0", L"count" };
    EXPECT_EQ(expected, lines.m_calls);
    EXPECT_EQ(0, lines.m_nLines);
}

TEST(ClearLog, AnEmptyListIsOnlyCounted)
{
    CRecordingLines lines(0);
    ClearLog(lines);
    EXPECT_EQ(std::vector<std::wstring>{ L"count" }, lines.m_calls);
}

TEST(AddLogLine, HandsTheLineToTheList)
{
    CRecordingLines lines(0);
    AddLogLine(lines, L"x");
    EXPECT_EQ(std::vector<std::wstring>{ L"add x" }, lines.m_calls);
}

TEST(SortedLines, KeepsLinesSortedAndDuplicates)
{
    CSortedLines lines;
    AddLogLine(lines, L"b.zip");
    AddLogLine(lines, L"a.zip");
    AddLogLine(lines, L"a.zip");
    const std::vector<std::wstring> sorted(lines.Lines().begin(), lines.Lines().end());
    EXPECT_EQ((std::vector<std::wstring>{ L"a.zip", L"a.zip", L"b.zip" }), sorted);

    ClearLog(lines);
    EXPECT_EQ(0, lines.GetCount());
}

TEST(SortedLines, CopiesTheText)
{
    CSortedLines lines;
    std::wstring line = L"a";
    AddLogLine(lines, line);
    line[0] = L'z';
    EXPECT_EQ(L"a", *lines.Lines().begin());
}

} // namespace
