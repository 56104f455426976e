// printers and devmode: the system's printers and a printer's default settings.
#include "Command.h"
#include "davaraz/print/DevModeDump.h"
#include "davaraz/print/Printers.h"
#include "davaraz/print/PrnHelper.h"

#include <cstdio>
#include <memory>

namespace cli {
namespace {

// One line per printer: name, driver, port and "default" on the default printer, tab-separated.
int runPrinters(const Args&)
{
    OdArray<OdString> printers;
    wut::getSystemPrinters(printers);
    const OdString defaultPrinter = wut::getDefaultSystemPrinter(false);
    for (const OdString& name : printers) {
        const CPrnHelper helper(name.c_str());
        std::wstring driver, port;
        helper.getPrinterDriver(driver);
        helper.getPorts(port);
        std::string line = narrow(name.str()) + "\t" + narrow(driver) + "\t" + narrow(port);
        if (!defaultPrinter.isEmpty() && name.iCompare(defaultPrinter) == 0)
            line += "\tdefault";
        std::printf("%s\n", line.c_str());
    }
    return std::fflush(stdout) == 0 ? kOk : fail("stdout", "write error");
}

int runDevMode(const Args& args)
{
    const std::wstring name = widen(args[0]);
    const std::unique_ptr<DEVMODEW, void (*)(DEVMODEW*)> dm(wut::getDevMode(name.c_str()), wut::freeDevMode);
    if (!dm)
        return fail(args[0], "no such printer, or its driver gives no settings");
    OdString text;
    wut::dumpDevMode(*dm, text);
    const std::string out = narrow(text.str());
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? kOk : fail("stdout", "write error");
}

} // namespace

void addPrintCommands(std::vector<Command>& table)
{
    table.push_back({"printers", "",
                     "one tab-separated line per printer: name, driver, port, and \"default\"", 0, 0, runPrinters, true});
    table.push_back({"devmode", "PRINTER",
                     "the printer's default print settings (DEVMODE), dumped", 1, 1, runDevMode, true});
}

} // namespace cli
