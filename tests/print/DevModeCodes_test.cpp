// The DEVMODEW <-> wxPrintData code tables: bins, duplex and quality, both directions.
#include "davaraz/print/DevModeCodes.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using namespace wut::devmode;

TEST(DevModeCodes, BinsBothWaysAndUnknownBinsAsTheDefault)
{
    for (short n = 1; n <= 11; ++n) { // the numbered bins are the same on both sides
        EXPECT_EQ(binFromDm(n), n);
        EXPECT_EQ(binToDm(n), n);
    }
    // Cassette and form source follow after two unused numbers; user bins keep their offset.
    const std::pair<short, int> moved[] = {{14, 12}, {15, 13}, {256, 14}, {300, 58}, {32767, 32525}};
    for (auto [dm, wx] : moved) {
        EXPECT_EQ(binFromDm(dm), wx) << dm;
        EXPECT_EQ(binToDm(wx), dm) << wx;
    }
    for (short dm : {0, 12, 13, 16, 100, 242, 255, -1, -256, -32768})
        EXPECT_EQ(binFromDm(dm), 0) << dm;
    // The default bin has no DEVMODE number; it comes out as the user offset.
    EXPECT_EQ(binToDm(0), 242);
    EXPECT_EQ(binFromDm(binToDm(0)), 0);
}

TEST(DevModeCodes, DuplexAndQuality)
{
    const std::pair<short, int> duplex[] = {{1, 0}, {2, 2}, {3, 1}};
    for (auto [dm, wx] : duplex) {
        EXPECT_EQ(duplexFromDm(dm), wx) << dm;
        EXPECT_EQ(duplexToDm(wx), dm) << wx;
    }
    EXPECT_EQ(duplexFromDm(4), 0);
    EXPECT_EQ(duplexFromDm(-1), 0);
    EXPECT_EQ(duplexToDm(7), 1);

    // The symbolic qualities swap; resolutions in dots per inch stay.
    const std::pair<short, int> symbolic[] = {{-4, -1}, {-3, -2}, {-2, -3}, {-1, -4}};
    for (auto [dm, wx] : symbolic) {
        EXPECT_EQ(qualityFromDm(dm), wx) << dm;
        EXPECT_EQ(qualityToDm(wx), dm) << wx;
    }
    for (short dpi : {0, 1, 600, 2400, -5, -100}) {
        EXPECT_EQ(qualityFromDm(dpi), dpi);
        EXPECT_EQ(qualityToDm(dpi), dpi);
    }
}

} // namespace
