#include "message_log.h"

namespace {

const wchar_t kArrow[] = L"  \u2192  ";
const wchar_t kFailureMark[] = L" : \uC2E4\uD328"; // " : 실패", failed

} // namespace

std::wstring FormatResultLine(std::wstring oldName, std::wstring newName, bool bSucceeded)
{
    const std::wstring mark = bSucceeded ? std::wstring() : std::wstring(kFailureMark);
    const std::wstring arrow(kArrow);

    // The format is "%s  →  %s %s"; the names are only ever copied, so a '%'
    // in them stays what it is.
    std::wstring line;
    line.reserve(oldName.size() + arrow.size() + newName.size() + 1 + mark.size());
    line += oldName;
    line += arrow;
    line += newName;
    line += L' ';
    line += mark;
    return line;
}
