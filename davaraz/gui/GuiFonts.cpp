// The GUI font and size roles, and setting the GUI font face or size on windows, DCs and fonts.
#include "davaraz/gui/ThemeColors.h"

#include <wx/dc.h>
#include <wx/fontenum.h>
#include <wx/menuitem.h>
#include <wx/window.h>

namespace wut {
namespace {

constexpr const wchar_t* kGuiFace = L"Open Sans";

// A copy of font with the GUI face, when the face is installed and the copy valid.
bool withGuiFace(wxFont font, wxFont& out)
{
    if (!font.IsOk() || !isFontAvailable(kGuiFace) || !font.SetFaceName(kGuiFace) || !font.IsOk())
        return false;
    out = font;
    return true;
}

} // namespace

int guiSize(EGuiSize) { return 10; }

const wchar_t* guiFontName(EGuiFontName) { return kGuiFace; }

bool isFontAvailable(const wchar_t* face) { return face && *face && wxFontEnumerator::IsValidFacename(face); }

bool setGuiFont(wxFont* font)
{
    return font && font->IsOk() && isFontAvailable(kGuiFace) && font->SetFaceName(kGuiFace);
}

void setGuiFont(wxWindow* window)
{
    wxFont font;
    if (window && withGuiFace(window->GetFont(), font))
        window->SetFont(font);
}

void setGuiFont(wxDC* dc)
{
    wxFont font;
    if (dc && withGuiFace(dc->GetFont(), font))
        dc->SetFont(font);
}

void setGuiFont(wxMenuItem*) {}

void setFontSize(wxWindow* window, int pointSize, bool bold)
{
    if (!window)
        return;
    wxFont font = window->GetFont();
    font.SetPointSize(pointSize);
    if (bold)
        font.SetWeight(wxFONTWEIGHT_BOLD);
    window->SetFont(font);
}

void setFontBold(wxWindow* window, bool bold)
{
    if (!window)
        return;
    wxFont font = window->GetFont();
    font.SetWeight(bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL);
    window->SetFont(font);
}

} // namespace wut
