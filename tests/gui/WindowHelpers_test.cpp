// Rectangles kept on two monitors side by side (1280 x 1024 at 0,0 and 1024 x 768 at 1280,0:
// GTK reads monitors from RandR outputs, and the test server has one, so the rule is given the
// displays), and on the real display; DIP conversion; the search control's cancel button.
#include "GuiTestApp.h"
#include "davaraz/gui/NativeWindows.h"
#include "davaraz/gui/WindowHelpers.h"

#include <wx/display.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

namespace {

using WindowHelpersTest = GuiTest;

TEST(DisplayRule, RectanglesStayOnTheirDisplay)
{
    const std::vector<wut::detail::DisplayArea> two = {{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}},
                                                       {{1280, 0, 1024, 768}, {1280, 0, 1024, 768}}};
    const struct {
        wxRect given, kept;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}},     // inside: untouched
        {{-50, -30, 400, 300}, {-4, -4, 400, 300}},       // past the left and top: onto the 4-pixel margin
        {{1000, 900, 400, 300}, {884, 728, 400, 300}},    // centre on the first: back inside its corner
        {{1100, 500, 100, 600}, {1100, 428, 100, 600}},   // past the bottom: bottom-aligned
        {{2200, 100, 400, 300}, {1908, 100, 400, 300}},   // centre on the second, past its right edge
        {{5000, 100, 400, 300}, {1908, 100, 400, 300}},   // right of everything: the top window's display
        {{5000, 100, 2000, 300}, {1276, 100, 2000, 300}}, // wider than it: to its left edge
        {{1300, 10, 2000, 300}, {1300, 10, 2000, 300}},   // wider but starting inside: not moved
    };
    for (const auto& c : cases) {
        wxRect r = c.given;
        wut::detail::keepOnDisplays(r, two, 1);
        EXPECT_EQ(r, c.kept) << c.given.x << ',' << c.given.y << ' ' << c.given.width << 'x' << c.given.height;
    }
    wxRect lost(5000, 100, 400, 300);
    wut::detail::keepOnDisplays(lost, two, -1);
    EXPECT_EQ(lost, wxRect(884, 100, 400, 300)) << "no top window: the first display";
}

TEST_F(WindowHelpersTest, TheRealDisplayAndDip)
{
    const wxRect screen = wxDisplay(0u).GetGeometry();
    wxRect r(screen.GetRight() + 100, 10, 200, 100);
    wut::adjustWindowRectangleToDisplay(r, true);
    EXPECT_EQ(r, wxRect(screen.GetRight() + 4 - 199, 10, 200, 100));
    EXPECT_EQ(wut::fromDIP(100), 100) << "no top window";
    wxFrame* top = new wxFrame(nullptr, wxID_ANY, wxT("top"));
    wxTheApp->SetTopWindow(top);
    EXPECT_EQ(wut::fromDIP(100), top->FromDIP(100));
    EXPECT_EQ(wut::toDIP(100), top->ToDIP(100));
    wxTheApp->SetTopWindow(nullptr);
    top->Destroy();
}

TEST_F(WindowHelpersTest, CancelButtonShowsWhileThereIsText)
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxT("search"));
    auto* search = new wut::VeskSearchCtrl(frame, wxID_ANY);
    int texts = 0;
    search->Bind(wxEVT_TEXT, [&texts](wxCommandEvent& e) {
        ++texts;
        e.Skip();
    });
    frame->Show();
    wxYield();
    // The keys go to the X focus: given to this window, not left to wherever the pointer is.
    SetActiveWindow(wut::hwndOf(frame));
    search->SetFocus();
    wxYield();
    EXPECT_FALSE(search->IsCancelButtonVisible());
    wxUIActionSimulator typing;
    typing.Text("pen");
    wxYield();
    EXPECT_EQ(search->GetValue(), wxT("pen"));
    EXPECT_TRUE(search->IsCancelButtonVisible());
    EXPECT_GE(texts, 1) << "the event still reaches the handlers";
    search->SetValue(wxString());
    EXPECT_FALSE(search->IsCancelButtonVisible());

    std::unique_ptr<wxObject> made(wxCreateDynamicObject(wxT("VeskSearchCtrl")));
    EXPECT_NE(dynamic_cast<wut::VeskSearchCtrl*>(made.get()), nullptr);
    frame->Destroy();
}

} // namespace
