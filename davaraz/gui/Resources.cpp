// XRC loaders that say which resource failed, message boxes captioned with the product name,
// and the validation policy's tool tip.
#include "davaraz/gui/Resources.h"
#include "davaraz/gui/Log.h"
#include "platform/tvutils/StringUtils.h"

#include <wx/msgdlg.h>
#include <wx/richtooltip.h>
#include <wx/settings.h>
#include <wx/xrc/xmlres.h>

namespace wut {
namespace {

bool loaded(bool ok, const wchar_t* what, const wchar_t* name)
{
    if (!ok)
        errorBox(wxString::Format(what, name ? name : L"").wc_str());
    return ok;
}

} // namespace

bool loadDialog(wxDialog* dlg, wxWindow* parent, const wchar_t* name)
{
    return loaded(wxXmlResource::Get()->LoadDialog(dlg, parent, wxString(name)),
                  L"Failed to load dialog \"%ls\" from XRC", name);
}

bool loadWizard(wxDialog* dlg, wxWindow* parent, const wchar_t* name)
{
    return loaded(wxXmlResource::Get()->LoadObject(dlg, parent, wxString(name), wxT("wxWizard")),
                  L"Failed to load wizard \"%ls\" from XRC", name);
}

bool loadFrame(wxFrame* frame, wxWindow* parent, const wchar_t* name)
{
    return loaded(wxXmlResource::Get()->LoadFrame(frame, parent, wxString(name)),
                  L"Failed to load frame \"%ls\" from XRC", name);
}

bool loadPanel(wxPanel* panel, wxWindow* parent, const wchar_t* name)
{
    return loaded(wxXmlResource::Get()->LoadPanel(panel, parent, wxString(name)),
                  L"Failed to load panel \"%ls\" from XRC", name);
}

wxPanel* loadPanel(wxWindow* parent, const wchar_t* name)
{
    wxPanel* panel = wxXmlResource::Get()->LoadPanel(parent, wxString(name));
    loaded(panel != nullptr, L"Failed to load panel \"%ls\" from XRC", name);
    return panel;
}

int messageBox(const wchar_t* text, const wchar_t* caption, int style, wxWindow* parent, int x, int y)
{
    const wxString title = caption && *caption ? wxString(caption) : wxString(ut::Config::regProduct().c_str());
    return wxMessageBox(wxString(text ? text : L""), title, style, parent, x, y);
}

void errorBox(const wchar_t* text) { messageBox(text, L"", wxOK | wxCENTRE | wxICON_ERROR, nullptr, -1, -1); }

void BasePolicy::setErrorMsg(const wchar_t* error) const
{
    if (error)
        m_error = error;
}

void BasePolicy::messageBox(wxWindow* window) const
{
    if (m_error.empty() || !window)
        return;
    wxRichToolTip tip(translate(L"Bad input"), m_error);
    // GTK's tool tip background is dark in its default theme while wxWidgets' generic tip
    // draws its text in the window text colour: the window colours keep it readable.
    tip.SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    tip.SetIcon(wxICON_ERROR);
    tip.SetTimeout(5000, 0);
    tip.ShowFor(window);
}

} // namespace wut
