// Properties of the path operations that hold for every input. The input is
// read as 16-bit code units; a unit 0xFFFF splits it into a path and a
// second text (the new extension, or the name to join).
#include "path_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

bool EndsWith(const std::wstring& text, const std::wstring& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::wstring path;
    std::wstring other;
    std::wstring* target = &path;
    for (size_t i = 0; i + 1 < size; i += 2)
    {
        const wchar_t unit = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0xFFFF)
            target = &other;
        else if (unit != 0) // a text never holds a zero
            *target += unit;
    }

    // The extension is the text from the last dot of the last component,
    // unless the folder, the name or the extension is longer than 255.
    const std::wstring ext = GetExtension(path);
    const size_t start = (path.size() >= 2 && path[1] == L':') ? 2 : 0;
    const size_t lastSeparator = path.find_last_of(L"\\/");
    const size_t component = (lastSeparator == std::wstring::npos || lastSeparator < start) ? start : lastSeparator + 1;
    const size_t lastDot = path.rfind(L'.');
    if (lastDot != std::wstring::npos && lastDot >= component && component - start <= 255 &&
        lastDot - component <= 255 && path.size() - lastDot <= 255)
        Require(ext == path.substr(lastDot));
    else
        Require(ext.empty());

    const std::wstring lowered = LowerAscii(path);
    Require(lowered.size() == path.size());
    for (size_t i = 0; i < path.size(); ++i)
        Require(lowered[i] == path[i] || (path[i] >= L'A' && path[i] <= L'Z' && lowered[i] == path[i] + 32));

    const std::wstring replaced = ReplaceExtension(path, other);
    const size_t dot = path.rfind(L'.');
    const size_t kept = (dot == std::wstring::npos) ? path.size() : dot;
    const size_t newExtLength = other.size() - ((!other.empty() && other[0] == L'.') ? 1 : 0);
    Require(replaced.size() == kept + 1 + newExtLength);
    Require(replaced.compare(0, kept, path, 0, kept) == 0 && replaced[kept] == L'.');
    if (!ext.empty())
        Require(dot == path.size() - ext.size()); // so only the extension changed

    const std::wstring name = GetFileNamePart(path);
    Require(name.find_first_of(L"\\/|") == std::wstring::npos);
    Require(EndsWith(path, name));
    Require(name.size() == path.size() || path[path.size() - name.size() - 1] == L'\\' ||
            path[path.size() - name.size() - 1] == L'/' || path[path.size() - name.size() - 1] == L'|');

    const std::wstring joined = JoinPath(path, other);
    Require(joined == path + L'\\' + other);
    return 0;
}
