// A PostScript printer DC on the driver's sheet, its paper rectangle starting before the
// printable origin.
#include "davaraz/print/PrinterDC.h"

#include <wx/generic/dcpsg.h>

#include <utility>

namespace wut {

namespace {

// The PostScript DC knows only the papers of the wxWidgets database (any other is A4 to it) and
// measures them in whole points; the driver's sheet is taken instead, in device units that
// round to its size. Callers that lay out pages the Windows way expect the paper rectangle
// relative to the printable area, hardware border outside it.
class PrinterDCImpl : public wxPostScriptDCImpl {
public:
    PrinterDCImpl(wxPrinterDC* owner, const wxPrintData& data, double borderX, double borderY, const wxSize& sheet)
        : wxPostScriptDCImpl(owner, data), m_borderX(borderX), m_borderY(borderY), m_sheet(sheet)
    {
        if (m_sheet.x <= 0 || m_sheet.y <= 0)
            m_sheet = wxSize();
        if (m_sheet.x > 0)
            m_pageHeight = deviceUnits(laid().y); // the y axis is turned over from here
    }
    wxRect GetPaperRect() const override
    {
        int w = 0;
        int h = 0;
        DoGetSize(&w, &h);
        const wxSize ppi = GetPPI();
        return wxRect(-wxRound(m_borderX * ppi.x), -wxRound(m_borderY * ppi.y), w, h);
    }

protected:
    void DoGetSize(int* width, int* height) const override
    {
        if (m_sheet.x <= 0)
            return wxPostScriptDCImpl::DoGetSize(width, height);
        if (width)
            *width = wxRound(deviceUnits(laid().x));
        if (height)
            *height = wxRound(deviceUnits(laid().y));
    }
    void DoGetSizeMM(int* width, int* height) const override
    {
        if (m_sheet.x <= 0)
            return wxPostScriptDCImpl::DoGetSizeMM(width, height);
        if (width)
            *width = wxRound(laid().x / 10.0);
        if (height)
            *height = wxRound(laid().y / 10.0);
    }

private:
    // The sheet as the page lies: turned for landscape.
    wxSize laid() const
    {
        wxSize s = m_sheet;
        if (m_printData.GetOrientation() == wxLANDSCAPE)
            std::swap(s.x, s.y);
        return s;
    }
    double deviceUnits(int tenthsMM) const { return tenthsMM * GetResolution() / 254.0; }

    double m_borderX;
    double m_borderY;
    wxSize m_sheet; // tenths of a millimetre, upright; (0, 0): the database's paper
};

} // namespace

PrinterDC::PrinterDC(const wxPrintData& data, double borderX, double borderY, const wxSize& sheet)
    : wxPrinterDC(new PrinterDCImpl(this, data, borderX, borderY, sheet))
{
}

} // namespace wut
