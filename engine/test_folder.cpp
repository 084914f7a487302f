#include "test_folder.h"

#include <shlobj.h>

#include <algorithm>
#include <stdexcept>

namespace {

void Check(bool bOk, const char* pszWhat)
{
    if (!bOk)
        throw std::runtime_error(std::string(pszWhat) + " failed, error " + std::to_string(::GetLastError()));
}

std::string Narrow(const std::wstring& text)
{
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), NULL, 0, NULL, NULL);
    std::string narrow(n, '\0');
    if (n > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &narrow[0], n, NULL, NULL);
    return narrow;
}

// A path as one shell word.
std::wstring Quoted(const std::wstring& path)
{
    Check(path.find(L'\'') == std::wstring::npos && path.find(L'"') == std::wstring::npos, "quoting a path");
    return L"'" + path + L"'";
}

std::wstring ForwardSlashes(std::wstring path)
{
    for (wchar_t& c : path)
    {
        if (c == L'\\')
            c = L'/';
    }
    return path;
}

// The folder of the prefix in which each drive letter is a link.
std::wstring DosDevices()
{
    std::wstring c = UnixPath(L"C:\\"); // .../dosdevices/c:/
    while (!c.empty() && c.back() == L'/')
        c.pop_back();
    return c.substr(0, c.rfind(L'/') + 1);
}

} // namespace

CTestFolder::CTestFolder()
{
    // A run that was cut short may have left its folders behind.
    static LONG s_nFolders = 0;
    WCHAR szTemp[MAX_PATH];
    Check(::GetTempPathW(MAX_PATH, szTemp) != 0, "GetTempPathW");
    do
    {
        m_root = std::wstring(szTemp) + L"tomeflip-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(::InterlockedIncrement(&s_nFolders));
    } while (!::CreateDirectoryW(m_root.c_str(), NULL) && ::GetLastError() == ERROR_ALREADY_EXISTS);
    Check(Exists(L"."), "CreateDirectoryW");
}

CTestFolder::~CTestFolder()
{
    try
    {
        const std::wstring root = UnixPath(m_root);
        RunUnix(L"chmod -R u+rwx " + Quoted(root));
        RunUnix(L"rm -rf " + Quoted(root));
    }
    catch (const std::exception&)
    {
    }
}

void CTestFolder::MakeFolder(const std::wstring& relative) const
{
    Check(::CreateDirectoryW(Path(relative).c_str(), NULL) != FALSE, "CreateDirectoryW");
}

void CTestFolder::MakeFile(const std::wstring& relative, DWORD dwAttributes) const
{
    const HANDLE hFile = ::CreateFileW(Path(relative).c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, dwAttributes, NULL);
    Check(hFile != INVALID_HANDLE_VALUE, "CreateFileW");
    const std::string content = Narrow(relative);
    DWORD dwWritten = 0;
    const BOOL bWritten = ::WriteFile(hFile, content.data(), static_cast<DWORD>(content.size()), &dwWritten, NULL);
    ::CloseHandle(hFile);
    Check(bWritten && dwWritten == content.size(), "WriteFile");
}

