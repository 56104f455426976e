// DEVMODE_RAII: the DEVMODE handed out up to date and locked, nested locks released on every
// path, driver corrections flowing back into the print data.
#include "WxTestApp.h"
#include "davaraz/print/DevModeRaii.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"
#include "platform/win32/wstr.h"

#include <wx/dcprint.h>

#include <memory>

namespace {

using wut::DEVMODE_RAII;
using wut::PrintData;
using wut::WindowsPrintNativeData;

UINT locks(const PrintData& data)
{
    return GlobalFlags(WindowsPrintNativeData::GetNativeData(data)->GetDevMode()) & GMEM_LOCKCOUNT;
}

TEST_F(PrintDataTest, RaiiHandsOutTheCurrentSettingsLocked)
{
    PrintData data(L"Office Colour MFP");
    data.SetNoCopies(4);
    {
        DEVMODE_RAII dm(data);
        ASSERT_TRUE(static_cast<bool>(dm));
        EXPECT_EQ(dm->dmCopies, 4); // wxPrintData went in before it was handed out
        EXPECT_EQ(locks(data), 1u);
        EXPECT_EQ(static_cast<DEVMODEW*>(dm), dm.get());
    }
    EXPECT_EQ(locks(data), 0u);
}

TEST_F(PrintDataTest, NestedLocksAreReleasedOnEveryPath)
{
    PrintData data(L"Office Colour MFP");
    DEVMODE_RAII outer(data);
    ASSERT_TRUE(static_cast<bool>(outer));
    {
        DEVMODE_RAII copy(outer);
        EXPECT_EQ(locks(data), 1u); // a copy locks only when asked
        ASSERT_NE(copy.get(), nullptr);
        EXPECT_EQ(locks(data), 2u);
        // Native operations lock and unlock on their own while both are held.
        EXPECT_TRUE(data.ResolveConflicts());
        EXPECT_EQ(locks(data), 2u);
        ASSERT_TRUE(vspool::removePrinter(L"Office Colour MFP"));
        EXPECT_FALSE(data.ResolveConflicts()); // the failing path unlocks too
        EXPECT_EQ(locks(data), 2u);
    }
    EXPECT_EQ(locks(data), 1u);
    outer.release();
    EXPECT_EQ(locks(data), 0u);
    outer.release();
    EXPECT_EQ(locks(data), 0u);
    ASSERT_NE(outer.get(), nullptr); // locks again
    EXPECT_EQ(locks(data), 1u);
}

TEST_F(PrintDataTest, UpdateLetsTheDriverCorrectAndThePrintDataFollow)
{
    PrintData data(L"Draft Mono Printer");
    DEVMODE_RAII dm(data);
    ASSERT_TRUE(static_cast<bool>(dm));
    dm->dmCopies = 50;
    dm->dmFields |= DM_COPIES;
    dm->dmScale = 80;
    dm->dmFields |= DM_SCALE;
    dm.updatePrintData();
    EXPECT_EQ(data.GetNoCopies(), 9);
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(data)->GetScale(), 80);
    EXPECT_EQ(locks(data), 1u);

    dm.release(); // unlocked, an update does nothing
    data.SetNoCopies(3);
    dm.updatePrintData();
    EXPECT_EQ(data.GetNoCopies(), 3);
}

// Without a DEVMODE, or on another native data, the guard is null and an update does nothing.
TEST_F(PrintDataTest, RaiiWithoutOurDevModeIsNull)
{
    vspool::setPrinters({}, L"");
    PrintData data;
    DEVMODE_RAII dm(data);
    EXPECT_FALSE(static_cast<bool>(dm));
    dm.updatePrintData();

    wut::unRegisterPrintFactory();
    PrintData foreign;
    DEVMODE_RAII other(foreign);
    EXPECT_FALSE(static_cast<bool>(other));
    EXPECT_EQ(static_cast<DEVMODEW*>(other), nullptr);
}

// Guards a use-after-free: re-initialising the native data (as createPrinterDC does for print
// data without a printer) freed the block a DEVMODE_RAII still held locked.
TEST_F(PrintDataTest, HeldDevModeOutlivesEveryReplacement)
{
    const struct {
        const char* name;
        void (*replace)(PrintData&);
    } cases[] = {
        {"printer DC", [](PrintData& d) { std::unique_ptr<wxPrinterDC>(d.createPrinterDC()); }},
        {"other printer", [](PrintData& d) { d.SetPrinterName(wxT("Large Format Plotter")); DEVMODE_RAII(d).get(); }},
        {"re-initialise", [](PrintData& d) {
             WindowsPrintNativeData::GetNativeData(d)->Initialize(d, wxT("Draft Mono Printer"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrintData data;
        DEVMODE_RAII held(data);
        ASSERT_TRUE(static_cast<bool>(held));
        const HGLOBAL block = WindowsPrintNativeData::GetNativeData(data)->GetDevMode();
        c.replace(data);
        EXPECT_NE(GlobalFlags(block), GMEM_INVALID_HANDLE) << "the held block was freed";
        EXPECT_EQ(held->dmSize, sizeof(DEVMODEW)); // still readable (the sanitizers watch)
        held.release(); // the replaced block goes now; the fixture counts what is left
    }
}

} // namespace
