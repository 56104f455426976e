// The davaraz tool's plot style commands: ctb new, stb new, ctb2stb and styles (the listing of
// the files in tests/data is guarded by ToolGuard).
#include "../plotstyle/PiaBytes.h"
#include "../plotstyle/TableText.h"

#include <gtest/gtest.h>
#include <string>

using namespace piatest;

namespace {

using testutil::runTool;

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

TEST(PlotStyleCommands, CreateConvertAndList)
{
    const TempDir dir;
    const auto ctb = dir.path("pens.ctb"), stb = dir.path("pens.stb"), named = dir.path("new.stb");
    ASSERT_EQ(0, runTool("ctb new " + q(ctb), dir).exitCode);
    ASSERT_EQ(0, runTool("ctb2stb " + q(ctb) + " " + q(stb) + " --base Pen", dir).exitCode);
    ASSERT_EQ(0, runTool("stb new " + q(named), dir).exitCode);

    const auto ctbLines = lines(runTool("styles " + q(ctb), dir).out);
    ASSERT_EQ(255u, ctbLines.size());
    EXPECT_EQ("0\tColor_1\tColor 1\tobject\t0\t100\t1", ctbLines[0]);
    EXPECT_EQ("254\tColor_255\tColor 255\tobject\t0\t100\t255", ctbLines[254]);

    const auto listed = runTool("styles " + q(stb), dir);
    EXPECT_EQ(0, listed.exitCode);
    EXPECT_EQ("0\tNormal\tNormal\tobject\t0\t100\t-\n1\tPen_1\tPen 1\tobject\t0\t100\t1-255\n", listed.out);
    EXPECT_EQ("0\tNormal\tNormal\tobject\t0\t100\n", runTool("styles " + q(named), dir).out);
    ASSERT_EQ(0, runTool("ctb new " + q(ctb) + " --base 'Stift'", dir).exitCode);
    EXPECT_EQ(0u, runTool("styles " + q(ctb), dir).out.find("0\tStift_1\tStift 1\t"));
}

TEST(PlotStyleCommands, BrokenFilesSayWhy)
{
    const TempDir dir;
    const auto bad = dir.path("bad.ctb"), named = dir.path("n.stb"), big = dir.path("big.ctb");
    const std::string out = " " + q(dir.path("x.stb"));
    writeBytes(bad, pack(replaceLine(tableText(3, false, false), "lineweight="), "CTB"));
    writeBytes(big, pack(tableText(256, true, true), "CTB"));
    ASSERT_EQ(0, runTool("stb new " + q(named), dir).exitCode);
    const struct {
        std::string args;
        std::string says;
    } cases[] = {
        {"styles " + q(bad), "block \"plot_style/0\": missing or malformed required key \"lineweight\""},
        {"ctb2stb " + q(bad) + out, "\"lineweight\""},
        {"ctb2stb " + q(named) + out, "colour-dependent"},
        {"ctb2stb " + q(big) + out, "256 styles"},
    };
    for (const auto& c : cases) {
        const auto r = runTool(c.args, dir);
        EXPECT_EQ(1, r.exitCode) << c.args;
        EXPECT_NE(std::string::npos, r.err.find(c.says)) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path("x.stb")));
}

TEST(PlotStyleCommands, UsageErrors)
{
    const TempDir dir;
    const std::string out = q(dir.path("t.ctb"));
    for (const std::string& args : {"ctb old " + out, "ctb new " + out + " --base", "ctb new " + q(dir.path("t.stb")),
                                   "stb new " + out, "ctb2stb " + out + " " + out, std::string("styles")})
        EXPECT_EQ(2, runTool(args, dir).exitCode) << args;
    EXPECT_EQ(1u, dir.entryCount()) << "only the temporary folder";
}

// Guards `ctb new $'n\xff.ctb'`, which created a file of another name and could not read it.
TEST(PlotStyleCommands, FileNamesThatAreNotUtf8)
{
    const TempDir dir;
    const std::string name = dir.path("n\xff.ctb").string();
    auto r = runTool("ctb new '" + name + "'", dir);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(testutil::fs::exists(name));
    r = runTool("styles '" + name + "'", dir);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.entryCount(), 2u) << "the table and tmp";
}

} // namespace
