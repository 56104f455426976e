// The CUPS backend of the spooler: destinations as printers, their capabilities played by the
// driver the virtual printers use, jobs submitted to the destination.
#include "platform/cups/CupsDestination.h"
#include "platform/vspool/VirtualDriver.h"
#include "platform/win32/codepage.h"
#include "platform/win32/wstr.h"

#include <chrono>
#include <map>
#include <mutex>

namespace cupsspool {
namespace {

using win32::spool::PrinterEntry;
using Clock = std::chrono::steady_clock;

// Preferred over the virtual printers: "auto" takes CUPS when it has queues.
constexpr int kPreference = 10;
// A driver's description is asked again after this long: queues change while a program runs,
// but one dialog asks the same driver dozens of times.
constexpr auto kDescriptionLifetime = std::chrono::seconds(5);

struct Cached {
    Clock::time_point asked;
    Driver driver;
};

struct State {
    std::mutex lock;
    std::map<std::wstring, Cached> drivers; // by folded name
};

State& state()
{
    static State* s = new State; // never destroyed: jobs may end from static objects at exit
    return *s;
}

// The driver of a destination, from the cache while fresh.
bool driverOf(const std::wstring& name, Driver& out)
{
    State& s = state();
    const std::wstring key = win32::foldCase(name);
    {
        std::lock_guard<std::mutex> guard(s.lock);
        const auto it = s.drivers.find(key);
        if (it != s.drivers.end() && Clock::now() - it->second.asked < kDescriptionLifetime) {
            out = it->second.driver;
            return true;
        }
    }
    const DestPtr dest = findDest(name);
    if (!dest || !describe(dest.get(), out))
        return false;
    std::lock_guard<std::mutex> guard(s.lock);
    s.drivers[key] = Cached{Clock::now(), out};
    return true;
}

bool available(void*, std::string& why)
{
    if (connectServer())
        return true;
    why = std::string("no CUPS server answers at ") + cupsServer();
    return false;
}

bool listPrinters(void*, std::vector<PrinterEntry>& out)
{
    cups_dest_t* dests = nullptr;
    const int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    out.clear();
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < n; ++i)
            if (!dests[i].instance) {
                PrinterEntry e = entryOf(dests[i]);
                if (e.network == (pass == 1))
                    out.push_back(e);
            }
    cupsFreeDests(n, dests);
    return n > 0 || cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
}

bool findPrinter(void*, const std::wstring& name, PrinterEntry& out)
{
    const DestPtr dest = findDest(name);
    if (dest)
        out = entryOf(*dest);
    return dest != nullptr;
}

// The user's default (LPDEST, PRINTER, lpoptions), else the server's.
bool getDefault(void*, std::wstring& name)
{
    const DestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (dest)
        name = win32::fromUtf8(dest->name);
    return dest != nullptr;
}

// The user's default, kept in lpoptions; the server's default for everybody stays.
bool setDefault(void*, const std::wstring& name)
{
    cups_dest_t* dests = nullptr;
    const int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    bool found = false;
    for (int i = 0; i < n; ++i) {
        const bool chosen = !dests[i].instance && win32::equalNoCase(win32::fromUtf8(dests[i].name), name);
        dests[i].is_default = chosen;
        found = found || chosen;
    }
    const bool saved = found && cupsSetDests2(CUPS_HTTP_DEFAULT, n, dests) == 0;
    cupsFreeDests(n, dests);
    return saved;
}

int devModeSize(void*, const std::wstring& printer)
{
    Driver d;
    return driverOf(printer, d) ? d.printer.publicBytes + d.printer.privateBytes : 0;
}

bool defaultDevMode(void*, const std::wstring& printer, std::vector<BYTE>& out)
{
    Driver d;
    if (!driverOf(printer, d))
        return false;
    out = vspool::driver::defaultDevMode(d.printer);
    return true;
}

// The options in a DEVMODE's private bytes, this printer's own only: another printer's, or
// values this one does not accept, give way to its defaults.
DriverOptions optionsIn(const Driver& d, const DEVMODEW& dm)
{
    DriverOptions o;
    const BYTE* priv = devModePrivate(&dm) + vspool::kPrivateHeader;
    if (dm.dmDriverExtra != d.printer.privateBytes ||
        !decodeOptions(win32::toUtf8(d.printer.name), priv, kOptionsPayload, o))
        return d.options.defaults;
    return validated(o, d.options);
}

// The driver's merge, with its own options record checked and written anew.
std::vector<BYTE> merged(const Driver& d, const DEVMODEW& in)
{
    std::vector<BYTE> bytes = vspool::driver::merge(d.printer, in);
    auto& dm = *reinterpret_cast<DEVMODEW*>(bytes.data());
    const std::vector<BYTE> payload = encodeOptions(win32::toUtf8(d.printer.name), optionsIn(d, dm));
    BYTE* priv = devModePrivate(&dm);
    std::copy(payload.begin(), payload.end(), priv + vspool::kPrivateHeader);
    vspool::sealPrivate(d.printer, priv);
    return bytes;
}

bool mergeDevMode(void*, const std::wstring& printer, const DEVMODEW& in, std::vector<BYTE>& out)
{
    Driver d;
    if (!driverOf(printer, d))
        return false;
    out = merged(d, in);
    return true;
}

bool papers(void*, const std::wstring& printer, const DEVMODEW*, std::vector<win32::spool::Paper>& out)
{
    Driver d;
    if (!driverOf(printer, d))
        return false;
    out = d.printer.papers;
    return true;
}

bool capabilities(void*, const std::wstring& printer, const DEVMODEW*, win32::spool::Capabilities& out)
{
    Driver d;
    if (!driverOf(printer, d))
        return false;
    out = vspool::driver::capabilities(d.printer);
    return true;
}

bool supportsEscape(void*, const std::wstring& printer, int escape)
{
    Driver d;
    return driverOf(printer, d) && vspool::driver::supportsEscape(d.printer, escape);
}

// An open job: its own connection, over which the document streams until it ends.
struct Job {
    HttpPtr http;
    DestPtr dest;
    InfoPtr info;
};

std::map<DWORD, Job>& jobs()
{
    static auto* open = new std::map<DWORD, Job>;
    return *open;
}

// The job options of the settings: paper and tray together as one media-col (a tray sent on its
// own never reaches the printer, and no margins ask for borderless), sides, colour, copies and
// collation, and the driver's own options.
int jobOptions(const Driver& d, const DEVMODEW* given, cups_option_t** options)
{
    const std::vector<BYTE> bytes = given ? merged(d, *given) : vspool::driver::defaultDevMode(d.printer);
    const DEVMODEW& dm = *reinterpret_cast<const DEVMODEW*>(bytes.data());
    const DriverOptions own = optionsIn(d, dm);
    int n = 0;
    std::string col;
    bool borderless = own.borderless;
    for (std::size_t i = 0; i < d.printer.papers.size(); ++i) {
        const win32::spool::Paper& p = d.printer.papers[i];
        if (p.id != static_cast<WORD>(dm.dmPaperSize))
            continue;
        // Exact hundredths of a millimetre from the medium's name; the paper has tenths.
        const pwg_media_t* size = pwgMediaForPWG(d.media[i].c_str());
        col += "media-size={x-dimension=" + std::to_string(size ? size->width : p.width * 10) +
               " y-dimension=" + std::to_string(size ? size->length : p.height * 10) + "}";
        const auto& m = p.margins;
        borderless = borderless || (m.left == 0 && m.top == 0 && m.right == 0 && m.bottom == 0);
    }
    if (dm.dmPaperSize == DMPAPER_USER)
        col = "media-size={x-dimension=" + std::to_string(dm.dmPaperWidth * 10) +
              " y-dimension=" + std::to_string(dm.dmPaperLength * 10) + "}";
    for (std::size_t i = 0; i < d.printer.bins.size(); ++i)
        if (d.printer.bins[i].id == static_cast<WORD>(dm.dmDefaultSource))
            col += (col.empty() ? "" : " ") + std::string("media-source=") + d.sources[i];
    if (borderless && !col.empty())
        col += " media-bottom-margin=0 media-left-margin=0 media-right-margin=0 media-top-margin=0";
    if (!col.empty())
        n = cupsAddOption("media-col", ("{" + col + "}").c_str(), n, options);
    if (d.printer.duplex)
        n = cupsAddOption("sides",
                          dm.dmDuplex == DMDUP_VERTICAL     ? "two-sided-long-edge"
                          : dm.dmDuplex == DMDUP_HORIZONTAL ? "two-sided-short-edge"
                                                            : "one-sided",
                          n, options);
    if (d.printer.color)
        n = cupsAddOption("print-color-mode", dm.dmColor == DMCOLOR_COLOR ? "color" : "monochrome", n, options);
    n = cupsAddIntegerOption("copies", dm.dmCopies, n, options);
    // A quality level (DMRES_*, below zero; the enum, as cupsd ignores the keywords) or a
    // resolution the printer lists.
    static const int kQualities[] = {IPP_QUALITY_DRAFT, IPP_QUALITY_DRAFT, IPP_QUALITY_NORMAL, IPP_QUALITY_HIGH};
    if (dm.dmPrintQuality < 0 && dm.dmPrintQuality >= DMRES_HIGH)
        n = cupsAddIntegerOption("print-quality", kQualities[-dm.dmPrintQuality - 1], n, options);
    else if (dm.dmPrintQuality > 0)
        n = cupsAddOption("printer-resolution",
                          (std::to_string(dm.dmPrintQuality) + "x" + std::to_string(dm.dmYResolution) + "dpi").c_str(), n,
                          options);
    if (own.numberUp != 1)
        n = cupsAddIntegerOption("number-up", own.numberUp, n, options);
    if (own.finishings != 3)
        n = cupsAddIntegerOption("finishings", own.finishings, n, options);
    if (!own.scaling.empty())
        n = cupsAddOption("print-scaling", own.scaling.c_str(), n, options);
    if (!own.outputBin.empty())
        n = cupsAddOption("output-bin", own.outputBin.c_str(), n, options);
    if (dm.dmCopies > 1)
        n = cupsAddOption("multiple-document-handling",
                          dm.dmCollate == DMCOLLATE_TRUE ? "separate-documents-collated-copies"
                                                         : "separate-documents-uncollated-copies",
                          n, options);
    return n;
}

DWORD startJob(void*, const std::wstring& printer, const std::wstring& document, const DEVMODEW* dm)
{
    Job job;
    Driver d;
    job.dest = findDest(printer);
    if (!job.dest || !driverOf(printer, d))
        return 0;
    job.info.reset(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, job.dest.get()));
    job.http = connectServer();
    if (!job.info || !job.http)
        return 0;
    cups_option_t* options = nullptr;
    const int n = jobOptions(d, dm, &options);
    const std::string title = win32::toUtf8(document);
    int id = 0;
    const ipp_status_t created =
        cupsCreateDestJob(job.http.get(), job.dest.get(), job.info.get(), &id, title.c_str(), n, options);
    cupsFreeOptions(n, options);
    if (created > IPP_STATUS_OK_CONFLICTING || id <= 0)
        return 0;
    // The server finds the data's type itself (PostScript, PDF, or raw bytes for the printer).
    if (cupsStartDestDocument(job.http.get(), job.dest.get(), job.info.get(), id, title.c_str(), CUPS_FORMAT_AUTO,
                              0, nullptr, 1) != HTTP_STATUS_CONTINUE) {
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, job.dest.get(), id);
        return 0;
    }
    jobs()[static_cast<DWORD>(id)] = std::move(job);
    return static_cast<DWORD>(id);
}

