// The library's print settings: a wxPrintData whose native part holds the printer's DEVMODEW,
// three plot settings of its own and the DEVMODE code conversions.
#pragma once
#include "platform/win32/types.h"

#include <wx/cmndata.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxPrinterDC;

namespace wut {

class PrintData : public wxPrintData {
public:
    enum EInit { eInit };

    // Default settings; the native data comes from the installed print factory.
    PrintData();
    // Default settings of the system default printer, else of the first system printer.
    explicit PrintData(EInit);
    // Default settings of the named printer (the default printer for an empty name).
    explicit PrintData(const wchar_t* printerName);
    PrintData(const PrintData& other) = default;
    PrintData& operator=(const PrintData& other) = default;
    // Moving is copying: wxPrintData has no move operations and shares its native data.
    PrintData(PrintData&& other);
    PrintData& operator=(PrintData&& other);
    ~PrintData() override = default;

    bool isMergeColors() const { return m_mergeColors; }
    void setMergeColors(bool merge) { m_mergeColors = merge; }
    bool isTtfAsText() const { return m_ttfAsText; }
    void setTtfAsText(bool asText) { m_ttfAsText = asText; }
    const wxString& getDriverName() const { return m_driverName; }
    void setDriverName(const wxString& name) { m_driverName = name; }

    // A printer DC for these settings, owned by the caller; null when no printer can be had.
    wxPrinterDC* createPrinterDC();
    // Whether the printer's driver identifies itself as PostScript.
    bool isPostScript();
    // Pushes the settings into the DEVMODE, lets the driver correct them and takes the result
    // back; true as well when the native data is not the library's.
    bool ResolveConflicts();

    // dmDefaultSource, dmDuplex and dmPrintQuality <-> the wxPrintData settings.
    void setDmBin(short dmBin);
    short getDmBin() const;
    void setDmDuplex(short dmDuplex);
    short getDmDuplex() const;
    void setDmQuality(short dmQuality);
    short getDmQuality() const;
    // The DMPAPER number of the paper; false when no paper is set.
    bool getDmPaperSize(short& dmPaper) const;
    // Sets the paper by DMPAPER number; the size (millimetres) is used for a paper the
    // wxWidgets database does not know.
    void setDmPaperSize(short dmPaper, const wxSize* sizeMM);
    // The same with the size in tenths of a millimetre, as DeviceCapabilities reports it.
    void setDmPaperSize(short dmPaper, const POINT* sizeTenthsMM);

private:
    bool initializeNative(const wxString& printerName);

    bool m_mergeColors = false;
    bool m_ttfAsText = true;
    wxString m_driverName;

    wxDECLARE_CLASS(PrintData);
};

} // namespace wut
