// The papers command, run as a script would run it.
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using testutil::TempDir;

const std::string kOffice = testutil::dataPath("printers/small-office.json");

// The description file lists A4 (2100 x 2970) and "Visitor badge" (900 x 540, number 520).
TEST(PaperCommands, OneLinePerPaperWithSizeInMillimetres)
{
    const TempDir dir;
    const testutil::ScopedEnv office("DAVARAZ_PRINTERS", kOffice.c_str());
    const testutil::ToolResult r = testutil::runTool("papers 'reception laser'", dir);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "9\tA4\t210.0 x 297.0 mm\n520\tVisitor badge\t90.0 x 54.0 mm\n");
    EXPECT_EQ(r.err, "");
}

TEST(PaperCommands, UnknownPrinterFails)
{
    const TempDir dir;
    const testutil::ScopedEnv office("DAVARAZ_PRINTERS", kOffice.c_str());
    const testutil::ToolResult r = testutil::runTool("papers Nobody", dir);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "davaraz: Nobody: no such printer\n");
    EXPECT_EQ(testutil::runTool("papers", dir).exitCode, 2);
}

} // namespace
