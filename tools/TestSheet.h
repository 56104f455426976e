// The test sheet of "pc3 print": what a configuration's paper and printable area look like.
#pragma once
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <string>

class wxDC;

namespace cli {

// Where the sheet goes, in device units: their number per inch, and the paper relative to the
// printable origin (left and top border negative), as a printer DC reports them.
struct SheetLayout {
    wxSize ppi;
    wxRect paper;
};

// Draws one page between StartPage and EndPage: the paper outline, the printable area inside
// the unprintable border, lines in several weights and a caption.
void drawTestSheet(wxDC& dc, const SheetLayout& layout, const wxString& caption);

// The test sheet as a PDF of one page of widthMm x heightMm, printable everywhere but the
// given left and top border (the same on the right and bottom), drawn through cairo; empty
// when cairo fails.
std::string pdfTestSheet(double widthMm, double heightMm, double leftMm, double topMm, const wxString& caption);

} // namespace cli
