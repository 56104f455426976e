// Printer device contexts: a registry of open DCs, each bound to a printer and its settings.
#include "platform/win32/gdi.h"
#include "platform/win32/Spooler.h"
#include "platform/win32/errors.h"
#include "platform/win32/wstr.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct HDC__ {
    std::wstring printer;
    std::vector<BYTE> devMode;
};

namespace {

std::set<HDC>& liveDcs()
{
    static auto* dcs = new std::set<HDC>; // never destroyed, as the printer handles
    return *dcs;
}

bool isLive(HDC dc) { return dc && liveDcs().count(dc) != 0; }

} // namespace

HDC CreateDCW(LPCWSTR pwszDriver, LPCWSTR pwszDevice, LPCWSTR, const DEVMODEW* pdm)
{
    if (pwszDriver && *pwszDriver && !win32::equalNoCase(win32::fromUtf16(pwszDriver), L"winspool")) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    const auto& b = win32::spool::backend();
    win32::spool::PrinterEntry entry;
    auto dc = std::make_unique<HDC__>();
    if (!pwszDevice || !b.findPrinter(b.context, win32::fromUtf16(pwszDevice), entry) ||
        !(pdm ? b.mergeDevMode(b.context, entry.name, *pdm, dc->devMode)
              : b.defaultDevMode(b.context, entry.name, dc->devMode))) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return nullptr;
    }
    dc->printer = entry.name;
    liveDcs().insert(dc.get());
    return dc.release();
}

BOOL DeleteDC(HDC hdc)
{
    if (!isLive(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    liveDcs().erase(hdc);
    delete hdc;
    return TRUE;
}

int ExtEscape(HDC hdc, int iEscape, int cjInput, LPCSTR lpInData, int, LPSTR)
{
    if (!isLive(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return -1;
    }
    int asked = iEscape;
    if (iEscape == QUERYESCSUPPORT) {
        if (!lpInData || cjInput < static_cast<int>(sizeof(DWORD))) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return -1;
        }
        DWORD code;
        std::memcpy(&code, lpInData, sizeof code);
        asked = static_cast<int>(code);
    }
    const auto& b = win32::spool::backend();
    return b.supportsEscape(b.context, hdc->printer, asked) ? 1 : 0;
}

namespace {

// The margins of the selected paper; of the driver's first paper for a size it does not list.
win32::spool::Margins marginsOf(const std::wstring& printer, const DEVMODEW& dm)
{
    const auto& b = win32::spool::backend();
    std::vector<win32::spool::Paper> papers;
    if (!b.papers(b.context, printer, &dm, papers) || papers.empty())
        return {};
    for (const auto& paper : papers)
        if (paper.id == static_cast<WORD>(dm.dmPaperSize))
            return paper.margins;
    return papers.front().margins;
}

} // namespace

int GetDeviceCaps(HDC hdc, int index)
{
    if (!isLive(hdc) || hdc->devMode.size() < offsetof(DEVMODEW, dmYResolution) + sizeof(short))
        return 0;
    // An older driver's public part is shorter; what it lacks reads as zero (private bytes aside).
    DEVMODEW dm{};
    WORD declared = 0;
    std::memcpy(&declared, hdc->devMode.data() + offsetof(DEVMODEW, dmSize), sizeof declared);
    std::memcpy(&dm, hdc->devMode.data(), std::min<std::size_t>({hdc->devMode.size(), declared, sizeof dm}));
    const auto& b = win32::spool::backend();
    win32::spool::Capabilities caps;
    if (!b.capabilities(b.context, hdc->printer, &dm, caps))
        return 0;
    const POINT fallback = caps.resolutions.empty() ? POINT{300, 300} : caps.resolutions.front();
    const int dpiX = dm.dmPrintQuality > 0 ? dm.dmPrintQuality : static_cast<int>(fallback.x);
    const int dpiY = dm.dmYResolution > 0 ? dm.dmYResolution : dm.dmPrintQuality > 0 ? dpiX : static_cast<int>(fallback.y);
    switch (index) {
    case LOGPIXELSX:
        return dpiX;
    case LOGPIXELSY:
        return dpiY;
    case PHYSICALOFFSETX:
    case PHYSICALOFFSETY: {
        const win32::spool::Margins m = marginsOf(hdc->printer, dm);
        // Landscape is portrait turned a quarter counterclockwise (DC_ORIENTATION 90): its left
        // edge is the sheet's bottom edge and its top edge the sheet's left edge.
        const bool landscape = dm.dmOrientation == DMORIENT_LANDSCAPE;
        const LONG margin = index == PHYSICALOFFSETX ? (landscape ? m.bottom : m.left) : (landscape ? m.left : m.top);
        return static_cast<int>((margin * (index == PHYSICALOFFSETX ? dpiX : dpiY) + 127) / 254);
    }
    default:
        return 0;
    }
}

namespace win32 {
std::size_t openDeviceContexts() { return liveDcs().size(); }
} // namespace win32
