// Wrappers over foreign X11 windows made here with Xlib, and the state WindowRestore puts back.
#include "GuiTestApp.h"
// Xlib after GoogleTest: its macros (None, Bool) clash with GoogleTest names.
#include "ForeignWindows.h"
#include "davaraz/gui/NativeWrapper.h"

#include <wx/dialog.h>
#include <wx/toplevel.h>

namespace {

using NativeWrapperTest = GuiTest;

bool listed(wxWindow* w) { return wxTopLevelWindows.Find(w) != nullptr; }

TEST_F(NativeWrapperTest, WrappersParentDialogsAndLeaveTheForeignWindowAlive)
{
    ForeignWindows x;
    ASSERT_NE(x.display(), nullptr);
    const HWND foreign = x.create(nullptr);
    wxWindow* wrapper = wut::getWxWrappedWindow(foreign, true);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_TRUE(wrapper->IsTopLevel());
    EXPECT_TRUE(listed(wrapper));
    EXPECT_EQ(static_cast<wut::HWND_wxWrapper*>(wrapper)->wrapped(), foreign);
    {
        wxDialog dialog(wrapper, wxID_ANY, wxT("owned"));
        EXPECT_EQ(dialog.GetParent(), wrapper);
    }
    delete wrapper;
    EXPECT_FALSE(listed(wrapper));
    EXPECT_TRUE(IsWindow(foreign)) << "the foreign window is not the wrapper's to destroy";

    wxWindow* unlisted = wut::getWxWrappedWindow(foreign, false);
    EXPECT_FALSE(listed(unlisted));
    delete unlisted;

    // No handle: the active window; none active: a wrapper of nothing.
    SetActiveWindow(foreign);
    wxWindow* active = wut::getWxWrappedWindow(nullptr, false);
    EXPECT_EQ(static_cast<wut::HWND_wxWrapper*>(active)->wrapped(), foreign);
    delete active;
    XSetInputFocus(x.display(), None, RevertToNone, CurrentTime);
    XSync(x.display(), False);
    wxWindow* none = wut::getWxWrappedWindow(nullptr, true);
    EXPECT_EQ(static_cast<wut::HWND_wxWrapper*>(none)->wrapped(), nullptr);
    delete none;
}

TEST_F(NativeWrapperTest, RestoreReEnablesAndReactivatesTheOwner)
{
    ForeignWindows x;
    ASSERT_NE(x.display(), nullptr);
    const HWND owner = x.create(nullptr);
    const HWND other = x.create(nullptr);
    SetActiveWindow(owner);
    {
        const wut::WindowRestore restore(owner);
        ASSERT_NE(restore.wxActiveWindow(), nullptr);
        EXPECT_TRUE(listed(restore.wxActiveWindow()));
        // A modal operation disables the owner and activates another window.
        EnableWindow(owner, FALSE);
        SetActiveWindow(other);
        const wut::WindowRestore copy(restore);
        EXPECT_EQ(copy.wxActiveWindow(), restore.wxActiveWindow()) << "copies share the wrapper";
    }
    EXPECT_TRUE(IsWindowEnabled(owner));

    // Given another window than the active one, the active one is made active again.
    SetActiveWindow(owner);
    {
        const wut::WindowRestore restore(other);
        SetActiveWindow(other);
    }
    EXPECT_EQ(GetActiveWindow(), owner);
}

} // namespace
