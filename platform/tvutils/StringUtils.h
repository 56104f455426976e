// String helpers of the utility library: natural-order and case-blind comparison, ANSI
// conversion, line reading, blank stripping and bounded copying.
#pragma once
#include "platform/od/OdString.h"

#include <cstddef>
#include <cstdio>

namespace ut {

// Three-way comparison in natural order: digit runs compare by value ("a2" < "a10").
int strCmpAlphanum(const wchar_t* a, const wchar_t* b, bool ignoreCase);
// Case-blind comparison of the first n characters, or of the whole strings when n is 0.
int compareNamesLowercase(const wchar_t* a, const wchar_t* b, std::size_t n);
// The text in the given code page (0: the system ANSI code page); characters the code page
// lacks become '?', and *lossy (when given) tells whether that happened.
OdAnsiString convertToAnsi(const OdString& text, unsigned codePage, bool* lossy = nullptr);
// One line without its line end (LF or CR LF); null at end of file.
char* nfgets(char* buffer, int size, std::FILE* file);
// Strips blanks (spaces and tabs): 'b' in mode at the beginning, 'e' at the end.
OdString& removeSpaces(OdString& text, const char* mode = "be");
// Copies at most size - 1 characters and always terminates (when size > 0).
wchar_t* safe_tcsncpy(wchar_t* dst, const wchar_t* src, std::size_t size);
// The thread's last system error (the Win32 last-error value).
unsigned long sysErrorCode();

class Config {
public:
    // The product name, the default caption of message boxes.
    static OdString regProduct();
    static void setRegProduct(const OdString& name);
};

} // namespace ut
