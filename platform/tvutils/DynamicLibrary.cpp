// dlopen/dlsym behind ut::DynamicLibrary.
#include "platform/tvutils/DynamicLibrary.h"
#include "platform/tvutils/FileName.h"

#include <dlfcn.h>

namespace ut {

DynamicLibrary::DynamicLibrary(const OdString& name, int option) { load(name, option); }
DynamicLibrary::~DynamicLibrary() { unload(); }

bool DynamicLibrary::load(const OdString& name, int option)
{
    unload();
    if (name.isEmpty())
        return false;
    m_handle = dlopen(toNativePath(name).c_str(), (option == kLoadLazy ? RTLD_LAZY : RTLD_NOW) | RTLD_LOCAL);
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
