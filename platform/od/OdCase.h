// Locale-independent Unicode case mapping for the string types (the process locale may be
// plain "C", where the C library maps ASCII only).
#pragma once

wchar_t odToLower(wchar_t c);
wchar_t odToUpper(wchar_t c);
