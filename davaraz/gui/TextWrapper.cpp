// TextWrapper and WrappedString: wrapping on wxWidgets' own line breaking.
#include "davaraz/gui/TextWrapper.h"

#include <wx/dcclient.h>
#include <wx/frame.h>

namespace wut {

TextWrapper::TextWrapper(wxWindow* window, const wxString& text, int widthMax, wxFont* font)
{
    if (font && window)
        window->SetFont(*font);
    Wrap(window, text, widthMax);
}

void TextWrapper::OnOutputLine(const wxString& line) { m_text += line; }

void TextWrapper::OnNewLine() { m_text += wxT('\n'); }

WrappedString::WrappedString(wxWindow*, const wxString& text, int widthMax, wxFont font) : m_font(font)
{
    // Measured on a frame of our own, so that the caller's window keeps its font.
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxString());
    if (m_font.IsOk())
        frame->SetFont(m_font);
    m_text = TextWrapper(frame, text, widthMax).text();
    {
        wxClientDC dc(frame);
        m_extent = dc.GetMultiLineTextExtent(m_text);
    }
    frame->Destroy();
}

void WrappedString::drawText(wxDC& dc, wxPoint at, wxColour colour) const
{
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(colour);
    dc.SetFont(m_font);
    dc.DrawText(m_text, at);
}

} // namespace wut
