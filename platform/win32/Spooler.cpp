// Backend registry of the spooler and the choice of the active backend.
#include "platform/win32/Spooler.h"
#include "platform/win32/VirtualSpooler.h"
#include "platform/win32/wstr.h"

#include <cstdlib>
#include <cstring>

namespace win32 {
namespace spool {
namespace {

struct Registry {
    std::vector<const Backend*> backends;
    const Backend* active = nullptr;
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

} // namespace

void registerBackend(const Backend* b)
{
    if (b && !byName(b->name))
        registry().backends.push_back(b);
}

bool selectBackend(const char* name)
{
    if (!byName("virtual"))
        registerBackend(&vspool::backend());
    const Backend* b = byName(name);
    if (!b)
        return false;
    registry().active = b;
    return true;
}

const Backend& backend()
{
    Registry& r = registry();
    if (!r.active && !selectBackend(std::getenv("DAVARAZ_SPOOLER")))
        selectBackend("virtual");
    return *r.active;
}

bool sameName(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (win32::foldCase(a[i]) != win32::foldCase(b[i]))
            return false;
    return true;
}

} // namespace spool
} // namespace win32
