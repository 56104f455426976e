// Backend registry of the spooler and the choice of the active backend.
#include "platform/win32/Spooler.h"
#include "platform/win32/wstr.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace win32 {
namespace spool {
namespace {

struct Registry {
    std::vector<const Backend*> backends;
    const Backend* active = nullptr;
    std::string problem;
};

Registry& registry()
{
    static Registry* r = new Registry; // never destroyed: backends register from static objects
    return *r;
}

const Backend* byName(const char* name)
{
    for (const Backend* b : registry().backends)
        if (name && std::strcmp(b->name, name) == 0)
            return b;
    return nullptr;
}

bool canServe(const Backend* b, std::string& why) { return !b->available || b->available(b->context, why); }

bool hasPrinters(const Backend* b)
{
    std::vector<PrinterEntry> printers;
    return b->listPrinters(b->context, printers) && !printers.empty();
}

const Backend* preferred()
{
    const Backend* best = nullptr;
    const Backend* bestWithPrinters = nullptr;
    std::string why;
    for (const Backend* b : registry().backends) {
        if (!canServe(b, why))
            continue;
        if (!best || b->preference > best->preference)
            best = b;
        if ((!bestWithPrinters || b->preference > bestWithPrinters->preference) && hasPrinters(b))
            bestWithPrinters = b;
    }
    return bestWithPrinters ? bestWithPrinters : best;
}

// The backend of an unusable choice: no printers, every question refused.
bool noList(void*, std::vector<PrinterEntry>&) { return false; }
bool noPrinter(void*, const std::wstring&, PrinterEntry&) { return false; }
bool noName(void*, std::wstring&) { return false; }
bool noSet(void*, const std::wstring&) { return false; }
int noSize(void*, const std::wstring&) { return 0; }
bool noDefaults(void*, const std::wstring&, std::vector<BYTE>&) { return false; }
bool noMerge(void*, const std::wstring&, const DEVMODEW&, std::vector<BYTE>&) { return false; }
bool noPapers(void*, const std::wstring&, const DEVMODEW*, std::vector<Paper>&) { return false; }
bool noCapabilities(void*, const std::wstring&, const DEVMODEW*, Capabilities&) { return false; }
bool noEscape(void*, const std::wstring&, int) { return false; }
DWORD noStart(void*, const std::wstring&, const std::wstring&, const DEVMODEW*) { return 0; }
bool noWrite(void*, DWORD, const BYTE*, DWORD) { return false; }
bool noJob(void*, DWORD) { return false; }
const Backend kNone = {"none",     nullptr, 0,        nullptr,        noList,   noPrinter, noName,  noSet,
                       noSize,     noDefaults, noMerge, noPapers,    noCapabilities, noEscape, noStart, noWrite,
                       noJob,      noJob,   nullptr};

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}

// "auto", also when nothing is asked.
bool automatic(const char* name) { return !name || !*name || std::strcmp(name, "auto") == 0; }

// The backend asked for, or null with why not.
const Backend* choose(const char* asked, std::string& problem)
{
    if (automatic(asked)) {
        const Backend* b = preferred();
        if (!b)
            problem = "no spooler backend can serve";
        return b;
    }
    const Backend* b = byName(asked);
    std::string why;
    if (!b)
        problem = std::string("DAVARAZ_SPOOLER=") + asked + " names no spooler; choose one of: " + joined(choices());
    else if (!canServe(b, why))
        problem = std::string("DAVARAZ_SPOOLER=") + asked + ": " + why;
    else
        return b;
    return nullptr;
}

} // namespace

// Kept most preferred first, so that the order does not depend on the order of registration.
void registerBackend(const Backend* b)
{
    if (!b || byName(b->name))
        return;
    auto& list = registry().backends;
    auto at = list.begin();
    while (at != list.end() && (*at)->preference >= b->preference)
        ++at;
    list.insert(at, b);
}

bool selectBackend(const char* name)
{
    std::string problem;
    const Backend* b = choose(name, problem);
    if (!b)
        return false;
    registry().active = b;
    registry().problem.clear();
    return true;
}

const Backend& backend()
{
    Registry& r = registry();
    if (!r.active) {
        const Backend* b = choose(std::getenv("DAVARAZ_SPOOLER"), r.problem);
        r.active = b ? b : &kNone;
    }
    return *r.active;
}

std::string selectionProblem()
{
    backend();
    return registry().problem;
}

std::vector<std::string> choices()
{
    std::vector<std::string> names{"auto"};
    for (const Backend* b : registry().backends)
        names.push_back(b->name);
    return names;
}

Backend refusing(const char* name, int preference, bool (*available)(void* ctx, std::string& why))
{
    Backend b = kNone;
    b.name = name;
    b.preference = preference;
    b.available = available;
    return b;
}

bool sameName(const std::wstring& a, const std::wstring& b) { return win32::equalNoCase(a, b); }

} // namespace spool
} // namespace win32
