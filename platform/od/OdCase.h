// Locale-independent Unicode case mapping for the string types (the process locale may be
// plain "C", where the C library maps ASCII only).
#pragma once
#include <string>

wchar_t odToLower(wchar_t c);
wchar_t odToUpper(wchar_t c);
// Equal when every character is, letter case ignored as odToLower maps it (names of styles,
// printers, drivers and custom keys); a null string equals only another null string.
bool odEqualNoCase(const wchar_t* a, const wchar_t* b);
inline bool odEqualNoCase(const std::wstring& a, const wchar_t* b) { return odEqualNoCase(a.c_str(), b); }
inline bool odEqualNoCase(const std::wstring& a, const std::wstring& b) { return odEqualNoCase(a.c_str(), b.c_str()); }
