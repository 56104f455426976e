// Code-page conversions with the Win32 signatures (MultiByteToWideChar, WideCharToMultiByte,
// GetACP), converting through glibc's iconv. The system ANSI code page is a platform setting.
#pragma once
#include "platform/win32/types.h"

#include <string>

constexpr UINT CP_ACP = 0;
constexpr UINT CP_OEMCP = 1;
constexpr UINT CP_UTF8 = 65001;

constexpr DWORD MB_PRECOMPOSED = 0x1;
constexpr DWORD MB_COMPOSITE = 0x2;
constexpr DWORD MB_USEGLYPHCHARS = 0x4;
constexpr DWORD MB_ERR_INVALID_CHARS = 0x8;
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x400;
constexpr DWORD WC_ERR_INVALID_CHARS = 0x80;

// The system ANSI code page (read once): DAVARAZ_ANSI_CODEPAGE when it names one, else the
// one Windows gives the system locale's language (LC_ALL, LC_CTYPE or LANG): ru 1251, ja 932,
// zh_CN 936, ko 949, zh_TW 950, cs/pl/hu 1250, el 1253, tr 1254, he 1255, ar 1256, the Baltic
// languages 1257, vi 1258, th 874; C, POSIX and the Western languages 1252.
UINT GetACP();

// Reproduces: the size query (cchWideChar 0), -1 for a NUL-terminated source whose terminator
// is converted too, MB_ERR_INVALID_CHARS failing with ERROR_NO_UNICODE_TRANSLATION, invalid
// bytes otherwise becoming U+FFFD (UTF-8, multi-byte pages) or U+00xx (single-byte pages),
// ERROR_INSUFFICIENT_BUFFER, ERROR_INVALID_PARAMETER, ERROR_INVALID_FLAGS. Leaves out: the
// composition flags (accepted, ignored) and code pages iconv does not know.
// The last error is left untouched on success.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCCH src, int srcBytes, LPWSTR dst, int dstChars);

// Linux convenience form: the same conversion into wchar_t (UTF-32) code units.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCCH src, int srcBytes, wchar_t* dst, int dstChars);

// Reproduces: the size query, -1 sources, the default character ('?' unless given) with
// lpUsedDefaultChar, ERROR_INVALID_PARAMETER for a default character with UTF-8, unpaired
// surrogates becoming U+FFFD. Leaves out: best-fit mappings (an unmappable character always
// becomes the default character) and WC_COMPOSITECHECK.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR src, int srcChars, LPSTR dst, int dstBytes,
                        LPCCH defaultChar, LPBOOL usedDefaultChar);
int WideCharToMultiByte(UINT codePage, DWORD flags, const wchar_t* src, int srcChars, LPSTR dst,
                        int dstBytes, LPCCH defaultChar, LPBOOL usedDefaultChar);

namespace win32 {
// Changes the system ANSI code page for this process; false (and no change) for a code page
// the converter does not know. Tests and the tool use it; the library only reads GetACP().
bool setAnsiCodePage(UINT codePage);
// The ANSI code page of a locale name such as "ru_RU.UTF-8" (1252 for one it does not know).
UINT ansiCodePageForLocale(const std::string& locale);
// True when iconv can convert the given code page.
bool isCodePageSupported(UINT codePage);
// UTF-8 for the stand-in's calls into Linux (names, paths, arguments), and back.
std::string toUtf8(const std::wstring& s);
std::wstring fromUtf8(const std::string& s);
} // namespace win32
