// New plotter configurations from a printer's default settings, and refreshing one from them.
#include "davaraz/gui/Log.h"
#include "davaraz/pia/PIAFile.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/PrinterPapers.h"
#include "davaraz/print/Printers.h"
#include "davaraz/print/WindowsPrintNativeData.h"
#include "platform/win32/nls.h"
#include "platform/win32/wstr.h"

#include <memory>

namespace {

const wchar_t kPdfPrinterName[] = L"Print As PDF";

bool isPdfPrinterName(const wchar_t* name)
{
    const win32::WideArg a(name);
    const win32::WideArg b(kPdfPrinterName);
    return CompareStringW(0, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

// The paper a new configuration starts from, before the print data fills the rest.
std::wstring initialPaperName(const wut::PrintData& printData, PrinterPapers& printer)
{
    const wut::WindowsPrintNativeData* native = wut::WindowsPrintNativeData::GetNativeData(printData);
    if (native && !native->GetFormName().empty())
        return native->GetFormName().ToStdWstring();
    short dmPaper = 0;
    if (!printData.getDmPaperSize(dmPaper) || dmPaper < 0)
        return std::wstring();
    std::wstring name;
    return printer.nameOfPaper(static_cast<unsigned short>(dmPaper), name) ? name
                                                                           : L"User" + std::to_wstring(dmPaper);
}

} // namespace

CPlotCfg3* CPlotCfg3::create(const wchar_t* printerName)
{
    if (!printerName)
        return nullptr;
    if (isPdfPrinterName(printerName)) {
        std::unique_ptr<CPlotCfg3> doc(new CPlotCfg3);
        doc->meta.localizedModelName = printerName;
        doc->initForPdfExport();
        return doc.release();
    }
    PrinterPapers printer(printerName);
    if (!printer.isValid()) {
        wut::logWarning(wut::translate(L"Failed to open %ls.").wc_str(), printerName);
        return nullptr;
    }
    wut::PrintData printData(printerName);
    std::unique_ptr<CPlotCfg3> doc(new CPlotCfg3);
    CMetaNode& m = doc->meta;
    m.winDeviceName = printerName;
    m.friendlyNetName = m.winDeviceName;
    m.shortNetName = m.friendlyNetName;
    m.driverPathname = L"gdiplot7.hdi";
    m.driverVersion = L"not specified";
    m.driverTagLine = L"Windows System Driver from Zoruzoze";
    m.toolkitVersion = 1;
    m.driverType = 1;
    m.configDescription = pia::singleLine(wut::getPrinterComment(printer.printer()).str());

    doc->custom = std::make_unique<CCustomNode>();
    const int privLen = printData.GetPrivDataLen();
    doc->custom->set(privLen, L"dmDriverExtra", true);
    if (privLen != 0) // a stand-in until the conversion below writes the real bytes
        doc->custom->setBin(std::wstring(2 * static_cast<std::size_t>(privLen), L'\0'), L"RawPrivateDeviceData", true);
    const wut::WindowsPrintNativeData* native = wut::WindowsPrintNativeData::GetNativeData(printData);
    doc->custom->set(native ? static_cast<int>(native->GetSize()) : 0, L"dmSize", true);
    doc->custom->set(native ? static_cast<int>(native->GetSpecVersion()) : 0, L"dmSpecVersion", true);

    doc->media.size.name = initialPaperName(printData, printer);
    bool changed = false;
    if (!doc->fromPrintData(printData, m.winDeviceName, true, changed)) {
        wut::logWarning(wut::translate(L"Failed to initialize plot configuration from print data for %ls.").wc_str(),
                        printerName);
        return nullptr;
    }
    return doc.release();
}

bool CPlotCfg3::setToDefault()
{
    const PrinterPapers printer(meta.winDeviceName.c_str());
    if (!printer.isValid())
        return false;
    wut::PrintData printData(meta.winDeviceName.c_str());
    bool changed = false;
    return fromPrintData(printData, meta.winDeviceName, false, changed) && changed;
}
