// The theme holder, the colour functions over it, and the theme-change event and broadcast.
#include "davaraz/gui/ThemeColors.h"
#include "davaraz/gui/NativeWindows.h"

#include <set>

#include <wx/app.h>
#include <wx/toplevel.h>
#include <wx/window.h>

namespace wut {
namespace {

constexpr unsigned long kDefaultColor = 0xC0C0C0;

wxColour fromColorRef(unsigned long ref)
{
    return wxColour(static_cast<unsigned char>(ref & 0xFF), static_cast<unsigned char>((ref >> 8) & 0xFF),
                    static_cast<unsigned char>((ref >> 16) & 0xFF), wxALPHA_OPAQUE);
}

} // namespace

unsigned long ThemeColorsBase::guiColorRef(EGuiColor) { return kDefaultColor; }
wxColour ThemeColorsBase::guiColor(EGuiColor color) { return fromColorRef(guiColorRef(color)); }
bool ThemeColorsBase::setColorTheme(EGuiColorTheme) { return false; }
void ThemeColorsBase::setGuiColor(EGuiColor, wxColour) {}

std::unique_ptr<IThemeColors> ThemeColorManager::m_pExtension = std::make_unique<ThemeColorsBase>();

bool ThemeColorManager::setExtension(std::unique_ptr<IThemeColors> extension)
{
    if (!extension)
        return false;
    m_pExtension = std::move(extension); // the previous object goes after the new one is in
    return true;
}

void ThemeColorManager::releaseExtension()
{
    std::unique_ptr<IThemeColors> old = std::move(m_pExtension); // the holder is clear before it goes
}

IThemeColors* ThemeColorManager::getExtension() { return m_pExtension.get(); }

unsigned long guiColorRef(EGuiColor color)
{
    IThemeColors* theme = ThemeColorManager::getExtension();
    return theme ? theme->guiColorRef(color) : kDefaultColor;
}

wxColour guiColor(EGuiColor color) { return fromColorRef(guiColorRef(color)); }

bool guiSetColorTheme(EGuiColorTheme theme)
{
    if (IThemeColors* t = ThemeColorManager::getExtension())
        t->setColorTheme(theme);
    return true;
}

} // namespace wut

wxDEFINE_EVENT(wxEVT_COLOR_THEME_CHANGED, wxColorThemeChangedEvent);
wxIMPLEMENT_DYNAMIC_CLASS(wxColorThemeChangedEvent, wxEvent);

wxColorThemeChangedEvent::wxColorThemeChangedEvent() : wxEvent(0, wxEVT_COLOR_THEME_CHANGED) {}

wxColorThemeChangedEvent::wxColorThemeChangedEvent(wxObject* object) : wxColorThemeChangedEvent()
{
    SetEventObject(object);
}

namespace {

// Registered at library load, as every window that wants to hear of it registers it too.
const UINT kThemeChangedMessage = RegisterWindowMessageW(u"Vesk/WM_COLORTHEMECHANGED");

// The window's wxWidgets children, each told by its own event, depth first.
void notifyChildren(wxWindow& window)
{
    for (wxWindow* child : window.GetChildren()) {
        wxColorThemeChangedEvent event(child);
        child->HandleWindowEvent(event);
        notifyChildren(*child);
    }
}

// The native window and its native children get the registered message. wxWidgets windows among
// them have had the event through their parents already.
void notifyNative(HWND hWnd)
{
    SendMessageW(hWnd, kThemeChangedMessage, 0, 0);
    for (HWND child = GetWindow(hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        notifyNative(child);
}

bool isWxTopLevel(HWND hWnd)
{
    wxWindow* w = wut::windowOf(hWnd);
    return w && w->IsTopLevel();
}

} // namespace

void wxColorThemeChangedEvent::BroadcastColorThemeChanged()
{
    for (wxWindow* top : wxTopLevelWindows) {
        wxColorThemeChangedEvent event(top);
        top->HandleWindowEvent(event);
        notifyChildren(*top);
        if (HWND native = wut::hwndOf(top))
            notifyNative(native);
        top->Refresh(true);
    }
    // Pop-ups the application's top window owns that wxWidgets does not list (a host's native
    // dialogs, embedded tools' windows).
    wxWindow* appTop = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    const HWND topHwnd = wut::hwndOf(appTop);
    if (!topHwnd)
        return;
    // Another program's window that closes mid-walk has no next sibling any more and ends the
    // walk early: walk again then, passing over the windows already seen.
    std::set<HWND> seen;
    for (int pass = 0; pass < 8; ++pass) {
        HWND w = GetWindow(GetDesktopWindow(), GW_CHILD);
        while (w) {
            if (seen.insert(w).second && w != topHwnd && !isWxTopLevel(w)) {
                const HWND above = (GetWindowLongW(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : GetWindow(w, GW_OWNER);
                if (above == topHwnd)
                    notifyNative(w);
            }
            const HWND next = GetWindow(w, GW_HWNDNEXT);
            if (!next && !IsWindow(w))
                break;
            w = next;
        }
        if (!w)
            return;
    }
}
