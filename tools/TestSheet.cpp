// Drawing the test sheet in millimetres on whatever resolution the DC has: a printer's, or a
// PDF page of cairo's.
#include "TestSheet.h"

#include <wx/dcgraph.h>
#include <wx/font.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include <cairo-pdf.h>

#include <algorithm>
#include <memory>

namespace cli {

void drawTestSheet(wxDC& dc, const SheetLayout& layout, const wxString& caption)
{
    const wxSize ppi = layout.ppi;
    const auto mmX = [&](double mm) { return wxRound(mm * ppi.x / 25.4); };
    const auto mmY = [&](double mm) { return wxRound(mm * ppi.y / 25.4); };
    // The PostScript DC takes a font's point size as 96 dpi screen pixels, not printer points.
    const auto font = [&](double points) { return wxFontInfo(points * ppi.y / 96.0).Family(wxFONTFAMILY_SWISS); };

    // A printer DC reports the paper relative to the printable origin (the border is negative);
    // moving the device origin by the border puts logical 0,0 at that origin, as on Windows.
    const wxRect paper = layout.paper;
    dc.SetDeviceOrigin(-paper.x, -paper.y);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);

    dc.SetPen(wxPen(*wxBLACK, 1));
    dc.DrawRectangle(paper);
    // The driver reports the left and top border only; the printable area is centred.
    const wxRect printable(0, 0, paper.width + 2 * paper.x, paper.height + 2 * paper.y);
    dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_SHORT_DASH));
    dc.DrawRectangle(printable);

    const int left = mmX(15);
    const int right = printable.width - mmX(15);
    const double weights[] = {0.13, 0.25, 0.5, 1.0, 2.0};
    int y = mmY(40);
    const wxFont text(font(10));
    dc.SetFont(text);
    for (const double w : weights) {
        dc.SetPen(wxPen(*wxBLACK, std::max(1, mmX(w))));
        dc.DrawLine(left, y, right - mmX(25), y);
        dc.DrawText(wxString::Format("%.2f mm", w), right - mmX(20), y - mmY(2));
        y += mmY(10);
    }

    dc.SetFont(wxFont(font(14).Bold()));
    dc.DrawText(caption, left, mmY(15));
    dc.SetFont(text);
    dc.DrawText(wxString::Format("paper %.1f x %.1f mm, printable origin %.1f, %.1f mm",
                                 paper.width * 25.4 / ppi.x, paper.height * 25.4 / ppi.y, -paper.x * 25.4 / ppi.x,
                                 -paper.y * 25.4 / ppi.y),
                left, mmY(25));
}

namespace {

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::string pdfTestSheet(double widthMm, double heightMm, double leftMm, double topMm, const wxString& caption)
{
    constexpr double kPointsPerMm = 72 / 25.4;
    // Drawn in 1/600 inch, as a printer would, on a page measured in points.
    constexpr int kUnitsPerInch = 600;
    std::string pdf;
    const std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface(
        cairo_pdf_surface_create_for_stream(append, &pdf, widthMm * kPointsPerMm, heightMm * kPointsPerMm),
        cairo_surface_destroy);
    const std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr(cairo_create(surface.get()), cairo_destroy);
    cairo_scale(cr.get(), 72.0 / kUnitsPerInch, 72.0 / kUnitsPerInch);
    {
        wxGCDC dc(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr.get()));
        const auto units = [](double mm) { return wxRound(mm * kUnitsPerInch / 25.4); };
        const SheetLayout layout{{kUnitsPerInch, kUnitsPerInch},
                                 {-units(leftMm), -units(topMm), units(widthMm), units(heightMm)}};
        drawTestSheet(dc, layout, caption);
    }
    cairo_show_page(cr.get());
    cairo_surface_finish(surface.get());
    return cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS ? pdf : std::string();
}

} // namespace cli
