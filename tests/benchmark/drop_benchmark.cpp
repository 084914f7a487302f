// How long a drop of a large tree takes, against the least work that the
// same renames need. Each run builds fresh, identical trees of files in
// folders of 50, half of them .zip, and times, on a tree of its own each:
//   floor   a bare FindFirstFileW/FindNextFileW walk with one MoveFileW for
//           each matching file, and no log;
//   engine  the drop handled by the engine, with the plain sorted list;
//   dialog  the drop sent to the program's dialog, with its list box.
//   drop_benchmark [FILES...]     default: 10000 20000 40000
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "main_dlg.h"
#include "sorted_lines.h"
#include "test_folder.h"

namespace {

const int kFilesPerFolder = 50;

// The engine with the plain sorted list, as the tests use it.
class CEngineHost : public CFileConverter<CEngineHost>, public CFolderWalker<CEngineHost>
{
public:
    int m_nMode = ModeArchiveToComic;
    CSortedLines m_lines;
    void ClearLog() { ::ClearLog(m_lines); }
    void AddLogLine(const std::wstring& line) { ::AddLogLine(m_lines, line); }
};

// The program's dialog, which times one drop once it is shown.
class CTimedDlg : public CMainDlg
{
public:
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) override
    {
        if (uMsg == WM_APP)
        {
            const LONGLONG nStart = Now();
            SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({ m_folder })));
            m_nTicks = Now() - nStart;
            m_nLines = static_cast<int>(::SendMessageW(m_hLogList, LB_GETCOUNT, 0, 0));
            EndDialog(IDCANCEL);
            return TRUE;
        }
        const BOOL bHandled = CMainDlg::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult);
        if (uMsg == WM_SHOWWINDOW && wParam)
            ::PostMessageW(hWnd, WM_APP, 0, 0);
        return bHandled;
    }

    static LONGLONG Now()
    {
        LARGE_INTEGER n;
        ::QueryPerformanceCounter(&n);
        return n.QuadPart;
    }

    std::wstring m_folder;
    LONGLONG m_nTicks = 0;
    int m_nLines = 0;
};

double Seconds(LONGLONG nTicks)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(nTicks) / static_cast<double>(frequency.QuadPart);
}

// nFiles files in nFiles / 50 folders: top folders of 20 sub-folders each.
void BuildTree(const CTestFolder& folder, const std::wstring& name, int nFiles)
{
    folder.MakeFolder(name);
    const int nFolders = nFiles / kFilesPerFolder;
    for (int f = 0; f < nFolders; ++f)
    {
        const std::wstring top = name + L"\\top" + std::to_wstring(f / 20);
        if (f % 20 == 0)
            folder.MakeFolder(top);
        const std::wstring sub = (f % 20 == 0) ? top : top + L"\\sub" + std::to_wstring(f % 20);
        if (f % 20 != 0)
            folder.MakeFolder(sub);
        for (int i = 0; i < kFilesPerFolder; ++i)
            folder.MakeFile(sub + L"\\book" + std::to_wstring(i) + (i % 2 ? L".zip" : L".txt"));
    }
}

// The least work: list every folder and rename each matching file.
int BareLoop(const std::wstring& folder)
{
    int nRenamed = 0;
    WIN32_FIND_DATAW entry;
    const HANDLE hFind = ::FindFirstFileW((folder + L"\\*.*").c_str(), &entry);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do
    {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = folder + L"\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            nRenamed += BareLoop(path);
        else if (name.size() > 4 && name.compare(name.size() - 4, 4, L".zip") == 0)
            nRenamed += ::MoveFileW(path.c_str(), (path.substr(0, path.size() - 4) + L".cbz").c_str()) ? 1 : 0;
    } while (::FindNextFileW(hFind, &entry));
    ::FindClose(hFind);
    return nRenamed;
}

struct Figures
{
    double floor, engine, dialog;
};

Figures Measure(int nFiles)
{
    CTestFolder folder;
    BuildTree(folder, L"floor", nFiles);
    BuildTree(folder, L"engine", nFiles);
    BuildTree(folder, L"dialog", nFiles);

    Figures figures;
    LONGLONG nStart = CTimedDlg::Now();
    const int nRenamed = BareLoop(folder.Path(L"floor"));
    figures.floor = Seconds(CTimedDlg::Now() - nStart);

    CEngineHost host;
    nStart = CTimedDlg::Now();
    host.OnDropFiles(MakeDrop({ folder.Path(L"engine") }));
    figures.engine = Seconds(CTimedDlg::Now() - nStart);

    CTimedDlg dlg;
    dlg.m_folder = folder.Path(L"dialog");
    dlg.DoModal(NULL);
    figures.dialog = Seconds(dlg.m_nTicks);

    if (nRenamed != nFiles / 2 || host.m_lines.GetCount() != nFiles / 2 || dlg.m_nLines != nFiles / 2)
    {
        std::fprintf(stderr, "wrong count: %d renamed, %d and %d lines\n", nRenamed, host.m_lines.GetCount(),
                     dlg.m_nLines);
        std::exit(1);
    }
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = { 10000, 20000, 40000 };

    std::printf("%8s %8s %10s %10s %10s %8s %8s\n", "files", "folders", "floor s", "engine s", "dialog s",
                "engine/", "dialog/");
    for (int nFiles : sizes)
    {
        const Figures f = Measure(nFiles);
        std::printf("%8d %8d %10.3f %10.3f %10.3f %8.2f %8.2f\n", nFiles, nFiles / kFilesPerFolder, f.floor,
                    f.engine, f.dialog, f.engine / f.floor, f.dialog / f.floor);
        std::fflush(stdout);
    }
    return 0;
}
