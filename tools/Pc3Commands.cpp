// pc3 new, pc3 show, pc3 print and pmp new: plotter configurations from the command line.
#include "Command.h"
#include "Pc3Commands.h"
#include "TestSheet.h"
#include "WxSession.h"
#include "davaraz/pia/Document.h"
#include "davaraz/pia/PIAParser.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/print/DevModeDump.h"
#include "davaraz/print/DevModeRaii.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/PrintJob.h"
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/ReadFile.h"
#include "platform/tvutils/SafeWrite.h"

#include <wx/dcprint.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace cli {

// The meta section as the file has it, before read repairs the device or replaces a
// configuration that follows the default printer; defaults when it does not read.
CMetaNode fileMeta(const std::string& path)
{
    CMetaNode meta;
    const pia::ReadResult read = pia::readDocument(widen(path).c_str(), [&meta](CPIAParser& parser, pia::ReadResult&) {
        const CPItem* block = parser.root() ? parser.root()->find(L"meta", PI_BLOCK) : nullptr;
        return block && meta.init(static_cast<const CPBlock&>(*block));
    });
    return read ? meta : CMetaNode();
}

bool followsDefaultPrinter(const CMetaNode& meta) { return meta.defaultSystemCfg.value_or(false); }

std::unique_ptr<CPlotCfg3> loadPc3(const std::string& path, bool& changed)
{
    changed = false;
    pia::ReadResult result;
    std::unique_ptr<CPlotCfg3> cfg(CPlotCfg3::read(widen(path).c_str(), changed, &result));
    if (!cfg)
        fail(path, "not a readable plotter configuration: " + narrow(result.description()));
    return cfg;
}

