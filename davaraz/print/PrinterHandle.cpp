// PrinterHandle: OpenPrinterW on construction or open, ClosePrinter on destruction.
#include "davaraz/print/PrinterHandle.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

namespace wut {

PrinterHandle::PrinterHandle(const OdString& name)
{
    OpenPrinterW(win32::WideArg(name), &m_handle, nullptr);
}

PrinterHandle::~PrinterHandle() { close(); }

PrinterHandle::PrinterHandle(PrinterHandle&& other) noexcept : m_handle(other.m_handle)
{
    other.m_handle = nullptr;
}

PrinterHandle& PrinterHandle::operator=(PrinterHandle&& other) noexcept
{
    if (this != &other) {
        close();
        m_handle = other.m_handle;
        other.m_handle = nullptr;
    }
    return *this;
}

bool PrinterHandle::open(const OdString& name)
{
    close();
    return OpenPrinterW(win32::WideArg(name), &m_handle, nullptr) && m_handle != nullptr;
}

void PrinterHandle::close()
{
    if (m_handle) {
        ClosePrinter(m_handle);
        m_handle = nullptr;
    }
}

} // namespace wut
