// An open printer that closes itself: the owner of one spooler printer handle.
#pragma once
#include "platform/od/OdString.h"
#include "platform/win32/handles.h"

namespace wut {

// Move-only: a copy would close the same handle twice.
class PrinterHandle {
public:
    PrinterHandle() = default;
    explicit PrinterHandle(const OdString& name);
    ~PrinterHandle();
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;
    PrinterHandle(PrinterHandle&& other) noexcept;
    PrinterHandle& operator=(PrinterHandle&& other) noexcept;

    // Closes the current printer (if any), then opens name; true when a handle was obtained.
    bool open(const OdString& name);
    HANDLE handle() const { return m_handle; }
    bool isNull() const { return m_handle == nullptr; }
    operator HANDLE() const { return m_handle; }

private:
    void close();
    HANDLE m_handle = nullptr;
};

} // namespace wut
