// WindowsPrintNativeData: loading a printer's DEVMODE, the extra members read and written per
// dmFields flag, and the driver's validation.
#include "WxTestApp.h"
#include "davaraz/print/GlobalLockGuard.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"
#include "platform/win32/wstr.h"

#include <cstring>
#include <functional>

namespace {

using wut::GlobalLockGuard;
using wut::PrintData;
using wut::WindowsPrintNativeData;

const wchar_t* const kMfp = L"Office Colour MFP";

WindowsPrintNativeData& native(PrintData& data) { return *WindowsPrintNativeData::GetNativeData(data); }

// One extra member: its flag, how to put a value into the DEVMODE and the native field, and
// how to read the native field; `set` is a value other than the default.
struct FieldRow {
    const char* name;
    DWORD flag;
    long set;
    long byDefault;
    std::function<void(DEVMODEW&, long)> putDm;
    std::function<long(const DEVMODEW&)> getDm;
    std::function<void(WindowsPrintNativeData&, long)> putNative;
    std::function<long(const WindowsPrintNativeData&)> getNative;
};

std::vector<FieldRow> fieldRows()
{
    using N = WindowsPrintNativeData;
    return {
        {"Scale", DM_SCALE, 75, 100, [](DEVMODEW& d, long v) { d.dmScale = short(v); },
         [](const DEVMODEW& d) { return long(d.dmScale); }, [](N& n, long v) { n.SetScale(int16_t(v)); },
         [](const N& n) { return long(n.GetScale()); }},
        {"YResolution", DM_YRESOLUTION, 1200, 0, [](DEVMODEW& d, long v) { d.dmYResolution = short(v); },
         [](const DEVMODEW& d) { return long(d.dmYResolution); },
         [](N& n, long v) { n.SetYResolution(int16_t(v)); }, [](const N& n) { return long(n.GetYResolution()); }},
        {"TTOption", DM_TTOPTION, 3, 0, [](DEVMODEW& d, long v) { d.dmTTOption = short(v); },
         [](const DEVMODEW& d) { return long(d.dmTTOption); }, [](N& n, long v) { n.SetTTOption(int16_t(v)); },
         [](const N& n) { return long(n.GetTTOption()); }},
        {"Nup", DM_NUP, 4, 0, [](DEVMODEW& d, long v) { d.dmNup = DWORD(v); },
         [](const DEVMODEW& d) { return long(d.dmNup); }, [](N& n, long v) { n.SetNup(uint32_t(v)); },
         [](const N& n) { return long(n.GetNup()); }},
        {"ICMMethod", DM_ICMMETHOD, 3, 0, [](DEVMODEW& d, long v) { d.dmICMMethod = DWORD(v); },
         [](const DEVMODEW& d) { return long(d.dmICMMethod); }, [](N& n, long v) { n.SetICMMethod(uint32_t(v)); },
         [](const N& n) { return long(n.GetICMMethod()); }},
        {"ICMIntent", DM_ICMINTENT, 2, 0, [](DEVMODEW& d, long v) { d.dmICMIntent = DWORD(v); },
         [](const DEVMODEW& d) { return long(d.dmICMIntent); }, [](N& n, long v) { n.SetICMIntent(uint32_t(v)); },
         [](const N& n) { return long(n.GetICMIntent()); }},
        {"DitherType", DM_DITHERTYPE, 5, 0, [](DEVMODEW& d, long v) { d.dmDitherType = DWORD(v); },
         [](const DEVMODEW& d) { return long(d.dmDitherType); },
         [](N& n, long v) { n.SetDitherType(uint32_t(v)); }, [](const N& n) { return long(n.GetDitherType()); }},
    };
}

TEST_F(PrintDataTest, TransferToReadsFlaggedMembersOnly)
{
    PrintData data(kMfp);
    HGLOBAL handle = native(data).GetDevMode();
    ASSERT_NE(handle, nullptr);
    for (const FieldRow& row : fieldRows()) {
        {
            GlobalLockGuard<DEVMODEW> dm(handle);
            row.putDm(*dm.get(), row.set);
            dm->dmFields |= row.flag;
        }
        ASSERT_TRUE(native(data).TransferTo(data));
        EXPECT_EQ(row.getNative(native(data)), row.set) << row.name;
        {
            GlobalLockGuard<DEVMODEW> dm(handle);
            dm->dmFields &= ~row.flag;
        }
        ASSERT_TRUE(native(data).TransferTo(data));
        EXPECT_EQ(row.getNative(native(data)), row.byDefault) << row.name;
    }
    EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 0u);
}

