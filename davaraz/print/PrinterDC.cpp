// A PostScript printer DC whose paper rectangle starts before the printable origin.
#include "davaraz/print/PrinterDC.h"

#include <wx/generic/dcpsg.h>

namespace wut {

namespace {

// The PostScript DC draws on the whole sheet; callers that lay out pages the Windows way
// expect the paper rectangle relative to the printable area, hardware border outside it.
class PrinterDCImpl : public wxPostScriptDCImpl {
public:
    PrinterDCImpl(wxPrinterDC* owner, const wxPrintData& data, double borderX, double borderY)
        : wxPostScriptDCImpl(owner, data), m_borderX(borderX), m_borderY(borderY)
    {
    }
    wxRect GetPaperRect() const override
    {
        int w = 0;
        int h = 0;
        DoGetSize(&w, &h);
        const wxSize ppi = GetPPI();
        return wxRect(-wxRound(m_borderX * ppi.x), -wxRound(m_borderY * ppi.y), w, h);
    }

private:
    double m_borderX;
    double m_borderY;
};

} // namespace

PrinterDC::PrinterDC(const wxPrintData& data, double borderX, double borderY)
    : wxPrinterDC(new PrinterDCImpl(this, data, borderX, borderY))
{
}

} // namespace wut
