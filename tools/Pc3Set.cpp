// pc3 set: the values an administrator changes most, each checked by the printer's driver.
#include "Command.h"
#include "Pc3Commands.h"
#include "WxSession.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/print/DevModeRaii.h"
#include "davaraz/print/PaperSizeGetter.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/Printers.h"
#include "platform/od/OdCase.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <filesystem>
#include <map>

namespace cli {
namespace {

// A whole number from min to max, or -1.
int number(const std::string& text, int min, int max)
{
    int v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && v >= min && v <= max ? v : -1;
}

// What was asked of the DEVMODE: the fields, and the values the driver must keep.
struct Request {
    DWORD fields = 0;
    short paper = 0;
    std::string paperName;
    short orientation = 0;
    short copies = 0;
    short color = 0;
    short dpi = 0;
};

std::string describeColor(short c) { return c == DMCOLOR_COLOR ? "color" : "monochrome"; }

// The driver's paper number for a name as "papers" lists it, letter case ignored; 0 when none.
short paperNumber(const CPlotCfg3& cfg, const std::string& name)
{
    OdString ports;
    {
        const wut::PrinterHandle printer{OdString(cfg.meta.winDeviceName)};
        if (printer.isNull())
            return 0;
        ports = wut::getPrinterPorts(printer);
    }
    OdArray<unsigned short> numbers;
    OdArray<OdString> names;
    const wut::PaperSizeGetter getter(cfg.meta.winDeviceName.c_str(), ports.c_str());
    if (!getter.get(&numbers, &names, nullptr))
        return 0;
    for (unsigned i = 0; i < numbers.size() && i < names.size(); ++i)
        if (odEqualNoCase(names[i].c_str(), widen(name).c_str()))
            return static_cast<short>(numbers[i]);
    return 0;
}

// Writes the request into the configuration's DEVMODE, lets the driver validate it and takes the
// result; empty, or what the driver would not take.
std::string applyToDriver(CPlotCfg3& cfg, const Request& want)
{
    wut::PrintData data;
    if (!cfg.toPrintData(data))
        return "the printer cannot be opened, so its driver cannot check the values";
    {
        wut::DEVMODE_RAII dm(data);
        if (!dm)
            return "the print settings hold no DEVMODE";
        dm->dmFields |= want.fields;
        if (want.fields & DM_PAPERSIZE) {
            dm->dmPaperSize = want.paper;
            dm->dmFields &= ~(DM_PAPERLENGTH | DM_PAPERWIDTH | DM_FORMNAME);
        }
        if (want.fields & DM_ORIENTATION)
            dm->dmOrientation = want.orientation;
        if (want.fields & DM_COPIES)
            dm->dmCopies = want.copies;
        if (want.fields & DM_COLOR)
            dm->dmColor = want.color;
        if (want.fields & DM_PRINTQUALITY) {
            dm->dmPrintQuality = want.dpi;
            dm->dmYResolution = want.dpi;
        }
        dm.updatePrintData();
    }
    {
        // What the driver made of it, read afresh from the print data.
        wut::DEVMODE_RAII dm(data);
        const DEVMODEW* got = dm.get();
        if (!got)
            return "the print settings hold no DEVMODE";
        const std::string driver = "the driver of " + narrow(cfg.meta.winDeviceName);
        if ((want.fields & DM_PAPERSIZE) && got->dmPaperSize != want.paper)
            return driver + " does not take paper \"" + want.paperName + "\"";
        if ((want.fields & DM_ORIENTATION) && got->dmOrientation != want.orientation)
            return driver + " does not take that orientation";
        if ((want.fields & DM_COPIES) && got->dmCopies != want.copies)
            return driver + " does not take " + std::to_string(want.copies) + " copies (it keeps " +
                   std::to_string(got->dmCopies) + ")";
        if ((want.fields & DM_COLOR) && got->dmColor != want.color)
            return driver + " does not print in " + describeColor(want.color);
        if ((want.fields & DM_PRINTQUALITY) && (got->dmPrintQuality != want.dpi || got->dmYResolution != want.dpi))
            return driver + " does not print at " + std::to_string(want.dpi) + " dpi";
    }
    bool changed = false;
    if (!cfg.fromPrintData(data, cfg.meta.winDeviceName, false, changed))
        return "the configuration does not take the driver's settings";
    return {};
}

} // namespace

int runPc3Set(const Args& args)
{
    constexpr const char* kUsage = "usage: davaraz pc3 set FILE KEY=VALUE... (paper, orientation, copies, color, "
                                   "resolution, pmp, description)";
    if (args.size() < 3)
        return usageError(kUsage);
    const std::string& path = args[1];
    std::map<std::string, std::string> values;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::size_t eq = args[i].find('=');
        const std::string key = args[i].substr(0, eq);
        static const char* const keys[] = {"paper", "orientation", "copies", "color", "resolution", "pmp", "description"};
        if (eq == std::string::npos || std::find(std::begin(keys), std::end(keys), key) == std::end(keys) ||
            !values.emplace(key, args[i].substr(eq + 1)).second)
            return usageError("pc3 set: \"" + args[i] + "\": " + kUsage);
    }
    Request want;
    for (const auto& [key, value] : values) {
        if (key == "orientation") {
            want.orientation = value == "portrait" ? DMORIENT_PORTRAIT : value == "landscape" ? DMORIENT_LANDSCAPE : 0;
            want.fields |= DM_ORIENTATION;
        } else if (key == "copies") {
            want.copies = static_cast<short>(number(value, 1, 9999));
            want.fields |= DM_COPIES;
        } else if (key == "color") {
            want.color = value == "color" ? DMCOLOR_COLOR : value == "monochrome" ? DMCOLOR_MONOCHROME : 0;
            want.fields |= DM_COLOR;
        } else if (key == "resolution") {
            want.dpi = static_cast<short>(number(value, 1, 32767));
            want.fields |= DM_PRINTQUALITY | DM_YRESOLUTION;
        } else if (key == "paper") {
            want.paperName = value;
            want.fields |= DM_PAPERSIZE;
        }
        if ((key == "orientation" && !want.orientation) || (key == "copies" && want.copies < 0) ||
            (key == "color" && !want.color) || (key == "resolution" && want.dpi < 0) ||
            ((key == "paper" || key == "pmp") && value.empty()))
            return usageError("pc3 set: " + key + "=" + value +
                              ": expects orientation=portrait|landscape, copies=1..9999, color=color|monochrome, "
                              "resolution=DPI, paper=NAME (as papers PRINTER lists), pmp=PATH|none");
    }
    const WxSession wx;
    if (!wx.started())
        return kFailed;
    const bool followsDefault = followsDefaultPrinter(fileMeta(path));
    bool changed = false;
    const auto cfg = loadPc3(path, changed);
    if (!cfg)
        return kFailed;
    if (want.fields) {
        if (cfg->isPdfExport())
            return fail(path, "is the PDF output, which has no printer driver: only pmp and description can be set");
        if (want.fields & DM_PAPERSIZE) {
            want.paper = paperNumber(*cfg, want.paperName);
            if (!want.paper)
                return fail(path, "the driver of " + narrow(cfg->meta.winDeviceName) + " has no paper \"" +
                                      want.paperName + "\" (davaraz papers PRINTER lists them)");
        }
        if (const std::string why = applyToDriver(*cfg, want); !why.empty())
            return fail(path, why + "; nothing written");
    }
    if (values.count("description"))
        cfg->meta.configDescription = widen(values["description"]);
    if (values.count("pmp")) {
        if (values["pmp"] == "none") {
            cfg->detachPMP();
        } else {
            std::error_code ec;
            const std::string pmp = std::filesystem::absolute(values["pmp"], ec).string();
            if (ec || !cfg->attachPMP(OdString(widen(pmp))))
                return fail(values["pmp"], "not a readable plot model parameter file; nothing written");
        }
    }
    // Written back as read, repairs included, but still following the default printer.
    if (followsDefault)
        cfg->meta.defaultSystemCfg = true;
    pia::WriteResult written;
    cfg->write(widen(path).c_str(), &written);
    return reportWrite(path, written);
}

} // namespace cli
