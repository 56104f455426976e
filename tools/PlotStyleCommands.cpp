// ctb new, stb new, ctb2stb and styles: plot style tables from the command line.
#include "Command.h"
#include "davaraz/pia/PIAFile.h"
#include "davaraz/plotstyle/Ctb2Stb.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <cstdio>
#include <memory>
#include <string>

namespace cli {
namespace {

// Splits "[--base NAME]" off the positional arguments; false for anything else.
bool takeBase(const Args& args, std::size_t first, Args& positional, std::wstring& base, bool& hasBase)
{
    hasBase = false;
    for (std::size_t i = first; i < args.size(); ++i) {
        if (args[i] == "--base") {
            if (i + 1 >= args.size() || hasBase)
                return false;
            base = widen(args[++i]);
            hasBase = true;
        } else {
            positional.push_back(args[i]);
        }
    }
    return true;
}

bool hasKind(const std::string& path, int kind) { return pia::kindForPath(widen(path).c_str()) == kind; }

int writeTable(CPlotStyleTable& table, const std::string& out)
{
    pia::WriteResult written;
    table.write(widen(out).c_str(), &written);
    return reportWrite(out, written);
}

std::unique_ptr<CPlotStyleTable> load(const std::string& path, int& rc)
{
    pia::ReadResult result;
    std::unique_ptr<CPlotStyleTable> table(CPlotStyleTable::read(widen(path).c_str(), &result));
    rc = table ? kOk : fail(path, narrow(result.description()));
    return table;
}

int runCtb(const Args& args)
{
    Args pos;
    std::wstring base;
    bool hasBase = false;
    if (args[0] != "new" || !takeBase(args, 1, pos, base, hasBase) || pos.size() != 1)
        return usageError("usage: davaraz ctb new OUT [--base NAME]");
    if (!hasKind(pos[0], PIA_CTB))
        return usageError("ctb new: " + pos[0] + ": a colour-dependent table needs the extension .ctb");
    std::unique_ptr<CPlotStyleTable> table(CPlotStyleTable::create(true, hasBase ? base.c_str() : nullptr));
    return writeTable(*table, pos[0]);
}

int runStb(const Args& args)
{
    if (args[0] != "new")
        return usageError("usage: davaraz stb new OUT");
    if (!hasKind(args[1], PIA_STB))
        return usageError("stb new: " + args[1] + ": a named table needs the extension .stb");
    std::unique_ptr<CPlotStyleTable> table(CPlotStyleTable::create(false, nullptr));
    return writeTable(*table, args[1]);
}

int runCtb2Stb(const Args& args)
{
    Args pos;
    std::wstring base;
    bool hasBase = false;
    if (!takeBase(args, 0, pos, base, hasBase) || pos.size() != 2)
        return usageError("usage: davaraz ctb2stb IN OUT [--base NAME]");
    if (!hasKind(pos[1], PIA_STB))
        return usageError("ctb2stb: " + pos[1] + ": a named table needs the extension .stb");
    if (refuseInputAsOutput(pos[0], pos[1]) != kOk)
        return kFailed;
    int rc = kOk;
    const auto source = load(pos[0], rc);
    if (!source)
        return rc;
    if (!source->useACI())
        return fail(pos[0], "not a colour-dependent table (no ACI mapping in force)");
    if (source->size() > static_cast<std::size_t>(CAciTable::kSize))
        return fail(pos[0], "holds " + std::to_string(source->size()) +
                                " styles; only 255 have an ACI colour, so it cannot be converted");
    std::unique_ptr<CPlotStyleTable> result(ctb2stb(*source, hasBase ? base.c_str() : nullptr));
    return writeTable(*result, pos[1]);
}

// ACI colour numbers (1 to 255) as ranges: "1-3,7".
std::string aciNumbers(const CPlotStyleTable& table, const CPlotStyle* style)
{
    std::string out;
    const CAciTable* aci = table.ACI();
    for (int i = 0; i < CAciTable::kSize;) {
        if (aci->at(i) != style) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < CAciTable::kSize && aci->at(j + 1) == style)
            ++j;
        out += (out.empty() ? "" : ",") + std::to_string(i + 1);
        if (j > i)
            out += "-" + std::to_string(j + 1);
        i = j + 1;
    }
    return out.empty() ? "-" : out;
}

int runStyles(const Args& args)
{
    int rc = kOk;
    const auto table = load(args[0], rc);
    if (!table)
        return rc;
    for (std::size_t i = 0; i < table->size(); ++i) {
        const CPlotStyle& s = *table->style(static_cast<int>(i));
        const int rgb = s.color2rgb();
        char color[16] = "object";
        if (rgb != -1)
            std::snprintf(color, sizeof color, "#%06X", static_cast<unsigned>(rgb) & 0xFFFFFFu);
        std::string line = std::to_string(i) + "\t" + narrow(s.name()) + "\t" + narrow(s.locName()) + "\t" + color +
                           "\t" + std::to_string(s.lineWeight()) + "\t" + std::to_string(s.screen());
        if (table->ACI())
            line += "\t" + aciNumbers(*table, &s);
        std::printf("%s\n", line.c_str());
    }
    return std::fflush(stdout) == 0 ? kOk : fail("stdout", "write error");
}

} // namespace

void addPlotStyleCommands(std::vector<Command>& table)
{
    table.push_back({"ctb", "new OUT [--base NAME]", 2, 4, runCtb});
    table.push_back({"stb", "new OUT", 2, 2, runStb});
    table.push_back({"ctb2stb", "IN OUT [--base NAME]", 2, 4, runCtb2Stb});
    table.push_back({"styles", "FILE", 1, 1, runStyles});
}

} // namespace cli
