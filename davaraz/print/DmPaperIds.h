// DMPAPER numbers of the wxWidgets paper types. The paper database of non-Windows ports stores
// 0 as every paper's platform id, so the numbers come from this table there.
#pragma once
#include <wx/defs.h>

class wxPrintPaperType;

namespace wut {

// The DMPAPER number of a wxWidgets paper id; 0 when Windows has no number for it.
short dmPaperFromWxPaper(wxPaperSize id);
// The wxWidgets paper id of a DMPAPER number; wxPAPER_NONE when there is none.
wxPaperSize wxPaperFromDmPaper(short dmPaper);
// The paper type of the wxWidgets database for a DMPAPER number (the database's own platform
// ids first, for a port that has them); null without database or match.
wxPrintPaperType* findPaperTypeByDmPaper(short dmPaper);
// The DMPAPER number of a database paper type: its platform id when set, else the table's.
short dmPaperOfType(const wxPrintPaperType& type);

} // namespace wut
