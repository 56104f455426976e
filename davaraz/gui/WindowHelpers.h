// Keeping a window rectangle on a display, device-independent pixels, and a search control
// whose cancel button shows only while it holds text.
#pragma once
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
