// A foreign program on a connection of the test's own: windows made with Xlib (destroyed with
// the connection), the client messages they received, and keys and buttons pressed through the
// X server's test extension.
#pragma once
#include "platform/win32/winuser.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <string>
#include <utility>
#include <vector>

class ForeignWindows {
public:
    ForeignWindows() : m_display(XOpenDisplay(nullptr)) {}
    ~ForeignWindows()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    ForeignWindows(const ForeignWindows&) = delete;
    ForeignWindows& operator=(const ForeignWindows&) = delete;
    Display* display() const { return m_display; }

    // A window inside parent (top-level without one), mapped unless asked not to be.
    HWND create(HWND parent, bool map = true)
    {
        const Window p = parent ? win32::xidFromHwnd(parent) : DefaultRootWindow(m_display);
        const Window w = XCreateSimpleWindow(m_display, p, 10, 10, 200, 100, 0, 0, 0);
        if (map)
            XMapWindow(m_display, w);
        XSync(m_display, False);
        return win32::hwndFromXid(w);
    }
    void ownedBy(HWND w, HWND owner)
    {
        XSetTransientForHint(m_display, win32::xidFromHwnd(w), win32::xidFromHwnd(owner));
        XSync(m_display, False);
    }
    // The client messages that reached w since the last call: their type names and data.
    std::vector<std::pair<std::string, std::vector<long>>> messages(HWND w)
    {
        std::vector<std::pair<std::string, std::vector<long>>> got;
        XSync(m_display, False);
        XEvent e;
        while (XCheckTypedWindowEvent(m_display, win32::xidFromHwnd(w), ClientMessage, &e)) {
            char* name = XGetAtomName(m_display, e.xclient.message_type);
            got.push_back({name ? name : "", {e.xclient.data.l[0], e.xclient.data.l[1], e.xclient.data.l[2]}});
            XFree(name);
        }
        return got;
    }

    void key(KeySym sym, bool down)
    {
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, sym), down, CurrentTime);
        XSync(m_display, False);
    }
    void button(unsigned b, bool down)
    {
        XTestFakeButtonEvent(m_display, b, down, CurrentTime);
        XSync(m_display, False);
    }

private:
    Display* m_display;
};
