// PaperSizeGetter: failures that empty the caller's lists, and settings given by the caller
// (the lists of every embedded printer, names that fill their field included, are recorded by
// the printers session's `papers`).
#include "PaperFixture.h"
#include "davaraz/print/PaperSizeGetter.h"
#include "davaraz/print/GlobalLockGuard.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/Printers.h"
#include "davaraz/print/WindowsPrintNativeData.h"

#include <memory>

namespace {

using Getter = PaperTest;
using wut::PaperSizeGetter;

const wchar_t* const kPlotter = L"Large Format Plotter";

TEST_F(Getter, NoPapersEmptiesTheCallersListsAndIsAskedAgain)
{
    vspool::changePrinter(kPlotter, [](vspool::Printer& p) { p.papers.clear(); });
    OdArray<unsigned short> numbers{1, 2};
    OdArray<OdString> names{OdString(L"stale")};
    const PaperSizeGetter getter(kPlotter, L"");
    EXPECT_FALSE(getter.get(&numbers, &names, nullptr));
    EXPECT_TRUE(numbers.isEmpty());
    EXPECT_TRUE(names.isEmpty());

    // An empty cached list is not an answer: once the driver has papers, the same settings get them.
    vspool::changePrinter(kPlotter, [](vspool::Printer& p) { p.papers = {{9, L"A4", 2100, 2970, {}}}; });
    EXPECT_TRUE(getter.get(&numbers, &names, nullptr));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], L"A4");
}

TEST_F(Getter, OneFailingListFailsTheWholeRequest)
{
    // The numbers are cached; the names of a printer that has gone cannot be had, so the
    // request fails and the cached numbers are not handed out either.
    OdArray<unsigned short> numbers;
    OdArray<OdString> names;
    const PaperSizeGetter getter(kPlotter, L"");
    ASSERT_TRUE(getter.get(&numbers, nullptr, nullptr));
    vspool::removePrinter(kPlotter);
    EXPECT_FALSE(getter.get(&numbers, &names, nullptr));
    EXPECT_TRUE(numbers.isEmpty()) << "the numbers came from the cache but are emptied too";
    EXPECT_TRUE(names.isEmpty());

    // A printer that never was has no settings to key the cache by.
    numbers.push_back(9);
    EXPECT_FALSE(PaperSizeGetter(L"No Such Printer", L"").get(&numbers, nullptr, nullptr));
    EXPECT_TRUE(numbers.isEmpty());
}

TEST_F(Getter, PrintDataIsBroughtUpToDateAndLockedWhileTheGetterLives)
{
    wut::PrintData data(kPlotter);
    data.SetOrientation(wxLANDSCAPE); // not yet in the DEVMODE
    const HGLOBAL handle = wut::WindowsPrintNativeData::GetNativeData(data)->GetDevMode();
    {
        const PaperSizeGetter getter(kPlotter, L"", &data);
        const HGLOBAL held = wut::WindowsPrintNativeData::GetNativeData(data)->GetDevMode();
        EXPECT_EQ(GlobalFlags(held) & GMEM_LOCKCOUNT, 1u);
        {
            wut::GlobalLockGuard<DEVMODEW> dm(held);
            EXPECT_EQ(dm->dmOrientation, DMORIENT_LANDSCAPE);
        }
        OdArray<unsigned short> numbers;
        EXPECT_TRUE(getter.get(&numbers, nullptr, nullptr));
        EXPECT_EQ(numbers.size(), papersOf(kPlotter).size());
        EXPECT_EQ(handle, held) << "the driver's verdict fits the block it made";
    }
    EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 0u);
}

} // namespace
