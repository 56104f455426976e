// The test sheet of "pc3 print": what a configuration's paper and printable area look like.
#pragma once
#include <wx/string.h>

class wxPrinterDC;

namespace cli {

// Draws one page on a printer DC between StartPage and EndPage: the paper outline, the
// printable area inside the DC's unprintable border, lines in several weights and a caption.
void drawTestSheet(wxPrinterDC& dc, const wxString& caption);

} // namespace cli
