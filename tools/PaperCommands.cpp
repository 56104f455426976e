// papers: the papers a printer's driver reports, with their sizes.
#include "Command.h"
#include "davaraz/print/PaperSizeGetter.h"
#include "davaraz/print/Printers.h"

#include <cstdio>

namespace cli {
namespace {

// One line per paper: number, name and "width x height mm", tab-separated.
int runPapers(const Args& args)
{
    const std::wstring name = widen(args[0]);
    OdString ports;
    {
        const wut::PrinterHandle printer{OdString(name)};
        if (printer.isNull())
            return fail(args[0], "no such printer");
        ports = wut::getPrinterPorts(printer);
    }
    OdArray<unsigned short> numbers;
    OdArray<OdString> names;
    OdArray<POINT> sizes;
    const wut::PaperSizeGetter getter(name.c_str(), ports.c_str());
    if (!getter.get(&numbers, &names, &sizes))
        return fail(args[0], "the driver reports no papers");
    // Numbers, names and sizes come from separate queries; a driver may report lists of
    // different lengths, so only complete rows are shown.
    unsigned rows = numbers.size();
    if (names.size() < rows)
        rows = names.size();
    if (sizes.size() < rows)
        rows = sizes.size();
    for (unsigned i = 0; i < rows; ++i)
        std::printf("%u\t%s\t%.1f x %.1f mm\n", static_cast<unsigned>(numbers[i]), narrow(names[i].str()).c_str(),
                    sizes[i].x / 10.0, sizes[i].y / 10.0);
    return std::fflush(stdout) == 0 ? kOk : fail("stdout", "write error");
}

} // namespace

void addPaperCommands(std::vector<Command>& table)
{
    table.push_back({"papers", "PRINTER",
                     "one tab-separated line per paper the printer's driver reports: number, name, width x height in mm", 1, 1, runPapers, true});
}

} // namespace cli
