// Printer enumeration and queries through the spooler's size-then-fetch calls.
#include "davaraz/print/Printers.h"
#include "platform/od/OdAlloc.h"
#include "platform/win32/codepage.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

#include <vector>

namespace wut {
namespace {

void enumerate(DWORD flags, OdArray<OdString>& printers)
{
    DWORD needed = 0;
    DWORD returned = 0;
    if (EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &returned) || needed == 0)
        return;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &returned))
        return;
    const auto* records = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i)
        printers.push_back(OdString(win32::fromUtf16(records[i].pPrinterName)));
}

// GetPrinterW at a level into a buffer of the size the first call reports; empty on failure.
std::vector<BYTE> printerRecord(const PrinterHandle& printer, DWORD level)
{
    std::vector<BYTE> buffer;
    if (printer.isNull())
        return buffer;
    DWORD needed = 0;
    if (GetPrinterW(printer.handle(), level, nullptr, 0, &needed) || needed == 0)
        return buffer;
    buffer.resize(needed);
    if (!GetPrinterW(printer.handle(), level, buffer.data(), needed, &needed))
        buffer.clear();
    return buffer;
}

} // namespace

OdString spoolerProblem() { return OdString(win32::fromUtf8(win32::spoolerProblem())); }
OdString printersProblem() { return OdString(win32::fromUtf8(win32::printersProblem())); }

void getSystemPrinters(OdArray<OdString>& printers)
{
    enumerate(PRINTER_ENUM_LOCAL, printers);
    enumerate(PRINTER_ENUM_CONNECTIONS | PRINTER_ENUM_SHARED | PRINTER_ENUM_NETWORK, printers);
}

OdString getDefaultSystemPrinter(bool firstIfNone)
{
    OdString result;
    DWORD chars = 0;
    GetDefaultPrinterW(nullptr, &chars); // fails; leaves chars 0 when there is no default
    std::vector<WCHAR> buffer(chars + 1, 0);
    DWORD size = chars + 1;
    if (chars && GetDefaultPrinterW(buffer.data(), &size))
        result = OdString(win32::fromUtf16(buffer.data()));
    if (result.isEmpty() && firstIfNone) {
        OdArray<OdString> printers;
        getSystemPrinters(printers);
        if (!printers.isEmpty())
            result = printers.first();
    }
    return result;
}

OdString getPrinterPorts(const PrinterHandle& printer)
{
    const std::vector<BYTE> record = printerRecord(printer, 5);
    return record.empty() ? OdString() : OdString(win32::fromUtf16(reinterpret_cast<const PRINTER_INFO_5W*>(record.data())->pPortName));
}

OdString getPrinterComment(const PrinterHandle& printer)
{
    const std::vector<BYTE> record = printerRecord(printer, 2);
    return record.empty() ? OdString() : OdString(win32::fromUtf16(reinterpret_cast<const PRINTER_INFO_2W*>(record.data())->pComment));
}

LONG devModeSize(const OdString& printerName, const PrinterHandle* printer)
{
    return DocumentPropertiesW(nullptr, printer ? printer->handle() : nullptr, win32::WideArg(printerName.c_str()),
                               nullptr, nullptr, 0);
}

DEVMODEW* getDevMode(const wchar_t* printerName)
{
    const PrinterHandle printer{OdString(printerName)};
    if (printer.isNull())
        return nullptr;
    const win32::WideArg name(printerName);
    const LONG size = devModeSize(OdString(printerName), &printer);
    if (size <= 0)
        return nullptr;
    auto* block = static_cast<DEVMODEW*>(odrxAlloc(static_cast<std::size_t>(size)));
    if (!block)
        return nullptr;
    if (DocumentPropertiesW(nullptr, printer.handle(), name, block, nullptr, DM_OUT_BUFFER) != IDOK) {
        odrxFree(block);
        return nullptr;
    }
    return block;
}

void freeDevMode(DEVMODEW* devMode) { odrxFree(devMode); }

} // namespace wut
