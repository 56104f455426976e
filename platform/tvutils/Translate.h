// The library's user-visible default texts in the user's language. The documents do not
// depend on wxWidgets; the GUI part installs wxWidgets' catalogs as the translator when it is
// loaded, and without it a text stays as written.
#pragma once
#include <string>

namespace ut {

using Translator = std::wstring (*)(const wchar_t* text);

// The text in the user's language, or the text itself when no translator is installed.
std::wstring translate(const wchar_t* text);
// Installs the translator (null: none).
void setTranslator(Translator translator);

} // namespace ut
