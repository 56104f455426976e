// The printer device context of this port: wxWidgets' PostScript DC, with the paper placed
// around the printable area as a Windows printer DC reports it.
#pragma once
#include <wx/dcprint.h>

namespace wut {

class PrinterDC : public wxPrinterDC {
public:
    // The unprintable border left and top, in inches; the sheet as the driver lists it, in
    // tenths of a millimetre and upright; (0, 0) leaves the size to the wxWidgets paper database.
    PrinterDC(const wxPrintData& data, double borderX, double borderY, const wxSize& sheet);
};

} // namespace wut
