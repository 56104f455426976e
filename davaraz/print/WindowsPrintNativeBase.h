// The Windows native print data that wxGTK lacks: owner of a printer's DEVMODE and DEVNAMES in
// global memory, with the standard exchange between the DEVMODE and wxPrintData.
#pragma once
#include "platform/win32/devmode.h"
#include "platform/win32/handles.h"

#include <wx/cmndata.h>
#include <wx/generic/prntdlgg.h>
#include <wx/string.h>

#include <vector>

namespace wut {

// Plays the role of wxMSW's wxWindowsPrintNativeData (its class information carries that name)
// with the three additions the library needs: a virtual Initialize, SetPrinterName and access
// to the handles and the custom paper number.
// It derives from the PostScript native data because wxGTK's printer DC is the PostScript DC of
// the native factory, which reads its printer command, font metrics path and output stream from
// native data of that class; other native data would make it print nothing or crash.
class WindowsPrintNativeBase : public wxPostScriptPrintNativeData {
public:
    WindowsPrintNativeBase() = default;
    ~WindowsPrintNativeBase() override;

    // Loads a printer's settings into data; the base has no way to, the Windows class does.
    virtual bool Initialize(wxPrintData& data, const wxString& printerName);
    // DEVMODE -> wxPrintData: orientation, collate, copies, bin, media type, printer name,
    // colour, paper, duplex, quality and the driver's private bytes. False without DEVMODE.
    bool TransferTo(wxPrintData& data) override;
    // wxPrintData -> DEVMODE, making the printer's default DEVMODE first when there is none.
    // False when none can be made.
    bool TransferFrom(const wxPrintData& data) override;
    bool IsOk() const override { return m_devMode != nullptr; }

    // Makes the printer's default DEVMODE (the system default printer for an empty name)
    // unless there already is one. The second argument is the Windows printer object wxMSW
    // passes; there is none here.
    void InitializeDevMode(const wxString& printerName = wxString(), void* printer = nullptr);
    // The printer these settings belong to; wins over the DEVMODE's device name, which holds
    // only 31 characters.
    void SetPrinterName(const wxString& name) { m_printerName = name; }
    const wxString& GetPrinterName() const { return m_printerName; }

    HGLOBAL GetDevMode() const { return m_devMode; }
    HGLOBAL GetDevNames() const { return m_devNames; }
    short GetCustomPaperId() const { return customPaperId; }
    void SetCustomPaperId(short id) { customPaperId = id; }
    // dmDefaultSource into data's bin and back. wxPrintBin ends at wxPRINTBIN_USER, so data holds
    // that for every user or driver bin and the bin's own number (256 and up) is kept here.
    void setDmBin(wxPrintData& data, short dmBin);
    short getDmBin(const wxPrintData& data) const;

protected:
    // A new block with the driver's default DEVMODE of the named printer; null when the
    // printer cannot be opened or its driver gives none.
    static HGLOBAL defaultDevMode(const wxString& printerName);
    // Takes ownership of a DEVMODE / DEVNAMES block, freeing the one held before; a block
    // still locked (a DEVMODE_RAII reads it) is kept until it is unlocked.
    void adoptDevMode(HGLOBAL devMode);
    void adoptDevNames(HGLOBAL devNames);

public:
    // Frees the replaced blocks that nobody has locked any more.
    void freeReleasedBlocks();

    HGLOBAL m_devMode = nullptr;
    HGLOBAL m_devNames = nullptr;
    // DMPAPER number of a paper the wxWidgets database does not know (0: none).
    short customPaperId = 0;

private:
    void retire(HGLOBAL block);

    wxString m_printerName;
    short m_userBin = 0; // the user or driver bin behind wxPRINTBIN_USER, 0 when none
    std::vector<HGLOBAL> m_retired;

    wxDECLARE_CLASS(WindowsPrintNativeBase);
    wxDECLARE_NO_COPY_CLASS(WindowsPrintNativeBase);
};

} // namespace wut
