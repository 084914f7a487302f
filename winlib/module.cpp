#include "module.h"

// The linker's symbol for the start of this module's image.
extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE CWinModule::GetResourceInstance()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

CWinModule& WinModule()
{
    static CWinModule s_module;
    return s_module;
}
