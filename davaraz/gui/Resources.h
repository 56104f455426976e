// Loading dialogs, wizards, frames and panels from XRC resources, message boxes, and a
// validation policy that shows its last error as a tool tip. A resource that does not load is
// always shown to the user, with the same wording.
#pragma once
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/string.h>

namespace wut {

// Each loads the XRC object of that name into the given window; false after an error box that
// names the resource.
bool loadDialog(wxDialog* dlg, wxWindow* parent, const wchar_t* name);
bool loadWizard(wxDialog* dlg, wxWindow* parent, const wchar_t* name); // an object of class "wxWizard"
bool loadFrame(wxFrame* frame, wxWindow* parent, const wchar_t* name);
bool loadPanel(wxPanel* panel, wxWindow* parent, const wchar_t* name);
// A new panel, or null after the error box.
wxPanel* loadPanel(wxWindow* parent, const wchar_t* name);

// wxMessageBox; a null or empty caption becomes the product name (ut::Config::regProduct).
int messageBox(const wchar_t* text, const wchar_t* caption = nullptr, int style = wxOK | wxCENTRE,
               wxWindow* parent = nullptr, int x = wxDefaultCoord, int y = wxDefaultCoord);
// An error box captioned with the product name: OK, centred, error icon, no parent.
void errorBox(const wchar_t* text);

// One error text for a control's validation; a const policy can still record its last error.
class BasePolicy {
public:
    BasePolicy() = default;
    explicit BasePolicy(const wchar_t* error) : m_error(error ? error : L"") {}
    BasePolicy(const BasePolicy&) = default;
    BasePolicy& operator=(const BasePolicy&) = default;
    virtual ~BasePolicy() = default;

    // Shows the error, when there is one, as a rich tool tip "Bad input" pointing at window:
    // error icon, gone after 5 seconds.
    virtual void messageBox(wxWindow* window) const;

    // Replaces the error text; null leaves it as it is.
    void setErrorMsg(const wchar_t* error) const;
    const wxString& errorMsg() const { return m_error; }

private:
    mutable wxString m_error;
};

} // namespace wut
