#pragma once
// A temporary folder tree for the tests under Wine, removed again at the end.
// Every file made here holds its own relative path as content, so that a file
// can be recognised after it has been renamed. What Win32 cannot make under
// Wine (symbolic links, folders that cannot be listed, drive letters) is made
// with the Linux tools, which Wine starts like any other program.

#include <windows.h>

#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

class CTestFolder
{
public:
    CTestFolder();
    ~CTestFolder();
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;

    const std::wstring& Root() const { return m_root; }
    std::wstring Path(const std::wstring& relative) const { return m_root + L"\\" + relative; }

    void MakeFolder(const std::wstring& relative) const;
    void MakeFile(const std::wstring& relative, DWORD dwAttributes = FILE_ATTRIBUTE_NORMAL) const;
    bool Exists(const std::wstring& relative) const;
    std::string Content(const std::wstring& relative) const;

    // An empty file with a name that Win32 cannot make, such as "...".
    void MakeLinuxFile(const std::wstring& relative) const;
    // A symbolic link at relative that points to target, as ln -s takes it.
    void MakeLink(const std::wstring& relative, const std::wstring& target) const;
    // Takes every permission from a folder, so that it cannot be listed.
    void Lock(const std::wstring& relative) const;
    // Maps a drive letter ("t:") to a folder, or removes the mapping.
    void MapDrive(const std::wstring& drive, const std::wstring& relative) const;
    void UnmapDrive(const std::wstring& drive) const;

    struct FileState
    {
        std::wstring path;     // relative to the root
        FILETIME lastWrite;
    };
    // Every file below the root, by its content; links are not followed.
    std::map<std::string, FileState> Snapshot() const;

private:
    void Collect(const std::wstring& relative, std::map<std::string, FileState>& files) const;

    std::wstring m_root;
};

bool operator==(const FILETIME& a, const FILETIME& b);

// The Linux path of a Windows path.
std::wstring UnixPath(const std::wstring& path);
// Runs a shell command, with the paths in it quoted, and waits for it. Its
// exit code is not known: the callers check what it did.
void RunUnix(const std::wstring& commandLine);

// A drop of these paths, in this order, as the shell hands it to a window.
HDROP MakeDrop(const std::vector<std::wstring>& paths);
