// style set, add, rename and delete: one table edited in place through the safe write.
#include "Command.h"
#include "StyleFields.h"
#include "davaraz/pia/PIAFile.h"

#include <cstdio>
#include <memory>

namespace cli {
namespace {

constexpr const char* kStyleUsage = "set FILE STYLE KEY=VALUE... | add FILE NAME [--after STYLE] [--like STYLE] | "
                                    "rename FILE STYLE NAME | delete FILE STYLE";

// A style by position (0, 1, ...) or by name, internal or shown, letter case ignored; -1 with
// the message printed when the table has none such.
int findStyle(const CPlotStyleTable& table, const std::string& path, const std::string& which)
{
    if (!which.empty() && which.find_first_not_of("0123456789") == std::string::npos) {
        if (which.size() < 10 && std::stoul(which) < table.size())
            return static_cast<int>(std::stoul(which));
        fail(path, "has no style at position " + which + " (it has " + std::to_string(table.size()) + ")");
        return -1;
    }
    const std::wstring name = widen(which);
    if (const CPlotStyle* s = table.find(name.c_str()))
        return table.indexOf(s);
    const int at = table.findLocName(name.c_str());
    if (at < 0)
        fail(path, "has no style named \"" + which + "\"");
    return at;
}

// Every KEY=VALUE is checked before any is applied: a refused one leaves the file as it was.
int runSet(const Args& args)
{
    if (args.size() < 4)
        return usageError("usage: davaraz style set FILE STYLE KEY=VALUE...");
    std::vector<std::pair<std::string, Json>> changes;
    for (std::size_t i = 3; i < args.size(); ++i) {
        const std::size_t eq = args[i].find('=');
        const std::string key = args[i].substr(0, eq);
        const Field* field = findField(styleFields(), key);
        if (eq == std::string::npos || !field)
            return usageError("style set: \"" + args[i] + "\": expects KEY=VALUE with a key of styles --json");
        if (key == "name" || key == "localized_name" || key == "aci_colors")
            return usageError("style set: " + key + (key == "aci_colors" ? " is the table's ACI mapping, kept as it is"
                                                                             : " changes with style rename"));
        std::string why;
        Json value = fieldFromText(field->type, args[i].substr(eq + 1), why);
        if (!why.empty())
            return usageError("style set: " + key + ": " + why);
        changes.emplace_back(key, std::move(value));
    }
    int rc = kOk;
    const auto table = loadTable(args[1], rc);
    if (!table)
        return rc;
    const int at = findStyle(*table, args[1], args[2]);
    if (at < 0)
        return kFailed;
    CPlotStyle edited = *table->style(at);
    for (const auto& change : changes) {
        const std::string why = setStyleField(*table, edited, change.first, change.second);
        if (!why.empty())
            return fail(args[1], change.first + ": " + why);
    }
    *table->style(at) = edited;
    return writeTable(*table, args[1]);
}

// "--after STYLE" and "--like STYLE" of style add; false for anything else.
bool addOptions(const Args& args, std::string& after, std::string& like)
{
    for (std::size_t i = 3; i < args.size(); i += 2) {
        if (i + 1 >= args.size() || (args[i] != "--after" && args[i] != "--like"))
            return false;
        std::string& target = args[i] == "--after" ? after : like;
        if (!target.empty())
            return false;
        target = args[i + 1];
    }
    return true;
}

int runAdd(const Args& args)
{
    std::string after;
    std::string like;
    if (args.size() < 3 || !addOptions(args, after, like) || args[2].empty())
        return usageError("usage: davaraz style add FILE NAME [--after STYLE] [--like STYLE]");
    int rc = kOk;
    const auto table = loadTable(args[1], rc);
    if (!table)
        return rc;
    if (table->hasACI())
        return fail(args[1], "maps the ACI colours onto its styles, so it keeps the styles it has (add them to a "
                             "named table)");
    const int afterAt = after.empty() ? -1 : findStyle(*table, args[1], after);
    const int likeAt = like.empty() ? -1 : findStyle(*table, args[1], like);
    if ((!after.empty() && afterAt < 0) || (!like.empty() && likeAt < 0))
        return kFailed;
    if (!table->addStyle(widen(args[2]).c_str(), afterAt, likeAt < 0 ? nullptr : table->style(likeAt)))
        return fail(args[1], "already has a style named \"" + args[2] + "\" (letter case and blanks for '_' ignored)");
    return writeTable(*table, args[1]);
}

int runRename(const Args& args)
{
    if (args.size() != 4 || args[3].empty())
        return usageError("usage: davaraz style rename FILE STYLE NAME");
    int rc = kOk;
    const auto table = loadTable(args[1], rc);
    if (!table)
        return rc;
    const int at = findStyle(*table, args[1], args[2]);
    if (at < 0)
        return kFailed;
    if (!table->renameStyle(at, widen(args[3]).c_str()))
        return fail(args[1], "already has a style named \"" + args[3] + "\" (letter case and blanks for '_' ignored)");
    return writeTable(*table, args[1]);
}

int runDelete(const Args& args)
{
    if (args.size() != 3)
        return usageError("usage: davaraz style delete FILE STYLE");
    int rc = kOk;
    const auto table = loadTable(args[1], rc);
    if (!table)
        return rc;
    if (table->hasACI())
        return fail(args[1], "maps the ACI colours onto its styles, so it keeps the styles it has");
    const int at = findStyle(*table, args[1], args[2]);
    if (at < 0)
        return kFailed;
    table->deleteStyle(at);
    return writeTable(*table, args[1]);
}

int runStyle(const Args& args)
{
    const std::string& sub = args[0];
    if (sub == "set")
        return runSet(args);
    if (sub == "add")
        return runAdd(args);
    if (sub == "rename")
        return runRename(args);
    if (sub == "delete")
        return runDelete(args);
    return usageError(std::string("usage: davaraz style ") + kStyleUsage);
}

} // namespace

void addStyleCommands(std::vector<Command>& table) { table.push_back({"style", kStyleUsage,
                     "set: changes fields of one style (STYLE: its position or name; KEY as in styles --json); color, aci and lineweight_mm go through the palette and the table's line weights. add, rename, delete: styles of a named table, names unique ignoring case. The table is written back safely", 3, -1, runStyle}); }

} // namespace cli
