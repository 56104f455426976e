// PaperSizeCache: each list asked of a driver once per printer and settings, dropped per printer
// by onPrinterSettingsChanged, handed out as copies, and created safely by concurrent first users.
#include "PaperFixture.h"
#include "davaraz/print/PaperSizeGetter.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/Printers.h"
#include "davaraz/print/WindowsPapers.h"

#include <atomic>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

using PaperCache = PaperTest;
using wut::PaperSizeCache;
using wut::PaperSizeGetter;

const wchar_t* const kOffice = L"Office Colour MFP";
const wchar_t* const kPlotter = L"Large Format Plotter";

// All three lists of a printer with its default settings.
bool query(const wchar_t* printer, OdArray<unsigned short>* numbers = nullptr)
{
    OdArray<unsigned short> n;
    OdArray<OdString> names;
    OdArray<POINT> sizes;
    const PaperSizeGetter getter(printer, L"");
    return getter.get(numbers ? numbers : &n, &names, &sizes);
}

TEST_F(PaperCache, AskedOnceUntilThePrintersSettingsChange)
{
    ASSERT_TRUE(query(kOffice));
    EXPECT_EQ(driverQueries(), 6u); // three lists, each a count and a fetch
    ASSERT_TRUE(query(kOffice));
    ASSERT_TRUE(query(kPlotter));
    EXPECT_EQ(driverQueries(), 12u);
    ASSERT_EQ(PaperSizeCache::instance().size(), 2u);

    // A renamed paper is not seen until the host reports the change (the driver's settings,
    // and with them the key, stay the same).
    vspool::changePrinter(kOffice, [](vspool::Printer& p) { p.papers.back().name = L"Renamed"; });
    OdArray<OdString> names;
    ASSERT_TRUE(PaperSizeGetter(kOffice, L"").get(nullptr, &names, nullptr));
    EXPECT_NE(names.last(), L"Renamed") << "served from the cache";

    vspool::resetCounts();
    wut::onPrinterSettingsChanged(OdString(L"OFFICE colour mfp"));
    EXPECT_EQ(PaperSizeCache::instance().size(), 1u);
    ASSERT_TRUE(query(kPlotter));
    EXPECT_EQ(driverQueries(), 0u) << "the other printer's entry stays";
    ASSERT_TRUE(PaperSizeGetter(kOffice, L"").get(nullptr, &names, nullptr));
    EXPECT_EQ(driverQueries(), 2u);
    EXPECT_EQ(names.last(), L"Renamed");

    // An empty name drops every entry.
    wut::onPrinterSettingsChanged(OdString());
    EXPECT_EQ(PaperSizeCache::instance().size(), 0u);
    ASSERT_TRUE(query(kPlotter));
    EXPECT_EQ(driverQueries(), 8u);
}

TEST_F(PaperCache, EntriesAreKeyedByTheSettingsBytes)
{
    const wut::PrintData a(kOffice);
    wut::PrintData b(kOffice); // equal settings, another block
    OdArray<unsigned short> numbers;
    ASSERT_TRUE(PaperSizeGetter(kOffice, L"", &a).get(&numbers, nullptr, nullptr));
    ASSERT_TRUE(PaperSizeGetter(kOffice, L"", &b).get(&numbers, nullptr, nullptr));
    ASSERT_TRUE(PaperSizeGetter(L"office colour mfp", L"", &b).get(&numbers, nullptr, nullptr));
    EXPECT_EQ(PaperSizeCache::instance().size(), 1u) << "same settings, names compared ignoring case";
    EXPECT_EQ(driverQueries(), 2u);

    b.SetOrientation(b.GetOrientation() == wxPORTRAIT ? wxLANDSCAPE : wxPORTRAIT);
    ASSERT_TRUE(PaperSizeGetter(kOffice, L"", &b).get(&numbers, nullptr, nullptr));
    ASSERT_TRUE(PaperSizeGetter(kOffice, L"LPT9:", &a).get(&numbers, nullptr, nullptr));
    ASSERT_TRUE(PaperSizeGetter(kOffice, L"").get(&numbers, nullptr, nullptr)); // the defaults: like a
    EXPECT_EQ(PaperSizeCache::instance().size(), 3u) << "other settings and another port are new entries";
    EXPECT_EQ(driverQueries(), 6u);
}

TEST_F(PaperCache, CallersGetCopiesThatLeaveTheCacheAlone)
{
    OdArray<unsigned short> first;
    OdArray<unsigned short> second;
    ASSERT_TRUE(query(kOffice, &first));
    ASSERT_TRUE(query(kOffice, &second));
    EXPECT_EQ(first.getPtr(), second.getPtr()) << "copies share the cached storage";
    EXPECT_EQ(first.refCount(), 3); // cache and two callers

    const unsigned short original = first[0];
    first.setAt(0, 999);
    first.push_back(1000);
    EXPECT_NE(first.getPtr(), second.getPtr());
    EXPECT_EQ(second[0], original);
}

// The first users of the cache and of the paper-name index may arrive on several threads at
// once. The death-test child is a fresh process running only this test, so both are created
// here, by whichever thread comes first.
void firstUseFromThreads()
{
    constexpr int kThreads = 8;
    std::atomic<bool> go{false};
    std::atomic<int> wrong{0};
    PaperSizeCache* seen[kThreads] = {};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            while (!go.load())
                std::this_thread::yield();
            seen[t] = &PaperSizeCache::instance();
            if (wut::getPSnumber(t % 2 ? L"a4" : L"LETTER") != (t % 2 ? 9 : 1))
                ++wrong;
        });
    go = true;
    for (std::thread& th : threads)
        th.join();
    for (PaperSizeCache* p : seen)
        if (p != seen[0] || p->size() != 0)
            ++wrong;
    std::exit(wrong.load() == 0 ? 0 : 1);
}

TEST(PaperCacheFirstUse, ConcurrentFirstUsersShareOneCacheAndIndex)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(firstUseFromThreads(), ::testing::ExitedWithCode(0), "");
}

} // namespace
