// ctb new, stb new, ctb2stb and styles: plot style tables from the command line.
#include "Command.h"
#include "StyleFields.h"
#include "davaraz/pia/PIAFile.h"
#include "davaraz/plotstyle/Ctb2Stb.h"
#include "davaraz/plotstyle/PlotStyleTable.h"
#include "platform/tvutils/ReadFile.h"
#include "platform/tvutils/SafeWrite.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// The table as JSON or CSV, every field of every style (ctb import reads it back), on stdout
// or into the file out.
int exportTable(const std::string& path, const CPlotStyleTable& table, bool csv, const std::string& out)
{
    std::string why;
    const Json json = tableToJson(table, why);
    if (!why.empty())
        return fail(path, "cannot be exported: " + why);
    const std::string text = csv ? jsonToCsv(json) : json.dump(2) + "\n";
    if (!out.empty()) {
        if (const int err = ut::replaceFile(out, {text}))
            return fail(out, std::string("cannot write the file: ") + std::strerror(err));
        std::printf("%s -> %s\n", path.c_str(), out.c_str());
        return kOk;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kOk : fail("stdout", "write error");
}

// One line per style: position, names, colour, line weight, screen and, with a mapping, the
// ACI colours that use it.
int listStyles(const CPlotStyleTable& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        const CPlotStyle& s = *table.style(static_cast<int>(i));
        const std::string colors = styleField(table, s, "aci_colors").get<std::string>();
        std::string line = std::to_string(i) + "\t" + narrow(s.name()) + "\t" + narrow(s.locName()) + "\t" +
                           styleField(table, s, "color").get<std::string>() + "\t" + std::to_string(s.lineWeight()) +
                           "\t" + std::to_string(s.screen());
        if (table.ACI())
            line += "\t" + (colors.empty() ? std::string("-") : colors);
        std::printf("%s\n", line.c_str());
    }
    return std::fflush(stdout) == 0 ? kOk : fail("stdout", "write error");
}

// Removes a flag from the arguments; whether it was there.
bool takeFlag(Args& args, const char* flag)
{
    const auto it = std::find(args.begin(), args.end(), flag);
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}

int runStyles(const Args& given)
{
    Args files = given;
    std::string dir;
    const bool json = takeFlag(files, "--json");
    const bool csv = takeFlag(files, "--csv");
    const bool outDir = takeOutDir(files, dir);
    const bool options = std::any_of(files.begin(), files.end(), [](const std::string& a) { return a.rfind("--", 0) == 0; });
    if (!outDir || files.empty() || options || (json && csv) || (!dir.empty() && !json && !csv) ||
        (files.size() > 1 && (json || csv) && dir.empty()))
        return usageError("usage: davaraz styles FILE... [--json|--csv] [--out-dir DIR] (several files export into a "
                          "folder)");
    int rc = kOk;
    std::vector<std::string> outputs;
    if (!dir.empty() && (outputs = outputsIn(dir, files, json ? "json" : "csv", rc)).empty())
        return rc;
    std::size_t next = 0;
    return eachFile(
        files,
        [&](const std::string& path) {
            const std::string out = outputs.empty() ? std::string() : outputs[next++];
            int loaded = kOk;
            const auto table = loadTable(path, loaded);
            if (!table)
                return loaded;
            return json || csv ? exportTable(path, *table, csv, out) : listStyles(*table);
        },
        outputs.empty());
}

// An export of 255 styles is about 200 KB; a table of many thousand styles still fits.
constexpr std::uint64_t kMaxImport = 64u << 20;

// ctb import / stb import: a table from the JSON or CSV of an export (IN's extension says which).
int importTable(const Args& args, int kind, const char* extension)
{
    const std::string& in = args[1];
    const std::string& out = args[2];
    const bool csv = hasExtension(in, L"csv");
    if (!csv && !hasExtension(in, L"json"))
        return usageError(std::string(extension) + " import: " + in + ": expects a .json or .csv file, as styles --json or --csv writes");
    if (!hasKind(out, kind))
        return usageError(std::string(extension) + " import: " + out + ": needs the extension ." + extension);
    if (refuseInputAsOutput(in, out) != kOk)
        return kFailed;
    std::string text;
    const ut::FileRead read = ut::readRegularFile(in, kMaxImport, text);
    if (!read)
        return fail(in, "cannot read: " + read.why);
    std::string why;
    Json json;
    if (csv) {
        std::vector<CsvRow> rows;
        if (parseCsv(text, rows, why))
            json = csvToJson(rows, why);
    } else {
        try {
            json = Json::parse(text);
        } catch (const Json::parse_error& e) {
            // "[json.exception.parse_error.101] parse error at line 2, column 3: ..."
            const std::string what = e.what();
            why = "is not JSON: " + what.substr(what.find(']') == std::string::npos ? 0 : what.find(']') + 2);
        }
    }
    std::unique_ptr<CPlotStyleTable> table;
    if (why.empty())
        table = tableFromJson(json, why);
    if (!table)
        return fail(in, why);
    return writeTable(*table, out);
}

