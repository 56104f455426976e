// WindowsPrintNativeData: loading a printer's DEVMODE, the extra members read and written per
// dmFields flag, and the driver's validation.
#include "WxTestApp.h"
#include "davaraz/print/GlobalLockGuard.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"
#include "platform/win32/wstr.h"

#include <cstddef>
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

// Each member M is dmM in the DEVMODE and GetM/SetM on the native data.
#define FIELD_ROW(M, flag, set, byDefault)                                                                   \
    FieldRow{#M, flag, set, byDefault, [](DEVMODEW& d, long v) { d.dm##M = static_cast<decltype(d.dm##M)>(v); }, \
             [](const DEVMODEW& d) { return long(d.dm##M); },                                                     \
             [](WindowsPrintNativeData& n, long v) { n.Set##M(static_cast<decltype(n.Get##M())>(v)); },          \
             [](const WindowsPrintNativeData& n) { return long(n.Get##M()); }}

std::vector<FieldRow> fieldRows()
{
    return {FIELD_ROW(Scale, DM_SCALE, 75, 100),        FIELD_ROW(YResolution, DM_YRESOLUTION, 1200, 0),
            FIELD_ROW(TTOption, DM_TTOPTION, 3, 0),     FIELD_ROW(Nup, DM_NUP, 4, 0),
            FIELD_ROW(ICMMethod, DM_ICMMETHOD, 3, 0),   FIELD_ROW(ICMIntent, DM_ICMINTENT, 2, 0),
            FIELD_ROW(DitherType, DM_DITHERTYPE, 5, 0)};
}
#undef FIELD_ROW

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

// An older driver's public part ends before dmFormName; its 64 private bytes follow at once,
// 166 bytes in all.
TEST_F(PrintDataTest, AnOlderDriversShorterDevModeIsTakenAndItsPrivateBytesKept)
{
    vspool::Printer printer;
    ASSERT_TRUE(vspool::changePrinter(kMfp, [&](vspool::Printer& p) {
        p.publicBytes = offsetof(DEVMODEW, dmFormName);
        printer = p;
    }));
    const std::vector<BYTE> driverBytes = vspool::privateData(printer);
    PrintData data(kMfp);
    ASSERT_EQ(data.GetPrinterName(), kMfp);
    WindowsPrintNativeData& n = native(data);
    EXPECT_EQ(n.GetSize(), offsetof(DEVMODEW, dmFormName));
    EXPECT_TRUE(n.GetFormName().empty());
    EXPECT_EQ(n.GetICMMethod(), 0u);

    // Members the driver does not know are not written over its private bytes.
    n.SetFormName(wxT("A4"));
    n.SetNup(4);
    n.SetICMMethod(3);
    n.SetDitherType(5);
    ASSERT_TRUE(n.TransferFrom(data));
    {
        GlobalLockGuard<DEVMODEW> dm(n.GetDevMode());
        EXPECT_EQ(std::memcmp(devModePrivate(dm.get()), driverBytes.data(), driverBytes.size()), 0);
    }
    ASSERT_TRUE(data.ResolveConflicts());
    ASSERT_EQ(data.GetPrivDataLen(), static_cast<int>(driverBytes.size()));
    EXPECT_EQ(std::memcmp(data.GetPrivData(), driverBytes.data(), driverBytes.size()), 0);
    EXPECT_EQ(n.GetNup(), 0u);
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
    EXPECT_EQ(GlobalLockGuard<DEVMODEW>(native(data).GetDevMode())->dmPaperSize, 8);
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
    EXPECT_TRUE(data.ResolveConflicts());
    EXPECT_EQ(data.GetPrinterName(), name);

    // The default printer's full name comes from its DEVNAMES.
    vspool::setPrinters({printer(name)}, name);
    PrintData byDefault(L"");
    EXPECT_NE(native(byDefault).GetDevNames(), nullptr);
    EXPECT_EQ(byDefault.GetPrinterName(), name);
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

// The printer DC of this port looks for the PostScript native data; wxWidgets finds our classes
// by name.
TEST_F(PrintDataTest, ClassInformation)
{
    PrintData data;
    EXPECT_TRUE(data.GetNativeData()->IsKindOf(wxCLASSINFO(wxPostScriptPrintNativeData)));
    EXPECT_NE(wxClassInfo::FindClass(wxT("PrintData")), nullptr);
    EXPECT_STREQ(data.GetClassInfo()->GetClassName(), wxT("PrintData"));
}

} // namespace
