// Scoped direct access to the DEVMODEW of a print data: brought up to date and validated
// before it is handed out, locked until release or destruction.
#pragma once
#include "platform/win32/devmode.h"
#include "platform/win32/handles.h"

class wxPrintData;

namespace wut {

class DEVMODE_RAII {
public:
    explicit DEVMODE_RAII(wxPrintData& data);
    // Shares the print data and handle; the copy locks on its own when asked for the address.
    DEVMODE_RAII(const DEVMODE_RAII& other);
    DEVMODE_RAII& operator=(const DEVMODE_RAII&) = delete;
    ~DEVMODE_RAII();

    // The locked DEVMODEW, or null when the print data has no DEVMODE of the library's kind.
    DEVMODEW* get();
    operator DEVMODEW*() { return get(); }
    DEVMODEW* operator->() { return get(); }
    explicit operator bool() { return get() != nullptr; }

    // After writing into the DEVMODEW: the driver validates it and the print data follows it.
    // Does nothing while not locked.
    void updatePrintData();
    // Unlocks; a later get() locks again.
    void release();

private:
    void takeHandle();

    wxPrintData& m_data;
    HGLOBAL m_handle = nullptr;
    DEVMODEW* m_devMode = nullptr;
};

} // namespace wut
