// PaperSizeCache: keys ordered by device and port names (case ignored, as the spooler compares
// them), then by the size and bytes of the driver settings.
#include "davaraz/print/PaperSizeCache.h"
#include "platform/win32/nls.h"
#include "platform/win32/wstr.h"

#include <cstring>

namespace wut {
namespace {

int compareNames(const std::u16string& a, const std::u16string& b)
{
    return CompareStringW(0, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1);
}

std::vector<BYTE> devModeBytes(const DEVMODEW* devMode)
{
    if (!devMode)
        return {};
    const WORD size = static_cast<WORD>(devMode->dmSize + devMode->dmDriverExtra);
    const auto* bytes = reinterpret_cast<const BYTE*>(devMode);
    return std::vector<BYTE>(bytes, bytes + size);
}

} // namespace

bool PaperSizeCache::KeyLess::operator()(const Key& a, const Key& b) const
{
    if (const int c = compareNames(a.device, b.device); c != CSTR_EQUAL)
        return c == CSTR_LESS_THAN;
    if (const int c = compareNames(a.port, b.port); c != CSTR_EQUAL)
        return c == CSTR_LESS_THAN;
    if (a.devMode.size() != b.devMode.size())
        return a.devMode.size() < b.devMode.size();
    return !a.devMode.empty() && std::memcmp(a.devMode.data(), b.devMode.data(), a.devMode.size()) < 0;
}

PaperSizeCache& PaperSizeCache::instance()
{
    static PaperSizeCache cache;
    return cache;
}

PaperSizeCache::Papers& PaperSizeCache::entry(const wchar_t* device, const wchar_t* port, const DEVMODEW* devMode)
{
    Key key{win32::toUtf16(device), win32::toUtf16(port), devModeBytes(devMode)};
    const auto it = m_entries.lower_bound(key);
    if (it != m_entries.end() && !m_entries.key_comp()(key, it->first))
        return it->second;
    return m_entries.emplace_hint(it, std::move(key), Papers())->second;
}

void PaperSizeCache::remove(const OdString& device)
{
    if (device.isEmpty()) {
        m_entries.clear();
        return;
    }
    const std::u16string name = win32::toUtf16(device.c_str());
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (compareNames(it->first.device, name) == CSTR_EQUAL)
            it = m_entries.erase(it);
        else
            ++it;
    }
}

void onPrinterSettingsChanged(const OdString& printerName)
{
    PaperSizeCache::instance().remove(printerName);
}

} // namespace wut
