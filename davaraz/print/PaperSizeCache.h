// The process-wide cache of the paper lists printer drivers report, one entry per device, port
// and driver settings, so that each list is asked of a driver once.
#pragma once
#include "platform/od/OdArray.h"
#include "platform/od/OdString.h"
#include "platform/win32/devmode.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace wut {

class PaperSizeCache {
public:
    // The lists of one entry; each stays empty until it is first asked for.
    struct Papers {
        OdArray<unsigned short> numbers;
        OdArray<OdString> names;
        OdArray<POINT> sizes; // tenths of a millimetre
    };

    // The cache, created on first use (safe when several threads arrive at once). After that
    // it has no lock: one thread at a time uses it.
    static PaperSizeCache& instance();

    // The entry for these settings (devMode may be null), made with empty lists when missing.
    Papers& entry(const wchar_t* device, const wchar_t* port, const DEVMODEW* devMode);
    // Drops the entries of one device (case ignored), or all of them for an empty name.
    void remove(const OdString& device);
    std::size_t size() const { return m_entries.size(); }

private:
    PaperSizeCache() = default;

    struct Key {
        std::u16string device; // as the spooler compares them
        std::u16string port;
        std::vector<BYTE> devMode; // dmSize + dmDriverExtra bytes, empty without settings
    };
    struct KeyLess {
        bool operator()(const Key& a, const Key& b) const;
    };

    std::map<Key, Papers, KeyLess> m_entries;
};

// Forgets what the drivers of a printer reported (every printer's for an empty name), so that
// the next query asks again; the host calls it when printer settings change.
void onPrinterSettingsChanged(const OdString& printerName);

} // namespace wut
