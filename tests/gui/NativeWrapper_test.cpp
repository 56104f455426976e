// Wrappers over foreign X11 windows made here with Xlib, and the state WindowRestore puts back.
#include "GuiTestApp.h"
#include "davaraz/gui/NativeWrapper.h"

#include <X11/Xlib.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

namespace {

using NativeWrapperTest = GuiTest;

// A foreign top-level window, mapped, on a connection of the test's own.
struct ForeignWindow {
    Display* display = XOpenDisplay(nullptr);
    Window window = 0;
    ForeignWindow()
    {
        if (!display)
            return;
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 10, 10, 200, 100, 0, 0, 0);
        XMapWindow(display, window);
        XSync(display, False);
    }
    ~ForeignWindow()
    {
        if (display)
            XCloseDisplay(display);
    }
    HWND hwnd() const { return win32::hwndFromXid(window); }
};

bool listed(wxWindow* w) { return wxTopLevelWindows.Find(w) != nullptr; }

TEST_F(NativeWrapperTest, WrappersParentDialogsAndLeaveTheForeignWindowAlive)
{
    ForeignWindow foreign;
    ASSERT_NE(foreign.window, 0u);
    wxWindow* wrapper = wut::getWxWrappedWindow(foreign.hwnd(), true);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_TRUE(wrapper->IsTopLevel());
    EXPECT_TRUE(listed(wrapper));
    EXPECT_EQ(static_cast<wut::HWND_wxWrapper*>(wrapper)->wrapped(), foreign.hwnd());
    {
        wxDialog dialog(wrapper, wxID_ANY, wxT("owned"));
        EXPECT_EQ(dialog.GetParent(), wrapper);
    }
    delete wrapper;
    EXPECT_FALSE(listed(wrapper));
    EXPECT_TRUE(IsWindow(foreign.hwnd())) << "the foreign window is not the wrapper's to destroy";

    wxWindow* unlisted = wut::getWxWrappedWindow(foreign.hwnd(), false);
    EXPECT_FALSE(listed(unlisted));
    delete unlisted;

    // No handle: the active window; none active: a wrapper of nothing.
    SetActiveWindow(foreign.hwnd());
    wxWindow* active = wut::getWxWrappedWindow(nullptr, false);
    EXPECT_EQ(static_cast<wut::HWND_wxWrapper*>(active)->wrapped(), foreign.hwnd());
    delete active;
    XSetInputFocus(foreign.display, None, RevertToNone, CurrentTime);
    XSync(foreign.display, False);
    wxWindow* none = wut::getWxWrappedWindow(nullptr, true);
    EXPECT_EQ(static_cast<wut::HWND_wxWrapper*>(none)->wrapped(), nullptr);
    delete none;
}

TEST_F(NativeWrapperTest, RestoreReEnablesAndReactivatesTheOwner)
{
    ForeignWindow owner, other;
    ASSERT_NE(owner.window, 0u);
    SetActiveWindow(owner.hwnd());
    {
        const wut::WindowRestore restore(owner.hwnd());
        ASSERT_NE(restore.wxActiveWindow(), nullptr);
        EXPECT_TRUE(listed(restore.wxActiveWindow()));
        // A modal operation disables the owner and activates another window.
        EnableWindow(owner.hwnd(), FALSE);
        SetActiveWindow(other.hwnd());
        const wut::WindowRestore copy(restore);
        EXPECT_EQ(copy.wxActiveWindow(), restore.wxActiveWindow()) << "copies share the wrapper";
    }
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));

    // Given another window than the active one, the active one is made active again.
    SetActiveWindow(owner.hwnd());
    {
        const wut::WindowRestore restore(other.hwnd());
        SetActiveWindow(other.hwnd());
    }
    EXPECT_EQ(GetActiveWindow(), owner.hwnd());
}

} // namespace
