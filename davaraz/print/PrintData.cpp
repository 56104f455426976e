// PrintData: construction for a printer, printer DCs and the DEVMODE code conversions.
#include "davaraz/print/PrintData.h"
#include "davaraz/print/DevModeCodes.h"
#include "davaraz/print/DmPaperIds.h"
#include "davaraz/print/GlobalLockGuard.h"
#include "davaraz/print/PaperSizeGetter.h"
#include "davaraz/print/PrinterDC.h"
#include "davaraz/print/Printers.h"
#include "davaraz/print/WindowsPrintNativeData.h"
#include "platform/win32/gdi.h"
#include "platform/win32/wstr.h"

#include <wx/dcprint.h>
#include <wx/paper.h>
#include <wx/prntbase.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

namespace wut {

wxIMPLEMENT_CLASS(PrintData, wxPrintData);

PrintData::PrintData() = default;

PrintData::PrintData(EInit)
{
    if (!initializeNative(wxString())) {
        OdArray<OdString> printers;
        getSystemPrinters(printers);
        if (!printers.isEmpty())
            initializeNative(wxString(printers[0].c_str()));
    }
}

PrintData::PrintData(const wchar_t* printerName)
{
    initializeNative(printerName ? wxString(printerName) : wxString());
}

// wxPrintData's copies share the native data by reference count, so moving is copying.
PrintData::PrintData(PrintData&& other) : PrintData(static_cast<const PrintData&>(other)) {}

PrintData& PrintData::operator=(PrintData&& other) { return *this = static_cast<const PrintData&>(other); }

namespace {

struct HdcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using ScopedHdc = std::unique_ptr<std::remove_pointer_t<HDC>, HdcDeleter>;

// The wxWidgets DC of this port has no Win32 device context to ask the driver through; one
// is made for the same printer and settings.
ScopedHdc win32Dc(const PrintData& data)
{
    const WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(data);
    GlobalLockGuard<DEVMODEW> dm(native ? native->GetDevMode() : nullptr);
    const std::u16string device = win32::toUtf16(data.GetPrinterName().ToStdWstring());
    return ScopedHdc(CreateDCW(u"winspool", device.c_str(), nullptr, dm.get()));
}

// The sheet the driver prints on for these settings, in tenths of a millimetre and upright: the
// listed paper of dmPaperSize, else the DEVMODE's own width and length; (0, 0) when unknown.
wxSize driverSheet(const PrintData& data)
{
    const std::wstring device = data.GetPrinterName().ToStdWstring();
    const PaperSizeGetter papers(device.c_str(), L"", &data); // brings the DEVMODE up to date
    const WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(data);
    GlobalLockGuard<DEVMODEW> dm(native ? native->GetDevMode() : nullptr);
    if (!dm)
        return wxSize();
    OdArray<unsigned short> numbers;
    OdArray<POINT> sizes;
    if ((dm->dmFields & DM_PAPERSIZE) && papers.get(&numbers, nullptr, &sizes))
        for (unsigned i = 0; i < numbers.size() && i < sizes.size(); ++i)
            if (numbers[i] == static_cast<unsigned short>(dm->dmPaperSize))
                return wxSize(sizes[i].x, sizes[i].y);
    if ((dm->dmFields & DM_PAPERWIDTH) && (dm->dmFields & DM_PAPERLENGTH))
        return wxSize(dm->dmPaperWidth, dm->dmPaperLength);
    return wxSize();
}

} // namespace

bool PrintData::initializeNative(const wxString& printerName)
{
    WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(*this);
    return native && native->Initialize(*this, printerName);
}

wxPrinterDC* PrintData::createPrinterDC()
{
    if (GetPrinterName().empty() && !initializeNative(wxString()))
        return nullptr;
    // On this port the printer DC is made by the installed factory. The native factory's one is
    // the PostScript DC, which our native data (a PostScript native data) suits; the GTK print
    // factory's DC would take our native data for its own and crash, so none is made then.
    if (WindowsPrintNativeData::GetNativeData(*this) &&
        !dynamic_cast<wxNativePrintFactory*>(wxPrintFactory::GetFactory()))
        return nullptr;
    const wxSize sheet = driverSheet(*this);
    // The driver knows the unprintable border; the wxWidgets DC of this port does not.
    double borderX = 0;
    double borderY = 0;
    if (const ScopedHdc hdc = win32Dc(*this)) {
        const int dpiX = GetDeviceCaps(hdc.get(), LOGPIXELSX);
        const int dpiY = GetDeviceCaps(hdc.get(), LOGPIXELSY);
        if (dpiX > 0 && dpiY > 0) {
            borderX = double(GetDeviceCaps(hdc.get(), PHYSICALOFFSETX)) / dpiX;
            borderY = double(GetDeviceCaps(hdc.get(), PHYSICALOFFSETY)) / dpiY;
        }
    }
    return new PrinterDC(*this, borderX, borderY, sheet);
}

bool PrintData::isPostScript()
{
    std::unique_ptr<wxPrinterDC> dc(createPrinterDC());
    if (!dc)
        return false;
    const ScopedHdc hdc = win32Dc(*this);
    if (!hdc)
        return false;
    const std::int32_t escape = POSTSCRIPT_IDENTIFY;
    return ExtEscape(hdc.get(), QUERYESCSUPPORT, sizeof(escape), reinterpret_cast<LPCSTR>(&escape), 0, nullptr) > 0;
}

bool PrintData::ResolveConflicts()
{
    WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(*this);
    if (!native)
        return true;
    return native->TransferFrom(*this) && native->ResolveConflicts(*this) && native->TransferTo(*this);
}

void PrintData::setDmBin(short dmBin)
{
    if (WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(*this))
        native->setDmBin(*this, dmBin);
    else
        SetBin(static_cast<wxPrintBin>(std::min(devmode::binFromDm(dmBin), int(wxPRINTBIN_USER))));
}

short PrintData::getDmBin() const
{
    const WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(*this);
    return native ? native->getDmBin(*this) : devmode::binToDm(GetBin());
}
void PrintData::setDmDuplex(short dmDuplex) { SetDuplex(static_cast<wxDuplexMode>(devmode::duplexFromDm(dmDuplex))); }
short PrintData::getDmDuplex() const { return devmode::duplexToDm(GetDuplex()); }
void PrintData::setDmQuality(short dmQuality) { SetQuality(devmode::qualityFromDm(dmQuality)); }
short PrintData::getDmQuality() const { return devmode::qualityToDm(GetQuality()); }

bool PrintData::getDmPaperSize(short& dmPaper) const
{
    // Not the type's platform id: wxGTK's database has 0 for every paper (see DmPaperIds.h).
    const wxPrintPaperType* type = nullptr;
    if (GetPaperId() != wxPAPER_NONE && wxThePrintPaperDatabase)
        type = wxThePrintPaperDatabase->FindPaperType(GetPaperId());
    if (type) { // A0 and A1 have no Windows number: 0, but still a paper
        dmPaper = dmPaperOfType(*type);
        return true;
    }
    if (GetPaperSize() == wxDefaultSize)
        return false;
    const WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(*this);
    const short custom = native ? native->GetCustomPaperId() : 0;
    dmPaper = custom != 0 ? custom : DMPAPER_USER;
    return true;
}

void PrintData::setDmPaperSize(short dmPaper, const wxSize* sizeMM)
{
    WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(*this);
    const wxPrintPaperType* type = (dmPaper >= 1 && dmPaper <= 255) ? findPaperTypeByDmPaper(dmPaper) : nullptr;
    if (type) {
        SetPaperId(type->GetId());
        SetPaperSize(type->GetSizeMM()); // tenths of a millimetre, truncated
        if (native)
            native->SetCustomPaperId(0);
    } else {
        SetPaperId(wxPAPER_NONE);
        SetPaperSize(sizeMM ? *sizeMM : wxSize(0, 0));
        if (native)
            native->SetCustomPaperId(dmPaper);
    }
}

void PrintData::setDmPaperSize(short dmPaper, const POINT* sizeTenthsMM)
{
    if (!sizeTenthsMM) {
        setDmPaperSize(dmPaper, static_cast<const wxSize*>(nullptr));
        return;
    }
    const wxSize mm(static_cast<int>(std::floor(sizeTenthsMM->x * 0.1 + 0.5)),
                    static_cast<int>(std::floor(sizeTenthsMM->y * 0.1 + 0.5)));
    setDmPaperSize(dmPaper, &mm);
}

} // namespace wut
