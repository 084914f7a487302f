#pragma once
// A sorted list of lines that speaks as a list box does, for the message log
// where there is no window.

#include <set>
#include <string>

class CSortedLines
{
public:
    int GetCount() const { return static_cast<int>(m_lines.size()); }

    void DeleteString(int nIndex)
    {
        std::multiset<std::wstring>::iterator it = m_lines.begin();
        for (int i = 0; i < nIndex && it != m_lines.end(); ++i)
            ++it;
        if (it != m_lines.end())
            m_lines.erase(it);
    }

    void AddString(const wchar_t* pszLine) { m_lines.insert(pszLine); }

    // The lines in their sorted order.
    const std::multiset<std::wstring>& Lines() const { return m_lines; }

private:
    std::multiset<std::wstring> m_lines;
};
