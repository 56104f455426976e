// PrintDlgW in return-default mode: the default printer's settings in global memory.
#include "platform/win32/commdlg.h"
#include "platform/win32/gdi.h"
#include "platform/win32/globalmem.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

thread_local DWORD t_dialogError = 0;

BOOL failDialog(DWORD code)
{
    t_dialogError = code;
    return FALSE;
}

// A block of DEVNAMES followed by the three strings, offsets counted in WCHARs.
HGLOBAL makeDevNames(const std::u16string& driver, const std::u16string& device, const std::u16string& port)
{
    std::u16string strings;
    const std::size_t base = sizeof(DEVNAMES) / sizeof(WCHAR);
    DEVNAMES names{};
    names.wDriverOffset = static_cast<WORD>(base + strings.size());
    strings += driver + u'\0';
    names.wDeviceOffset = static_cast<WORD>(base + strings.size());
    strings += device + u'\0';
    names.wOutputOffset = static_cast<WORD>(base + strings.size());
    strings += port + u'\0';
    names.wDefault = DN_DEFAULTPRN;
    const std::size_t bytes = sizeof names + strings.size() * sizeof(WCHAR);
    HGLOBAL mem = GlobalAlloc(GHND, bytes);
    if (!mem)
        return nullptr;
    BYTE* p = static_cast<BYTE*>(GlobalLock(mem));
    std::memcpy(p, &names, sizeof names);
    std::memcpy(p + sizeof names, strings.data(), strings.size() * sizeof(WCHAR));
    GlobalUnlock(mem);
    return mem;
}

} // namespace

DWORD CommDlgExtendedError() { return t_dialogError; }

BOOL PrintDlgW(PRINTDLGW* pd)
{
    t_dialogError = 0;
    if (!pd || pd->lStructSize != sizeof(PRINTDLGW))
        return failDialog(CDERR_STRUCTSIZE);
    if (!(pd->Flags & PD_RETURNDEFAULT))
        return FALSE;
    if (pd->hDevMode || pd->hDevNames)
        return failDialog(CDERR_INITIALIZATION);

    DWORD chars = 0;
    GetDefaultPrinterW(nullptr, &chars);
    std::vector<WCHAR> name(chars + 1, 0);
    if (chars == 0 || !GetDefaultPrinterW(name.data(), &chars))
        return failDialog(PDERR_NODEFAULTPRN);

    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, nullptr))
        return failDialog(PDERR_NODEFAULTPRN);
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    const bool haveInfo = needed && GetPrinterW(printer, 2, info.data(), needed, &needed);
    ClosePrinter(printer);
    if (!haveInfo)
        return failDialog(PDERR_NODEFAULTPRN);
    const auto* p2 = reinterpret_cast<const PRINTER_INFO_2W*>(info.data());
    const DEVMODEW* dm = p2->pDevMode;
    const std::size_t dmBytes = dm->dmSize + dm->dmDriverExtra;

    HGLOBAL devMode = GlobalAlloc(GHND, dmBytes);
    HGLOBAL devNames = makeDevNames(u"winspool", p2->pPrinterName, p2->pPortName);
    if (!devMode || !devNames) {
        GlobalFree(devMode);
        GlobalFree(devNames);
        return failDialog(CDERR_MEMALLOCFAILURE);
    }
    std::memcpy(GlobalLock(devMode), dm, dmBytes);
    GlobalUnlock(devMode);
    if (pd->Flags & PD_RETURNDC) {
        pd->hDC = CreateDCW(u"winspool", p2->pPrinterName, nullptr, dm);
        if (!pd->hDC) {
            GlobalFree(devMode);
            GlobalFree(devNames);
            return failDialog(PDERR_CREATEICFAILURE);
        }
    }
    pd->hDevMode = devMode;
    pd->hDevNames = devNames;
    return TRUE;
}