bool CTestFolder::Exists(const std::wstring& relative) const
{
    return ::GetFileAttributesW(Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string CTestFolder::Content(const std::wstring& relative) const
{
    const HANDLE hFile = ::CreateFileW(Path(relative).c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    Check(hFile != INVALID_HANDLE_VALUE, "CreateFileW");
    char buffer[4096];
    DWORD dwRead = 0;
    const BOOL bRead = ::ReadFile(hFile, buffer, sizeof buffer, &dwRead, NULL);
    ::CloseHandle(hFile);
    Check(bRead != FALSE, "ReadFile");
    return std::string(buffer, dwRead);
}

void CTestFolder::MakeLinuxFile(const std::wstring& relative) const
{
    RunUnix(L"touch " + Quoted(UnixPath(m_root) + L"/" + ForwardSlashes(relative)));
}

void CTestFolder::MakeLink(const std::wstring& relative, const std::wstring& target) const
{
    RunUnix(L"ln -s " + Quoted(target) + L" " + Quoted(UnixPath(m_root) + L"/" + ForwardSlashes(relative)));
    const DWORD dwAttributes = ::GetFileAttributesW(Path(relative).c_str());
    Check(dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT), "ln -s");
}

void CTestFolder::Lock(const std::wstring& relative) const
{
    RunUnix(L"chmod 000 " + Quoted(UnixPath(Path(relative))));
    WIN32_FIND_DATAW entry;
    const HANDLE hFind = ::FindFirstFileW((Path(relative) + L"\\*").c_str(), &entry);
    if (hFind != INVALID_HANDLE_VALUE)
        ::FindClose(hFind);
    Check(hFind == INVALID_HANDLE_VALUE, "locking a folder (the wineserver must not run with root's rights)");
}

void CTestFolder::MapDrive(const std::wstring& drive, const std::wstring& relative) const
{
    RunUnix(L"ln -sfn " + Quoted(UnixPath(Path(relative))) + L" " + Quoted(DosDevices() + drive));
    Check(::GetFileAttributesW((drive + L"\\").c_str()) != INVALID_FILE_ATTRIBUTES, "mapping a drive");
}

void CTestFolder::UnmapDrive(const std::wstring& drive) const
{
    RunUnix(L"rm -f " + Quoted(DosDevices() + drive));
}

std::map<std::string, CTestFolder::FileState> CTestFolder::Snapshot() const
{
    std::map<std::string, FileState> files;
    Collect(L"", files);
    return files;
}

void CTestFolder::Collect(const std::wstring& relative, std::map<std::string, FileState>& files) const
{
    const std::wstring folder = relative.empty() ? m_root : Path(relative);
    WIN32_FIND_DATAW entry;
    const HANDLE hFind = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do
    {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Collect(path, files);
        else
            files[Content(path)] = FileState{ path, entry.ftLastWriteTime };
    } while (::FindNextFileW(hFind, &entry));
    ::FindClose(hFind);
}

bool operator==(const FILETIME& a, const FILETIME& b)
{
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

std::wstring UnixPath(const std::wstring& path)
{
    typedef char* (CDECL * UnixFileName)(LPCWSTR);
    const UnixFileName pfnUnixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    Check(pfnUnixFileName != NULL, "wine_get_unix_file_name (these tests run under Wine)");
    char* pszUnix = pfnUnixFileName(path.c_str());
    Check(pszUnix != NULL, "wine_get_unix_file_name");
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, pszUnix, -1, NULL, 0);
    Check(n > 0, "MultiByteToWideChar");
    std::wstring unix(n - 1, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, pszUnix, -1, &unix[0], n);
    ::HeapFree(::GetProcessHeap(), 0, pszUnix);
    return unix;
}

void RunUnix(const std::wstring& command)
{
    // Wine starts a Linux program without waiting for it or passing on its
    // exit code, so the shell leaves a mark once the command is done.
    static LONG s_nCommands = 0;
    WCHAR szTemp[MAX_PATH];
    Check(::GetTempPathW(MAX_PATH, szTemp) != 0, "GetTempPathW");
    const std::wstring mark = std::wstring(szTemp) + L"tomeflip-done-" + std::to_wstring(::GetCurrentProcessId()) +
                              L"-" + std::to_wstring(::InterlockedIncrement(&s_nCommands));
    std::wstring line = L"Z:\\bin\\sh -c \"" + command + L"; touch " + Quoted(UnixPath(mark)) + L"\"";

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    Check(::CreateProcessW(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process) != FALSE,
          "CreateProcessW");
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    for (int i = 0; i < 2000 && ::GetFileAttributesW(mark.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        ::Sleep(5);
    Check(::DeleteFileW(mark.c_str()) != FALSE, ("a Linux command: " + Narrow(command)).c_str());
}

// A DROPFILES header, then the wide paths, each ending in a zero, and one
// more zero.
HDROP MakeDrop(const std::vector<std::wstring>& paths)
{
    size_t nChars = 1;
    for (const std::wstring& path : paths)
        nChars += path.size() + 1;
    const HGLOBAL hDrop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + nChars * sizeof(WCHAR));
    Check(hDrop != NULL, "GlobalAlloc");
    DROPFILES* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = TRUE;
    WCHAR* pPath = reinterpret_cast<WCHAR*>(pDrop + 1);
    for (const std::wstring& path : paths)
    {
        std::copy(path.begin(), path.end(), pPath);
        pPath += path.size() + 1;
    }
    ::GlobalUnlock(hDrop);
    return static_cast<HDROP>(hDrop);
}
