// wxWidgets' windows for the window stand-in: their X11 windows through GTK, messages as events,
// their own enabled state. Registered with the stand-in at library load.
#include "davaraz/gui/NativeWindows.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/toplevel.h>

namespace wut {

wxDEFINE_EVENT(EVT_NATIVE_MESSAGE, NativeMessageEvent);

NativeMessageEvent::NativeMessageEvent(UINT msg, WPARAM wParam, LPARAM lParam)
    : wxEvent(0, EVT_NATIVE_MESSAGE), m_msg(msg), m_wParam(wParam), m_lParam(lParam)
{
}

namespace {

bool guiRunning() { return dynamic_cast<wxApp*>(wxAppConsole::GetInstance()) != nullptr; }

// The GDK window that is the wx window's own: the top-level's, the client area of a window
// wxWidgets draws itself, or a native control's when it has one.
GdkWindow* ownGdkWindow(wxWindow* w)
{
    GtkWidget* widget = static_cast<GtkWidget*>(w->GetHandle());
    if (!widget)
        return nullptr;
    if (w->IsTopLevel() || gtk_widget_get_has_window(widget))
        return gtk_widget_get_window(widget);
    return w->GTKGetDrawingWindow();
}

HWND xidOf(GdkWindow* g)
{
    return g && GDK_IS_X11_WINDOW(g) ? win32::hwndFromXid(gdk_x11_window_get_xid(g)) : nullptr;
}

wxWindow* findIn(wxWindow* w, HWND hWnd)
{
    GdkWindow* g = ownGdkWindow(w);
    if (g && gdk_window_has_native(g) && xidOf(g) == hWnd)
        return w;
    for (wxWindow* child : w->GetChildren())
        if (wxWindow* found = findIn(child, hWnd))
            return found;
    return nullptr;
}

void* gdkDisplay()
{
    if (!guiRunning())
        return nullptr;
    GdkDisplay* d = gdk_display_get_default();
    return d && GDK_IS_X11_DISPLAY(d) ? gdk_x11_display_get_xdisplay(d) : nullptr;
}

bool owns(HWND hWnd) { return windowOf(hWnd) != nullptr; }

LRESULT handle(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    wxWindow* w = windowOf(hWnd);
    if (!w)
        return 0;
    NativeMessageEvent event(msg, wParam, lParam);
    event.SetEventObject(w);
    w->HandleWindowEvent(event);
    return event.result();
}

bool isEnabled(HWND hWnd)
{
    wxWindow* w = windowOf(hWnd);
    return w && w->IsEnabled();
}

void enable(HWND hWnd, bool on)
{
    if (wxWindow* w = windowOf(hWnd))
        w->Enable(on);
}

const win32::WindowOwner kOwner = {gdkDisplay, owns, handle, isEnabled, enable};

struct Registration {
    Registration() { win32::setWindowOwner(&kOwner); }
    ~Registration() { win32::setWindowOwner(nullptr); }
} g_registration;

} // namespace

HWND hwndOf(wxWindow* window)
{
    if (!window || !guiRunning())
        return nullptr;
    GdkWindow* g = ownGdkWindow(window);
    if (!g || !gdk_window_ensure_native(g))
        return nullptr;
    return xidOf(g);
}

wxWindow* windowOf(HWND hWnd)
{
    if (!hWnd || !guiRunning())
        return nullptr;
    for (wxWindow* top : wxTopLevelWindows)
        if (wxWindow* found = findIn(top, hWnd))
            return found;
    return nullptr;
}

} // namespace wut
