// One process-wide source of interface colours, sizes and font names, replaceable by the host
// (its theme object, the "extension"), and the event that tells every window the theme changed.
#pragma once
#include <wx/colour.h>
#include <wx/event.h>

#include <memory>

class wxDC;
class wxFont;
class wxMenuItem;
class wxWindow;

namespace wut {

// Roles and themes are the host theme's business: the library passes them on unchanged.
enum EGuiColor : int {};
enum EGuiColorTheme : int {};
enum EGuiSize : int { eGuiSizeDefault = 0 };
enum EGuiFontName : int { eGuiFontDefault = 0, eGuiFontHeading = 1 };

// Colours as 32-bit values: red in the low byte, then green, then blue.
class IThemeColors {
public:
    virtual ~IThemeColors() = default;
    virtual unsigned long guiColorRef(EGuiColor color) = 0;
    virtual wxColour guiColor(EGuiColor color) = 0;
    virtual bool setColorTheme(EGuiColorTheme theme) = 0;
    virtual void setGuiColor(EGuiColor color, wxColour value) = 0;
};

// The neutral default: light grey (0xC0C0C0) for every role, no themes.
class ThemeColorsBase : public IThemeColors {
public:
    unsigned long guiColorRef(EGuiColor color) override;
    wxColour guiColor(EGuiColor color) override; // through guiColorRef, as overridden
    bool setColorTheme(EGuiColorTheme theme) override;
    void setGuiColor(EGuiColor color, wxColour value) override;
};

// Holds the installed theme object; a ThemeColorsBase from library load on.
class ThemeColorManager {
public:
    // Takes the object and destroys the previous one; an empty pointer is refused (false).
    static bool setExtension(std::unique_ptr<IThemeColors> extension);
    // Destroys the installed object; the free functions then give the default grey.
    static void releaseExtension();
    // The installed object, still owned by the manager; null after releaseExtension.
    static IThemeColors* getExtension();

private:
    static std::unique_ptr<IThemeColors> m_pExtension;
};

// The installed theme's colour (0xC0C0C0 without one).
unsigned long guiColorRef(EGuiColor color);
// The same as a wxColour, opaque; always through guiColorRef.
wxColour guiColor(EGuiColor color);
// Asks the installed theme to switch; true whatever it answered.
bool guiSetColorTheme(EGuiColorTheme theme);

int guiSize(EGuiSize size);
const wchar_t* guiFontName(EGuiFontName font); // "Open Sans"
bool isFontAvailable(const wchar_t* face);
// Each gives its object the GUI font face when that font is installed; otherwise the object
// is left as it was (the wxFont form then returns false).
bool setGuiFont(wxFont* font);
void setGuiFont(wxWindow* window);
void setGuiFont(wxDC* dc);
// GTK draws its own menu items (wxWidgets has no owner-drawn items there): the item keeps the
// desktop theme's font and this does nothing.
void setGuiFont(wxMenuItem* item);
// The window's font at pointSize, bold when asked (a clear flag keeps the weight).
void setFontSize(wxWindow* window, int pointSize, bool bold);
void setFontBold(wxWindow* window, bool bold);

} // namespace wut

// Sent to every window when the colour theme changes.
class wxColorThemeChangedEvent : public wxEvent {
public:
    wxColorThemeChangedEvent();
    explicit wxColorThemeChangedEvent(wxObject* object);
    wxEvent* Clone() const override { return new wxColorThemeChangedEvent(*this); }

    // Each top-level window, its children and the native pop-ups the application owns get
    // the event (wxWidgets windows) or the registered message (other native windows), then are
    // repainted.
    static void BroadcastColorThemeChanged();

private:
    wxDECLARE_DYNAMIC_CLASS(wxColorThemeChangedEvent);
};

wxDECLARE_EVENT(wxEVT_COLOR_THEME_CHANGED, wxColorThemeChangedEvent);
