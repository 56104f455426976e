// A plotter configuration to and from print data: the DEVMODE spread over the sections, the
// driver's private bytes kept as hexadecimal text in the custom section.
#include "davaraz/pia/SectionIo.h"
#include "platform/od/OdCase.h"
#include "davaraz/plotcfg/HexText.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/print/DevModeRaii.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/PrinterPapers.h"
#include "davaraz/print/Printers.h"
#include "davaraz/print/WindowsPapers.h"
#include "davaraz/print/WindowsPrintNativeData.h"

#include <wx/dcprint.h>

#include <climits>
#include <memory>

using section::store;

namespace {


// 2 to the power depth; depths past the signed 32-bit range give its largest value.
int colorsForDepth(int depth) { return depth >= 31 ? INT_MAX : 1 << depth; }

// The paper name N the print data selects, as the printer names it; false for a standard
// paper number the printer does not list.
bool paperName(const wut::PrintData& printData, PrinterPapers& printer, std::wstring& name)
{
    name.clear();
    short dmPaper = 0;
    if (!printData.getDmPaperSize(dmPaper)) {
        // No paper id nor size: the form name, when the printer knows it.
        const wut::WindowsPrintNativeData* native = wut::WindowsPrintNativeData::GetNativeData(printData);
        const std::wstring form = native ? native->GetFormName().ToStdWstring() : std::wstring();
        if (!form.empty() && printer.findPaperByName(form.c_str()) >= 0)
            name = form;
        return true;
    }
    if (dmPaper >= DMPAPER_USER) {
        name = L"User" + std::to_wstring(dmPaper);
        return true;
    }
    return printer.nameOfPaper(static_cast<unsigned short>(dmPaper), name);
}

// One custom number that has no field elsewhere: when updating, a missing or different entry
// is a change; only a new configuration may create it.
bool takeCustomNumber(CCustomNode& custom, const wchar_t* key, int value, bool initialize, bool& changed)
{
    if (!initialize && !changed) {
        int old = 0;
        if (!custom.get(old, key) || old != value)
            changed = true;
    }
    return custom.set(value, key, initialize);
}

int customOr(const CCustomNode& custom, const wchar_t* key, int fallback)
{
    int value = fallback;
    custom.get(value, key);
    return value;
}

} // namespace

bool CPlotCfg3::fromPrintData(wut::PrintData& printData, const std::wstring& deviceName, bool initialize,
                              bool& changed)
{
    changed = false;
    if (!odEqualNoCase(meta.winDeviceName, deviceName) || !custom)
        return false;

    const int privLen = printData.GetPrivDataLen();
    if (!custom->set(privLen, L"dmDriverExtra", false))
        return false;
    if (privLen > 0) {
        std::wstring oldText;
        if (!custom->getBin(oldText, L"RawPrivateDeviceData"))
            return false;
        const std::wstring text =
            plotcfg::toHexText(reinterpret_cast<const unsigned char*>(printData.GetPrivData()), privLen);
        if (!custom->setBin(text, L"RawPrivateDeviceData", false))
            return false;
        changed = text != oldText;
    }

    PrinterPapers printer(meta.winDeviceName.c_str());
    if (!printer.isValid())
        return false;

    if (initialize) {
        const std::wstring port = wut::getPrinterPorts(printer.printer()).str();
        if (!port.empty())
            io.plotToFile = odEqualNoCase(port, L"FILE") || odEqualNoCase(port, L"FILE:");
        meta.localizedModelName = L"System";
        meta.localizedFamilyName = meta.localizedModelName;
        meta.canonicalFamilyName = meta.localizedFamilyName;
        meta.canonicalModelName = meta.canonicalFamilyName;
    }

    // The context must belong to this printer, or its bounds and depth would be another's.
    std::unique_ptr<wxPrinterDC> dc(printData.createPrinterDC());
    if (dc && !odEqualNoCase(printData.GetPrinterName().ToStdWstring(), printer.printerName()))
        dc.reset();

    std::wstring paper;
    if (!paperName(printData, printer, paper))
        return false;
    if (media.size.setName(paper.c_str()) || media.emptyBounds()) {
        changed = true;
        media.setBounds(dc.get());
    }

    store(media.numberOfCopies, printData.GetNoCopies(), changed);
    const wxDuplexMode duplexMode = printData.GetDuplex();
    store(duplex, duplexMode == wxDUPLEX_HORIZONTAL ? 3 : duplexMode == wxDUPLEX_VERTICAL ? 2 : 1, changed);

    if (printData.GetMedia() != 0 &&
        !takeCustomNumber(*custom, L"dmMediaType", printData.GetMedia(), initialize, changed))
        return false;
    if (printData.GetBin() != wxPRINTBIN_DEFAULT &&
        !takeCustomNumber(*custom, L"dmDefaultSource", printData.getDmBin(), initialize, changed))
        return false;

    const int orientation = printData.GetOrientation() == wxLANDSCAPE ? 2 : 1;
    if (media.dmOrientation != orientation) {
        media.dmOrientation = orientation;
        media.swapBounds();
        changed = true;
    }

    if (!media.destination) {
        media.destination = std::make_unique<CMediaNode::CDestinationNode>();
        media.destination->name = L"Default";
        changed = true;
    }
    if (media.destination->setCollating(printData.GetCollate()))
        changed = true;

    store(resColorMem.dmColor, printData.GetColour() ? 2 : 1, changed);
    if (printData.GetColour() && !resColorMem.linesOverwrite)
        resColorMem.linesOverwrite = true;
    if (resColorMem.resolution.set(printData, dc.get()))
        changed = true;
    if (dc) {
        const int depth = dc->GetDepth();
        if (depth >= 1 && depth != resColorMem.colorDepth) {
            resColorMem.colorDepth = depth;
            resColorMem.numColors = colorsForDepth(depth);
            changed = true;
        }
        dc.reset();
    }

    std::wstring driver;
    if (printer.getPrinterDriver(driver))
        store(meta.winDriverName, driver, changed);

    const wut::WindowsPrintNativeData* native = wut::WindowsPrintNativeData::GetNativeData(printData);
    if (!native)
        return false; // print data made before the library's print factory was installed
    if (!custom->set(static_cast<int>(native->GetSize()), L"dmSize", false))
        return false;
    store(meta.dmDriverVersion, native->GetDriverVersion(), changed);
    store(media.size.dmScale, native->GetScale(), changed);
    if (!takeCustomNumber(*custom, L"dmSpecVersion", native->GetSpecVersion(), initialize, changed))
        return false;
    if (native->GetTTOption() != 0 &&
        !takeCustomNumber(*custom, L"dmTTOption", native->GetTTOption(), initialize, changed))
        return false;
    store(resColorMem.icmMethod, static_cast<int>(native->GetICMMethod()), changed);
    store(resColorMem.icmIntent, static_cast<int>(native->GetICMIntent()), changed);
    const std::uint32_t dither = native->GetDitherType();
    if (dither == 0 || dither == 1)
        resColorMem.numUnditheredColors = resColorMem.numColors;
    store(ditherType, dither, changed);

    // Without a DEVMODE the mask stays as it was.
    wut::DEVMODE_RAII devMode(printData);
    if (const DEVMODEW* dm = devMode.get())
        dmFields = dm->dmFields;
    return true;
}

