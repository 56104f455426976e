// CPrnHelper: forwards to its PrinterPapers.
#include "davaraz/print/PrnHelper.h"
#include "davaraz/print/PrinterPapers.h"

CPrnHelper::CPrnHelper(const wchar_t* printerName) : m_papers(std::make_unique<PrinterPapers>(printerName)) {}
CPrnHelper::~CPrnHelper() = default;
CPrnHelper::CPrnHelper(CPrnHelper&&) noexcept = default;
CPrnHelper& CPrnHelper::operator=(CPrnHelper&&) noexcept = default;

bool CPrnHelper::isValid() const { return m_papers && m_papers->isValid(); }

bool CPrnHelper::getPorts(std::wstring& ports) const
{
    if (!m_papers) {
        ports.clear();
        return false;
    }
    return m_papers->getPorts(ports);
}

bool CPrnHelper::getPrinterDriver(std::wstring& driver) const
{
    if (!m_papers) {
        driver.clear();
        return false;
    }
    return m_papers->getPrinterDriver(driver);
}
