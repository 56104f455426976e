// A CUPS destination as the driver of the CUPS backend sees it: libcups handles with owners,
// and the destination described as a virtual printer, so that one driver serves both backends.
#pragma once
#include "platform/cups/CupsOptions.h"
#include "platform/vspool/VirtualSpooler.h"

#include <cups/cups.h>

#include <memory>
#include <string>
#include <vector>

namespace cupsspool {

struct DestFree {
    void operator()(cups_dest_t* d) const { cupsFreeDests(1, d); }
};
struct InfoFree {
    void operator()(cups_dinfo_t* i) const { cupsFreeDestInfo(i); }
};
struct HttpClose {
    void operator()(http_t* h) const { httpClose(h); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFree>;
using InfoPtr = std::unique_ptr<cups_dinfo_t, InfoFree>;
using HttpPtr = std::unique_ptr<http_t, HttpClose>;

// The destination of that name (case ignored, as cupsd compares), or null.
DestPtr findDest(const std::wstring& name);
// A new connection to the server libcups is configured for, or null.
HttpPtr connectServer();

// The printer record of a destination as every backend reports one.
win32::spool::PrinterEntry entryOf(const cups_dest_t& dest);

// A destination's driver: its description, the PWG names and media-source keywords behind the
// paper and tray numbers, and the options its private bytes hold, for the options of a job.
struct Driver {
    vspool::Printer printer;
    std::vector<std::string> media;   // parallel to printer.papers
    std::vector<std::string> sources; // parallel to printer.bins
    OptionChoices options;
};
// Asks the destination's capabilities and defaults; false when the server does not answer.
bool describe(cups_dest_t* dest, Driver& out);

} // namespace cupsspool
