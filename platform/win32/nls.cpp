// CompareStringW by code point, with simple case folding for NORM_IGNORECASE.
#include "platform/win32/nls.h"
#include "platform/win32/errors.h"
#include "platform/win32/wstr.h"

#include <string>

namespace {

constexpr DWORD kKnownFlags = NORM_IGNORECASE | NORM_IGNORENONSPACE | NORM_IGNORESYMBOLS | SORT_STRINGSORT |
                              NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH;

std::wstring folded(LPCWSTR s, int count, bool ignoreCase)
{
    std::wstring w = count < 0 ? win32::fromUtf16(s) : win32::fromUtf16(s, static_cast<std::size_t>(count));
    if (ignoreCase)
        for (wchar_t& c : w)
            c = win32::foldCase(c);
    return w;
}

} // namespace

int CompareStringW(LCID, DWORD dwCmpFlags, LPCWSTR lpString1, int cchCount1, LPCWSTR lpString2, int cchCount2)
{
    if (!lpString1 || !lpString2 || cchCount1 < -1 || cchCount2 < -1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (dwCmpFlags & ~kKnownFlags) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    const bool ignoreCase = (dwCmpFlags & NORM_IGNORECASE) != 0;
    const int c = folded(lpString1, cchCount1, ignoreCase).compare(folded(lpString2, cchCount2, ignoreCase));
    return c < 0 ? CSTR_LESS_THAN : (c == 0 ? CSTR_EQUAL : CSTR_GREATER_THAN);
}
