// Locale-independent Unicode case mapping for the string types (one mapping with the Win32
// stand-in's name comparisons).
#pragma once
#include <string>

wchar_t odToLower(wchar_t c);
wchar_t odToUpper(wchar_t c);
// Equal when every character is, letter case ignored as odToLower maps it (names of styles,
// printers, drivers and custom keys); a null string equals only another null string.
bool odEqualNoCase(const wchar_t* a, const wchar_t* b);
inline bool odEqualNoCase(const std::wstring& a, const wchar_t* b) { return odEqualNoCase(a.c_str(), b); }
inline bool odEqualNoCase(const std::wstring& a, const std::wstring& b) { return odEqualNoCase(a.c_str(), b.c_str()); }
