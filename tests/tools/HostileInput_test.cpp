// What the tool does with inputs from outside that are no document at all: every reading
// command answers at once (a pipe or a device would block or never end), exits 1 with the
// file and the system's reason on one bounded line, and leaves nothing in TMPDIR.
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using testutil::TempDir;

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
}

} // namespace
