// diff A B: two documents of one kind compared by meaning; exit 0 equal, 1 different, 2 error.
#include "Command.h"
#include "StyleFields.h"
#include "davaraz/pia/PIAParser.h"

#include <charconv>
#include <cstdio>
#include <cwchar>
#include <map>

namespace cli {
namespace {

constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

struct Report {
    int differences = 0;
    void line(const std::string& where, const std::string& text)
    {
        ++differences;
        std::printf("%s: %s\n", where.c_str(), text.c_str());
    }
    void change(const std::string& where, const std::string& a, const std::string& b) { line(where, a + " -> " + b); }
};

std::string shown(const Json& v) { return v.is_string() ? v.dump() : v.is_null() ? "none" : fieldToText(v); }

// Styles of two tables paired: by position where a table maps ACI colours (the position is
// what the colours refer to), by name, letter case ignored, between named tables.
std::vector<std::pair<int, int>> pairStyles(const CPlotStyleTable& a, const CPlotStyleTable& b)
{
    std::vector<std::pair<int, int>> pairs;
    const bool byPosition = a.hasACI() || b.hasACI();
    std::vector<bool> taken(b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        int j = -1;
        if (byPosition)
            j = i < b.size() ? static_cast<int>(i) : -1;
        else if (const CPlotStyle* s = b.find(a.style(static_cast<int>(i))->name()))
            j = b.indexOf(s);
        if (j >= 0)
            taken[static_cast<std::size_t>(j)] = true;
        pairs.emplace_back(static_cast<int>(i), j);
    }
    for (std::size_t j = 0; j < b.size(); ++j)
        if (!taken[j])
            pairs.emplace_back(-1, static_cast<int>(j));
    return pairs;
}

void diffTables(const Json& ja, const Json& jb, const CPlotStyleTable& a, const CPlotStyleTable& b, Report& out)
{
    for (const Field& f : tableFields())
        if (ja[f.key] != jb[f.key])
            out.change(f.key, shown(ja[f.key]), shown(jb[f.key]));
    for (std::size_t i = 0; i < ja["custom_lineweights"].size(); ++i)
        if (ja["custom_lineweights"][i] != jb["custom_lineweights"][i])
            out.change("custom_lineweights[" + std::to_string(i) + "]", shown(ja["custom_lineweights"][i]),
                       shown(jb["custom_lineweights"][i]));
    for (const auto& p : pairStyles(a, b)) {
        const Json& sa = p.first >= 0 ? ja["styles"][static_cast<std::size_t>(p.first)] : Json();
        const Json& sb = p.second >= 0 ? jb["styles"][static_cast<std::size_t>(p.second)] : Json();
        const std::string where = "style " + std::to_string(p.first >= 0 ? p.first : p.second) + " " +
                                  (p.first >= 0 ? sa : sb)["name"].dump();
        if (p.first < 0 || p.second < 0) {
            out.line(where, p.first < 0 ? "only in the second" : "only in the first");
            continue;
        }
        if (p.first != p.second)
            out.change(where + ": position", std::to_string(p.first), std::to_string(p.second));
        for (const Field& f : styleFields())
            if (sa[f.key] != sb[f.key])
                out.change(where + ": " + f.key, shown(sa[f.key]), shown(sb[f.key]));
    }
}

// A document's tree flattened to its values, keyed by path ("media/size/3/name") and kind.
using Values = std::map<std::string, std::string>;

std::string number(const std::wstring& text)
{
    // Compared by value: 2.5, 2.500000 and 2.5e0 are one number.
    const std::string narrowed = narrow(text);
    double v = 0;
    const char* end = narrowed.data() + narrowed.size();
    const auto r = std::from_chars(narrowed.data(), end, v);
    if (r.ec != std::errc() || r.ptr != end)
        return narrowed;
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

void flatten(const CPBlock& block, const std::string& path, Values& out, std::vector<std::string>& order)
{
    if (block.count() == 0 && !path.empty())
        out[path + "\t"] = "{}", order.push_back(path + "\t");
    for (int i = 0; i < block.count(); ++i) {
        const CPItem* item = block.item(i);
        const std::string at = (path.empty() ? "" : path + "/") + narrow(std::wstring(item->name()));
        std::string value;
        switch (item->kind()) {
        case PI_BLOCK:
            flatten(*static_cast<const CPBlock*>(item), at, out, order);
            continue;
        case PI_BOOL:
            value = static_cast<const CPBool*>(item)->value() ? "TRUE" : "FALSE";
            break;
        case PI_NUM:
            value = number(std::wstring(static_cast<const CPNum*>(item)->text()));
            break;
        case PI_STR:
            value = "\"" + narrow(std::wstring(static_cast<const CPStr*>(item)->text())) + "\"";
            break;
        default:
            value = "binary " + narrow(static_cast<const CPBin*>(item)->text());
        }
        const std::string key = at + "\t" + std::to_string(item->kind());
        if (out.emplace(key, value).second)
            order.push_back(key);
    }
}

bool readValues(const std::string& path, Values& values, std::vector<std::string>& order)
{
    const pia::ReadResult r = pia::readDocument(widen(path).c_str(), [&](CPIAParser& parser, pia::ReadResult&) {
        if (parser.root())
            flatten(*parser.root(), "", values, order);
        return true;
    });
    if (!r)
        fail(path, narrow(r.description()));
    return static_cast<bool>(r);
}

void diffValues(const Values& a, const std::vector<std::string>& orderA, const Values& b,
                const std::vector<std::string>& orderB, Report& out)
{
    const auto where = [](const std::string& key) { return key.substr(0, key.find('\t')); };
    for (const std::string& key : orderA) {
        const auto other = b.find(key);
        if (other == b.end())
            out.line(where(key), "only in the first (" + a.at(key) + ")");
        else if (other->second != a.at(key))
            out.change(where(key), a.at(key), other->second);
    }
    for (const std::string& key : orderB)
        if (!a.count(key))
            out.line(where(key), "only in the second (" + b.at(key) + ")");
}

int runDiff(const Args& args)
{
    const auto kindOf = [](const std::string& path) -> std::string {
        if (hasExtension(path, L"ctb") || hasExtension(path, L"stb"))
            return "table";
        return hasExtension(path, L"pc3") ? "pc3" : hasExtension(path, L"pmp") ? "pmp" : "";
    };
    const std::string kind = kindOf(args[0]);
    if (kind.empty() || kind != kindOf(args[1])) {
        usageError("diff: " + args[0] + ", " + args[1] +
                   ": expects two plot style tables (.ctb, .stb), two .pc3 or two .pmp files");
        return kTrouble;
    }
    Report report;
    if (kind == "table") {
        int rc = kOk;
        const auto a = loadTable(args[0], rc);
        const auto b = a ? loadTable(args[1], rc) : nullptr;
        if (!b)
            return kTrouble;
        std::string why;
        const Json ja = tableToJson(*a, why);
        if (!why.empty())
            return fail(args[0], "cannot be compared: " + why), kTrouble;
        const Json jb = tableToJson(*b, why);
        if (!why.empty())
            return fail(args[1], "cannot be compared: " + why), kTrouble;
        diffTables(ja, jb, *a, *b, report);
    } else {
        Values a;
        Values b;
        std::vector<std::string> orderA;
        std::vector<std::string> orderB;
        if (!readValues(args[0], a, orderA) || !readValues(args[1], b, orderB))
            return kTrouble;
        diffValues(a, orderA, b, orderB, report);
    }
    if (std::fflush(stdout) != 0) {
        fail("stdout", "write error");
        return kTrouble;
    }
    return report.differences ? kDifferent : kOk;
}

} // namespace

void addDiffCommand(std::vector<Command>& table) { table.push_back({"diff", "A B",
                     "compares two plot style tables, two .pc3 or two .pmp files by meaning: field by field, key by key, numbers by value; exit 0 when equal, 1 when different, 2 on error", 2, 2, runDiff}); }

} // namespace cli
