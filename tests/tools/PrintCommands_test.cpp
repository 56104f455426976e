// The printers and devmode commands, run as a script would run them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
};

// Runs the tool with DAVARAZ_PRINTERS set to the given description (empty: unset).
ToolRun run(const std::string& description, const std::string& args)
{
    const std::string env = description.empty() ? "env -u DAVARAZ_PRINTERS "
                                                : "env DAVARAZ_PRINTERS='" + description + "' ";
    const std::string cmd = env + "'" DAVARAZ_TOOL_PATH "' " + args + " 2>&1";
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

TEST(PrintCommands, MalformedDescriptionSaysWhichFile)
{
    const ToolRun r = run("/nonexistent/printers.json", "printers");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "davaraz: printer description /nonexistent/printers.json: cannot be read\n");
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
