#include "path_text.h"

#ifdef _WIN32
#include <windows.h>
#include <vector>
#endif

namespace {

// The rooms in which a path is split, each counting its terminating zero.
const std::wstring::size_type kFolderRoom = 256;
const std::wstring::size_type kNameRoom = 256;
const std::wstring::size_type kExtensionRoom = 256;

bool Fits(std::wstring::size_type length, std::wstring::size_type room)
{
    return length < room;
}

} // namespace

std::wstring GetExtension(std::wstring path)
{
    typedef std::wstring::size_type size_type;
    const size_type start = (path.size() >= 2 && path[1] == L':') ? 2 : 0;

    size_type component = start;
    size_type dot = std::wstring::npos;
    for (size_type i = start; i < path.size(); ++i)
    {
        if (path[i] == L'\\' || path[i] == L'/')
            component = i + 1;
        else if (path[i] == L'.')
            dot = i;
    }

    if (!Fits(component - start, kFolderRoom))
        return std::wstring();
    if (dot == std::wstring::npos || dot < component)
        return std::wstring(); // a name too long for its room fails too, with the same result
    if (!Fits(dot - component, kNameRoom) || !Fits(path.size() - dot, kExtensionRoom))
        return std::wstring();
    return path.substr(dot);
}

std::wstring LowerAscii(std::wstring text)
{
    for (std::wstring::size_type i = 0; i < text.size(); ++i)
    {
        if (text[i] >= L'A' && text[i] <= L'Z')
            text[i] = static_cast<wchar_t>(text[i] + (L'a' - L'A'));
    }
    return text;
}

std::wstring ReplaceExtension(std::wstring path, std::wstring newExt)
{
    if (!newExt.empty() && newExt[0] == L'.')
        newExt.erase(0, 1);
    const std::wstring::size_type dot = path.rfind(L'.');
    if (dot != std::wstring::npos)
        path.erase(dot);
    path += L'.';
    path += newExt;
    return path;
}

std::wstring GetFileNamePart(std::wstring path)
{
    const std::wstring::size_type separator = path.find_last_of(L"\\/|");
    if (separator == std::wstring::npos)
        return path;
    return path.substr(separator + 1);
}

std::wstring JoinPath(std::wstring folder, std::wstring name)
{
    folder.reserve(folder.size() + 1 + name.size());
    folder += L'\\';
    folder += name;
    return folder;
}

#ifdef _WIN32

std::wstring WidenAnsi(const char* pszText)
{
    const int nWithZero = ::MultiByteToWideChar(CP_THREAD_ACP, 0, pszText, -1, NULL, 0);
    if (nWithZero - 1 <= 0)
        return std::wstring();
    std::vector<wchar_t> buffer(nWithZero);
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, pszText, -1, &buffer[0], nWithZero);
    return std::wstring(&buffer[0], nWithZero - 1);
}

#else

// Without ANSI code pages each byte stands for the code point of its value,
// which gives the same letters for ASCII.
std::wstring WidenAnsi(const char* pszText)
{
    std::wstring text;
    for (const char* p = pszText; *p != '\0'; ++p)
        text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return text;
}

#endif
