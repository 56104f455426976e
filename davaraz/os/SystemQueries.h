// Small questions about the system, the process locale and wxWidgets, and two orderings used
// for sorting names.
#pragma once
#include "platform/od/OdString.h"

#include <cstdint>
#include <wx/string.h>

namespace wut {

enum EFSVolumeKind { eRemovable = 0, eFixed = 1, eCdRom = 2, eNetwork = 4, eOther = 5 };

// The kind of volume that holds the folder root: 5 for a folder that is not there, a RAM disk
// or a kind the system does not report.
EFSVolumeKind getDriveType(const wchar_t* root);
// Whether the Wine configuration key is in the registry (never on Linux itself).
bool isUnderWine();
// The first character of the user's list and decimal separators.
wchar_t getSystemDefaultSeparator();
wchar_t getSystemDecimalSeparator();
// "C" for everything, then the user's character classes, collation and time: numbers keep
// the decimal point.
void setApplicationLocale();
// Windows ends a process on a bad format string unless a handler says otherwise; the C library
// here reports the error from the call instead, so there is nothing to install.
void setFormattingErrorHandler();
void milliSleep(unsigned long ms);
// a * b / c, rounded, with a 64-bit intermediate; -1 for c = 0 or a result out of range.
int mulDiv(int a, int b, int c);
// true: wxEntryStart without arguments; false: wxEntryCleanup.
void initWxWidgets(bool start);

// The path relative to the folder of basePath, appended to result ("./name" for a file in that
// folder). False, result untouched, for a path that is not absolute or cannot be made relative.
bool makeRelativePath(const wxString& basePath, const wxString& path, wxString& result);
// Six numbers, one a line, into c, f, e, d, a, b in that order; false at the first missing or
// bad line (those read before keep their values) or when the file cannot be opened.
bool readPositionFile(const OdString& fileName, double& a, double& b, double& c, double& d, double& e, double& f);

struct SymbolNameAndId {
    OdString name;
    std::uint64_t id = 0;
    // Natural order of the names, letter case counting.
    bool operator<(const SymbolNameAndId& other) const;
};

// Natural order of wxString keys, letter case ignored.
struct CmpCollatedNoCaseWx {
    bool operator()(const wxString& x, const wxString& y) const;
};

} // namespace wut
