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

constexpr const char* kExitCodes = "exit codes: 0 success; 1 a file or its content is wrong (one line on stderr names "
                                   "the file and why), or some of several files failed; 2 usage error. diff: 0 equal, "
                                   "1 different, 2 error.";

// Text folded into lines of at most 78 columns after an indent.
void printWrapped(std::FILE* out, const std::string& text, const char* indent)
{
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(at, end - at);
        if (!line.empty() && std::strlen(indent) + line.size() + 1 + word.size() > 78) {
            std::fprintf(out, "%s%s\n", indent, line.c_str());
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        at = end + 1;
    }
    if (!line.empty())
        std::fprintf(out, "%s%s\n", indent, line.c_str());
}

void printUsage(const std::vector<cli::Command>& table, std::FILE* out)
{
    std::fprintf(out, "usage: davaraz COMMAND [ARGS]   (davaraz COMMAND --help tells more)\n\ncommands:\n");
    for (const auto& c : table)
        std::fprintf(out, "  %s %s\n", c.name, c.usage);
    std::fprintf(out, "\n");
    printWrapped(out, kExitCodes, "");
}

int printHelp(const cli::Command& c)
{
    std::printf("usage: davaraz %s %s\n\n", c.name, c.usage);
    printWrapped(stdout, c.help, "  ");
    std::printf("\n");
    printWrapped(stdout, kExitCodes, "");
    return std::fflush(stdout) == 0 ? cli::kOk : cli::kFailed;
}

bool asksForHelp(const cli::Args& args)
{
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
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
    // "help COMMAND" is "COMMAND --help".
    const bool helpFor = argc > 2 && std::strcmp(argv[1], "help") == 0;
    const std::string name = argv[helpFor ? 2 : 1];
    if (!helpFor && (name == "help" || name == "--help" || name == "-h")) {
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
    const cli::Args args(argv + (helpFor ? 3 : 2), argv + argc);
    if (helpFor || asksForHelp(args))
        return printHelp(*c);
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