TEST_F(PrintDataTest, TransferFromWritesSetFieldsAndClearsDefaults)
{
    PrintData data(kMfp);
    // A quality in dots per inch would make the standard exchange write dmYResolution too.
    data.SetQuality(wxPRINT_QUALITY_HIGH);
    HGLOBAL handle = native(data).GetDevMode();
    for (const FieldRow& row : fieldRows()) {
        row.putNative(native(data), row.set);
        ASSERT_TRUE(native(data).TransferFrom(data));
        {
            GlobalLockGuard<DEVMODEW> dm(handle);
            EXPECT_EQ(row.getDm(*dm.get()), row.set) << row.name;
            EXPECT_TRUE(dm->dmFields & row.flag) << row.name;
        }
        row.putNative(native(data), row.byDefault);
        ASSERT_TRUE(native(data).TransferFrom(data));
        GlobalLockGuard<DEVMODEW> dm(handle);
        EXPECT_FALSE(dm->dmFields & row.flag) << row.name;
        // A default clears the flag only; the member keeps what was written before.
        EXPECT_EQ(row.getDm(*dm.get()), row.set) << row.name;
    }
}

TEST_F(PrintDataTest, HeaderMembersAreReadButNeverWritten)
{
    PrintData data(kMfp);
    WindowsPrintNativeData& n = native(data);
    EXPECT_EQ(n.GetSpecVersion(), DM_SPECVERSION);
    EXPECT_EQ(n.GetSize(), sizeof(DEVMODEW));
    const uint16_t driverVersion = n.GetDriverVersion();
    n.SetSpecVersion(1);
    n.SetSize(2);
    n.SetDriverVersion(3);
    ASSERT_TRUE(n.TransferFrom(data));
    GlobalLockGuard<DEVMODEW> dm(n.GetDevMode());
    EXPECT_EQ(dm->dmSpecVersion, DM_SPECVERSION);
    EXPECT_EQ(dm->dmSize, sizeof(DEVMODEW));
    EXPECT_EQ(dm->dmDriverVersion, driverVersion);
}

TEST_F(PrintDataTest, FormNameIsCutToItsField)
{
    PrintData data(kMfp);
    WindowsPrintNativeData& n = native(data);
    const wxString longName(wxT("A form name of forty characters, exactly"));
    ASSERT_EQ(longName.length(), 40u);
    n.SetFormName(longName);
    ASSERT_TRUE(n.TransferFrom(data));
    {
        GlobalLockGuard<DEVMODEW> dm(n.GetDevMode());
        EXPECT_TRUE(dm->dmFields & DM_FORMNAME);
        EXPECT_EQ(dm->dmFormName[31], 0);
    }
    ASSERT_TRUE(n.TransferTo(data));
    EXPECT_EQ(n.GetFormName(), longName.Left(31));

    n.SetFormName(wxString());
    ASSERT_TRUE(n.TransferFrom(data));
    ASSERT_TRUE(n.TransferTo(data));
    EXPECT_TRUE(n.GetFormName().empty());
}

TEST_F(PrintDataTest, StandardSettingsRoundTripThroughTheDevMode)
{
    PrintData data(kMfp);
    data.SetOrientation(wxLANDSCAPE);
    data.SetNoCopies(7);
    data.SetColour(false);
    data.SetDuplex(wxDUPLEX_VERTICAL);
    data.SetQuality(wxPRINT_QUALITY_DRAFT);
    data.setDmBin(15);
    data.SetPaperId(wxPAPER_A3);
    ASSERT_TRUE(native(data).TransferFrom(data));
    {
        GlobalLockGuard<DEVMODEW> dm(native(data).GetDevMode());
        EXPECT_EQ(dm->dmOrientation, DMORIENT_LANDSCAPE);
        EXPECT_EQ(dm->dmCopies, 7);
        EXPECT_EQ(dm->dmColor, DMCOLOR_MONOCHROME);
        EXPECT_EQ(dm->dmDuplex, DMDUP_VERTICAL);
        EXPECT_EQ(dm->dmPrintQuality, DMRES_DRAFT);
        EXPECT_EQ(dm->dmDefaultSource, 15);
        EXPECT_EQ(dm->dmPaperSize, 8);
    }
    PrintData fresh(kMfp);
    fresh.SetNoCopies(1);
    // Same native data, new wxPrintData side: everything comes back from the DEVMODE.
    ASSERT_TRUE(native(data).TransferTo(fresh));
    EXPECT_EQ(fresh.GetOrientation(), wxLANDSCAPE);
    EXPECT_EQ(fresh.GetNoCopies(), 7);
    EXPECT_FALSE(fresh.GetColour());
    EXPECT_EQ(fresh.GetDuplex(), wxDUPLEX_VERTICAL);
    EXPECT_EQ(fresh.GetQuality(), wxPRINT_QUALITY_DRAFT);
    EXPECT_EQ(fresh.GetBin(), wxPRINTBIN_FORMSOURCE);
    EXPECT_EQ(fresh.GetPaperId(), wxPAPER_A3);
    EXPECT_EQ(fresh.GetPaperSize(), wxSize(297, 420));
}

