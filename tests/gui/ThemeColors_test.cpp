// The theme holder and the colour functions over it, the GUI font where Open Sans is installed
// and where it is not (DAVARAZ_NO_OPEN_SANS: the test command runs these tests a second time
// with a font configuration that hides it), and the theme-change broadcast.
#include "GuiTestApp.h"
// Xlib after GoogleTest: its macros (None, Bool) clash with GoogleTest names.
#include "ForeignWindows.h"
#include "davaraz/gui/NativeWindows.h"
#include "davaraz/gui/ThemeColors.h"


#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/panel.h>

#include <cstdlib>
#include <map>

namespace {

using namespace wut;
using ThemeTest = GuiTest;

// A theme that counts what it is asked and answers with its own colour.
struct CountingTheme : ThemeColorsBase {
    int* destroyed;
    unsigned long color;
    explicit CountingTheme(int* d, unsigned long c = 0x00332211) : destroyed(d), color(c) {}
    ~CountingTheme() override { ++*destroyed; }
    unsigned long guiColorRef(EGuiColor) override { return color; }
    wxColour guiColor(EGuiColor) override { return *wxGREEN; } // never asked by guiColor()
    bool setColorTheme(EGuiColorTheme theme) override { return theme == EGuiColorTheme(7); }
};

TEST(ThemeColors, HolderAndDefaultGrey)
{
    EXPECT_EQ(guiColor(EGuiColor(3)), wxColour(192, 192, 192, 255));
    EXPECT_EQ(ThemeColorsBase().guiColor(EGuiColor(0)), wxColour(192, 192, 192, 255));

    int destroyed = 0;
    ASSERT_TRUE(ThemeColorManager::setExtension(std::make_unique<CountingTheme>(&destroyed)));
    EXPECT_FALSE(ThemeColorManager::setExtension(nullptr));
    EXPECT_EQ(guiColorRef(EGuiColor(1)), 0x00332211u) << "an empty pointer keeps the installed theme";
    EXPECT_EQ(guiColor(EGuiColor(1)), wxColour(0x11, 0x22, 0x33, 255)) << "red is the low byte";
    EXPECT_TRUE(guiSetColorTheme(EGuiColorTheme(1))) << "true whatever the theme says";

    ASSERT_TRUE(ThemeColorManager::setExtension(std::make_unique<CountingTheme>(&destroyed, 0x000000FF)));
    EXPECT_EQ(destroyed, 1) << "the previous theme goes";
    EXPECT_EQ(guiColor(EGuiColor(1)), *wxRED);

    ThemeColorManager::releaseExtension();
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(ThemeColorManager::getExtension(), nullptr);
    EXPECT_EQ(guiColorRef(EGuiColor(1)), 0xC0C0C0u);
    EXPECT_TRUE(guiSetColorTheme(EGuiColorTheme(1)));
    ThemeColorManager::setExtension(std::make_unique<ThemeColorsBase>());
}

TEST_F(ThemeTest, GuiFontWhereOpenSansIsAndIsNot)
{
    const bool present = std::getenv("DAVARAZ_NO_OPEN_SANS") == nullptr;
    EXPECT_EQ(isFontAvailable(L"Open Sans"), present) << "fonts-open-sans is installed by the set-up";
    EXPECT_FALSE(isFontAvailable(L""));
    EXPECT_FALSE(isFontAvailable(L"No Such Face 42"));
    EXPECT_STREQ(guiFontName(eGuiFontHeading), L"Open Sans");
    EXPECT_EQ(guiSize(eGuiSizeDefault), 10);

    wxFont font(wxFontInfo(9).FaceName(wxT("DejaVu Sans")));
    EXPECT_EQ(setGuiFont(&font), present);
    EXPECT_EQ(font.GetFaceName(), present ? wxT("Open Sans") : wxT("DejaVu Sans"));
    wxFont invalid;
    EXPECT_FALSE(setGuiFont(&invalid));

    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxT("fonts"));
    frame->SetFont(wxFont(wxFontInfo(9).FaceName(wxT("DejaVu Sans"))));
    setGuiFont(frame);
    EXPECT_EQ(frame->GetFont().GetFaceName(), present ? wxT("Open Sans") : wxT("DejaVu Sans"));
    EXPECT_EQ(frame->GetFont().GetPointSize(), 9) << "only the face changes";

