// A shared library loaded at run time (ut::DynamicLibrary over dlopen); unloaded on destruction.
#pragma once
#include "platform/od/OdString.h"

namespace ut {

class DynamicLibrary {
public:
    enum { kLoadLazy = 1, kLoadNow = 2 };

    DynamicLibrary() = default;
    DynamicLibrary(const OdString& name, int option = kLoadNow);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    bool load(const OdString& name, int option = kLoadNow);
    bool isLoaded() const { return m_handle != nullptr; }
    void* getSymbol(const OdString& name) const; // null when absent or not loaded
    void unload();

private:
    void* m_handle = nullptr;
};

} // namespace ut
