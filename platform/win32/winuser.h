// The window calls of the Win32 stand-in, over X11: an HWND is an X11 window id. A toolkit that
// owns windows of its own (wxWidgets, registered by the GUI helpers) handles messages and the
// enabled state of those itself; every other window is foreign. Each call says what of the real
// call it reproduces and what it leaves out.
#pragma once
#include "platform/win32/handles.h"

#include <functional>
#include <string>

using WPARAM = std::uintptr_t;
using LRESULT = std::intptr_t;

constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;
constexpr int GWL_STYLE = -16;
constexpr LONG WS_POPUP = static_cast<LONG>(0x80000000u);
constexpr LONG WS_CHILD = 0x40000000;
constexpr LONG WS_VISIBLE = 0x10000000;
constexpr LONG WS_DISABLED = 0x08000000;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_USER = 0x0400;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;

// A process-wide number for the name, 0xC000 to 0xFFFF, the same for the same name (case
// ignored, as Windows). Unlike Windows the number is not shared with other processes: a
// message sent to a foreign window carries the name's X atom, which is. 0 for an empty name.
UINT RegisterWindowMessageW(LPCWSTR lpString);

// A window the toolkit owns handles the message at once and its result is returned. A foreign
// window gets an X client message (type: the registered name's atom, or "DAVARAZ_WM_<n>" for
// another number; data: message, wParam, lParam) flushed to the server: it is not waited for,
// and the result is 0. 0 for a window that is not there.
LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Queued: the stand-in's own windows and the toolkit's handle it from the GLib main loop once
// the current event is done, before input, paint and timers as on Windows (not at all when the
// window is gone by then); a foreign window gets the client message SendMessageW sends. FALSE
// with ERROR_INVALID_WINDOW_HANDLE for a window that is not there. Leaves out: a thread's queue
// (null window).
BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// The stand-in's own windows (its dialogs) get WM_SETTEXT; any other window gets its X title
// (WM_NAME and the UTF-8 _NET_WM_NAME), which is what the window manager shows. Leaves out: the
// toolkit is not told of the new title of its own windows, and child windows have no text.
BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString);

// The root window of the default screen; null without an X display.
HWND GetDesktopWindow();
// GW_CHILD: the first child in the server's stacking order (bottom first); GW_HWNDNEXT: the
// next sibling in that order; GW_OWNER: the window a top-level window is transient for
// (WM_TRANSIENT_FOR). Null when there is none. The desktop's children are the top-level X
// windows; under a reparenting window manager those are its frames, not the applications'.
HWND GetWindow(HWND hWnd, UINT uCmd);
// A child window's parent; for a top-level window its owner, as Windows answers for pop-ups.
HWND GetParent(HWND hWnd);
// GWL_STYLE only: WS_CHILD for a window whose parent is not the desktop, else WS_POPUP;
// WS_VISIBLE when mapped and viewable; WS_DISABLED when disabled. 0 for other indexes.
LONG GetWindowLongW(HWND hWnd, int nIndex);
BOOL IsWindow(HWND hWnd);
// A toolkit window's own state; for a foreign window the state EnableWindow gave it (X has
// none: input still reaches it).
BOOL IsWindowEnabled(HWND hWnd);
// Nonzero when the window was disabled before.
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
// The top-level window that has the input focus, or null.
HWND GetActiveWindow();
// Raises the window and gives it the input focus; the window active before, or null. Without a
// window manager nothing else changes (no activation messages).
HWND SetActiveWindow(HWND hWnd);

namespace win32 {

// A toolkit's own windows: it tells whether it owns a window and handles messages and the
// enabled state for those. `display` is the X connection (Display*) it uses, which the calls
// then share so that ids, focus and stacking agree; null to let the stand-in open its own.
struct WindowOwner {
    void* (*display)();
    bool (*owns)(HWND hWnd);
    LRESULT (*handle)(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool (*isEnabled)(HWND hWnd);
    void (*enable)(HWND hWnd, bool enable);
};
void setWindowOwner(const WindowOwner* owner);
// Windows the stand-in makes itself (its dialogs): messages sent or posted to one go to its
// procedure while it is registered; an empty procedure unregisters the window.
using WindowProcedure = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;
void setWindowProcedure(HWND hWnd, WindowProcedure procedure);
// The X connection the window and key calls use (a Display*), or null without a display.
void* x11Display();

// HWND and X11 window id.
inline HWND hwndFromXid(unsigned long xid) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(xid)); }
inline unsigned long xidFromHwnd(HWND hWnd) { return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(hWnd)); }

// The name a registered number stands for ("" for a number not registered).
std::wstring registeredMessageName(UINT msg);

} // namespace win32
