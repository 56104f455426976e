// dlopen/dlsym behind ut::DynamicLibrary.
#include "platform/tvutils/DynamicLibrary.h"
#include "platform/tvutils/FileName.h"

#include <dlfcn.h>
#include <string>
#include <strings.h>

namespace ut {
namespace {

// Windows libraries the stand-in provides, by their Windows names: its own modules, which live
// beside this library.
const struct {
    const char* windowsName;
    const char* module;
} kStandIns[] = {{"MAPI32.DLL", "libdavaraz_mapi.so"}};

void besideThisLibrary() {}

std::string moduleFor(const std::string& name)
{
    for (const auto& s : kStandIns)
        if (strcasecmp(name.c_str(), s.windowsName) == 0) {
            Dl_info info{};
            if (!dladdr(reinterpret_cast<void*>(&besideThisLibrary), &info) || !info.dli_fname)
                return s.module;
            const std::string self(info.dli_fname);
            const std::size_t slash = self.rfind('/');
            return (slash == std::string::npos ? std::string() : self.substr(0, slash + 1)) + s.module;
        }
    return name;
}

} // namespace

DynamicLibrary::DynamicLibrary(const OdString& name, int option) { load(name, option); }
DynamicLibrary::~DynamicLibrary() { unload(); }

bool DynamicLibrary::load(const OdString& name, int option)
{
    unload();
    if (name.isEmpty())
        return false;
    m_handle = dlopen(moduleFor(toNativePath(name)).c_str(), (option == kLoadLazy ? RTLD_LAZY : RTLD_NOW) | RTLD_LOCAL);
    return m_handle != nullptr;
}

void* DynamicLibrary::getSymbol(const OdString& name) const
{
    if (!m_handle || name.isEmpty())
        return nullptr;
    return dlsym(m_handle, toNativePath(name).c_str());
}

void DynamicLibrary::unload()
{
    if (m_handle)
        dlclose(m_handle);
    m_handle = nullptr;
}

} // namespace ut
