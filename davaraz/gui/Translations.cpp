// Puts wxWidgets' message catalogs behind the documents' default texts as soon as the GUI
// part of the library is loaded.
#include "platform/tvutils/Translate.h"

#include <wx/translation.h>

namespace {

std::wstring wxTranslate(const wchar_t* text) { return wxGetTranslation(wxString(text)).ToStdWstring(); }

const bool g_installed = (ut::setTranslator(&wxTranslate), true);

} // namespace
