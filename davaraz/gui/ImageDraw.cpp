// Overlays and text drawn onto bitmaps, and the one-break text wrapping they use.
#include "davaraz/gui/ImageUtils.h"

#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include <memory>

namespace wut {
namespace ImageUtils {

void drawOnTop(wxBitmap& target, const wxBitmap& overlay)
{
    wxMemoryDC dc(target);
    dc.DrawBitmap(overlay, 0, 0, false);
}

wxString wrapText(const wxString& text, const wxRect& rect, wxDC& dc)
{
    wxString normal(text);
    normal.Replace(wxT("\r\n"), wxT("\n"));
    normal.Replace(wxT("\r"), wxT("\n"));
    wxString result;
    size_t start = 0;
    for (bool first = true;; first = false) {
        const size_t end = normal.find(wxT('\n'), start);
        wxString line = normal.substr(start, end == wxString::npos ? wxString::npos : end - start);
        if (line.length() > 3 && dc.GetTextExtent(line).x > rect.width) {
            // The middle character counted from one: "ab cd" breaks at its blank.
            const size_t blank = line.find(wxT(' '), (line.length() + 1) / 2 - 1);
            if (blank != wxString::npos)
                line[blank] = wxT('\n');
        }
        if (!first)
            result += wxT('\n');
        result += line;
        if (end == wxString::npos)
            break;
        start = end + 1;
    }
    result.Replace(wxT("\n"), wxT("\r\n"));
    return result;
}

namespace {

// The box from (x, y) to the bitmap's bottom-right corner, and the text as it fits it.
wxString fitText(wxDC& dc, const wxBitmap& bmp, const wxString& text, int x, int y)
{
    const wxRect box(x, y, bmp.GetWidth() - x, bmp.GetHeight() - y);
    return dc.GetMultiLineTextExtent(text).x > box.width ? wrapText(text, box, dc) : text;
}

} // namespace

void drawText(wxBitmap& bmp, const wxString& text, int x, int y, const wxFont& font, const wxColour& colour)
{
    wxMemoryDC dc(bmp);
    dc.SetTextForeground(colour);
    dc.SetFont(font);
    const wxString fitted = fitText(dc, bmp, text, x, y);
    dc.DrawLabel(fitted, wxRect(x, y, bmp.GetWidth() - x, bmp.GetHeight() - y), wxALIGN_LEFT | wxALIGN_TOP, -1);
}

void drawTextHighQuality(wxBitmap& bmp, const wxString& text, int x, int y, const wxFont& font,
                         const wxColour& colour)
{
    if (!bmp.HasAlpha()) {
        wxImage image = bmp.ConvertToImage();
        image.InitAlpha();
        bmp = wxBitmap(image);
    }
    wxMemoryDC memory(bmp);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(memory));
    if (!gc)
        return;
    wxGCDC dc(gc.release());
    dc.SetTextForeground(colour);
    dc.SetFont(font);
    dc.DrawText(fitText(dc, bmp, text, x, y), x, y);
}

void drawText(wxBitmap& bmp, const wxString& text, int x, int y, EFont font, EColor colour, bool highQuality)
{
    // Made on first use and kept: fonts must not outlive the toolkit in static destructors.
    static const wxFont* heading = new wxFont(wxFontInfo(11).Bold());
    static const wxFont* small = new wxFont(wxFontInfo(8));
    static const wxColour colours[] = {wxColour(40, 40, 40), wxColour(110, 110, 110), wxColour(255, 255, 255)};
    const wxFont& f = font == eFontHeading ? *heading : *small;
    const wxColour& c = colour >= eColorDark && colour <= eColorWhite ? colours[colour] : colours[eColorDark];
    if (highQuality)
        drawTextHighQuality(bmp, text, x, y, f, c);
    else
        drawText(bmp, text, x, y, f, c);
}

} // namespace ImageUtils

wxBitmap drawOnBitmap(const wxBitmap& base, const wxBitmap& overlay, const wxSize& margin)
{
    wxImage image = base.ConvertToImage();
    {
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        if (gc)
            gc->DrawBitmap(overlay, image.GetWidth() - overlay.GetWidth() - margin.x,
                           image.GetHeight() - overlay.GetHeight() - margin.y, overlay.GetWidth(),
                           overlay.GetHeight());
    } // the image receives the drawing when the context goes
    return wxBitmap(image);
}

} // namespace wut
