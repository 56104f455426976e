// The tool's dump of long ANSI lines (the other commands' outputs are guarded by ToolGuard, on
// the files and sessions of tests/data).
#include "pia/PiaTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

namespace {

using testutil::runTool;
using testutil::TempDir;

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

// dump converts ANSI text in pieces: a cut must never split a two-byte character, also in a line
// longer than the pieces (another writer's file; ours keep lines to 511 bytes).
TEST(ToolPia, DumpCutsLongAnsiLinesBetweenCharacters)
{
    TempDir dir;
    std::string sjis = "s=\"", utf8 = "s=\"";
    for (int i = 0; i < 50000; ++i) { // 日本: Shift-JIS 93 FA 96 7B, no byte below 0x40
        sjis += "\x93\xFA\x96\x7B";
        utf8 += "\xE6\x97\xA5\xE6\x9C\xAC";
    }
    sjis += "\n";
    utf8 += "\n";
    for (int i = 0; i < 30000; ++i) { // spaces between: cuts may fall after any of them
        sjis += " \x93\xFA";
        utf8 += " \xE6\x97\xA5";
    }
    testutil::writeBytes(dir.path("ja.ctb"), piatest::pack(sjis, "CTB"));
    const auto r = runTool("dump " + q(dir.path("ja.ctb")), dir, "env DAVARAZ_ANSI_CODEPAGE=932");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out == utf8) << r.out.size() << " bytes instead of " << utf8.size();
}

} // namespace
