#pragma once
// The message log: one line for every rename attempt, kept in a sorted list.
// The list is anything that offers GetCount, DeleteString and AddString as a
// list box does: the dialog's list box, or a plain sorted list in tests.

#include <string>

// "old  →  new " on success, "old  →  new  : 실패" on failure.
std::wstring FormatResultLine(std::wstring oldName, std::wstring newName, bool bSucceeded);

// Removes the lines one at a time from the top, until none is left.
template <class TLines>
void ClearLog(TLines& lines)
{
    while (lines.GetCount() != 0)
        lines.DeleteString(0);
}

// The list copies the line and puts it where its sort order says.
template <class TLines>
void AddLogLine(TLines& lines, const std::wstring& line)
{
    lines.AddString(line.c_str());
}
