// wxWidgets windows as native windows of the Win32 stand-in (an HWND is their X11 window), and
// the event by which such a window receives a message sent to it with SendMessageW.
#pragma once
#include "platform/win32/winuser.h"

#include <wx/event.h>
#include <wx/window.h>

namespace wut {

// The X11 window of a wxWidgets window, made native when it was not (GTK draws most child
// windows inside their top-level's X window); null for a window not realised yet.
HWND hwndOf(wxWindow* window);
// The wxWidgets window whose own X11 window hWnd is, or null.
wxWindow* windowOf(HWND hWnd);

// A message SendMessageW hands to a wxWidgets window; a handler sets the result.
class NativeMessageEvent : public wxEvent {
public:
    NativeMessageEvent(UINT msg = 0, WPARAM wParam = 0, LPARAM lParam = 0);
    wxEvent* Clone() const override { return new NativeMessageEvent(*this); }

    UINT message() const { return m_msg; }
    WPARAM wParam() const { return m_wParam; }
    LPARAM lParam() const { return m_lParam; }
    LRESULT result() const { return m_result; }
    void setResult(LRESULT result) { m_result = result; }

private:
    UINT m_msg;
    WPARAM m_wParam;
    LPARAM m_lParam;
    LRESULT m_result = 0;
};

wxDECLARE_EVENT(EVT_NATIVE_MESSAGE, NativeMessageEvent);

} // namespace wut
