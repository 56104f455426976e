// The string types map case as the Win32 stand-in does, so names compare alike everywhere.
#include "platform/od/OdCase.h"
#include "platform/win32/wstr.h"

wchar_t odToLower(wchar_t c) { return win32::foldCase(c); }

wchar_t odToUpper(wchar_t c) { return win32::upperCase(c); }

bool odEqualNoCase(const wchar_t* a, const wchar_t* b)
{
    if (!a || !b)
        return a == b;
    for (;; ++a, ++b) {
        const wchar_t ca = odToLower(*a);
        if (ca != odToLower(*b))
            return false;
        if (ca == 0)
            return true;
    }
}
