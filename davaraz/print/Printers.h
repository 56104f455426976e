// The system's printers: enumeration, the default printer, port and comment of a printer and
// the driver's default DEVMODEW.
#pragma once
#include "davaraz/print/PrinterHandle.h"
#include "platform/od/OdArray.h"
#include "platform/od/OdString.h"
#include "platform/win32/devmode.h"

namespace wut {

// Empty, or why no printer can be reached: DAVARAZ_SPOOLER names no spooler (the message
// lists the choices), or no spooler can serve.
OdString spoolerProblem();
// Empty, or why the spooler's printers could not be loaded: the file and its fault.
OdString printersProblem();
// Appends the local printers, then the connections, in the spooler's order (duplicates kept).
void getSystemPrinters(OdArray<OdString>& printers);
// The default printer; when there is none and firstIfNone, the first system printer. Empty
// when neither exists.
OdString getDefaultSystemPrinter(bool firstIfNone);
// Port and comment of an open printer; empty for a null handle or a failed query.
OdString getPrinterPorts(const PrinterHandle& printer);
OdString getPrinterComment(const PrinterHandle& printer);
// The size of the printer's DEVMODE as its driver makes it (public part and private bytes),
// asked through the open printer when given; 0 or less for an unknown printer or a refusing
// driver.
LONG devModeSize(const OdString& printerName, const PrinterHandle* printer = nullptr);
// The driver's default settings of the printer (public part and private bytes) in a block the
// caller owns and releases with freeDevMode; null for an unknown printer or a refusing driver.
DEVMODEW* getDevMode(const wchar_t* printerName);
void freeDevMode(DEVMODEW* devMode);

} // namespace wut
