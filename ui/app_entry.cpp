#include <windows.h>

#include "main_dlg.h"
#include "module.h"

CComModule _Module;

int WINAPI wWinMain(HINSTANCE /*hInstance*/, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int /*nShowCmd*/)
{
    CMainDlg dlg;
    dlg.DoModal(::GetActiveWindow());
    return 0;
}
