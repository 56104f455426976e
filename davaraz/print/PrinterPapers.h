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

private:
    std::wstring m_printerName;
    wut::PrinterHandle m_printer;
    OdArray<unsigned short> m_paperNumbers;
    OdArray<OdString> m_paperNames;
    bool m_loaded = false;
};
