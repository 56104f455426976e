// Case mapping through glibc's built-in C.UTF-8 locale, created once.
#include "platform/od/OdCase.h"

#include <cwctype>
#include <locale.h>
#include <wctype.h>

namespace {
locale_t unicodeLocale()
{
    static locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return loc;
}
} // namespace

wchar_t odToLower(wchar_t c)
{
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    locale_t loc = unicodeLocale();
    return static_cast<wchar_t>(loc ? towlower_l(static_cast<wint_t>(c), loc) : std::towlower(static_cast<wint_t>(c)));
}

wchar_t odToUpper(wchar_t c)
{
    if (c < 0x80)
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
    locale_t loc = unicodeLocale();
    return static_cast<wchar_t>(loc ? towupper_l(static_cast<wint_t>(c), loc) : std::towupper(static_cast<wint_t>(c)));
}

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
