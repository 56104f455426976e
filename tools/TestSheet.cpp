// Drawing the test sheet in millimetres on whatever resolution the printer DC has.
#include "TestSheet.h"

#include <wx/dcprint.h>
#include <wx/font.h>
#include <wx/pen.h>

#include <algorithm>

namespace cli {

void drawTestSheet(wxPrinterDC& dc, const wxString& caption)
{
    const wxSize ppi = dc.GetPPI();
    const auto mmX = [&](double mm) { return wxRound(mm * ppi.x / 25.4); };
    const auto mmY = [&](double mm) { return wxRound(mm * ppi.y / 25.4); };
    // The PostScript DC takes a font's point size as 96 dpi screen pixels, not printer points.
    const auto font = [&](double points) { return wxFontInfo(points * ppi.y / 96.0).Family(wxFONTFAMILY_SWISS); };

    // A printer DC reports the paper relative to the printable origin (the border is negative);
    // moving the device origin by the border puts logical 0,0 at that origin, as on Windows.
    const wxRect paper = dc.GetPaperRect();
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

} // namespace cli
