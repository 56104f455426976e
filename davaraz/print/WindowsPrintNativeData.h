// The library's native print data: a printer's DEVMODEW together with the DEVMODEW members
// wxPrintData has no place for, and the driver's validation of the whole.
#pragma once
#include "davaraz/print/WindowsPrintNativeBase.h"

#include <cstdint>

namespace wut {

class WindowsPrintNativeData : public WindowsPrintNativeBase {
public:
    WindowsPrintNativeData() = default;
    ~WindowsPrintNativeData() override = default;

    // The printer's default settings (the system default printer for an empty name) into
    // this object and data; true when data names a printer afterwards.
    bool Initialize(wxPrintData& data, const wxString& printerName) override;
    // DEVMODE -> data and the fields below (unflagged members take their defaults).
    bool TransferTo(wxPrintData& data) override;
    // data and the fields below -> DEVMODE (a field at its default clears its flag).
    bool TransferFrom(const wxPrintData& data) override;
    // Lets the printer's driver merge and correct the DEVMODE; false without DEVMODE or when
    // the printer named by data cannot be opened.
    virtual bool ResolveConflicts(const wxPrintData& data);

    // The print data's native data when it is of this class, else null.
    static WindowsPrintNativeData* GetNativeData(wxPrintData& data);
    static const WindowsPrintNativeData* GetNativeData(const wxPrintData& data);

    uint16_t GetSpecVersion() const { return m_specVersion; }
    void SetSpecVersion(uint16_t v) { m_specVersion = v; }
    uint16_t GetDriverVersion() const { return m_driverVersion; }
    void SetDriverVersion(uint16_t v) { m_driverVersion = v; }
    uint16_t GetSize() const { return m_size; }
    void SetSize(uint16_t v) { m_size = v; }
    int16_t GetScale() const { return m_scale; }
    void SetScale(int16_t v) { m_scale = v; }
    int16_t GetYResolution() const { return m_yResolution; }
    void SetYResolution(int16_t v) { m_yResolution = v; }
    int16_t GetTTOption() const { return m_ttOption; }
    void SetTTOption(int16_t v) { m_ttOption = v; }
    wxString GetFormName() const { return m_formName; }
    void SetFormName(const wxString& v) { m_formName = v; }
    uint32_t GetNup() const { return m_nup; }
    void SetNup(uint32_t v) { m_nup = v; }
    uint32_t GetICMMethod() const { return m_icmMethod; }
    void SetICMMethod(uint32_t v) { m_icmMethod = v; }
    uint32_t GetICMIntent() const { return m_icmIntent; }
    void SetICMIntent(uint32_t v) { m_icmIntent = v; }
    uint32_t GetDitherType() const { return m_ditherType; }
    void SetDitherType(uint32_t v) { m_ditherType = v; }

private:
    uint16_t m_specVersion = 0;
    uint16_t m_driverVersion = 0;
    uint16_t m_size = 0;
    int16_t m_scale = 100;
    int16_t m_yResolution = 0;
    int16_t m_ttOption = 0;
    wxString m_formName;
    uint32_t m_nup = 0;
    uint32_t m_icmMethod = 0;
    uint32_t m_icmIntent = 0;
    uint32_t m_ditherType = 0;

    wxDECLARE_CLASS(WindowsPrintNativeData);
    wxDECLARE_NO_COPY_CLASS(WindowsPrintNativeData);
};

} // namespace wut
