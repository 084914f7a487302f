#pragma once
// CListBox: the list-box messages as operations.

#include "window.h"

class CListBox : public CWindow
{
public:
    explicit CListBox(HWND hWnd = NULL) : CWindow(hWnd) {}

    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int DeleteString(int nIndex) const { return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex)); }
    int AddString(const wchar_t* pszText) const
    {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszText)));
    }
};