bool CPlotCfg3::toPrintData(wut::PrintData& printData) const
{
    if (!custom || meta.winDeviceName.empty())
        return false;
    PrinterPapers printer(meta.winDeviceName.c_str());
    if (!printer.isValid())
        return false;
    int extra = 0;
    int size = 0;
    // Both are WORDs in a DEVMODE; anything else in a file is malformed.
    if (!custom->get(extra, L"dmDriverExtra") || !custom->get(size, L"dmSize") || extra < 0 || extra > 0xFFFF ||
        size < 0 || size > 0xFFFF)
        return false;

    // Private bytes are only meaningful to the driver that wrote them, at the size it wrote.
    const LONG current = wut::devModeSize(OdString(meta.winDeviceName));
    const bool sizesMatch = current == static_cast<LONG>(size) + extra;
    if (sizesMatch && extra > 0) {
        std::wstring text;
        if (!custom->getBin(text, L"RawPrivateDeviceData") || text.size() != 2 * static_cast<std::size_t>(extra))
            return false;
        std::vector<unsigned char> bytes = plotcfg::fromHexText(text);
        printData.SetPrivData(reinterpret_cast<char*>(bytes.data()), extra);
    } else {
        printData.SetPrivData(nullptr, 0);
    }

    printData.SetPrinterName(meta.winDeviceName);
    printData.setDriverName(meta.winDriverName);
    printData.SetOrientation(media.dmOrientation == 2 ? wxLANDSCAPE : wxPORTRAIT);
    printData.SetNoCopies(media.numberOfCopies);
    printData.SetColour(resColorMem.dmColor == 2);
    printData.SetDuplex(duplex == 2 ? wxDUPLEX_VERTICAL : duplex == 3 ? wxDUPLEX_HORIZONTAL : wxDUPLEX_SIMPLEX);
    printData.SetCollate(!media.destination || media.destination->collatingType == 1);
    resColorMem.resolution.get(printData);
    printData.SetMedia(customOr(*custom, L"dmMediaType", 0));
    printData.setDmBin(static_cast<short>(customOr(*custom, L"dmDefaultSource", 0)));

    wut::WindowsPrintNativeData* native = wut::WindowsPrintNativeData::GetNativeData(printData);
    if (native) {
        native->SetSize(static_cast<uint16_t>(size));
        native->SetDriverVersion(static_cast<uint16_t>(meta.dmDriverVersion));
        native->SetScale(static_cast<int16_t>(media.size.dmScale));
        native->SetICMMethod(static_cast<uint32_t>(resColorMem.icmMethod));
        native->SetICMIntent(static_cast<uint32_t>(resColorMem.icmIntent));
        native->SetDitherType(ditherType);
        native->SetSpecVersion(static_cast<uint16_t>(customOr(*custom, L"dmSpecVersion", 0)));
        native->SetTTOption(static_cast<int16_t>(customOr(*custom, L"dmTTOption", 0)));
    }

    const std::uint32_t fields = dmFields == 0 ? ~std::uint32_t(0) : dmFields;
    const int index = printer.findPaperByName(media.size.name.c_str());
    int customNumber = 0;
    if (index >= 0) {
        if ((fields & DM_FORMNAME) && native)
            native->SetFormName(printer.paperName(static_cast<unsigned>(index)).str());
        if ((fields & DM_PAPERSIZE) && static_cast<unsigned>(index) < printer.paperNumbers().size())
            printData.setDmPaperSize(static_cast<short>(printer.paperNumbers()[index]),
                                     static_cast<const wxSize*>(nullptr));
    } else if (wut::isCustomPaperSize(customNumber, media.size.name.c_str()) && (fields & DM_PAPERSIZE)) {
        printData.setDmPaperSize(static_cast<short>(customNumber), static_cast<const wxSize*>(nullptr));
    }

    printData.setMergeColors(resColorMem.linesOverwrite && !*resColorMem.linesOverwrite);
    printData.setTtfAsText(meta.truetypeAsText);
    return sizesMatch || printData.ResolveConflicts();
}
