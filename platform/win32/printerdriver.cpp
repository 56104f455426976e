// DocumentPropertiesW and DeviceCapabilitiesW: the questions that go to the printer driver.
#include "platform/win32/Spooler.h"
#include "platform/win32/errors.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using win32::spool::backend;

// Smallest input the driver reads: the header up to and including dmFields.
constexpr WORD kMinDevModeSize = offsetof(DEVMODEW, dmFields) + sizeof(DWORD);

// Field i of a list of fixed-size name fields; a name that fills its field has no terminator.
void nameField(LPWSTR list, std::size_t i, std::size_t chars, const std::wstring& name)
{
    const std::u16string n = win32::toUtf16(name);
    WCHAR* field = list + i * chars;
    std::memset(field, 0, chars * sizeof(WCHAR));
    std::memcpy(field, n.data(), std::min(n.size(), chars) * sizeof(WCHAR));
}

bool resolvePrinter(HANDLE hPrinter, LPCWSTR deviceName, std::wstring& name)
{
    if (hPrinter) {
        name = win32::printerNameOfHandle(hPrinter);
        if (name.empty()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return false;
        }
        return true;
    }
    win32::spool::PrinterEntry entry;
    const auto& b = backend();
    if (!deviceName || !*deviceName || !b.findPrinter(b.context, win32::fromUtf16(deviceName), entry)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return false;
    }
    name = entry.name;
    return true;
}

LONG packPoint(LONG x, LONG y)
{
    return static_cast<LONG>((static_cast<DWORD>(y & 0xFFFF) << 16) | static_cast<DWORD>(x & 0xFFFF));
}

} // namespace

LONG DocumentPropertiesW(HWND, HANDLE hPrinter, LPCWSTR pDeviceName, DEVMODEW* pDevModeOutput,
                         const DEVMODEW* pDevModeInput, DWORD fMode)
{
    std::wstring name;
    if (!resolvePrinter(hPrinter, pDeviceName, name))
        return -1;
    const auto& b = backend();
    if (fMode == 0) {
        const int size = b.devModeSize(b.context, name);
        if (size <= 0)
            SetLastError(ERROR_INVALID_PRINTER_NAME);
        return size > 0 ? size : -1;
    }
    const bool merge = (fMode & DM_IN_BUFFER) && pDevModeInput;
    if (merge && pDevModeInput->dmSize < kMinDevModeSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if ((fMode & DM_OUT_BUFFER) && !pDevModeOutput) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    std::vector<BYTE> result;
    const bool ok = merge ? b.mergeDevMode(b.context, name, *pDevModeInput, result)
                          : b.defaultDevMode(b.context, name, result);
    if (!ok) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return -1;
    }
    // The input may be the output buffer: the driver has finished reading it by now.
    if (fMode & DM_OUT_BUFFER)
        std::memcpy(pDevModeOutput, result.data(), result.size());
    return IDOK;
}

int DeviceCapabilitiesW(LPCWSTR pDevice, LPCWSTR, WORD fwCapability, LPWSTR pOutput, const DEVMODEW* pDevMode)
{
    std::wstring name;
    if (!resolvePrinter(nullptr, pDevice, name))
        return -1;
    const auto& b = backend();
    switch (fwCapability) {
    case DC_PAPERS:
    case DC_PAPERSIZE:
    case DC_PAPERNAMES:
    case DC_MINEXTENT:
    case DC_MAXEXTENT: {
        std::vector<win32::spool::Paper> papers;
        if (!b.papers(b.context, name, pDevMode, papers)) {
            SetLastError(ERROR_INVALID_PRINTER_NAME);
            return -1;
        }
        if (fwCapability == DC_MINEXTENT || fwCapability == DC_MAXEXTENT) {
            // A custom size range where the driver has one (a short each way, as Windows packs
            // it), else the extremes of the paper list.
            win32::spool::Capabilities caps;
            if (b.capabilities(b.context, name, pDevMode, caps) && caps.maxExtent.x > 0) {
                const POINT& e = fwCapability == DC_MINEXTENT ? caps.minExtent : caps.maxExtent;
                return packPoint(std::min<LONG>(e.x, 0x7FFF), std::min<LONG>(e.y, 0x7FFF));
            }
            if (papers.empty())
                return 0;
            LONG x = papers[0].width, y = papers[0].height;
            for (const auto& p : papers) {
                x = fwCapability == DC_MINEXTENT ? std::min(x, p.width) : std::max(x, p.width);
                y = fwCapability == DC_MINEXTENT ? std::min(y, p.height) : std::max(y, p.height);
            }
            return packPoint(x, y);
        }
        if (pOutput) {
            for (std::size_t i = 0; i < papers.size(); ++i) {
                if (fwCapability == DC_PAPERS) {
                    const WORD id = papers[i].id;
                    std::memcpy(reinterpret_cast<BYTE*>(pOutput) + i * sizeof(WORD), &id, sizeof id);
                } else if (fwCapability == DC_PAPERSIZE) {
                    const POINT size{papers[i].width, papers[i].height};
                    std::memcpy(reinterpret_cast<BYTE*>(pOutput) + i * sizeof(POINT), &size, sizeof(POINT));
                } else {
                    nameField(pOutput, i, kPaperNameChars, papers[i].name);
                }
            }
        }
        return static_cast<int>(papers.size());
    }
    default:
        break;
    }
    win32::spool::Capabilities caps;
    if (!b.capabilities(b.context, name, pDevMode, caps)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return -1;
    }
    switch (fwCapability) {
    case DC_FIELDS:
        return static_cast<int>(caps.fields);
    case DC_SIZE:
        return static_cast<int>(sizeof(DEVMODEW));
    case DC_EXTRA:
        return caps.driverExtra;
    case DC_VERSION:
        return DM_SPECVERSION;
    case DC_DRIVER:
        return caps.driverVersion;
    case DC_DUPLEX:
        return caps.duplex ? 1 : 0;
    case DC_COPIES:
        return caps.maxCopies;
    case DC_COLLATE:
        return caps.collate ? 1 : 0;
    case DC_COLORDEVICE:
        return caps.color ? 1 : 0;
    case DC_ORIENTATION:
        return 90;
    case DC_BINS:
        if (pOutput)
            for (std::size_t i = 0; i < caps.bins.size(); ++i)
                std::memcpy(reinterpret_cast<BYTE*>(pOutput) + i * sizeof(WORD), &caps.bins[i].id, sizeof(WORD));
        return static_cast<int>(caps.bins.size());
    case DC_BINNAMES:
        if (pOutput)
            for (std::size_t i = 0; i < caps.bins.size(); ++i)
                nameField(pOutput, i, kBinNameChars, caps.bins[i].name);
        return static_cast<int>(caps.bins.size());
    case DC_ENUMRESOLUTIONS:
        if (pOutput)
            for (std::size_t i = 0; i < caps.resolutions.size(); ++i) {
                const LONG pair[2] = {caps.resolutions[i].x, caps.resolutions[i].y};
                std::memcpy(reinterpret_cast<BYTE*>(pOutput) + i * sizeof pair, pair, sizeof pair);
            }
        return static_cast<int>(caps.resolutions.size());
    default:
        SetLastError(ERROR_NOT_SUPPORTED);
        return -1;
    }
}
