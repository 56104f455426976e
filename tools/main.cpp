// davaraz: command-line tool over the library for CAD administrators and scripts.
#include "Command.h"
#include "PrinterModule.h"
#include "platform/tvutils/TempFiles.h"

#include <cstdio>
#include <cstring>

namespace {

// The commands on files alone; the printer commands come from their module when needed.
std::vector<cli::Command> fileCommands()
{
    std::vector<cli::Command> table;
    cli::addPiaCommands(table);
    cli::addPlotStyleCommands(table);
    cli::addStyleCommands(table);
    cli::addDiffCommand(table);
    return table;
}

void addPrinterCommands(std::vector<cli::Command>& table)
{
    if (const cli::PrinterModule* module = cli::printerModule())
        module->addCommands(table);
}

const cli::Command* find(const std::vector<cli::Command>& table, const std::string& name)
{
    for (const auto& c : table)
        if (name == c.name)
            return &c;
    return nullptr;
}

void printUsage(const std::vector<cli::Command>& table, std::FILE* out)
{
    std::fprintf(out, "usage: davaraz COMMAND [ARGS]\n\ncommands:\n");
    for (const auto& c : table)
        std::fprintf(out, "  %s %s\n", c.name, c.usage);
}

} // namespace

int main(int argc, char** argv)
{
    // A command cut short (Ctrl-C, a closed pipe, a file-size limit) leaves no temporary file.
    ut::removeTempFilesOnSignals();
    auto table = fileCommands();
    if (argc < 2) {
        addPrinterCommands(table);
        printUsage(table, stderr);
        return cli::kUsage;
    }
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        addPrinterCommands(table);
        printUsage(table, stdout);
        return cli::kOk;
    }
    const cli::Command* c = find(table, name);
    if (!c) {
        if (!cli::printerModule())
            return cli::kFailed;
        addPrinterCommands(table);
        c = find(table, name);
    }
    if (!c) {
        printUsage(table, stderr);
        return cli::usageError("unknown command '" + name + "'");
    }
    const cli::Args args(argv + 2, argv + argc);
    const int n = static_cast<int>(args.size());
    if (n < c->minArgs || (c->maxArgs >= 0 && n > c->maxArgs))
        return cli::usageError(std::string("usage: davaraz ") + c->name + " " + c->usage);
    if (c->usesPrinters) {
        const cli::PrinterModule* module = cli::printerModule();
        const int usable = module ? module->checkPrinters() : cli::kFailed;
        if (usable != cli::kOk)
            return usable;
    }
    return c->run(args);
}
