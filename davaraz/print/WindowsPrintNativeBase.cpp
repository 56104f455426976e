// The stand-in for wxMSW's Windows native print data: DEVMODE ownership and the standard
// DEVMODE <-> wxPrintData exchange.
#include "davaraz/print/WindowsPrintNativeBase.h"
#include "davaraz/print/DevModeCodes.h"
#include "davaraz/print/DmPaperIds.h"
#include "davaraz/print/GlobalLockGuard.h"
#include "davaraz/print/PrinterHandle.h"
#include "davaraz/print/Printers.h"
#include "platform/win32/commdlg.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

#include <wx/paper.h>

#include <algorithm>
#include <cstring>

namespace wut {

// Registered under the wxMSW name so that class-information queries read as they do there.
wxClassInfo WindowsPrintNativeBase::ms_classInfo(wxT("wxWindowsPrintNativeData"),
                                                 &wxPostScriptPrintNativeData::ms_classInfo, nullptr,
                                                 static_cast<int>(sizeof(WindowsPrintNativeBase)), nullptr);
wxClassInfo* WindowsPrintNativeBase::GetClassInfo() const { return &ms_classInfo; }

WindowsPrintNativeBase::~WindowsPrintNativeBase()
{
    GlobalFree(m_devMode);
    GlobalFree(m_devNames);
    for (HGLOBAL block : m_retired)
        GlobalFree(block);
}

void WindowsPrintNativeBase::retire(HGLOBAL block)
{
    if (block && (GlobalFlags(block) & GMEM_LOCKCOUNT) != 0)
        m_retired.push_back(block);
    else
        GlobalFree(block);
    freeReleasedBlocks();
}

void WindowsPrintNativeBase::freeReleasedBlocks()
{
    const auto freed = std::remove_if(m_retired.begin(), m_retired.end(), [](HGLOBAL block) {
        if ((GlobalFlags(block) & GMEM_LOCKCOUNT) != 0)
            return false;
        GlobalFree(block);
        return true;
    });
    m_retired.erase(freed, m_retired.end());
}

void WindowsPrintNativeBase::adoptDevMode(HGLOBAL devMode)
{
    if (m_devMode != devMode)
        retire(m_devMode);
    m_devMode = devMode;
}

void WindowsPrintNativeBase::adoptDevNames(HGLOBAL devNames)
{
    if (m_devNames != devNames)
        retire(m_devNames);
    m_devNames = devNames;
}

bool WindowsPrintNativeBase::Initialize(wxPrintData&, const wxString&) { return false; }

void WindowsPrintNativeBase::setDmBin(wxPrintData& data, short dmBin)
{
    const int bin = devmode::binFromDm(dmBin);
    m_userBin = bin >= wxPRINTBIN_USER ? dmBin : 0;
    data.SetBin(static_cast<wxPrintBin>(bin >= wxPRINTBIN_USER ? wxPRINTBIN_USER : bin));
}

short WindowsPrintNativeBase::getDmBin(const wxPrintData& data) const
{
    if (data.GetBin() == wxPRINTBIN_USER && m_userBin != 0)
        return m_userBin;
    return devmode::binToDm(data.GetBin());
}

void WindowsPrintNativeBase::InitializeDevMode(const wxString& printerName, void*)
{
    if (m_devMode)
        return;
    if (printerName.empty()) {
        PRINTDLGW pd{};
        pd.lStructSize = sizeof(pd);
        pd.Flags = PD_RETURNDEFAULT;
        if (PrintDlgW(&pd)) {
            adoptDevMode(pd.hDevMode);
            adoptDevNames(pd.hDevNames);
        }
        return;
    }
    if (HGLOBAL block = defaultDevMode(printerName)) {
        adoptDevMode(block);
        m_printerName = printerName;
    }
}

HGLOBAL WindowsPrintNativeBase::defaultDevMode(const wxString& printerName)
{
    const OdString name(printerName.ToStdWstring());
    const win32::WideArg wideName(name);
    PrinterHandle printer(name);
    if (printer.isNull())
        return nullptr;
    const LONG size = devModeSize(name, &printer);
    if (size <= 0)
        return nullptr;
    // The driver's size, which an older driver keeps below the public part we know; the block
    // is never smaller than that part, so every member can be addressed (zero beyond dmSize).
    HGLOBAL block = GlobalAlloc(GHND, std::max(static_cast<SIZE_T>(size), sizeof(DEVMODEW)));
    if (!block)
        return nullptr;
    LONG filled = -1;
    {
        GlobalLockGuard<DEVMODEW> dm(block);
        if (dm)
            filled = DocumentPropertiesW(nullptr, printer, wideName, dm.get(), nullptr, DM_OUT_BUFFER);
    }
    if (filled != IDOK) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

bool WindowsPrintNativeBase::TransferTo(wxPrintData& data)
{
    GlobalLockGuard<DEVMODEW> dm(m_devMode);
    if (!dm)
        return false;
    const DWORD fields = dm->dmFields;

    if (fields & DM_ORIENTATION)
        data.SetOrientation(dm->dmOrientation == DMORIENT_LANDSCAPE ? wxLANDSCAPE : wxPORTRAIT);
    if (fields & DM_COLLATE)
        data.SetCollate(dm->dmCollate == DMCOLLATE_TRUE);
    if (fields & DM_COPIES)
        data.SetNoCopies(dm->dmCopies);
    setDmBin(data, (fields & DM_DEFAULTSOURCE) ? dm->dmDefaultSource : 0);
    if ((fields & DM_MEDIATYPE) && devModeHolds(*dm, dm->dmMediaType))
        data.SetMedia(static_cast<int>(dm->dmMediaType));

    if (!m_printerName.empty())
        data.SetPrinterName(m_printerName);
    else if (dm->dmDeviceName[0] != 0)
        data.SetPrinterName(wxString(win32::fromUtf16(dm->dmDeviceName, CCHDEVICENAME)));

    data.SetColour(!((fields & DM_COLOR) && dm->dmColor == DMCOLOR_MONOCHROME));

    // A standard paper is taken from the database even when a driver also sets width and
    // length; a paper the database does not know keeps its number as the custom paper.
    const wxPrintPaperType* paper = nullptr;
    if ((fields & DM_PAPERSIZE) && dm->dmPaperSize > 0 && dm->dmPaperSize < DMPAPER_USER)
        paper = findPaperTypeByDmPaper(dm->dmPaperSize);
    if (paper) {
        data.SetPaperId(paper->GetId());
        data.SetPaperSize(paper->GetSizeMM());
        customPaperId = 0;
    } else if ((fields & DM_PAPERWIDTH) && (fields & DM_PAPERLENGTH)) {
        data.SetPaperId(wxPAPER_NONE);
        data.SetPaperSize(wxSize(dm->dmPaperWidth / 10, dm->dmPaperLength / 10));
        customPaperId = (fields & DM_PAPERSIZE) ? dm->dmPaperSize : 0;
    } else {
        data.SetPaperId(wxPAPER_NONE);
        data.SetPaperSize(wxSize(0, 0));
        customPaperId = (fields & DM_PAPERSIZE) ? dm->dmPaperSize : 0;
    }

    data.SetDuplex(static_cast<wxDuplexMode>((fields & DM_DUPLEX) ? devmode::duplexFromDm(dm->dmDuplex) : 0));
    data.SetQuality((fields & DM_PRINTQUALITY) ? devmode::qualityFromDm(dm->dmPrintQuality) : wxPRINT_QUALITY_HIGH);

    if (dm->dmDriverExtra > 0 && GlobalSize(m_devMode) >= SIZE_T(dm->dmSize) + dm->dmDriverExtra)
        data.SetPrivData(reinterpret_cast<char*>(devModePrivate(dm.get())), dm->dmDriverExtra);
    else
        data.SetPrivData(nullptr, 0);
    return true;
}

bool WindowsPrintNativeBase::TransferFrom(const wxPrintData& data)
{
    InitializeDevMode(data.GetPrinterName());
    GlobalLockGuard<DEVMODEW> dm(m_devMode);
    if (!dm)
        return false;

    dm->dmOrientation = data.GetOrientation() == wxLANDSCAPE ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    dm->dmCollate = data.GetCollate() ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
    dm->dmCopies = static_cast<short>(data.GetNoCopies());
    dm->dmColor = data.GetColour() ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
    dm->dmFields |= DM_ORIENTATION | DM_COLLATE | DM_COPIES | DM_COLOR;

    if (!data.GetPrinterName().empty()) {
        win32::copyToField(dm->dmDeviceName, CCHDEVICENAME, win32::toUtf16(data.GetPrinterName().ToStdWstring()));
        m_printerName = data.GetPrinterName();
    }

    // The paper id wins over the size, which wxWidgets fills for standard papers too.
    const wxPrintPaperType* paper = nullptr;
    if (data.GetPaperId() != wxPAPER_NONE && wxThePrintPaperDatabase)
        paper = wxThePrintPaperDatabase->FindPaperType(data.GetPaperId());
    const short dmPaper = paper ? dmPaperOfType(*paper) : 0;
    if (dmPaper > 0) {
        dm->dmPaperSize = dmPaper;
        dm->dmFields |= DM_PAPERSIZE;
    } else if (data.GetPaperSize() != wxDefaultSize) {
        const wxSize size = paper ? paper->GetSizeMM() : data.GetPaperSize();
        dm->dmPaperSize = customPaperId != 0 ? customPaperId : DMPAPER_USER;
        dm->dmPaperWidth = static_cast<short>(size.x * 10);
        dm->dmPaperLength = static_cast<short>(size.y * 10);
        dm->dmFields |= DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH;
    }

    dm->dmDuplex = devmode::duplexToDm(data.GetDuplex());
    dm->dmFields |= DM_DUPLEX;
    const int quality = data.GetQuality();
    dm->dmPrintQuality = devmode::qualityToDm(quality);
    dm->dmFields |= DM_PRINTQUALITY;
    if (quality > 0) { // a resolution: the same in both directions unless told otherwise
        dm->dmYResolution = static_cast<short>(quality);
        dm->dmFields |= DM_YRESOLUTION;
    }

    if (data.GetBin() != wxPRINTBIN_DEFAULT) {
        dm->dmDefaultSource = getDmBin(data);
        dm->dmFields |= DM_DEFAULTSOURCE;
    }
    if (data.GetMedia() != wxPRINTMEDIA_DEFAULT && devModeHolds(*dm, dm->dmMediaType)) {
        dm->dmMediaType = static_cast<DWORD>(data.GetMedia());
        dm->dmFields |= DM_MEDIATYPE;
    }

    // Private bytes go back only when they fit the block the driver made.
    const int privLen = data.GetPrivDataLen();
    if (privLen > 0 && privLen <= 0xFFFF && GlobalSize(m_devMode) >= SIZE_T(dm->dmSize) + SIZE_T(privLen)) {
        std::memcpy(devModePrivate(dm.get()), data.GetPrivData(), static_cast<std::size_t>(privLen));
        dm->dmDriverExtra = static_cast<WORD>(privLen);
    }
    return true;
}

} // namespace wut
