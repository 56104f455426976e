// The printer device context of this port: wxWidgets' PostScript DC, with the paper placed
// around the printable area as a Windows printer DC reports it.
#pragma once
#include <wx/dcprint.h>

namespace wut {

class PrinterDC : public wxPrinterDC {
public:
    // The unprintable border left and top, in inches.
    PrinterDC(const wxPrintData& data, double borderX, double borderY);
};

} // namespace wut
