#pragma once
// Which extension becomes which, in each direction of conversion.

#include <string>

// The direction of conversion. Only 0 is told apart: every other value
// converts as ModeArchiveToComic.
enum ConversionMode
{
    ModeComicToArchive = 0,  // ".cbr" to ".rar", ".cbz" to ".zip"
    ModeArchiveToComic = 1   // ".rar" to ".cbr", ".zip" to ".cbz" (the default)
};

// The new extension for a file whose extension, lowered, is lowerExt; empty
// when the direction has no rule for it.
std::wstring FindNewExtension(int nMode, const std::wstring& lowerExt);
