// Runs a program, waits for it to end and writes its exit code to a file:
// for programs that run inside Wine's desktop window, whose starter (the
// desktop's explorer) does not hand the code back.
//   exitcode FILE PROGRAM [ARGUMENTS...]
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;

    std::wstring commandLine;
    for (int i = 2; i < argc; ++i)
        commandLine += (i > 2 ? L" \"" : L"\"") + std::wstring(argv[i]) + L"\"";

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!::CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return 3;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD dwExitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &dwExitCode);

    FILE* file = _wfopen(argv[1], L"w");
    if (file == NULL)
        return 4;
    std::fprintf(file, "%lu\n", dwExitCode);
    std::fclose(file);
    return 0;
}
