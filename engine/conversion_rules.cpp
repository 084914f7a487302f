#include "conversion_rules.h"

#include "path_text.h"

namespace {

struct ConversionRule
{
    const wchar_t* pszFrom;
    const char* pszTo;
};

// Tried in order. No new extension is a source of its own direction, so a
// converted file is never converted again.
const ConversionRule kToComic[] = { { L".rar", ".cbr" }, { L".zip", ".cbz" } };
const ConversionRule kToArchive[] = { { L".cbr", ".rar" }, { L".cbz", ".zip" } };

} // namespace

std::wstring FindNewExtension(int nMode, const std::wstring& lowerExt)
{
    const ConversionRule* rules = (nMode == ModeComicToArchive) ? kToArchive : kToComic;
    for (int i = 0; i < 2; ++i)
    {
        if (lowerExt == rules[i].pszFrom)
            return WidenAnsi(rules[i].pszTo);
    }
    return std::wstring();
}
