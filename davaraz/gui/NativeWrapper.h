// wxWidgets windows standing for native windows wxWidgets does not own (the host's main frame,
// other modules' windows), and saving the enabled and active state around a modal operation.
#pragma once
#include "platform/win32/winuser.h"

#include <wx/nativewin.h>

#include <memory>

namespace wut {

// A top-level wxWidgets window over a foreign native window, to parent wxWidgets dialogs. On GTK
// wxWidgets puts a window of its own inside the foreign X11 window; the foreign window is never
// destroyed through the wrapper, and the wrapper leaves wxWidgets' top-level list when it goes.
class HWND_wxWrapper : public wxNativeContainerWindow {
public:
    HWND_wxWrapper() = default; // wraps nothing
    explicit HWND_wxWrapper(HWND hwnd);
    ~HWND_wxWrapper() override;

    HWND wrapped() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

// A new wrapper for hwnd (null: the active window; none active: a wrapper of nothing), listed
// among wxWidgets' top-level windows when asked. The caller deletes it.
wxWindow* getWxWrappedWindow(HWND hwnd, bool addToTopLevelList);

// Records the active window, its parent and the given window with their enabled states; puts
// them back, and the active window, when it goes.
class WindowRestore {
public:
    explicit WindowRestore(HWND hwnd = nullptr);
    WindowRestore(const WindowRestore&) = default;
    WindowRestore& operator=(const WindowRestore&) = default;
    virtual ~WindowRestore();

    // The wrapper of the active window, to parent a wxWidgets dialog.
    wxWindow* wxActiveWindow() const { return m_wrapper.get(); }

private:
    HWND m_active = nullptr;
    HWND m_parent = nullptr;
    HWND m_given = nullptr;
    int m_activeEnabled = 0;
    int m_parentEnabled = 0;
    int m_givenEnabled = 0;
    // Shared by copies, as the original's copies share the one wrapper; deleted with the last.
    std::shared_ptr<HWND_wxWrapper> m_wrapper;
};

} // namespace wut
