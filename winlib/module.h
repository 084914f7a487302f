#pragma once
// The module records. CComModule is the program's module object: it declares
// one and calls nothing on it. CWinModule is the layer's own record of the
// module: the instance that resources are loaded from, and the hand-over of
// a dialog object to its window while the window is being created.

#include <windows.h>

class CComModule
{
};

class CWinModule
{
public:
    // The module that this code is linked into.
    static HINSTANCE GetResourceInstance();

    // The program has one thread, so at most one window is ever being created
    // at a time: DoModal leaves its object here, and the first message of the
    // new window takes it.
    void AddCreateWndData(void* pObject) { m_pCreatingObject = pObject; }
    void* ExtractCreateWndData()
    {
        void* pObject = m_pCreatingObject;
        m_pCreatingObject = NULL;
        return pObject;
    }

private:
    void* m_pCreatingObject = NULL;
};

CWinModule& WinModule();
