// Window calls over X11: the tree, owners and styles from the server, messages to foreign
// windows as client messages, enabled state of foreign windows kept here.
#include "platform/win32/winuser.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"
#include "platform/win32/wstr.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <glib.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

namespace {

std::mutex g_mutex;
const win32::WindowOwner* g_owner = nullptr;
std::set<unsigned long> g_disabled; // foreign windows EnableWindow turned off
std::map<HWND, win32::WindowProcedure> g_procedures; // the stand-in's own windows

win32::WindowProcedure procedureOf(HWND w)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto found = g_procedures.find(w);
    return found == g_procedures.end() ? win32::WindowProcedure() : found->second;
}

struct Registered {
    UINT number;
    std::wstring name; // as first registered: the X atom keeps its spelling
};

// Registered messages by their name without case, numbered from 0xC000 in order.
std::map<std::wstring, Registered>& registered()
{
    static auto* names = new std::map<std::wstring, Registered>;
    return *names;
}


// An X error (a window that is not there, or went away meanwhile) makes the call fail instead
// of the process: the toolkit's handler, which may abort, is set aside while a call runs.
int quietErrors(Display*, XErrorEvent*) { return 0; }

class ErrorTrap {
public:
    explicit ErrorTrap(Display* d) : m_display(d)
    {
        if (m_display) {
            XSync(m_display, False);
            m_previous = XSetErrorHandler(quietErrors);
        }
    }
    ~ErrorTrap()
    {
        if (m_display) {
            XSync(m_display, False);
            XSetErrorHandler(m_previous);
        }
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

private:
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*) = nullptr;
};

// The toolkit's connection when it has one, else our own, opened on first use.
Display* display()
{
    if (g_owner && g_owner->display)
        if (void* d = g_owner->display())
            return static_cast<Display*>(d);
    static Display* own = XOpenDisplay(nullptr);
    return own;
}

bool owned(HWND w) { return g_owner && g_owner->owns && g_owner->owns(w); }

struct Tree {
    Window root = 0, parent = 0;
    std::vector<Window> children;
};

bool queryTree(Display* d, Window w, Tree& t)
{
    Window* kids = nullptr;
    unsigned n = 0;
    if (!w || !XQueryTree(d, w, &t.root, &t.parent, &kids, &n))
        return false;
    t.children.assign(kids, kids + n);
    if (kids)
        XFree(kids);
    return true;
}

HWND owner(Display* d, Window w)
{
    Window transientFor = 0;
    return XGetTransientForHint(d, w, &transientFor) && transientFor ? win32::hwndFromXid(transientFor) : nullptr;
}

} // namespace

UINT RegisterWindowMessageW(LPCWSTR lpString)
{
    const std::wstring name = win32::fromUtf16(lpString);
    if (name.empty())
        return 0;
    std::lock_guard<std::mutex> lock(g_mutex);
    auto& names = registered();
    const auto found = names.find(win32::foldCase(name));
    if (found != names.end())
        return found->second.number;
    if (names.size() >= 0x4000)
        return 0;
    const UINT number = 0xC000 + static_cast<UINT>(names.size());
    names.emplace(win32::foldCase(name), Registered{number, name});
    return number;
}

std::wstring win32::registeredMessageName(UINT msg)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    for (const auto& n : registered())
        if (n.second.number == msg)
            return n.second.name;
    return std::wstring();
}

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (const win32::WindowProcedure procedure = procedureOf(hWnd))
        return procedure(Msg, wParam, lParam);
    if (owned(hWnd))
        return g_owner->handle(hWnd, Msg, wParam, lParam);
    Display* d = display();
    const ErrorTrap trap(d);
    if (!d || !IsWindow(hWnd))
        return 0;
    const std::wstring name = win32::registeredMessageName(Msg);
    const std::string type = name.empty() ? "DAVARAZ_WM_" + std::to_string(Msg) : win32::toUtf8(name);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = win32::xidFromHwnd(hWnd);
    e.xclient.message_type = XInternAtom(d, type.c_str(), False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(Msg);
    e.xclient.data.l[1] = static_cast<long>(wParam);
    e.xclient.data.l[2] = static_cast<long>(lParam);
    XSendEvent(d, e.xclient.window, False, NoEventMask, &e);
    XFlush(d);
    return 0;
}

BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!procedureOf(hWnd) && !owned(hWnd)) {
        SendMessageW(hWnd, Msg, wParam, lParam); // a client message: not waited for either
        return TRUE;
    }
    struct Posted {
        HWND window;
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    // Windows takes posted messages before input, paint and timers: so does this source.
    g_idle_add_full(
        G_PRIORITY_HIGH,
        [](gpointer data) -> gboolean {
            const std::unique_ptr<Posted> p(static_cast<Posted*>(data));
            if (procedureOf(p->window) || owned(p->window))
                SendMessageW(p->window, p->msg, p->wParam, p->lParam);
            return G_SOURCE_REMOVE;
        },
        new Posted{hWnd, Msg, wParam, lParam}, nullptr);
    return TRUE;
}

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString)
{
    if (const win32::WindowProcedure procedure = procedureOf(hWnd))
        return procedure(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) ? TRUE : FALSE;
    Display* d = display();
    const ErrorTrap trap(d);
    if (!d || !IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    std::string title = win32::toUtf8(lpString ? win32::fromUtf16(lpString) : std::wstring());
    const Window w = win32::xidFromHwnd(hWnd);
    // WM_NAME as older clients read it (Latin-1 STRING where it fits, else compound text).
    char* list[] = {&title[0]};
    XTextProperty legacy;
    if (Xutf8TextListToTextProperty(d, list, 1, XStdICCTextStyle, &legacy) >= Success) {
        XSetWMName(d, w, &legacy);
        XFree(legacy.value);
    }
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), XInternAtom(d, "UTF8_STRING", False), 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(title.c_str()),
                    static_cast<int>(title.size()));
    XFlush(d);
    return TRUE;
}

