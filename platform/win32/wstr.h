// Moves text between the 16-bit WCHAR of Win32 structures and the 32-bit wchar_t of the library.
#pragma once
#include "platform/win32/types.h"

#include <cstddef>
#include <string>

namespace win32 {

// UTF-32 to UTF-16 (characters above U+FFFF become surrogate pairs). A null source gives "".
std::u16string toUtf16(const wchar_t* s);
std::u16string toUtf16(const std::wstring& s);
// UTF-16 to UTF-32, reading at most maxChars units and stopping at the first NUL; an unpaired
// surrogate becomes U+FFFD. A null source gives "".
std::wstring fromUtf16(const WCHAR* s, std::size_t maxChars = static_cast<std::size_t>(-1));
// Simple case mapping of one character, independent of the process locale (as Windows
// compares names whatever the C library's locale is).
wchar_t foldCase(wchar_t c);
wchar_t upperCase(wchar_t c);
std::wstring foldCase(const std::wstring& s);
// Equality ignoring case, as Windows compares printer, verb and datatype names.
bool equalNoCase(const std::wstring& a, const std::wstring& b);

// Length in units up to the terminating NUL (wcslen for WCHAR).
std::size_t wcslen16(const WCHAR* s);
// Copies src into a field of fieldChars units, cut so that a NUL always fits; the rest is zeroed.
void copyToField(WCHAR* field, std::size_t fieldChars, const std::u16string& src);

// A NUL-terminated UTF-16 copy of a wide string, to hand to calls that take LPCWSTR.
// A null source stays null so that "no name" arguments keep their meaning.
class WideArg {
public:
    explicit WideArg(const wchar_t* s) : m_null(s == nullptr), m_text(toUtf16(s)) {}
    LPCWSTR get() const { return m_null ? nullptr : m_text.c_str(); }
    operator LPCWSTR() const { return get(); }

private:
    bool m_null;
    std::u16string m_text;
};

} // namespace win32
