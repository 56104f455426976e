// Reads the printer description (JSON) of the virtual spooler. A bad description gives no
// printers and one message naming the file, the entry and the problem.
#include "platform/vspool/VirtualSpooler.h"
#include "platform/vspool/VirtualDriver.h"
#include "platform/tvutils/ReadFile.h"
#include "platform/win32/codepage.h"
#include "platform/win32/wstr.h"

#include <nlohmann/json.hpp>

#include <limits>
#include <unordered_set>

namespace vspool {
namespace {

using nlohmann::json;

std::string& message()
{
    static std::string m;
    return m;
}

struct LoadError {
    std::string text;
};

[[noreturn]] void failAt(const std::string& where, const std::string& problem)
{
    throw LoadError{where + ": " + problem};
}

const json* member(const json& obj, const std::string& where, const char* key, bool required)
{
    const auto it = obj.find(key);
    if (it == obj.end()) {
        if (required)
            failAt(where, std::string("'") + key + "' is missing");
        return nullptr;
    }
    return &*it;
}

void readString(const json& obj, const std::string& where, const char* key, std::wstring& out, bool required,
                std::size_t maxChars = 260)
{
    const json* v = member(obj, where, key, required);
    if (!v)
        return;
    if (!v->is_string())
        failAt(where, std::string("'") + key + "' must be a string");
    out = win32::fromUtf8(v->get<std::string>());
    if (required && out.empty())
        failAt(where, std::string("'") + key + "' is empty");
    if (out.size() > maxChars)
        failAt(where, std::string("'") + key + "' is longer than " + std::to_string(maxChars) + " characters");
}

void readBool(const json& obj, const std::string& where, const char* key, bool& out)
{
    const json* v = member(obj, where, key, false);
    if (!v)
        return;
    if (!v->is_boolean())
        failAt(where, std::string("'") + key + "' must be true or false");
    out = v->get<bool>();
}

template <class T>
void readInt(const json& obj, const std::string& where, const char* key, T& out, long long lo, long long hi,
             bool required = false)
{
    const json* v = member(obj, where, key, required);
    if (!v)
        return;
    if (!v->is_number_integer())
        failAt(where, std::string("'") + key + "' must be an integer");
    const long long n = v->get<long long>();
    if (n < lo || n > hi)
        failAt(where, std::string("'") + key + "' must be between " + std::to_string(lo) + " and " +
                          std::to_string(hi));
    out = static_cast<T>(n);
}

constexpr long long kShortMax = std::numeric_limits<short>::max();
constexpr long long kDwordMax = std::numeric_limits<DWORD>::max();

void readDefaults(const json& d, const std::string& where, Defaults& out)
{
    if (!d.is_object())
        failAt(where, "must be an object");
    readInt(d, where, "orientation", out.orientation, 1, 2);
    readInt(d, where, "paper", out.paper, 1, kShortMax);
    readInt(d, where, "scale", out.scale, 1, 400);
    readInt(d, where, "copies", out.copies, 1, kShortMax);
    readInt(d, where, "default_source", out.defaultSource, 1, kShortMax);
    readInt(d, where, "print_quality", out.printQuality, -4, kShortMax);
    readInt(d, where, "color", out.color, 1, 2);
    readInt(d, where, "duplex", out.duplex, 1, 3);
    readInt(d, where, "y_resolution", out.yResolution, 0, kShortMax);
    readInt(d, where, "tt_option", out.ttOption, 0, 4);
    readInt(d, where, "collate", out.collate, 0, 1);
    readInt(d, where, "log_pixels", out.logPixels, 0, 0xFFFF);
    readInt(d, where, "nup", out.nup, 1, 16);
    readInt(d, where, "icm_method", out.icmMethod, 0, kDwordMax);
    readInt(d, where, "icm_intent", out.icmIntent, 0, kDwordMax);
    readInt(d, where, "media_type", out.mediaType, 0, kDwordMax);
    readInt(d, where, "dither_type", out.ditherType, 0, kDwordMax);
}

// A paper; without "margins" of its own it gets the printer's margin on every side.
Paper readPaper(const json& j, const std::string& where, LONG margin)
{
    if (!j.is_object())
        failAt(where, "must be an object");
    Paper paper;
    readInt(j, where, "id", paper.id, 1, kShortMax, true);
    readString(j, where, "name", paper.name, true, 64);
    readInt(j, where, "width", paper.width, 1, kShortMax, true);
    readInt(j, where, "height", paper.height, 1, kShortMax, true);
    paper.margins = {margin, margin, margin, margin};
    if (const json* m = member(j, where, "margins", false)) {
        const std::string at = where + ".margins";
        if (!m->is_object())
            failAt(at, "must be an object with 'left', 'top', 'right' and 'bottom'");
        readInt(*m, at, "left", paper.margins.left, 0, paper.width, true);
        readInt(*m, at, "top", paper.margins.top, 0, paper.height, true);
        readInt(*m, at, "right", paper.margins.right, 0, paper.width, true);
        readInt(*m, at, "bottom", paper.margins.bottom, 0, paper.height, true);
        if (paper.margins.left + paper.margins.right >= paper.width ||
            paper.margins.top + paper.margins.bottom >= paper.height)
            failAt(at, "they leave nothing to print on");
    }
    return paper;
}

Bin readBin(const json& j, const std::string& where)
{
    if (!j.is_object())
        failAt(where, "must be an object with 'id' and 'name'");
    Bin bin;
    readInt(j, where, "id", bin.id, 1, kShortMax, true);
    readString(j, where, "name", bin.name, true, 24);
    return bin;
}

Printer readPrinter(const json& j, const std::string& where)
{
    if (!j.is_object())
        failAt(where, "must be an object");
    Printer p;
    readString(j, where, "name", p.name, true);
    readString(j, where, "driver", p.driver, true);
    readString(j, where, "port", p.port, true);
    readString(j, where, "comment", p.comment, false);
    readString(j, where, "location", p.location, false);
    readString(j, where, "server", p.server, false);
    readBool(j, where, "network", p.network);
    readBool(j, where, "shared", p.shared);
    readBool(j, where, "postscript", p.postscript);
    readBool(j, where, "color", p.color);
    readBool(j, where, "duplex", p.duplex);
    readInt(j, where, "driver_version", p.driverVersion, 0, 0xFFFF);
    readInt(j, where, "max_copies", p.maxCopies, 1, kShortMax);
    LONG margin = 42;
    readInt(j, where, "margin", margin, 0, 1000);
    readInt(j, where, "private_bytes", p.privateBytes, 0, 0xFFFF - sizeof(DEVMODEW));
    readInt(j, where, "private_version", p.privateVersion, 0, 0xFFFF);
    if (p.privateBytes > 0 && p.privateBytes < kPrivateHeader)
        failAt(where, "'private_bytes' must be 0 or at least " + std::to_string(kPrivateHeader));
    if (p.network && p.server.empty())
        failAt(where, "a network printer needs a 'server'");
    if (const json* res = member(j, where, "resolutions", false)) {
        if (!res->is_array() || res->empty())
            failAt(where, "'resolutions' must be a non-empty list of [x, y] pairs");
        p.resolutions.clear();
        for (const json& r : *res) {
            if (!r.is_array() || r.size() != 2 || !r[0].is_number_integer() || !r[1].is_number_integer() ||
                r[0].get<long long>() < 1 || r[1].get<long long>() < 1 || r[0].get<long long>() > kShortMax ||
                r[1].get<long long>() > kShortMax)
                failAt(where, "'resolutions' must be a non-empty list of [x, y] pairs of positive integers");
            p.resolutions.push_back({r[0].get<LONG>(), r[1].get<LONG>()});
        }
    }
    const json* papers = member(j, where, "papers", true);
    if (!papers->is_array() || papers->empty())
        failAt(where, "'papers' must be a non-empty list");
    for (std::size_t i = 0; i < papers->size(); ++i)
        p.papers.push_back(readPaper((*papers)[i], where + ".papers[" + std::to_string(i) + "]", margin));
    if (const json* bins = member(j, where, "bins", false)) {
        if (!bins->is_array())
            failAt(where, "'bins' must be a list");
        for (std::size_t i = 0; i < bins->size(); ++i) {
            const std::string at = where + ".bins[" + std::to_string(i) + "]";
            p.bins.push_back(readBin((*bins)[i], at));
            for (std::size_t k = 0; k + 1 < p.bins.size(); ++k)
                if (p.bins[k].id == p.bins.back().id)
                    failAt(at, "the id is used by an earlier bin");
        }
    }
    // Without defaults the driver starts on its first paper and its first resolution.
    p.defaults.paper = static_cast<short>(p.papers.front().id);
    p.defaults.printQuality = static_cast<short>(p.resolutions.front().x);
    p.defaults.yResolution = static_cast<short>(p.resolutions.front().y);
    if (!p.color)
        p.defaults.color = DMCOLOR_MONOCHROME;
    if (!p.bins.empty())
        p.defaults.defaultSource = static_cast<short>(p.bins.front().id);
    if (const json* d = member(j, where, "defaults", false))
        readDefaults(*d, where + ".defaults", p.defaults);
    if (!driver::findPaper(p, p.defaults.paper))
        failAt(where + ".defaults", "'paper' " + std::to_string(p.defaults.paper) + " is not in the paper list");
    if (!p.bins.empty() && !driver::findBin(p, p.defaults.defaultSource))
        failAt(where + ".defaults", "'default_source' " + std::to_string(p.defaults.defaultSource) +
                                        " is not in the bin list");
    if (p.defaults.copies > p.maxCopies)
        failAt(where + ".defaults", "'copies' is above 'max_copies'");
    return p;
}

bool fail(const std::string& origin, const std::string& problem)
{
    message() = "davaraz: printer description " + origin + ": " + problem;
    setPrinters({}, std::wstring());
    return false;
}

} // namespace

const std::string& lastMessage() { return message(); }

bool loadText(const std::string& text, const std::string& origin)
{
    json doc;
    try {
        doc = json::parse(text);
    } catch (const json::exception& e) {
        // e.what() names the byte position of the syntax error.
        return fail(origin, std::string("not valid JSON: ") + e.what());
    }
    try {
        if (!doc.is_object())
            failAt("top level", "must be an object with a 'printers' list");
        std::vector<Printer> list;
        std::unordered_set<std::wstring> names; // folded, as the spooler compares them
        const json* printers = member(doc, "top level", "printers", true);
        if (!printers->is_array())
            failAt("top level", "'printers' must be a list");
        for (std::size_t i = 0; i < printers->size(); ++i) {
            const std::string where = "printers[" + std::to_string(i) + "]";
            Printer p = readPrinter((*printers)[i], where);
            if (!names.insert(win32::foldCase(p.name)).second)
                failAt(where, "the name is used by an earlier printer");
            list.push_back(std::move(p));
        }
        std::wstring defaultName;
        readString(doc, "top level", "default", defaultName, false);
        if (!defaultName.empty() && !names.count(win32::foldCase(defaultName)))
            failAt("top level", "'default' names no printer of the list");
        setPrinters(std::move(list), defaultName);
    } catch (const LoadError& e) {
        return fail(origin, e.text);
    } catch (const json::exception& e) {
        return fail(origin, e.what());
    }
    message().clear();
    return true;
}

bool loadFile(const std::string& path)
{
    std::string text;
    const ut::FileRead read = ut::readRegularFile(path, kMaxDescriptionBytes, text);
    if (!read)
        return fail(path, "cannot be read: " + read.why);
    return loadText(text, path);
}

} // namespace vspool
