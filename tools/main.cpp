// davaraz: command-line tool over the library for CAD administrators and scripts.
#include "Command.h"
#include "davaraz/print/Printers.h"
#include "platform/tvutils/TempFiles.h"

#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

std::vector<cli::Command> commandTable()
{
    std::vector<cli::Command> table;
    cli::addPiaCommands(table);
    cli::addPlotStyleCommands(table);
    cli::addPrintCommands(table);
    cli::addPaperCommands(table);
    cli::addPc3Commands(table);
    return table;
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
    const auto table = commandTable();
    if (argc < 2) {
        printUsage(table, stderr);
        return cli::kUsage;
    }
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        printUsage(table, stdout);
        return cli::kOk;
    }
    for (const auto& c : table) {
        if (name != c.name)
            continue;
        const cli::Args args(argv + 2, argv + argc);
        const int n = static_cast<int>(args.size());
        if (n < c.minArgs || (c.maxArgs >= 0 && n > c.maxArgs))
            return cli::usageError(std::string("usage: davaraz ") + c.name + " " + c.usage);
        if (c.usesPrinters) {
            const OdString problem = wut::spoolerProblem();
            if (!problem.isEmpty())
                return cli::usageError(cli::narrow(problem.c_str()));
            // A printer description that does not load: its file and fault, and nothing done.
            const OdString printers = wut::printersProblem();
            if (!printers.isEmpty()) {
                std::fprintf(stderr, "%s\n", cli::narrow(printers.c_str()).c_str());
                return cli::kFailed;
            }
        }
        return c.run(args);
    }
    printUsage(table, stderr);
    return cli::usageError("unknown command '" + name + "'");
}
