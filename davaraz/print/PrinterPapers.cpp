// PrinterPapers: the printer part (handle, port, driver name).
#include "davaraz/print/PrinterPapers.h"
#include "davaraz/print/Printers.h"
#include "platform/win32/errors.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

#include <vector>

PrinterPapers::PrinterPapers(const wchar_t* printerName)
    : m_printerName(printerName ? printerName : L""), m_printer(OdString(printerName))
{
}

bool PrinterPapers::getPorts(std::wstring& ports) const
{
    ports = wut::getPrinterPorts(m_printer).str();
    return !ports.empty();
}

bool PrinterPapers::getPrinterDriver(std::wstring& driver) const
{
    driver.clear();
    DWORD size = 0;
    if (GetPrinterDriverW(m_printer.handle(), nullptr, 1, nullptr, 0, &size))
        return false; // nothing to read
    SetLastError(0);
    std::vector<BYTE> buffer(size);
    if (size >= sizeof(DRIVER_INFO_1W) &&
        GetPrinterDriverW(m_printer.handle(), nullptr, 1, buffer.data(), size, &size))
        driver = win32::fromUtf16(reinterpret_cast<const DRIVER_INFO_1W*>(buffer.data())->pName);
    return !driver.empty();
}
