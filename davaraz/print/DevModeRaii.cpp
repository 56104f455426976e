// DEVMODE_RAII: synchronises the print data's DEVMODE and keeps it locked while in use.
#include "davaraz/print/DevModeRaii.h"
#include "davaraz/print/WindowsPrintNativeData.h"
#include "platform/win32/globalmem.h"

namespace wut {

DEVMODE_RAII::DEVMODE_RAII(wxPrintData& data) : m_data(data)
{
    takeHandle();
    if (m_handle)
        m_devMode = static_cast<DEVMODEW*>(GlobalLock(m_handle));
}

DEVMODE_RAII::DEVMODE_RAII(const DEVMODE_RAII& other) : m_data(other.m_data), m_handle(other.m_handle) {}

DEVMODE_RAII::~DEVMODE_RAII() { release(); }

void DEVMODE_RAII::takeHandle()
{
    WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(m_data);
    if (!native)
        return;
    native->TransferFrom(m_data);
    native->ResolveConflicts(m_data);
    m_handle = native->GetDevMode();
}

DEVMODEW* DEVMODE_RAII::get()
{
    if (!m_handle)
        takeHandle();
    if (!m_devMode && m_handle)
        m_devMode = static_cast<DEVMODEW*>(GlobalLock(m_handle));
    return m_devMode;
}

void DEVMODE_RAII::updatePrintData()
{
    if (!m_devMode)
        return;
    if (WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(m_data)) {
        native->ResolveConflicts(m_data);
        native->TransferTo(m_data);
    }
}

void DEVMODE_RAII::release()
{
    if (m_devMode) {
        GlobalUnlock(m_handle);
        m_devMode = nullptr;
        // A block the print data replaced meanwhile was kept for us; it can go now.
        if (WindowsPrintNativeData* native = WindowsPrintNativeData::GetNativeData(m_data))
            native->freeReleasedBlocks();
    }
}

} // namespace wut
