// HWND_wxWrapper over wxNativeContainerWindow, and WindowRestore over the window calls.
#include "davaraz/gui/NativeWrapper.h"

#include <wx/toplevel.h>

namespace wut {

HWND_wxWrapper::HWND_wxWrapper(HWND hwnd) : m_hwnd(hwnd)
{
    if (hwnd)
        Create(static_cast<wxNativeContainerWindowId>(win32::xidFromHwnd(hwnd)));
}

HWND_wxWrapper::~HWND_wxWrapper()
{
    m_hwnd = nullptr;
    wxTopLevelWindows.DeleteObject(this);
}

wxWindow* getWxWrappedWindow(HWND hwnd, bool addToTopLevelList)
{
    if (!hwnd)
        hwnd = GetActiveWindow();
    auto* wrapper = new HWND_wxWrapper(hwnd);
    const bool listed = wxTopLevelWindows.Find(wrapper) != nullptr;
    if (addToTopLevelList && !listed)
        wxTopLevelWindows.Append(wrapper);
    else if (!addToTopLevelList && listed)
        wxTopLevelWindows.DeleteObject(wrapper);
    return wrapper;
}

namespace {
int enabledState(HWND h) { return h && IsWindow(h) && IsWindowEnabled(h) ? 1 : 0; }
} // namespace

WindowRestore::WindowRestore(HWND hwnd) : m_given(hwnd)
{
    m_active = GetActiveWindow();
    if (!m_active)
        m_active = hwnd;
    m_parent = m_active ? GetParent(m_active) : nullptr;
    m_activeEnabled = enabledState(m_active);
    m_parentEnabled = enabledState(m_parent);
    m_givenEnabled = enabledState(m_given);
    m_wrapper.reset(static_cast<HWND_wxWrapper*>(getWxWrappedWindow(m_active, true)));
}

WindowRestore::~WindowRestore()
{
    m_wrapper.reset(); // the last copy deletes it
    if (!m_active || !IsWindow(m_active))
        return;
    if (m_given && IsWindow(m_given))
        EnableWindow(m_given, m_givenEnabled);
    if (m_parent && IsWindow(m_parent))
        EnableWindow(m_parent, m_parentEnabled);
    EnableWindow(m_active, m_activeEnabled);
    if (m_active != m_given)
        SetActiveWindow(m_active);
}

} // namespace wut
