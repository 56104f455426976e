// PaperSizeGetter: the three driver lists, names that fill their whole field, failures that
// empty the caller's lists, and settings given by the caller.
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

TEST_F(Getter, ListsAreThoseTheDriverReports)
{
    OdArray<unsigned short> numbers;
    OdArray<OdString> names;
    OdArray<POINT> sizes;
    const PaperSizeGetter getter(kPlotter, L"USB002");
    ASSERT_TRUE(getter.get(&numbers, &names, &sizes));
    const std::vector<vspool::Paper> expected = papersOf(kPlotter);
    ASSERT_EQ(numbers.size(), expected.size());
    ASSERT_EQ(sizes.size(), expected.size());
    bool fullField = false;
    for (unsigned i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(numbers[i], expected[i].id);
        EXPECT_EQ(names[i].str(), expected[i].name);
        EXPECT_EQ(sizes[i].x, expected[i].width);
        EXPECT_EQ(sizes[i].y, expected[i].height);
        fullField = fullField || names[i].getLength() == kPaperNameChars;
    }
    EXPECT_TRUE(fullField) << "the plotter has a name of exactly 64 characters";
}

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
