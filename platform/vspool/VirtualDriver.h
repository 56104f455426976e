// The printer driver of the virtual spooler: builds its DEVMODEW and merges and corrects the
// settings an application hands it.
#pragma once
#include "platform/vspool/VirtualSpooler.h"

#include <vector>

namespace vspool {
namespace driver {

// dmFields the driver of this printer reports.
DWORD supportedFields(const Printer& printer);
// The printer's default DEVMODEW with its private bytes.
std::vector<BYTE> defaultDevMode(const Printer& printer);
// The defaults with the members flagged in in.dmFields merged in and validated; private bytes
// of a wrong length, version or checksum are replaced by the driver's own.
std::vector<BYTE> merge(const Printer& printer, const DEVMODEW& in);
// What DeviceCapabilities reports of the printer.
win32::spool::Capabilities capabilities(const Printer& printer);
// Whether the driver handles the escape (QUERYESCSUPPORT, and PostScript's for a PostScript driver).
bool supportsEscape(const Printer& printer, int escape);
// The paper of that number, or null.
const Paper* findPaper(const Printer& printer, int id);
// The tray of that number, or null.
const Bin* findBin(const Printer& printer, int id);

} // namespace driver
} // namespace vspool