bool writeJob(void*, DWORD id, const BYTE* data, DWORD size)
{
    const auto it = jobs().find(id);
    return it != jobs().end() &&
           cupsWriteRequestData(it->second.http.get(), reinterpret_cast<const char*>(data), size) ==
               HTTP_STATUS_CONTINUE;
}

bool endJob(void*, DWORD id)
{
    const auto it = jobs().find(id);
    if (it == jobs().end())
        return false;
    Job& job = it->second;
    const bool queued =
        cupsFinishDestDocument(job.http.get(), job.dest.get(), job.info.get()) <= IPP_STATUS_OK_CONFLICTING;
    jobs().erase(it);
    return queued;
}

bool abortJob(void*, DWORD id)
{
    const auto it = jobs().find(id);
    if (it == jobs().end())
        return false;
    // The connection is in the middle of the document: drop it, then cancel over another.
    DestPtr dest = std::move(it->second.dest);
    jobs().erase(it);
    return cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest.get(), static_cast<int>(id)) <= IPP_STATUS_OK_CONFLICTING;
}

const win32::spool::Backend kBackend = {
    "cups",       nullptr,      kPreference,    available,    listPrinters, findPrinter,  getDefault,
    setDefault,   devModeSize,  defaultDevMode, mergeDevMode, papers,       capabilities, supportsEscape,
    startJob,     writeJob,     endJob,         abortJob,     nullptr,
};

const struct Registration {
    Registration() { win32::spool::registerBackend(&kBackend); }
} g_registration;

} // namespace
} // namespace cupsspool
