// Word-wrapping to a pixel width with wxWidgets' line breaking, and a wrapped text kept with its
// font and size for drawing later.
#pragma once
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>
#include <wx/textwrapper.h>
#include <wx/window.h>

namespace wut {

class TextWrapper : public wxTextWrapper {
public:
    // Wraps text to widthMax pixels in window's font, after setting font on the window (which
    // keeps it) when one is given. The result is text().
    TextWrapper(wxWindow* window, const wxString& text, int widthMax, wxFont* font = nullptr);
    ~TextWrapper() override = default;

    const wxString& text() const { return m_text; }

protected:
    void OnOutputLine(const wxString& line) override;
    void OnNewLine() override;

private:
    wxString m_text;
};

class WrappedString {
public:
    WrappedString() = default;
    // Wraps and measures on a private, never shown frame in font (the frame's own font when
    // font is not valid); window is not used.
    WrappedString(wxWindow* window, const wxString& text, int widthMax, wxFont font);

    wxString string() const { return m_text; }
    wxSize extents() const { return m_extent; }
    wxFont font() const { return m_font; }
    bool empty() const { return m_text.empty(); }

    // Draws the text at `at`, transparent background, in colour and the stored font.
    void drawText(wxDC& dc, wxPoint at, wxColour colour) const;

private:
    wxString m_text;
    wxSize m_extent{0, 0};
    wxFont m_font;
};

} // namespace wut
