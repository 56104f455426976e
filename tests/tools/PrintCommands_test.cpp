// The printers and devmode commands, run as a script would run them.
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
};

// Runs the tool with DAVARAZ_PRINTERS set to the given description (empty: unset) and
// DAVARAZ_SPOOLER to the given choice (null: unset).
ToolRun run(const std::string& description, const std::string& args, const char* spooler = nullptr)
{
    std::string unset, set; // env takes its options before the assignments
    if (description.empty())
        unset += "-u DAVARAZ_PRINTERS ";
    else
        set += "DAVARAZ_PRINTERS='" + description + "' ";
    if (spooler)
        set += "DAVARAZ_SPOOLER='" + std::string(spooler) + "' ";
    else
        unset += "-u DAVARAZ_SPOOLER ";
    const std::string cmd = "env " + unset + set + "'" DAVARAZ_TOOL_PATH "' " + args + " 2>&1";
    ToolRun r{-1, {}};
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

const std::string kOffice = std::string(DAVARAZ_TEST_DATA) + "/printers/small-office.json";

TEST(PrintCommands, PrintersListsOneTabSeparatedLinePerPrinter)
{
    const ToolRun r = run(kOffice, "printers");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Reception Laser\tTest Laser Driver\tUSB002\tdefault\n"
                     "\\\\server\\Plans\tTest Plan Driver\t\\\\server\\Plans\n");
}

TEST(PrintCommands, EmbeddedPrintersOnAFreshMachine)
{
    const ToolRun r = run("", "printers");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Office Colour MFP\tVirtual Colour Laser PS\tUSB001\tdefault\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Draft Mono Printer\tVirtual Mono Text Driver\tFILE:\n"), std::string::npos);
}

// "virtual" and "auto" give what the default gives; any other spooler is refused by the commands
// that reach printers, naming the choices, while the others still run.
TEST(PrintCommands, SpoolerChoice)
{
    const ToolRun listed = run(kOffice, "printers");
    for (const char* choice : {"virtual", "auto", ""})
        EXPECT_EQ(run(kOffice, "printers", choice).out, listed.out) << choice;
    for (const char* command : {"printers", "papers 'Reception Laser'", "devmode 'Reception Laser'"}) {
        const ToolRun r = run(kOffice, command, "nonsense");
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_EQ(r.out, "davaraz: DAVARAZ_SPOOLER=nonsense names no spooler; choose one of: auto, cups, virtual\n");
    }
    EXPECT_EQ(run(kOffice, "help", "nonsense").status, 0);
}

// A description that does not load stops every command that reaches printers, with its file and
// fault on one line; a pipe or a device is refused, not read (it could block or never end).
TEST(PrintCommands, DescriptionsThatDoNotLoadSayWhichFileAndWhy)
{
    testutil::TempDir dir;
    const std::string fifo = dir.path("fifo.json").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    testutil::writeBytes(dir.path("broken.json"), "{\"printers\": [");
    const std::pair<std::string, std::string> cases[] = {
        {"/nonexistent/printers.json", "cannot be read: No such file or directory"},
        {dir.path("").string(), "cannot be read: is a folder"},
        {fifo, "cannot be read: is not a regular file"},
        {"/dev/zero", "cannot be read: is not a regular file"},
        {dir.path("broken.json").string(), "not valid JSON"},
    };
    for (const auto& [file, problem] : cases)
        for (const char* command : {"printers", "papers 'Reception Laser'"}) {
            const ToolRun r = run(file, command);
            EXPECT_EQ(r.status, 1) << command;
            EXPECT_EQ(r.out.rfind("davaraz: printer description " + file + ": " + problem, 0), 0u) << r.out;
            EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
        }
}

TEST(PrintCommands, DevModeDumpsTheDefaultSettings)
{
    const ToolRun r = run(kOffice, "devmode 'reception laser'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("dmDeviceName = Reception Laser\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\ndmPaperSize = 520\n"), std::string::npos);
    EXPECT_NE(r.out.find("\ndmCopies = 2\n"), std::string::npos);
    EXPECT_NE(r.out.find("\ndmFormName = Visitor badge\n"), std::string::npos);
    // 20 private bytes: a line of 16 and a line of 4.
    const std::size_t priv = r.out.find("\nprivate data:\n");
    ASSERT_NE(priv, std::string::npos);
    const std::string tail = r.out.substr(priv + 15);
    EXPECT_EQ(tail.size(), 16u * 3 + 1 + 4 * 3 + 1) << tail;
}

TEST(PrintCommands, DevModeOfAnUnknownPrinterFails)
{
    const ToolRun r = run(kOffice, "devmode Nobody");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("davaraz: Nobody: ", 0), 0u) << r.out;
    EXPECT_EQ(run(kOffice, "devmode").status, 2);
}

} // namespace
