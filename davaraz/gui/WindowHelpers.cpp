// Display rectangles over wxDisplay, DIP conversion through the top window, and the search
// control.
#include "davaraz/gui/WindowHelpers.h"

#include <wx/app.h>
#include <wx/display.h>
#include <wx/window.h>

namespace wut {
namespace {

// Moves [start, start + size) into [low, high] the way a window is kept on screen.
void fit(int& start, int size, int low, int high)
{
    if (start < low)
        start = low;
    if (start + size - 1 > high) {
        if (high - low + 1 > size)
            start = high - size + 1;
        else if (start > high)
            start = low;
    }
}

wxWindow* topWindow() { return wxTheApp ? wxTheApp->GetTopWindow() : nullptr; }

} // namespace

namespace detail {

void keepOnDisplays(wxRect& rect, const std::vector<DisplayArea>& displays, int topDisplay)
{
    if (displays.empty())
        return;
    const auto holding = [&displays](const wxPoint& p) {
        for (std::size_t i = 0; i < displays.size(); ++i)
            if (displays[i].geometry.Contains(p))
                return static_cast<int>(i);
        return -1;
    };
    int index = holding(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
    if (index < 0)
        index = holding(rect.GetTopLeft());
    if (index < 0)
        index = topDisplay;
    if (index < 0 || index >= static_cast<int>(displays.size()))
        index = 0;
    const wxRect area = wxRect(displays[static_cast<std::size_t>(index)].area).Inflate(4, 4);
    fit(rect.x, rect.width, area.GetLeft(), area.GetRight());
    fit(rect.y, rect.height, area.GetTop(), area.GetBottom());
}

} // namespace detail

void adjustWindowRectangleToDisplay(wxRect& rect, bool useClientArea)
{
    std::vector<detail::DisplayArea> displays;
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        const wxDisplay d(i);
        displays.push_back({d.GetGeometry(), useClientArea ? d.GetClientArea() : d.GetGeometry()});
    }
    detail::keepOnDisplays(rect, displays, topWindow() ? wxDisplay::GetFromWindow(topWindow()) : -1);
}

int fromDIP(int value)
{
    wxWindow* top = topWindow();
    return top ? top->FromDIP(value) : value;
}

int toDIP(int value)
{
    wxWindow* top = topWindow();
    return top ? top->ToDIP(value) : value;
}

wxIMPLEMENT_DYNAMIC_CLASS(VeskSearchCtrl, wxSearchCtrl);

VeskSearchCtrl::VeskSearchCtrl(wxWindow* parent, wxWindowID id, const wxString& value, const wxPoint& pos,
                               const wxSize& size, long style, const wxValidator& validator, const wxString& name)
    : wxSearchCtrl(parent, id, value, pos, size, style, validator, name)
{
}

bool VeskSearchCtrl::Create(wxWindow* parent, wxWindowID id, const wxString& value, const wxPoint& pos,
                            const wxSize& size, long style, const wxValidator& validator, const wxString& name)
{
    return wxSearchCtrl::Create(parent, id, value, pos, size, style, validator, name);
}

bool VeskSearchCtrl::TryBefore(wxEvent& event)
{
    if (event.GetEventType() == wxEVT_TEXT)
        ShowCancelButton(!GetValue().empty());
    return false;
}

} // namespace wut
