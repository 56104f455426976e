// The tool side: finds the printer commands' module beside the executable (build tree) or in
// the library folder of the installation, and loads it once for the rest of the process.
#include "PrinterModule.h"

#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace cli {
namespace {

std::string executableFolder()
{
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", &path[0], path.size() - 1);
    path.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

const PrinterModule* load()
{
    const std::string folder = executableFolder();
    std::string why;
    for (const std::string& candidate : {folder + "/" DAVARAZ_PRINTER_MODULE, folder + "/" DAVARAZ_PRINTER_MODULE_INSTALLED}) {
        if (::access(candidate.c_str(), F_OK) != 0)
            continue;
        // Kept loaded until exit: the commands leave wxWidgets state behind.
        void* handle = ::dlopen(candidate.c_str(), RTLD_NOW);
        if (!handle) {
            why = ::dlerror();
            break;
        }
        using Entry = const PrinterModule* (*)();
        if (const auto entry = reinterpret_cast<Entry>(::dlsym(handle, "davarazPrinterModule")))
            return entry();
        why = candidate + ": no entry point";
        break;
    }
    std::fprintf(stderr, "davaraz: the printer commands cannot be loaded: %s\n",
                 why.empty() ? "module " DAVARAZ_PRINTER_MODULE " not found" : why.c_str());
    return nullptr;
}

} // namespace

const PrinterModule* printerModule()
{
    static const PrinterModule* const module = load();
    return module;
}

} // namespace cli
