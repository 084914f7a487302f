"""The shipped exe imports only from the system DLLs it is allowed, and only
functions that Windows 2000 already has: each name below was checked against
the exports of Windows 2000 (version 5.0). A new import fails here until it
has been checked and added.

  check_imports.py OBJDUMP EXE
"""

import re
import subprocess
import sys
import unittest

WINDOWS_2000 = {
    "KERNEL32.dll": """CloseHandle CreateSemaphoreW DeleteCriticalSection EnterCriticalSection FindClose
        FindFirstFileW FindNextFileW FreeLibrary GetCurrentThreadId GetFileAttributesW GetLastError
        GetModuleHandleA GetModuleHandleW GetProcAddress GetStartupInfoW InitializeCriticalSection
        IsDBCSLeadByteEx LeaveCriticalSection LoadLibraryA LoadLibraryW MoveFileW MultiByteToWideChar
        ReleaseSemaphore SetLastError SetUnhandledExceptionFilter Sleep TlsAlloc TlsFree TlsGetValue
        TlsSetValue VirtualProtect VirtualQuery WaitForSingleObject WideCharToMultiByte""",
    "USER32.dll": """DialogBoxParamW EndDialog GetActiveWindow GetDlgItem GetMonitorInfoW GetWindow
        GetWindowLongW GetWindowRect InvalidateRect LoadIconW MonitorFromWindow SendMessageW SetWindowLongW SetWindowPos""",
    "GDI32.dll": "CreateFontIndirectW DeleteObject GetObjectW",
    "SHELL32.dll": "DragAcceptFiles DragFinish DragQueryFileW",
    "SHLWAPI.dll": "PathIsDirectoryW",
    "msvcrt.dll": """__mb_cur_max __p__commode __p__fmode __p__wcmdln __set_app_type __setusermatherr
        __wgetmainargs __winitenv _amsg_exit _cexit _close _errno _initterm _iob _onexit _read abort atoi
        calloc exit fprintf fputc fputs free fwrite localeconv malloc memchr memcmp memcpy memmove memset
        realloc setlocale signal strchr strcmp strerror strlen strncmp vfprintf wcslen""",
}

def imports(objdump, exe):
    out = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    found, dll = {}, None
    for line in out.splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            dll = m.group(1)
            found[dll] = set()
            continue
        m = re.match(r"\s+[0-9a-f]+\s+\d+\s+(\w+)\s*$", line)
        if dll and m:
            found[dll].add(m.group(1))
    return found


class ImportTest(unittest.TestCase):
    def test_only_allowed_dlls_and_windows_2000_functions(self):
        found = imports(OBJDUMP, EXE)
        self.assertTrue(found, "no import table was read")
        self.assertLessEqual(set(found), set(WINDOWS_2000))
        for dll, functions in found.items():
            self.assertEqual(set(), functions - set(WINDOWS_2000[dll].split()), dll)

    def test_the_program_calls_the_system_directly(self):
        found = imports(OBJDUMP, EXE)
        for dll, function in [("KERNEL32.dll", "MoveFileW"), ("SHELL32.dll", "DragQueryFileW"),
                              ("USER32.dll", "DialogBoxParamW"), ("SHLWAPI.dll", "PathIsDirectoryW")]:
            self.assertIn(function, found.get(dll, set()))


if __name__ == "__main__":
    OBJDUMP, EXE = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
