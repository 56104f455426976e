// CPrnHelper: the exported face of PrinterPapers.
#pragma once
#include <memory>
#include <string>

class PrinterPapers;

// Move-only: it owns its PrinterPapers and with it an open printer.
class CPrnHelper {
public:
    explicit CPrnHelper(const wchar_t* printerName);
    ~CPrnHelper();
    CPrnHelper(const CPrnHelper&) = delete;
    CPrnHelper& operator=(const CPrnHelper&) = delete;
    CPrnHelper(CPrnHelper&&) noexcept;
    CPrnHelper& operator=(CPrnHelper&&) noexcept;

    bool isValid() const;
    bool getPorts(std::wstring& ports) const;
    bool getPrinterDriver(std::wstring& driver) const;
    // The object behind it (null only after being moved from).
    PrinterPapers* papers() const { return m_papers.get(); }

private:
    std::unique_ptr<PrinterPapers> m_papers;
};
