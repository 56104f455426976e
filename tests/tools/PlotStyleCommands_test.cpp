// The davaraz tool's plot style commands: ctb new, stb new, ctb2stb and styles.
#include "../plotstyle/PiaBytes.h"
#include "../plotstyle/TableText.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

using namespace piatest;

namespace {

struct ToolRun {
    int status;
    std::string out; // stdout, or stderr when asked
};

ToolRun tool(const std::string& args, bool errors = false)
{
    const std::string cmd = std::string("'") + DAVARAZ_TOOL_PATH + "' " + args + (errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
    ToolRun r{-1, ""};
    std::FILE* p = ::popen(cmd.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
        r.out.append(buf, n);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

TEST(PlotStyleCommands, CreateConvertAndList)
{
    TempDir dir;
    const auto ctb = dir.path() / "pens.ctb", stb = dir.path() / "pens.stb", named = dir.path() / "new.stb";
    ASSERT_EQ(0, tool("ctb new " + q(ctb)).status);
    ASSERT_EQ(0, tool("ctb2stb " + q(ctb) + " " + q(stb) + " --base Pen").status);
    ASSERT_EQ(0, tool("stb new " + q(named)).status);

    const auto ctbLines = lines(tool("styles " + q(ctb)).out);
    ASSERT_EQ(255u, ctbLines.size());
    EXPECT_EQ("0\tColor_1\tColor 1\tobject\t0\t100\t1", ctbLines[0]);
    EXPECT_EQ("254\tColor_255\tColor 255\tobject\t0\t100\t255", ctbLines[254]);

    const ToolRun listed = tool("styles " + q(stb));
    EXPECT_EQ(0, listed.status);
    EXPECT_EQ("0\tNormal\tNormal\tobject\t0\t100\t-\n1\tPen_1\tPen 1\tobject\t0\t100\t1-255\n", listed.out);
    EXPECT_EQ("0\tNormal\tNormal\tobject\t0\t100\n", tool("styles " + q(named)).out);
}

TEST(PlotStyleCommands, ListsColoursAndAciRanges)
{
    const ToolRun r = tool("styles '" DAVARAZ_TEST_DATA "/plotstyle/external.ctb'");
    ASSERT_EQ(0, r.status);
    const auto l = lines(r.out);
    ASSERT_EQ(255u, l.size());
    // Style 1: true colour 0xC2010203 (COLORREF order), drawn as red 03, green 02, blue 01.
    EXPECT_EQ("1\tFarbe_2\tFarbe 2\t#030201\t1\t99\t2", l[1]);
    const ToolRun s = tool("styles '" DAVARAZ_TEST_DATA "/plotstyle/external.stb'");
    const auto n = lines(s.out);
    ASSERT_EQ(4u, n.size());
    EXPECT_EQ(0u, n[1].find("1\tD\xC3\xBCnn_Rot\tD\xC3\xBCnn Rot\t"));
    // ACI entry i names style i % 3 + 1: style 1 serves the colours 1, 4, ..., 253.
    std::string colours;
    for (int aci = 1; aci <= 253; aci += 3)
        colours += (colours.empty() ? "\t" : ",") + std::to_string(aci);
    ASSERT_GT(n[1].size(), colours.size());
    EXPECT_EQ(colours, n[1].substr(n[1].size() - colours.size()));
}

TEST(PlotStyleCommands, BrokenFilesSayWhy)
{
    TempDir dir;
    const auto bad = dir.path() / "bad.ctb";
    writeBytes(bad, pack(replaceLine(tableText(3, false, false), "scale_factor="), "CTB"));
    ToolRun r = tool("styles " + q(bad), true);
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.out.find("\"scale_factor\"")) << r.out;

    writeBytes(bad, pack(replaceLine(tableText(3, false, false), "lineweight="), "CTB"));
    r = tool("styles " + q(bad), true);
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.out.find("plot_style/0")) << r.out;
    EXPECT_NE(std::string::npos, r.out.find("\"lineweight\"")) << r.out;

    r = tool("ctb2stb " + q(bad) + " " + q(dir.path() / "x.stb"), true);
    EXPECT_EQ(1, r.status);

    // A named table cannot be converted.
    const auto named = dir.path() / "n.stb";
    ASSERT_EQ(0, tool("stb new " + q(named)).status);
    r = tool("ctb2stb " + q(named) + " " + q(dir.path() / "x.stb"), true);
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.out.find("colour-dependent")) << r.out;

    // Over 255 styles.
    const auto big = dir.path() / "big.ctb";
    writeBytes(big, pack(tableText(256, true, true), "CTB"));
    r = tool("ctb2stb " + q(big) + " " + q(dir.path() / "x.stb"), true);
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.out.find("256 styles")) << r.out;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.stb"));
}

TEST(PlotStyleCommands, UsageErrors)
{
    TempDir dir;
    const std::string out = q(dir.path() / "t.ctb");
    EXPECT_EQ(2, tool("ctb old " + out).status);
    EXPECT_EQ(2, tool("ctb new " + out + " --base").status);
    EXPECT_EQ(2, tool("ctb new " + q(dir.path() / "t.stb")).status);
    EXPECT_EQ(2, tool("stb new " + out).status);
    EXPECT_EQ(2, tool("ctb2stb " + out + " " + out).status);
    EXPECT_EQ(2, tool("styles").status);
    EXPECT_EQ(0u, dir.fileCount());
}

TEST(PlotStyleCommands, BaseNameOfNewColorDependentTable)
{
    TempDir dir;
    const auto ctb = dir.path() / "p.ctb";
    ASSERT_EQ(0, tool("ctb new " + q(ctb) + " --base 'Stift'").status);
    EXPECT_EQ(0u, tool("styles " + q(ctb)).out.find("0\tStift_1\tStift 1\t"));
}

} // namespace

namespace {

// Guards `ctb new $'n\xff.ctb'`, which created a file of another name and could not read it.
TEST(PlotStyleCommands, FileNamesThatAreNotUtf8)
{
    const testutil::TempDir dir;
    const std::string name = dir.path("n\xff.ctb").string();
    auto r = testutil::runTool("ctb new '" + name + "'", dir);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(testutil::fs::exists(name));
    r = testutil::runTool("styles '" + name + "'", dir);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.entryCount(), 2u) << "the table and tmp";
}

} // namespace
