#pragma once
// A holder of a direction and a message log for the engine's tests, with a
// plain sorted list in place of the dialog's list box. It records every
// folder the walk enters and every rename it is asked for, and can be told to
// refuse the renames.

#include <string>
#include <vector>

#include "conversion_rules.h"
#include "file_converter.h"
#include "folder_walk.h"
#include "message_log.h"
#include "sorted_lines.h"

class CTestHost : public CFileConverter<CTestHost>, public CFolderWalker<CTestHost>
{
public:
    int m_nMode = ModeArchiveToComic;
    bool m_bRefuseRenames = false;
    CSortedLines m_lines;
    std::vector<std::wstring> m_renames; // "old|new"
    std::vector<std::wstring> m_folders;
    std::vector<std::wstring> m_visits;  // the folders entered and the files renamed, in turn

    void ClearLog() { ::ClearLog(m_lines); }
    void AddLogLine(const std::wstring& line) { ::AddLogLine(m_lines, line); }

    bool RenameFile(const std::wstring& path, const std::wstring& newPath)
    {
        m_renames.push_back(path + L"|" + newPath);
        m_visits.push_back(path);
        return !m_bRefuseRenames && CFileConverter<CTestHost>::RenameFile(path, newPath);
    }

    void ConvertFolder(std::wstring folder)
    {
        m_folders.push_back(folder);
        m_visits.push_back(folder);
        CFolderWalker<CTestHost>::ConvertFolder(folder);
    }

    std::vector<std::wstring> Lines() const
    {
        return std::vector<std::wstring>(m_lines.Lines().begin(), m_lines.Lines().end());
    }
};

// The lines that a rename should give, spelled out here rather than made
// with the code under test: two spaces on each side of the arrow, then one
// space, then on failure " : 실패".
inline std::wstring Success(const std::wstring& oldName, const std::wstring& newName)
{
    return oldName + L"  \u2192  " + newName + L" ";
}

inline std::wstring Failure(const std::wstring& oldName, const std::wstring& newName)
{
    return oldName + L"  \u2192  " + newName + L"  : \uC2E4\uD328";
}