TEST_F(PrintDataTest, LongPrinterNamesSurviveTheDeviceNameField)
{
    const std::wstring name = L"A printer whose name is longer than thirty-one characters";
    vspool::addPrinter(printer(name));
    PrintData data(name.c_str());
    EXPECT_EQ(data.GetPrinterName(), name);
    EXPECT_TRUE(data.ResolveConflicts());
    EXPECT_EQ(data.GetPrinterName(), name);

    vspool::setPrinters({printer(name)}, name);
    PrintData byDefault(L"");
    EXPECT_EQ(byDefault.GetPrinterName(), name);
    EXPECT_TRUE(byDefault.ResolveConflicts());
}

TEST_F(PrintDataTest, WithoutDevModeTransfersFail)
{
    vspool::setPrinters({}, L"");
    PrintData data;
    WindowsPrintNativeData& n = native(data);
    EXPECT_FALSE(n.TransferTo(data));
    EXPECT_FALSE(n.TransferFrom(data));
    EXPECT_FALSE(n.ResolveConflicts(data));
    EXPECT_FALSE(n.IsOk());
}

TEST_F(PrintDataTest, DefaultPrinterComesWithItsDevNames)
{
    PrintData data(L"");
    EXPECT_NE(native(data).GetDevNames(), nullptr);
    EXPECT_EQ(data.GetPrinterName(), vspool::defaultPrinter());
    EXPECT_TRUE(native(data).IsOk());
}

TEST_F(PrintDataTest, UnopenablePrinterLeavesTheDevModeAsItWas)
{
    PrintData data(kMfp);
    WindowsPrintNativeData& n = native(data);
    HGLOBAL handle = n.GetDevMode();
    std::vector<BYTE> before(GlobalSize(handle));
    {
        GlobalLockGuard<BYTE> bytes(handle);
        std::memcpy(before.data(), bytes.get(), before.size());
    }
    PrintData other(data);
    other.SetPrinterName(wxT("No Such Printer"));
    EXPECT_FALSE(n.ResolveConflicts(other));
    GlobalLockGuard<BYTE> bytes(handle);
    EXPECT_EQ(std::memcmp(before.data(), bytes.get(), before.size()), 0);
    EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 1u); // this guard only
}

TEST_F(PrintDataTest, ClassInformation)
{
    PrintData data;
    wxObject* n = data.GetNativeData();
    EXPECT_STREQ(n->GetClassInfo()->GetClassName(), wxT("WindowsPrintNativeData"));
    EXPECT_STREQ(n->GetClassInfo()->GetBaseClassName1(), wxT("wxWindowsPrintNativeData"));
    EXPECT_FALSE(n->GetClassInfo()->IsDynamic());
    // It is the PostScript native data that the printer DC of this port looks for.
    EXPECT_TRUE(n->IsKindOf(wxCLASSINFO(wxPostScriptPrintNativeData)));
    EXPECT_STREQ(data.GetClassInfo()->GetClassName(), wxT("PrintData"));
    EXPECT_STREQ(data.GetClassInfo()->GetBaseClassName1(), wxT("wxPrintData"));
    EXPECT_FALSE(data.GetClassInfo()->IsDynamic());
    EXPECT_NE(wxClassInfo::FindClass(wxT("PrintData")), nullptr);
}

} // namespace
