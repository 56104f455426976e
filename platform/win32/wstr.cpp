// UTF-16 <-> UTF-32 conversion for the Win32 stand-in's structures.
#include "platform/win32/wstr.h"

#include <algorithm>
#include <clocale>
#include <cstring>
#include <cwctype>
#include <locale.h>

namespace win32 {

std::u16string toUtf16(const wchar_t* s)
{
    std::u16string out;
    if (!s)
        return out;
    for (; *s; ++s) {
        auto c = static_cast<std::uint32_t>(*s);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else if (c > 0x10FFFF) {
            out.push_back(u'\xFFFD');
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::u16string toUtf16(const std::wstring& s) { return toUtf16(s.c_str()); }

std::wstring fromUtf16(const WCHAR* s, std::size_t maxChars)
{
    std::wstring out;
    if (!s)
        return out;
    for (std::size_t i = 0; i < maxChars && s[i]; ++i) {
        const char16_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < maxChars && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            out.push_back(static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00)));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out.push_back(L'\xFFFD');
        } else {
            out.push_back(static_cast<wchar_t>(c));
        }
    }
    return out;
}

namespace {
// glibc's built-in C.UTF-8 locale, created once: the process locale may be plain "C", where the
// C library maps ASCII only.
locale_t unicodeLocale()
{
    static locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return loc;
}
} // namespace

wchar_t foldCase(wchar_t c)
{
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    locale_t loc = unicodeLocale();
    return static_cast<wchar_t>(loc ? towlower_l(static_cast<wint_t>(c), loc) : std::towlower(static_cast<wint_t>(c)));
}

wchar_t upperCase(wchar_t c)
{
    if (c < 0x80)
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
    locale_t loc = unicodeLocale();
    return static_cast<wchar_t>(loc ? towupper_l(static_cast<wint_t>(c), loc) : std::towupper(static_cast<wint_t>(c)));
}

std::wstring foldCase(const std::wstring& s)
{
    std::wstring folded;
    folded.reserve(s.size());
    for (const wchar_t c : s)
        folded += foldCase(c);
    return folded;
}

bool equalNoCase(const std::wstring& a, const std::wstring& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return foldCase(x) == foldCase(y);
           });
}

std::size_t wcslen16(const WCHAR* s)
{
    std::size_t n = 0;
    while (s && s[n])
        ++n;
    return n;
}

void copyToField(WCHAR* field, std::size_t fieldChars, const std::u16string& src)
{
    if (fieldChars == 0)
        return;
    const std::size_t n = src.size() < fieldChars ? src.size() : fieldChars - 1;
    std::memset(field, 0, fieldChars * sizeof(WCHAR));
    std::memcpy(field, src.data(), n * sizeof(WCHAR));
}

} // namespace win32
