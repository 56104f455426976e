// The window calls of the stand-in against real X11 windows: foreign ones made here with Xlib
// on a connection of the test's own, and wxWidgets' own.
#include "GuiTestApp.h"
// Xlib after GoogleTest: its macros (None, Bool) clash with GoogleTest names.
#include "ForeignWindows.h"
#include "davaraz/gui/NativeWindows.h"
#include "platform/win32/errors.h"

#include <wx/frame.h>
#include <wx/panel.h>


namespace {

using NativeWindowsTest = GuiTest;

// The frame shown and its X window there.
HWND shown(wxFrame* frame)
{
    frame->Show();
    wxYield();
    return wut::hwndOf(frame);
}

TEST(WindowMessages, RegisteredPerNameWithoutCase)
{
    const UINT a = RegisterWindowMessageW(u"Vesk/Test");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageW(u"VESK/test"), a);
    EXPECT_NE(RegisterWindowMessageW(u"Vesk/Other"), a);
    EXPECT_EQ(RegisterWindowMessageW(u""), 0u);
    EXPECT_EQ(win32::registeredMessageName(a), L"Vesk/Test") << "the first spelling is kept";
}

TEST_F(NativeWindowsTest, TreeOwnerAndStyleOfForeignWindows)
{
    ForeignWindows x;
    ASSERT_NE(x.display(), nullptr);
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxT("owner"));
    const HWND owner = shown(frame);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(wut::windowOf(owner), frame);

    const HWND top = x.create(nullptr);
    const HWND first = x.create(top);
    const HWND second = x.create(top, false);
    x.ownedBy(top, owner);

    EXPECT_EQ(GetWindow(top, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetParent(first), top);
    EXPECT_EQ(GetParent(top), owner) << "a top-level window's parent is its owner";
    EXPECT_EQ(GetWindow(top, GW_OWNER), owner);
    EXPECT_EQ(GetWindow(owner, GW_OWNER), nullptr);

    bool topAmongDesktopChildren = false;
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        topAmongDesktopChildren |= w == top;
    EXPECT_TRUE(topAmongDesktopChildren);

    EXPECT_EQ(GetWindowLongW(top, GWL_STYLE), WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(GetWindowLongW(first, GWL_STYLE), WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(GetWindowLongW(second, GWL_STYLE), WS_CHILD) << "never mapped";
    EXPECT_EQ(GetWindowLongW(first, -20), 0) << "only the style is kept";

    // Enabled state: the stand-in's for foreign windows, wxWidgets' own for its windows.
    EXPECT_TRUE(IsWindowEnabled(first));
    EXPECT_FALSE(EnableWindow(first, FALSE));
    EXPECT_FALSE(IsWindowEnabled(first));
    EXPECT_EQ(GetWindowLongW(first, GWL_STYLE), WS_CHILD | WS_VISIBLE | WS_DISABLED);
    EXPECT_TRUE(EnableWindow(first, TRUE));
    EXPECT_FALSE(EnableWindow(owner, FALSE));
    EXPECT_FALSE(frame->IsEnabled());
    EXPECT_TRUE(EnableWindow(owner, TRUE));
    EXPECT_TRUE(frame->IsEnabled());

    // Focus moves where it is given.
    EXPECT_NE(SetActiveWindow(top), top);
    EXPECT_EQ(GetActiveWindow(), top);
    SetActiveWindow(owner);
    EXPECT_EQ(GetActiveWindow(), owner);

    XDestroyWindow(x.display(), win32::xidFromHwnd(top));
    XSync(x.display(), False);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(owner));
    frame->Destroy();
}

TEST_F(NativeWindowsTest, MessagesReachOwnWindowsAsEventsAndForeignOnesAsClientMessages)
{
    ForeignWindows x;
    ASSERT_NE(x.display(), nullptr);
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxT("messages"));
    wxPanel* panel = new wxPanel(frame);
    const HWND framed = shown(frame);
    const HWND paneled = wut::hwndOf(panel);
    ASSERT_NE(paneled, framed);
    EXPECT_EQ(wut::windowOf(paneled), panel);

    const UINT msg = RegisterWindowMessageW(u"Vesk/Test");
    panel->Bind(wut::EVT_NATIVE_MESSAGE, [msg](wut::NativeMessageEvent& e) {
        EXPECT_EQ(e.message(), msg);
        e.setResult(static_cast<LRESULT>(e.wParam() + e.lParam()));
    });
    EXPECT_EQ(SendMessageW(paneled, msg, 40, 2), 42);

    const HWND foreign = x.create(nullptr);
    EXPECT_EQ(SendMessageW(foreign, msg, 7, -1), 0) << "not waited for";
    EXPECT_EQ(SendMessageW(foreign, 0x0400, 0, 0), 0);
    const auto got = x.messages(foreign);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].first, "Vesk/Test");
    EXPECT_EQ(got[0].second, (std::vector<long>{static_cast<long>(msg), 7, -1}));
    EXPECT_EQ(got[1].first, "DAVARAZ_WM_1024");
    EXPECT_EQ(SendMessageW(win32::hwndFromXid(0x7FFFFFF), msg, 0, 0), 0) << "no such window";

    // Posted: handled once the current event is done, and not when the window went first.
    int handled = 0;
    panel->Bind(wut::EVT_NATIVE_MESSAGE, [&handled](wut::NativeMessageEvent& e) {
        ++handled;
        e.Skip();
    });
    EXPECT_TRUE(PostMessageW(paneled, msg, 1, 2));
    EXPECT_EQ(handled, 0);
    wxYield();
    EXPECT_EQ(handled, 1);
    EXPECT_TRUE(PostMessageW(foreign, msg, 3, 4));
    EXPECT_EQ(x.messages(foreign).size(), 1u);
    EXPECT_FALSE(PostMessageW(win32::hwndFromXid(0x7FFFFFF), msg, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);

    // A foreign window's title is what the window manager shows.
    ASSERT_TRUE(SetWindowTextW(foreign, u"Plot \u00e9"));
    char* name = nullptr;
    ASSERT_TRUE(XFetchName(x.display(), win32::xidFromHwnd(foreign), &name));
    EXPECT_STREQ(name, "Plot \xE9") << "WM_NAME is Latin-1 where it fits";
    XFree(name);
    frame->Destroy();
}

} // namespace
