// The printer commands live in a module that the tool loads only when one of them is asked
// for, so that the file commands never load wxWidgets and the GUI stack.
#pragma once
#include "Command.h"

namespace cli {

struct PrinterModule {
    // Appends the printer commands to the table.
    void (*addCommands)(std::vector<Command>& table);
    // kOk when a spooler can be reached and its printer description loads; else the message is
    // printed and the exit code returned.
    int (*checkPrinters)();
};

// The module, loaded on first use; null (with the reason printed) when it cannot be.
const PrinterModule* printerModule();

} // namespace cli

// The module's one entry point.
extern "C" const cli::PrinterModule* davarazPrinterModule();
