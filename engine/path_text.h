#pragma once
// Pure text operations on paths. Each takes its texts by value, returns a new
// text and keeps no state. They do not agree on what separates a path, and
// each keeps its own rule.

#include <string>

// The extension of the last path component, from its last '.' on, in the case
// in which it stands. Both '\' and '/' separate; a drive "x:" is set aside
// first. Empty when there is no extension, and when the folder, the name or
// the extension is longer than 255 code units.
std::wstring GetExtension(std::wstring path);

// 'A' to 'Z' become 'a' to 'z'; every other code unit stays.
std::wstring LowerAscii(std::wstring text);

// The path up to its last '.' (wherever that lies), then ".", then newExt
// without one leading '.'. A path without '.' keeps all of itself.
std::wstring ReplaceExtension(std::wstring path, std::wstring newExt);

// What follows the last '\', '/' or '|'.
std::wstring GetFileNamePart(std::wstring path);

// folder, one '\', name; a folder that already ends in '\' keeps it.
std::wstring JoinPath(std::wstring folder, std::wstring name);

// An 8-bit text widened in the thread's ANSI code page.
std::wstring WidenAnsi(const char* pszText);
