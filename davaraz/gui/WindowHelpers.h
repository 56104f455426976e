// Keeping a window rectangle on a display, device-independent pixels, choosing a folder, and a
// search control whose cancel button shows only while it holds text.
#pragma once
#include "platform/od/OdString.h"

#include <wx/gdicmn.h>
#include <wx/srchctrl.h>

#include <vector>

namespace wut {

// Moves rect (its size unchanged) onto the display it belongs to, allowing it 4 pixels past
// each edge: the display holding its centre, else its top-left corner, else the application's
// top window, else the first. useClientArea: the display's work area instead of all of it.
void adjustWindowRectangleToDisplay(wxRect& rect, bool useClientArea);

namespace detail {
struct DisplayArea {
    wxRect geometry; // where the display is
    wxRect area;     // what a window may use of it (its work area or all of it)
};
// The rule itself over given displays: the one whose geometry holds the centre, else the
// top-left corner, else topDisplay (-1: none), else the first.
void keepOnDisplays(wxRect& rect, const std::vector<DisplayArea>& displays, int topDisplay);
} // namespace detail

// Through the application's top window; unchanged without one.
int fromDIP(int value);
int toDIP(int value);

// The shell's folder browser, owned by the active window: caption (empty: "Select Folder",
// translated), the folder selected at first, the text above the folders, and whether it offers
// a button for a new folder. The chosen folder without trailing slashes (the root stays "/");
// empty when cancelled. One folder dialog at a time: its set-up is process-wide while it is open.
OdString selectFolderDlg(const wchar_t* caption, const wchar_t* initialFolder, const wchar_t* prompt,
                         bool allowNewFolder);

class VeskSearchCtrl : public wxSearchCtrl {
public:
    VeskSearchCtrl() = default;
    VeskSearchCtrl(wxWindow* parent, wxWindowID id, const wxString& value = wxString(),
                   const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize, long style = 0,
                   const wxValidator& validator = wxDefaultValidator, const wxString& name = wxSearchCtrlNameStr);
    bool Create(wxWindow* parent, wxWindowID id, const wxString& value = wxString(),
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize, long style = 0,
                const wxValidator& validator = wxDefaultValidator, const wxString& name = wxSearchCtrlNameStr);

protected:
    // Text changes show or hide the cancel button; the event then goes on as usual.
    bool TryBefore(wxEvent& event) override;

private:
    wxDECLARE_DYNAMIC_CLASS(VeskSearchCtrl);
};

} // namespace wut
