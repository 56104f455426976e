// String comparison with the Win32 signature (CompareStringW).
#pragma once
#include "platform/win32/handles.h"

constexpr DWORD NORM_IGNORECASE = 0x00000001;
constexpr DWORD NORM_IGNORENONSPACE = 0x00000002;
constexpr DWORD NORM_IGNORESYMBOLS = 0x00000004;
constexpr DWORD SORT_STRINGSORT = 0x00001000;
constexpr DWORD NORM_IGNOREKANATYPE = 0x00010000;
constexpr DWORD NORM_IGNOREWIDTH = 0x00020000;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_INVARIANT = 0x007F;
constexpr int CSTR_LESS_THAN = 1;
constexpr int CSTR_EQUAL = 2;
constexpr int CSTR_GREATER_THAN = 3;

// Reproduces: CSTR_LESS_THAN / CSTR_EQUAL / CSTR_GREATER_THAN, a count of -1 for NUL-terminated
// text, a shorter string that is a prefix sorting first, NORM_IGNORECASE, 0 with
// ERROR_INVALID_PARAMETER for a null string or a count below -1 and ERROR_INVALID_FLAGS for
// unknown flags. Leaves out: linguistic order (characters compare by code point after simple
// case folding, so "a" < "B" with NORM_IGNORECASE but "B" < "a" without) and the other NORM_
// flags (accepted, ignored); the locale is not examined.
int CompareStringW(LCID Locale, DWORD dwCmpFlags, LPCWSTR lpString1, int cchCount1, LPCWSTR lpString2,
                   int cchCount2);
