#pragma once
// Converting one file: at most one rename within its own folder, and one line
// in the message log for it.

#include <windows.h>

#include <string>

#include "conversion_rules.h"
#include "message_log.h"
#include "path_text.h"

// A mixin for the class T that holds the direction and the message log:
//   int  T::m_nMode                              read afresh for every file
//   void T::AddLogLine(const std::wstring& line)
// T may hide RenameFile with its own.
template <class T>
class CFileConverter
{
public:
    void ConvertFile(std::wstring path)
    {
        T* pT = static_cast<T*>(this);

        const std::wstring newExt = FindNewExtension(pT->m_nMode, LowerAscii(GetExtension(path)));
        if (newExt.empty())
            return;

        // The extension belongs to the last component, so the last '.' of the
        // whole path starts it, whatever dots the folders hold.
        const std::wstring newPath = ReplaceExtension(path, newExt);
        const std::wstring oldName = GetFileNamePart(path);
        const std::wstring newName = GetFileNamePart(newPath);

        const bool bRenamed = pT->RenameFile(path, newPath);
        pT->AddLogLine(FormatResultLine(oldName, newName, bRenamed));
    }

    // MoveFileW never replaces a file that already bears the new name.
    bool RenameFile(const std::wstring& path, const std::wstring& newPath)
    {
        return ::MoveFileW(path.c_str(), newPath.c_str()) != FALSE;
    }
};
