// WindowsPrintNativeData: loading a printer's DEVMODE, the extra DEVMODEW members and the
// driver's validation.
#include "davaraz/print/WindowsPrintNativeData.h"
#include "davaraz/print/GlobalLockGuard.h"
#include "davaraz/print/PrinterHandle.h"
#include "davaraz/print/Printers.h"
#include "platform/win32/commdlg.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

#include <algorithm>

namespace wut {

wxIMPLEMENT_CLASS(WindowsPrintNativeData, WindowsPrintNativeBase);

// Class information first, cast after: wxDynamicCast casts before it checks, which is
// undefined for native data of another class.
WindowsPrintNativeData* WindowsPrintNativeData::GetNativeData(wxPrintData& data)
{
    wxPrintNativeDataBase* native = data.GetNativeData();
    return native && native->IsKindOf(wxCLASSINFO(WindowsPrintNativeData)) ? static_cast<WindowsPrintNativeData*>(native)
                                                                          : nullptr;
}

const WindowsPrintNativeData* WindowsPrintNativeData::GetNativeData(const wxPrintData& data)
{
    return GetNativeData(const_cast<wxPrintData&>(data));
}

bool WindowsPrintNativeData::Initialize(wxPrintData& data, const wxString& printerName)
{
    if (printerName.empty()) {
        PRINTDLGW pd{};
        pd.lStructSize = sizeof(pd); // 120
        pd.Flags = PD_RETURNDEFAULT;
        if (!PrintDlgW(&pd) || !pd.hDevMode) {
            GlobalFree(pd.hDevNames);
            GlobalFree(pd.hDevMode);
            return false;
        }
        adoptDevMode(pd.hDevMode);
        if (pd.hDevNames) {
            adoptDevNames(pd.hDevNames);
            // The full name: dmDeviceName holds only 31 characters of it.
            GlobalLockGuard<DEVNAMES> names(m_devNames);
            const std::size_t units = GlobalSize(m_devNames) / sizeof(WCHAR);
            if (names && names->wDeviceOffset < units)
                SetPrinterName(wxString(win32::fromUtf16(
                    reinterpret_cast<const WCHAR*>(names.get()) + names->wDeviceOffset, units - names->wDeviceOffset)));
        } else {
            GlobalLockGuard<DEVMODEW> dm(m_devMode);
            if (dm) {
                const wxString device(win32::fromUtf16(dm->dmDeviceName, CCHDEVICENAME));
                InitializeDevMode(device, nullptr);
                SetPrinterName(device);
            }
        }
    } else {
        HGLOBAL block = defaultDevMode(printerName);
        if (!block)
            return false;
        adoptDevMode(block);
        InitializeDevMode(printerName, nullptr);
        SetPrinterName(printerName);
    }
    return TransferTo(data) && !data.GetPrinterName().empty();
}

bool WindowsPrintNativeData::TransferTo(wxPrintData& data)
{
    if (!WindowsPrintNativeBase::TransferTo(data) || !m_devMode)
        return false;
    GlobalLockGuard<DEVMODEW> dm(m_devMode);
    if (!dm)
        return false;
    const DWORD fields = dm->dmFields;
    m_specVersion = dm->dmSpecVersion;
    m_driverVersion = dm->dmDriverVersion;
    m_size = dm->dmSize;
    const auto given = [&](DWORD flag, const auto& member) { return (fields & flag) && devModeHolds(*dm, member); };
    m_scale = given(DM_SCALE, dm->dmScale) ? dm->dmScale : 100;
    m_yResolution = given(DM_YRESOLUTION, dm->dmYResolution) ? dm->dmYResolution : 0;
    m_ttOption = given(DM_TTOPTION, dm->dmTTOption) ? dm->dmTTOption : 0;
    m_formName = given(DM_FORMNAME, dm->dmFormName) ? wxString(win32::fromUtf16(dm->dmFormName, CCHFORMNAME)) : wxString();
    m_nup = given(DM_NUP, dm->dmNup) ? dm->dmNup : 0;
    m_icmMethod = given(DM_ICMMETHOD, dm->dmICMMethod) ? dm->dmICMMethod : 0;
    m_icmIntent = given(DM_ICMINTENT, dm->dmICMIntent) ? dm->dmICMIntent : 0;
    m_ditherType = given(DM_DITHERTYPE, dm->dmDitherType) ? dm->dmDitherType : 0;
    return true;
}

namespace {

// Writes a member when it carries a value and sets its flag; clears the flag otherwise, and
// for a member beyond the driver's public part (its private bytes are there).
template <class T, class V>
void putField(DEVMODEW& dm, T& member, V value, bool isSet, DWORD flag)
{
    if (isSet && devModeHolds(dm, member)) {
        member = static_cast<T>(value);
        dm.dmFields |= flag;
    } else {
        dm.dmFields &= ~flag;
    }
}

} // namespace

bool WindowsPrintNativeData::TransferFrom(const wxPrintData& data)
{
    if (!WindowsPrintNativeBase::TransferFrom(data) || !m_devMode)
        return false;
    GlobalLockGuard<DEVMODEW> dm(m_devMode);
    if (!dm)
        return false;
    putField(*dm, dm->dmScale, m_scale, m_scale != 100, DM_SCALE);
    putField(*dm, dm->dmYResolution, m_yResolution, m_yResolution != 0, DM_YRESOLUTION);
    putField(*dm, dm->dmTTOption, m_ttOption, m_ttOption != 0, DM_TTOPTION);
    if (!m_formName.empty() && devModeHolds(*dm, dm->dmFormName)) {
        // copyToField cuts to 31 units and terminates in the 32nd.
        win32::copyToField(dm->dmFormName, CCHFORMNAME, win32::toUtf16(m_formName.ToStdWstring()));
        dm->dmFields |= DM_FORMNAME;
    } else {
        dm->dmFields &= ~DM_FORMNAME;
    }
    putField(*dm, dm->dmNup, m_nup, m_nup != 0, DM_NUP);
    putField(*dm, dm->dmICMMethod, m_icmMethod, m_icmMethod != 0, DM_ICMMETHOD);
    putField(*dm, dm->dmICMIntent, m_icmIntent, m_icmIntent != 0, DM_ICMINTENT);
    putField(*dm, dm->dmDitherType, m_ditherType, m_ditherType != 0, DM_DITHERTYPE);
    return true;
}

bool WindowsPrintNativeData::ResolveConflicts(const wxPrintData& data)
{
    if (!m_devMode && !TransferFrom(data))
        return false;
    if (!m_devMode)
        return false;
    const OdString name(data.GetPrinterName().ToStdWstring());
    const win32::WideArg wideName(name);
    PrinterHandle printer(name);
    if (printer.isNull())
        return false;
    const LONG reported = devModeSize(name, &printer);
    if (reported <= 0)
        return false;
    const SIZE_T needed = std::max(static_cast<SIZE_T>(reported), sizeof(DEVMODEW));
    // The settings may come from another printer whose driver keeps fewer private bytes: the
    // verdict then needs a block of this driver's size.
    HGLOBAL out = m_devMode;
    if (GlobalSize(m_devMode) < needed && !(out = GlobalAlloc(GHND, needed)))
        return false;
    {
        GlobalLockGuard<DEVMODEW> in(m_devMode);
        GlobalLockGuard<DEVMODEW> verdict(out);
        if (!in || !verdict) {
            if (out != m_devMode)
                GlobalFree(out);
            return false;
        }
        // The driver's verdict is in the buffer; its return value adds nothing for the caller.
        DocumentPropertiesW(nullptr, printer, wideName, verdict.get(), in.get(), DM_IN_BUFFER | DM_OUT_BUFFER);
    }
    adoptDevMode(out);
    return true;
}

} // namespace wut
