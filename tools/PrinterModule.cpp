// The module side: the printer command groups and the spooler check they need first.
#include "PrinterModule.h"
#include "davaraz/print/Printers.h"

#include <cstdio>

namespace {

void addCommands(std::vector<cli::Command>& table)
{
    cli::addPrintCommands(table);
    cli::addPaperCommands(table);
    cli::addPc3Commands(table);
    cli::addPreviewCommand(table);
}

int checkPrinters()
{
    const OdString problem = wut::spoolerProblem();
    if (!problem.isEmpty())
        return cli::usageError(cli::narrow(problem.c_str()));
    // A printer description that does not load: its file and fault, and nothing done.
    const OdString printers = wut::printersProblem();
    if (!printers.isEmpty()) {
        std::fprintf(stderr, "%s\n", cli::narrow(printers.c_str()).c_str());
        return cli::kFailed;
    }
    return cli::kOk;
}

} // namespace

extern "C" const cli::PrinterModule* davarazPrinterModule()
{
    static const cli::PrinterModule module{&addCommands, &checkPrinters};
    return &module;
}
