// What the tool does with inputs from outside that are no document at all: every reading
// command answers at once (a pipe or a device would block or never end), exits 1 with the
// file and the system's reason on one bounded line, and leaves nothing in TMPDIR.
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using testutil::TempDir;

// The most memory any tool run of this test process has held, in MiB: every row of the census
// stays within a small bound, whatever the input.
long peakToolMemoryMiB()
{
    struct rusage usage {};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss / 1024;
}
constexpr long kMemoryBoundMiB = 200;

TEST(HostileInput, NoDocumentAtAllIsRefusedAtOnce)
{
    const TempDir dir;
    const std::string fifo = dir.path("fifo.ctb").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    testutil::fs::create_directory(dir.path("folder.ctb"));
    const std::pair<std::string, std::string> inputs[] = {
        {dir.path("missing.ctb").string(), "No such file or directory"},
        {dir.path("folder.ctb").string(), "is a folder"},
        {fifo, "is not a regular file"},
        {"/dev/zero", "is not a regular file"},
    };
    const char* const commands[] = {"dump %", "info %", "styles %", "ctb2stb % out.stb", "pc3 show %",
                                    "pack % out.ctb"};
    for (const auto& [input, reason] : inputs)
        for (std::string command : commands) {
            command.replace(command.find('%'), 1, "'" + input + "'");
            SCOPED_TRACE(command);
            // A command that blocks is killed by timeout (exit 124) instead of holding the run.
            const testutil::ToolResult r = testutil::runTool(command, dir, "timeout 20");
            EXPECT_EQ(r.exitCode, 1) << r.err;
            EXPECT_EQ(r.err.rfind("davaraz: " + input + ": ", 0), 0u) << r.err;
            EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
            EXPECT_EQ(dir.tempCount(), 0u);
        }
    EXPECT_LT(peakToolMemoryMiB(), kMemoryBoundMiB);
}

// A number in a file that its field cannot hold is a malformed key, never a wrapped or
// undefined value; one the field ignores when unreadable leaves it alone.
TEST(HostileInput, NumbersOutOfRangeAreMalformedKeys)
{
    const TempDir dir;
    const auto q = [](const testutil::fs::path& p) { return "'" + p.string() + "'"; };
    ASSERT_EQ(testutil::runTool("pc3 new 'Office Colour MFP' " + q(dir.path("o.pc3")), dir).exitCode, 0);
    ASSERT_EQ(testutil::runTool("ctb new " + q(dir.path("o.ctb")), dir).exitCode, 0);
    const std::string pc3 = testutil::runTool("dump " + q(dir.path("o.pc3")), dir).out;
    const std::string ctb = testutil::runTool("dump " + q(dir.path("o.ctb")), dir).out;
    const struct {
        const std::string& text;
        const char* from;
        const char* to;
        const char* command; // with % for the file
        int exitCode;
        const char* words;
    } cases[] = {
        {ctb, "lineweight=0\n", "lineweight=99999999999999999999\n", "styles %", 1, "lineweight"},
        {pc3, "number_of_copies=1\n", "number_of_copies=99999999999\n", "pc3 show %", 1, "number_of_copies"},
        {pc3, "number_of_copies=1\n", "number_of_copies=-2147483648\n", "pc3 show %", 1, "number_of_copies"},
        {pc3, "urx=210.015667\n", "urx=nan\n", "pc3 show %", 1, "urx"},
        {pc3, "urx=210.015667\n", "urx=1e308\n", "pc3 show %", 1, "urx"},
        {pc3, "phys_resolution_x=600.0\n", "phys_resolution_x=1e400\n", "pc3 show %", 0, "resolution: 600x600"},
        {pc3, "value=220\n", "value=2147483647\n", "pc3 show %", 1, "no print settings can be made"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        std::string text = c.text;
        ASSERT_NE(text.find(c.from), std::string::npos);
        text.replace(text.find(c.from), std::strlen(c.from), c.to);
        const bool isPc3 = &c.text == &pc3;
        testutil::writeBytes(dir.path("edited.txt"), text);
        const auto file = dir.path(isPc3 ? "edited.pc3" : "edited.ctb");
        ASSERT_EQ(testutil::runTool("pack " + q(dir.path("edited.txt")) + " " + q(file), dir).exitCode, 0);
        std::string command = c.command;
        command.replace(command.find('%'), 1, q(file));
        const testutil::ToolResult r = testutil::runTool(command, dir);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_NE((r.out + r.err).find(c.words), std::string::npos) << r.out << r.err;
        EXPECT_EQ(dir.tempCount(), 0u);
    }
    EXPECT_LT(peakToolMemoryMiB(), kMemoryBoundMiB);
}

// Blocks nested deeper than any document stop the parse at the line that goes too deep.
TEST(HostileInput, DeepNestingBreaksTheGrammarAtItsLine)
{
    const TempDir dir;
    std::string text = "description=\"deep\n";
    for (int i = 0; i < 100000; ++i)
        text += "x{\n";
    testutil::writeBytes(dir.path("deep.txt"), text);
    const testutil::ToolResult r =
        testutil::runTool("pack '" + dir.path("deep.txt").string() + "' '" + dir.path("deep.ctb").string() + "'", dir);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("deep.txt:258: "), std::string::npos) << r.err;
    EXPECT_FALSE(testutil::fs::exists(dir.path("deep.ctb")));
    EXPECT_LT(peakToolMemoryMiB(), kMemoryBoundMiB);
}

// Without a usable temporary folder, reads and writes still work (neither touches it); info,
// which reads a copy of the file, names the folder and why.
TEST(HostileInput, AnUnusableTemporaryFolderIsNamed)
{
    const TempDir dir;
    const std::string ctb = dir.path("t.ctb").string(), out = dir.path("out.ctb").string();
    ASSERT_EQ(testutil::runTool("ctb new '" + ctb + "'", dir).exitCode, 0);
    for (const std::string& tmp : {std::string("/nonexistent/tmp"), ctb}) {
        SCOPED_TRACE(tmp);
        const std::string env = "env TMPDIR='" + tmp + "'";
        EXPECT_EQ(testutil::runTool("styles '" + ctb + "'", dir, env).exitCode, 0);
        EXPECT_EQ(testutil::runTool("ctb new '" + out + "'", dir, env).exitCode, 0);
        const testutil::ToolResult r = testutil::runTool("info '" + ctb + "'", dir, env);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find("the temporary folder " + tmp + ": "), std::string::npos) << r.err;
    }
    EXPECT_LT(peakToolMemoryMiB(), kMemoryBoundMiB);
}

// A name of any length is echoed within a bounded line.
TEST(HostileInput, LongNamesAreCutInMessages)
{
    const TempDir dir;
    const std::string name(100000, 'x');
    const testutil::ToolResult r = testutil::runTool("devmode '" + name + "'", dir);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_LT(r.err.size(), 400u) << r.err.substr(0, 400);
    EXPECT_NE(r.err.find("... (100000 bytes)"), std::string::npos) << r.err.substr(0, 400);
    EXPECT_LT(peakToolMemoryMiB(), kMemoryBoundMiB);
}

} // namespace
