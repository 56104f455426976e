// Which device a plotter configuration stands for: the built-in PDF output, recognised by its
// names and set up with fixed values, or a Windows printer found again by its driver.
#include "davaraz/gui/Log.h"
#include "platform/od/OdCase.h"
#include "davaraz/plotcfg/ExportPdfOptions.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/print/PrinterPapers.h"
#include "davaraz/print/Printers.h"
#include "platform/tvutils/FileName.h"

namespace {


// True when the printer opens and reports a driver of that name (letter case ignored).
bool usesDriver(const wchar_t* printerName, const std::wstring& driverName)
{
    const PrinterPapers printer(printerName);
    std::wstring driver;
    return printer.isValid() && printer.getPrinterDriver(driver) && odEqualNoCase(driver, driverName.c_str());
}

} // namespace

void CPlotCfg3::checkIfPdfExport()
{
    bool flagged = false;
    if (custom && custom->get(flagged, L"PdfExport") && flagged) {
        pdfExport = true;
        return;
    }
    // Files written on Windows carry backslashes in the driver path.
    const OdString driverFile = ut::FileName(ut::correctSlashes(meta.driverPathname.c_str())).getName();
    pdfExport = odEqualNoCase(meta.driverTagLine, L"PDF ePlot - by Zoruzoze") &&
                odEqualNoCase(meta.localizedModelName, L"ZUZ Av UZU") &&
                odEqualNoCase(meta.canonicalFamilyName, L"Zoruzoze ePlot") &&
                odEqualNoCase(meta.canonicalModelName, L"pdf") && driverFile.getLength() >= 7 &&
                driverFile.left(7).iCompare(L"pdfplot") == 0;
}

void CPlotCfg3::initForPdfExport()
{
    pdfExport = true;
    meta.fileOnly = true;
    io.plotToFile = true;
    resColorMem.numColors = 16777216;
    resColorMem.colorDepth = 24;
    meta.configDescription = wut::translate(L"Built-in direct output to PDF").ToStdWstring();
    if (!custom)
        custom = std::make_unique<CCustomNode>();
    custom->set(true, L"PdfExport", true);
    wut::ExportPdfOptions().writeToPc3(*this);
    // A new PDF configuration has no custom papers: paper 0 is the first built-in PDF paper.
    bool changed = false;
    media.set(0, changed);
}

bool CPlotCfg3::resolvePrinterByDriver()
{
    if (usesDriver(meta.winDeviceName.c_str(), meta.winDriverName))
        return false;
    // The printer was renamed or removed: the first printer with the same driver takes its place.
    OdArray<OdString> printers;
    wut::getSystemPrinters(printers);
    for (unsigned i = 0; i < printers.size(); ++i) {
        if (usesDriver(printers[i].c_str(), meta.winDriverName)) {
            meta.winDeviceName = printers[i].str();
            return true;
        }
    }
    return false;
}