int runCtb(const Args& args)
{
    if (args[0] == "import")
        return args.size() == 3 ? importTable(args, PIA_CTB, "ctb") : usageError("usage: davaraz ctb import IN OUT");
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
    if (args[0] == "import")
        return args.size() == 3 ? importTable(args, PIA_STB, "stb") : usageError("usage: davaraz stb import IN OUT");
    if (args[0] != "new" || args.size() != 2)
        return usageError("usage: davaraz stb new OUT");
    if (!hasKind(args[1], PIA_STB))
        return usageError("stb new: " + args[1] + ": a named table needs the extension .stb");
    std::unique_ptr<CPlotStyleTable> table(CPlotStyleTable::create(false, nullptr));
    return writeTable(*table, args[1]);
}

int convert(const std::string& in, const std::string& out, const std::wstring* base)
{
    if (refuseInputAsOutput(in, out) != kOk)
        return kFailed;
    int rc = kOk;
    const auto source = loadTable(in, rc);
    if (!source)
        return rc;
    if (!source->useACI())
        return fail(in, "not a colour-dependent table (no ACI mapping in force)");
    if (source->size() > static_cast<std::size_t>(CAciTable::kSize))
        return fail(in, "holds " + std::to_string(source->size()) +
                            " styles; only 255 have an ACI colour, so it cannot be converted");
    std::unique_ptr<CPlotStyleTable> result(ctb2stb(*source, base ? base->c_str() : nullptr));
    return writeTable(*result, out);
}

int runCtb2Stb(const Args& args)
{
    Args rest = args;
    Args pos;
    std::wstring base;
    bool hasBase = false;
    std::string dir;
    const char* usage = "usage: davaraz ctb2stb IN OUT [--base NAME] | ctb2stb IN... --out-dir DIR [--base NAME]";
    if (!takeOutDir(rest, dir) || !takeBase(rest, 0, pos, base, hasBase) || pos.empty() ||
        (dir.empty() && pos.size() != 2))
        return usageError(usage);
    if (dir.empty()) {
        if (!hasKind(pos[1], PIA_STB))
            return usageError("ctb2stb: " + pos[1] + ": a named table needs the extension .stb");
        return convert(pos[0], pos[1], hasBase ? &base : nullptr);
    }
    int rc = kOk;
    const std::vector<std::string> outputs = outputsIn(dir, pos, "stb", rc);
    if (outputs.empty())
        return rc;
    std::size_t next = 0;
    return eachFile(
        pos,
        [&](const std::string& in) {
            const std::string& out = outputs[next++];
            const int done = convert(in, out, hasBase ? &base : nullptr);
            if (done == kOk)
                std::printf("%s -> %s\n", in.c_str(), out.c_str());
            return done;
        },
        false);
}

} // namespace

void addPlotStyleCommands(std::vector<Command>& table)
{
    table.push_back({"ctb", "new OUT [--base NAME] | import IN OUT",
                     "new: a colour-dependent plot style table of 255 styles, NAME_1 to NAME_255 (NAME: Color, translated). import: a table from the JSON or CSV that styles --json or --csv writes (IN's extension says which), names and ACI mapping checked", 2, 4, runCtb});
    table.push_back({"stb", "new OUT | import IN OUT",
                     "new: a named plot style table holding the style Normal. import: as ctb import, for a named table", 2, 3, runStb});
    table.push_back({"ctb2stb", "IN OUT [--base NAME] | IN... --out-dir DIR [--base NAME]",
                     "converts colour-dependent tables into named ones: equal styles become one style, named NAME_1, NAME_2, ...; with --out-dir each IN becomes DIR/<its name>.stb", 2, -1, runCtb2Stb});
    table.push_back({"styles", "FILE... [--json|--csv] [--out-dir DIR]",
                     "one tab-separated line per style: position, names, colour, line weight, screen, ACI colours. --json and --csv: every field of the table and of each style, for import; with --out-dir each FILE becomes DIR/<its name>.json or .csv", 1, -1, runStyles});
}

} // namespace cli