namespace {

constexpr char kPc3Usage[] = "new PRINTER OUT | show FILE... | print FILE [OUT.ps | OUT.pdf] | set FILE KEY=VALUE...";

int runNew(const std::string& printer, const std::string& out)
{
    std::unique_ptr<CPlotCfg3> cfg(CPlotCfg3::create(widen(printer).c_str()));
    if (!cfg)
        return fail(printer, "no configuration can be made for this printer");
    pia::WriteResult written;
    cfg->write(widen(out).c_str(), &written);
    return reportWrite(out, written);
}

const char* yesNo(bool b) { return b ? "yes" : "no"; }

int runShow(const std::string& path)
{
    const CMetaNode stored = fileMeta(path);
    bool changed = false;
    const auto cfg = loadPc3(path, changed);
    if (!cfg)
        return kFailed;
    const auto& size = cfg->media.size;
    const auto& bounds = size.mediaDescription.mediaBounds;
    std::printf("file: %s\n", path.c_str());
    std::printf("printer: %s\n", narrow(cfg->isPdfExport() ? cfg->meta.localizedModelName : cfg->meta.winDeviceName).c_str());
    std::printf("driver: %s\n", cfg->meta.winDriverName.empty() ? "none" : narrow(cfg->meta.winDriverName).c_str());
    if (changed)
        std::printf("device re-resolved by driver: yes (the file names \"%s\")\n", narrow(stored.winDeviceName).c_str());
    else
        std::printf("device re-resolved by driver: no\n");
    std::printf("follows the default printer: %s\n",
                followsDefaultPrinter(stored) ? "yes (shown for the current default printer)" : "no");
    std::printf("paper: %s\n", narrow(size.name).c_str());
    std::printf("paper size: %.1f x %.1f mm\n", bounds.urx, bounds.ury);
    std::printf("orientation: %s\n", cfg->media.dmOrientation == 2 ? "landscape" : "portrait");
    std::printf("copies: %d\n", cfg->media.numberOfCopies);
    std::printf("colour: %s\n", cfg->resColorMem.dmColor == 2 ? "colour" : "monochrome");
    std::printf("resolution: %s\n", narrow(cfg->resColorMem.resolution.name).c_str());
    std::printf("PDF output: %s\n", yesNo(cfg->isPdfExport()));
    std::printf("PMP: %s\n", cfg->pmp ? narrow(cfg->pmp->path().str()).c_str() : "none");
    if (cfg->isPdfExport()) {
        std::printf("print settings: none (the PDF output has no printer and no DEVMODE)\n");
        return std::fflush(stdout) == 0 ? kOk : fail("stdout", "write error");
    }
    wut::PrintData data;
    if (!cfg->toPrintData(data))
        return fail(path, "no print settings can be made: the printer cannot be opened or the custom section lacks entries");
    wut::DEVMODE_RAII dm(data);
    if (!dm)
        return fail(path, "the print settings hold no DEVMODE");
    OdString text;
    wut::dumpDevMode(*dm.get(), text);
    std::printf("print settings:\n%s", narrow(text.str()).c_str());
    return std::fflush(stdout) == 0 ? kOk : fail("stdout", "write error");
}

// The PDF output's test sheet: a PDF at the configuration's paper size and orientation.
int printPdf(const CPlotCfg3& cfg, const std::string& path, const std::string& out)
{
    const auto& d = cfg.media.size.mediaDescription;
    const bool landscape = cfg.media.dmOrientation == 2;
    // Turned to landscape, the portrait page's bottom border is on the left, its left on top.
    const double width = landscape ? d.mediaBounds.ury : d.mediaBounds.urx;
    const double height = landscape ? d.mediaBounds.urx : d.mediaBounds.ury;
    const double left = landscape ? d.printableBoundsLly : d.printableBoundsLlx;
    const double top = landscape ? d.printableBoundsLlx : d.mediaBounds.ury - d.printableBoundsUry;
    if (!(width > 0 && height > 0 && width <= 15000 && height <= 15000))
        return fail(path, "the paper size is not one a PDF page can have");
    const wxString caption = wxString::FromUTF8(std::filesystem::path(path).filename().string()) + " - " +
                             wxString(cfg.meta.localizedModelName);
    const std::string pdf = pdfTestSheet(width, height, std::max(0.0, left), std::max(0.0, top), caption);
    if (pdf.empty())
        return fail(out, "cairo could not draw the PDF");
    if (const int err = ut::replaceFile(out, {pdf}))
        return fail(out, std::string("cannot write the file: ") + std::strerror(err));
    return kOk;
}

// The test sheet printed to out, or sent to the configuration's printer when out is empty.
int runPrint(const std::string& path, const std::string& out)
{
    bool changed = false;
    const auto cfg = loadPc3(path, changed);
    if (!cfg)
        return kFailed;
    const bool pdfOut = hasExtension(out, L"pdf");
    if (cfg->isPdfExport() && !pdfOut)
        return usageError("pc3 print: " + path + ": the PDF output prints its test sheet into a file OUT.pdf");
    if (cfg->isPdfExport())
        return printPdf(*cfg, path, out);
    if (pdfOut)
        return usageError("pc3 print: " + out + ": a printer's test sheet is PostScript and needs the extension .ps");
    wut::PrintData data;
    if (!cfg->toPrintData(data))
        return fail(path, "no print settings can be made: the printer cannot be opened or the custom section lacks entries");
    // This port's printer DC is the PostScript DC: it writes to the file named in the data, a
    // temporary one that replaces the output only once the sheet is complete.
    const TempFile sheet(L"sheet");
    if (sheet.path.isEmpty())
        return fail(out, "no temporary file for the sheet");
    const std::string sheetPath = ut::toNativePath(sheet.path);
    data.SetFilename(wxString::FromUTF8(sheetPath));
    data.SetPrintMode(wxPRINT_MODE_FILE);
    {
        const std::unique_ptr<wxPrinterDC> dc(data.createPrinterDC());
        if (!dc || !dc->IsOk())
            return fail(path, "no printer device context for " + narrow(cfg->meta.winDeviceName));
        const wxString caption = wxString::FromUTF8(std::filesystem::path(path).filename().string()) + " - " +
                                 wxString(cfg->meta.winDeviceName);
        if (!dc->StartDoc(caption))
            return fail(out, "the print job cannot be started");
        dc->StartPage();
        drawTestSheet(*dc, {dc->GetPPI(), dc->GetPaperRect()}, caption);
        dc->EndPage();
        dc->EndDoc();
    }
    std::string bytes;
    if (!ut::readRegularFile(sheetPath, std::uint64_t(1) << 30, bytes) || bytes.compare(0, 4, "%!PS") != 0)
        return fail(out.empty() ? path : out, "no PostScript file was written");
    if (out.empty()) {
        const std::string printer = narrow(cfg->meta.winDeviceName);
        wut::DEVMODE_RAII dm(data);
        const wut::JobResult job = wut::sendToPrinter(cfg->meta.winDeviceName, dm.get(),
                                                      std::filesystem::path(path).filename().wstring(), bytes);
        if (!job)
            return fail(printer, "the printer did not take the job (" + job.where + ", error " +
                                     std::to_string(job.error) + ")");
        std::printf("job %lu on %s\n", static_cast<unsigned long>(job.job), printer.c_str());
        return std::fflush(stdout) == 0 ? kOk : fail("stdout", "write error");
    }
    if (const int err = ut::replaceFile(out, {bytes}))
        return fail(out, std::string("cannot write the file: ") + std::strerror(err));
    return kOk;
}

int runPc3(const Args& args)
{
    const std::string& sub = args[0];
    if (sub == "set")
        return runPc3Set(args);
    const std::size_t want = sub == "show" ? 2 : (sub == "new" || sub == "print") ? 3 : 0;
    const bool toPrinter = sub == "print" && args.size() == 2;
    const bool several = sub == "show" && args.size() > 2;
    if (want == 0 || (args.size() != want && !toPrinter && !several))
        return usageError(std::string("usage: davaraz pc3 ") + kPc3Usage);
    const WxSession wx;
    if (!wx.started())
        return kFailed;
    if (sub == "new" && !hasExtension(args[2], L"pc3"))
        return usageError("pc3 new: " + args[2] + ": a plotter configuration needs the extension .pc3");
    if (toPrinter)
        return runPrint(args[1], "");
    if (sub == "print" && !hasExtension(args[2], L"ps") && !hasExtension(args[2], L"pdf"))
        return usageError("pc3 print: " + args[2] + ": the test sheet is PostScript (.ps), or PDF (.pdf) for the PDF output");
    if (sub == "print" && refuseInputAsOutput(args[1], args[2]) != kOk)
        return kFailed;
    if (sub == "new")
        return runNew(args[1], args[2]);
    if (sub == "show")
        return eachFile(Args(args.begin() + 1, args.end()), runShow);
    return runPrint(args[1], args[2]);
}

// A PMP carrying the configuration's meta section, named in the configuration so that reading
// it attaches the PMP.
int runPmp(const Args& args)
{
    if (args[0] != "new")
        return usageError("usage: davaraz pmp new PC3 OUT.pmp");
    const std::string& pc3 = args[1];
    if (!hasExtension(args[2], L"pmp"))
        return usageError("pmp new: " + args[2] + ": a plot model parameter file needs the extension .pmp");
    if (refuseInputAsOutput(pc3, args[2]) != kOk)
        return kFailed;
    const WxSession wx;
    if (!wx.started())
        return kFailed;
    const bool followsDefault = followsDefaultPrinter(fileMeta(pc3));
    bool changed = false;
    const auto cfg = loadPc3(pc3, changed);
    if (!cfg)
        return kFailed;
    std::error_code ec;
    const std::filesystem::path outPath = std::filesystem::absolute(args[2], ec);
    if (ec)
        return fail(args[2], "no absolute path: " + ec.message());
    const std::wstring out = widen(outPath.string());
    // The PMP's meta is a copy of the configuration's, so it names its own file too.
    cfg->meta.userDefinedModelPathname = out;
    const std::unique_ptr<PlotModelParam> pmp(PlotModelParam::create(cfg->meta));
    pia::WriteResult written;
    pmp->write(out.c_str(), &written);
    if (reportWrite(args[2], written) != kOk)
        return kFailed;
    if (!cfg->attachPMP(OdString(out)))
        return fail(args[2], "the written PMP does not read back");
    // Written back as read, repairs included, but still following the default printer.
    if (followsDefault)
        cfg->meta.defaultSystemCfg = true;
    cfg->write(widen(pc3).c_str(), &written);
    return reportWrite(pc3, written);
}

} // namespace

void addPc3Commands(std::vector<Command>& table)
{
    table.push_back({"pc3", kPc3Usage,
                     "new: a plotter configuration from a printer's default settings (\"Print As PDF\": the PDF output). show: printer, paper, orientation, copies, colour, resolution, PMP and the print settings each file gives. print: a test sheet into OUT.ps (OUT.pdf for the PDF output), or as a job to the printer. set: paper (a name as papers PRINTER lists it), orientation (portrait, landscape), copies, color (color, monochrome), resolution (dots per inch), pmp (a path, or none) and description; the printer's driver must take each value, else nothing is written", 2, -1, runPc3, true});
    table.push_back({"pmp", "new PC3 OUT.pmp",
                     "a plot model parameter file for the configuration, which then names and attaches it", 3, 3, runPmp, true});
}

} // namespace cli
