// The DEVMODEW <-> wxPrintData code tables: bins, duplex and quality, both directions.
#include "davaraz/print/DevModeCodes.h"

#include <gtest/gtest.h>

namespace {

using namespace wut::devmode;

TEST(DevModeCodes, BinTableBothWays)
{
    struct Row {
        short dm;
        int wx;
    };
    const Row rows[] = {{1, 1}, {2, 2},  {3, 3},  {4, 4},   {5, 5},   {6, 6},   {7, 7},   {8, 8},
                        {9, 9}, {10, 10}, {11, 11}, {14, 12}, {15, 13}, {256, 14}, {300, 58}, {32767, 32525}};
    for (const Row& r : rows) {
        EXPECT_EQ(binFromDm(r.dm), r.wx) << r.dm;
        EXPECT_EQ(binToDm(r.wx), r.dm) << r.wx;
    }
}

TEST(DevModeCodes, BinsOutsideTheTableAreTheDefault)
{
    for (short dm : {0, 12, 13, 16, 100, 242, 255, -1, -256, -32768})
        EXPECT_EQ(binFromDm(dm), 0) << dm;
    // The default bin has no DEVMODE number; it comes out as the user offset.
    EXPECT_EQ(binToDm(0), 242);
    EXPECT_EQ(binFromDm(binToDm(0)), 0);
}

TEST(DevModeCodes, DuplexTable)
{
    EXPECT_EQ(duplexFromDm(1), 0);
    EXPECT_EQ(duplexFromDm(2), 2);
    EXPECT_EQ(duplexFromDm(3), 1);
    for (short odd : {0, 4, -1})
        EXPECT_EQ(duplexFromDm(odd), 0) << odd;
    EXPECT_EQ(duplexToDm(0), 1);
    EXPECT_EQ(duplexToDm(1), 3);
    EXPECT_EQ(duplexToDm(2), 2);
    EXPECT_EQ(duplexToDm(7), 1);
}

TEST(DevModeCodes, QualityCodesSwapAndResolutionsStay)
{
    const std::pair<short, int> symbolic[] = {{-4, -1}, {-3, -2}, {-2, -3}, {-1, -4}};
    for (auto [dm, wx] : symbolic) {
        EXPECT_EQ(qualityFromDm(dm), wx) << dm;
        EXPECT_EQ(qualityToDm(wx), dm) << wx;
    }
    for (short dpi : {0, 1, 300, 600, 2400, -5, -100}) {
        EXPECT_EQ(qualityFromDm(dpi), dpi);
        EXPECT_EQ(qualityToDm(dpi), dpi);
    }
}

} // namespace