HWND GetDesktopWindow()
{
    Display* d = display();
    const ErrorTrap trap(d);
    return d ? win32::hwndFromXid(DefaultRootWindow(d)) : nullptr;
}

HWND GetWindow(HWND hWnd, UINT uCmd)
{
    Display* d = display();
    const ErrorTrap trap(d);
    Tree t;
    if (!d || !queryTree(d, win32::xidFromHwnd(hWnd), t))
        return nullptr;
    switch (uCmd) {
    case GW_CHILD:
        return t.children.empty() ? nullptr : win32::hwndFromXid(t.children.front());
    case GW_HWNDNEXT: {
        Tree siblings;
        if (!t.parent || !queryTree(d, t.parent, siblings))
            return nullptr;
        const auto self = std::find(siblings.children.begin(), siblings.children.end(), win32::xidFromHwnd(hWnd));
        return self == siblings.children.end() || self + 1 == siblings.children.end() ? nullptr
                                                                                       : win32::hwndFromXid(*(self + 1));
    }
    case GW_OWNER:
        return owner(d, win32::xidFromHwnd(hWnd));
    default:
        return nullptr;
    }
}

HWND GetParent(HWND hWnd)
{
    Display* d = display();
    const ErrorTrap trap(d);
    Tree t;
    if (!d || !queryTree(d, win32::xidFromHwnd(hWnd), t))
        return nullptr;
    return t.parent && t.parent != t.root ? win32::hwndFromXid(t.parent) : owner(d, win32::xidFromHwnd(hWnd));
}

LONG GetWindowLongW(HWND hWnd, int nIndex)
{
    Display* d = display();
    const ErrorTrap trap(d);
    Tree t;
    XWindowAttributes a;
    if (nIndex != GWL_STYLE || !d || !queryTree(d, win32::xidFromHwnd(hWnd), t) ||
        !XGetWindowAttributes(d, win32::xidFromHwnd(hWnd), &a))
        return 0;
    LONG style = t.parent && t.parent != t.root ? WS_CHILD : WS_POPUP;
    if (a.map_state == IsViewable)
        style |= WS_VISIBLE;
    if (!IsWindowEnabled(hWnd))
        style |= WS_DISABLED;
    return style;
}

BOOL IsWindow(HWND hWnd)
{
    Display* d = display();
    const ErrorTrap trap(d);
    XWindowAttributes a;
    return d && hWnd && XGetWindowAttributes(d, win32::xidFromHwnd(hWnd), &a) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd)
{
    if (owned(hWnd))
        return g_owner->isEnabled(hWnd) ? TRUE : FALSE;
    if (!IsWindow(hWnd))
        return FALSE;
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_disabled.count(win32::xidFromHwnd(hWnd)) ? FALSE : TRUE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    const BOOL wasDisabled = IsWindowEnabled(hWnd) ? FALSE : TRUE;
    if (owned(hWnd)) {
        g_owner->enable(hWnd, bEnable != FALSE);
    } else if (IsWindow(hWnd)) {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (bEnable)
            g_disabled.erase(win32::xidFromHwnd(hWnd));
        else
            g_disabled.insert(win32::xidFromHwnd(hWnd));
    }
    return wasDisabled;
}

HWND GetActiveWindow()
{
    Display* d = display();
    const ErrorTrap trap(d);
    if (!d)
        return nullptr;
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    if (focus == None || focus == PointerRoot)
        return nullptr;
    // The top-level window that holds the focused one.
    for (Tree t; queryTree(d, focus, t); focus = t.parent) {
        if (t.parent == t.root)
            return win32::hwndFromXid(focus);
    }
    return nullptr;
}

HWND SetActiveWindow(HWND hWnd)
{
    Display* d = display();
    const ErrorTrap trap(d);
    if (!d || !IsWindow(hWnd))
        return nullptr;
    const HWND previous = GetActiveWindow();
    XRaiseWindow(d, win32::xidFromHwnd(hWnd));
    XSetInputFocus(d, win32::xidFromHwnd(hWnd), RevertToParent, CurrentTime);
    XSync(d, False);
    return previous;
}

void win32::setWindowProcedure(HWND hWnd, WindowProcedure procedure)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (procedure)
        g_procedures[hWnd] = std::move(procedure);
    else
        g_procedures.erase(hWnd);
}

void* win32::x11Display() { return display(); }

void win32::setWindowOwner(const WindowOwner* owner)
{
    g_owner = owner;
}
