// PrinterPapers: the printer (handle, port, driver name) and its paper lists.
#include "davaraz/print/PrinterPapers.h"
#include "davaraz/print/PaperSizeGetter.h"
#include "davaraz/print/Printers.h"
#include "platform/win32/nls.h"
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

void PrinterPapers::loadPapers()
{
    if (m_loaded)
        return;
    OdString ports;
    {
        const wut::PrinterHandle printer{OdString(m_printerName)};
        ports = wut::getPrinterPorts(printer);
    }
    const wut::PaperSizeGetter getter(m_printerName.c_str(), ports.c_str());
    m_loaded = getter.get(&m_paperNumbers, &m_paperNames, nullptr);
}

OdString PrinterPapers::paperName(unsigned index) const
{
    return m_paperNames.at(index);
}

int PrinterPapers::findPaperByName(const wchar_t* name)
{
    loadPapers();
    if (!name)
        return -1;
    const std::u16string wanted = win32::toUtf16(name);
    const OdArray<OdString>& names = m_paperNames; // const access keeps the cache's storage shared
    for (unsigned i = 0; i < names.size(); ++i) {
        const std::u16string paper = win32::toUtf16(names[i].c_str());
        if (CompareStringW(0, NORM_IGNORECASE, paper.c_str(), -1, wanted.c_str(), -1) == CSTR_EQUAL)
            return static_cast<int>(i);
    }
    return -1;
}

int PrinterPapers::findPaperById(unsigned short dmPaper)
{
    loadPapers();
    unsigned index = 0;
    return m_paperNumbers.find(dmPaper, index) ? static_cast<int>(index) : -1;
}

bool PrinterPapers::nameOfPaper(unsigned short dmPaper, std::wstring& name)
{
    const int index = findPaperById(dmPaper);
    if (index < 0 || static_cast<unsigned>(index) >= m_paperNames.size())
        return false;
    name = paperName(static_cast<unsigned>(index)).str();
    return true;
}