    wxBitmap bmp(10, 10);
    wxMemoryDC dc(bmp);
    dc.SetFont(wxFont(wxFontInfo(9).FaceName(wxT("DejaVu Sans"))));
    setGuiFont(&dc);
    EXPECT_EQ(dc.GetFont().GetFaceName(), present ? wxT("Open Sans") : wxT("DejaVu Sans"));

    wxMenu menu;
    wxMenuItem* item = menu.Append(wxID_ANY, wxT("Pens"));
    setGuiFont(item); // GTK draws menu items itself: nothing to do, nothing to break
    EXPECT_EQ(item->GetItemLabelText(), wxT("Pens"));
    frame->Destroy();
}

TEST_F(ThemeTest, SizeAndWeight)
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxT("sizes"));
    setFontBold(frame, true);
    EXPECT_EQ(frame->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    setFontSize(frame, 12, false);
    EXPECT_EQ(frame->GetFont().GetPointSize(), 12);
    EXPECT_EQ(frame->GetFont().GetWeight(), wxFONTWEIGHT_BOLD) << "a clear flag keeps bold";
    setFontBold(frame, false);
    setFontSize(frame, 14, true);
    EXPECT_EQ(frame->GetFont().GetPointSize(), 14);
    EXPECT_EQ(frame->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    setFontBold(frame, false);
    EXPECT_EQ(frame->GetFont().GetWeight(), wxFONTWEIGHT_NORMAL);
    frame->Destroy();
}

TEST_F(ThemeTest, EventCarriesItsTypeAndClass)
{
    wxFrame frameObject;
    wxColorThemeChangedEvent event(&frameObject);
    std::unique_ptr<wxEvent> copy(event.Clone());
    EXPECT_EQ(copy->GetEventType(), wxEVT_COLOR_THEME_CHANGED);
    EXPECT_EQ(copy->GetEventObject(), &frameObject);
    EXPECT_STREQ(wxString(copy->GetClassInfo()->GetClassName()).utf8_str(), "wxColorThemeChangedEvent");
    std::unique_ptr<wxObject> made(wxCreateDynamicObject(wxT("wxColorThemeChangedEvent")));
    EXPECT_NE(dynamic_cast<wxColorThemeChangedEvent*>(made.get()), nullptr);
}

// Two top-level frames, a child, a grandchild and two foreign X11 windows (one inside a frame,
// one owned by the application's top window): each hears of the change exactly once, the wx
// windows by the event, the foreign ones by the registered message.
TEST_F(ThemeTest, BroadcastReachesEveryWindowOnce)
{
    std::map<wxWindow*, int> seen;
    const auto watch = [&seen](wxWindow* w) {
        w->Bind(wxEVT_COLOR_THEME_CHANGED, [&seen, w](wxColorThemeChangedEvent& e) {
            EXPECT_EQ(e.GetEventObject(), w);
            ++seen[w];
        });
    };
    wxFrame* one = new wxFrame(nullptr, wxID_ANY, wxT("one"));
    wxFrame* two = new wxFrame(nullptr, wxID_ANY, wxT("two"));
    wxPanel* child = new wxPanel(one);
    wxPanel* grandchild = new wxPanel(child);
    for (wxWindow* w : {static_cast<wxWindow*>(one), static_cast<wxWindow*>(two), static_cast<wxWindow*>(child),
                        static_cast<wxWindow*>(grandchild)})
        watch(w);
    one->Show();
    two->Show();
    wxYield();
    wxTheApp->SetTopWindow(one);

    ForeignWindows x;
    ASSERT_NE(x.display(), nullptr);
    const HWND inside = x.create(hwndOf(one));
    const HWND owned = x.create(nullptr);
    const HWND stranger = x.create(nullptr);
    x.ownedBy(owned, hwndOf(one));

    wxColorThemeChangedEvent::BroadcastColorThemeChanged();

    EXPECT_EQ(seen.size(), 4u);
    for (const auto& s : seen)
        EXPECT_EQ(s.second, 1) << s.first->GetName();
    for (const HWND w : {inside, owned, stranger}) {
        int count = 0;
        for (const auto& m : x.messages(w))
            count += m.first == "Vesk/WM_COLORTHEMECHANGED";
        EXPECT_EQ(count, w == stranger ? 0 : 1) << (w == inside ? "inside" : w == owned ? "owned" : "stranger");
    }
    one->Destroy();
    two->Destroy();
}

} // namespace
