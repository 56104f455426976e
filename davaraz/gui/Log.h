// Messages for the user: the translation lookup and the three wxWidgets log levels, all
// recorded under the source "wut_gui".
#pragma once
#include <wx/string.h>

namespace wut {

// The catalogue's translation of text, or text itself when no loaded catalogue has it.
wxString translate(const wchar_t* text);

// printf-style wide formats ("%ls" for wide strings). A level the log does not let through
// costs nothing: the format is not expanded.
void logError(const wchar_t* format, ...);
void logWarning(const wchar_t* format, ...);
void logMessage(const wchar_t* format, ...);

} // namespace wut
