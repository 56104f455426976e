// A printer opened by name together with its paper lists (numbers and names as the driver
// reports them); the object behind CPrnHelper.
#pragma once
#include "davaraz/print/PrinterHandle.h"
#include "platform/od/OdArray.h"
#include "platform/od/OdString.h"

#include <string>

class PrinterPapers {
public:
    explicit PrinterPapers(const wchar_t* printerName);
    PrinterPapers(const PrinterPapers&) = delete;
    PrinterPapers& operator=(const PrinterPapers&) = delete;

    bool isValid() const { return !m_printer.isNull(); }
    const std::wstring& printerName() const { return m_printerName; }
    const wut::PrinterHandle& printer() const { return m_printer; }
    // True once the paper lists were loaded from the driver.
    bool isLoaded() const { return m_loaded; }

    // The printer's port; true when it is not empty.
    bool getPorts(std::wstring& ports) const;
    // The printer's driver name (GetPrinterDriverW level 1); true when it is not empty.
    bool getPrinterDriver(std::wstring& driver) const;

    // Asks the driver (through PaperSizeCache) for the paper numbers and names once; a failed
    // attempt leaves both lists empty and is repeated by the next call.
    void loadPapers();
    // The name at index in the list as it stands (no loading); throws OdError_InvalidIndex
    // beyond its end.
    OdString paperName(unsigned index) const;
    // Index of the first paper whose name equals name (case ignored), or -1; loads first.
    int findPaperByName(const wchar_t* name);
    // Index of the first paper with that number, or -1; loads first.
    int findPaperById(unsigned short dmPaper);
    // The driver's name for a paper number; false when the number is not listed or the name
    // list is too short to name it. Loads first.
    bool nameOfPaper(unsigned short dmPaper, std::wstring& name);
    const OdArray<unsigned short>& paperNumbers() const { return m_paperNumbers; }
    const OdArray<OdString>& paperNames() const { return m_paperNames; }

private:
    std::wstring m_printerName;
    wut::PrinterHandle m_printer;
    OdArray<unsigned short> m_paperNumbers;
    OdArray<OdString> m_paperNames;
    bool m_loaded = false;
};
