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

const Backend* preferred()
{
    const Backend* best = nullptr;
    for (const Backend* b : registry().backends)
        if ((!best || b->preference > best->preference) && (!b->available || b->available(b->context)))
            best = b;
    return best;
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
                       noJob,      noJob};

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}

// "auto", also when nothing is asked.
bool automatic(const char* name) { return !name || !*name || std::strcmp(name, "auto") == 0; }

} // namespace

void registerBackend(const Backend* b)
{
    if (b && !byName(b->name))
        registry().backends.push_back(b);
}

bool selectBackend(const char* name)
{
    const Backend* b = automatic(name) ? preferred() : byName(name);
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
        const char* asked = std::getenv("DAVARAZ_SPOOLER");
        if (!selectBackend(asked)) {
            r.problem = automatic(asked) ? std::string("no spooler backend can serve")
                                         : std::string("DAVARAZ_SPOOLER=") + asked +
                                               " names no spooler; choose one of: " + joined(choices());
            r.active = &kNone;
        }
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

bool sameName(const std::wstring& a, const std::wstring& b) { return win32::equalNoCase(a, b); }

} // namespace spool
} // namespace win32
