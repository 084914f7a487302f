#pragma once
// Turning one drop of shell items into conversions: dropped files are
// converted, dropped folders are walked depth first.

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <string>

#include "path_text.h"

// A folder link (symbolic link, junction, mount point) leads to a folder that
// lies elsewhere, perhaps to an ancestor: the walk does not enter it. Such
// links are name surrogates. Other reparse points, such as cloud-file
// placeholders, are real folders and are walked. Wine reports a link's tag
// as 0, which no real reparse point has.
inline bool IsFolderLink(const WIN32_FIND_DATAW& entry)
{
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    return entry.dwReserved0 == 0 || IsReparseTagNameSurrogate(entry.dwReserved0);
}

// A mixin for the class T that converts files:
//   void T::ClearLog()
//   void T::ConvertFile(std::wstring path)
template <class T>
class CFolderWalker
{
public:
    LRESULT OnDropFiles(HDROP hDrop)
    {
        T* pT = static_cast<T*>(this);

        const UINT nItems = ::DragQueryFileW(hDrop, 0xFFFFFFFF, NULL, 0);
        pT->ClearLog();
        for (UINT i = 0; i < nItems; ++i)
        {
            // A longer path would be read cut short, and the cut form may
            // name a file that was never dropped.
            const UINT nLength = ::DragQueryFileW(hDrop, i, NULL, 0);
            if (nLength == 0 || nLength >= MAX_PATH)
                continue;

            WCHAR szPath[MAX_PATH];
            ::DragQueryFileW(hDrop, i, szPath, MAX_PATH);
            const DWORD dwAttributes = ::GetFileAttributesW(szPath);
            if (dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
                pT->ConvertFile(szPath);
            else if (::PathIsDirectoryW(szPath))
                pT->ConvertFolder(szPath);
        }
        ::DragFinish(hDrop);
        return 0;
    }

    // Lists the folder in the file system's order and walks each sub-folder
    // where it is listed. A folder that cannot be listed is passed over.
    void ConvertFolder(std::wstring folder)
    {
        T* pT = static_cast<T*>(this);

        WIN32_FIND_DATAW entry;
        const HANDLE hFind = ::FindFirstFileW(JoinPath(folder, L"*.*").c_str(), &entry);
        if (hFind == INVALID_HANDLE_VALUE)
            return;
        do
        {
            const std::wstring name(entry.cFileName);
            if (name == L"." || name == L"..")
                continue;
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                pT->ConvertFile(JoinPath(folder, name));
            else if (!IsFolderLink(entry))
                pT->ConvertFolder(JoinPath(folder, name));
        } while (::FindNextFileW(hFind, &entry));
        ::FindClose(hFind);
    }
};
