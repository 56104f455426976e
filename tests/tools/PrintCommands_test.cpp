// The printers, papers and devmode commands, run as a script would run them.
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <sys/stat.h>

namespace {

const std::string kOffice = testutil::dataPath("printers/small-office.json");

// The tool with DAVARAZ_PRINTERS set to the description (empty: unset) and DAVARAZ_SPOOLER to
// the choice (null: unset).
testutil::ToolResult run(const std::string& description, const std::string& args, const char* spooler = nullptr)
{
    std::string env = "env"; // its options come before the assignments
    env += description.empty() ? " -u DAVARAZ_PRINTERS" : "";
    env += spooler ? "" : " -u DAVARAZ_SPOOLER";
    env += description.empty() ? "" : " DAVARAZ_PRINTERS='" + description + "'";
    env += spooler ? " DAVARAZ_SPOOLER='" + std::string(spooler) + "'" : "";
    const testutil::TempDir dir;
    return testutil::runTool(args, dir, env);
}

// Each command's output on the small office (a description file) and on the embedded printers.
TEST(PrintCommands, ListsAndSettings)
{
    const struct {
        std::string description, args;
        int exitCode;
        std::string out, err; // out: a prefix when it ends in "..."
    } cases[] = {
        {kOffice, "printers", 0,
         "Reception Laser\tTest Laser Driver\tUSB002\tdefault\n\\\\server\\Plans\tTest Plan Driver\t\\\\server\\Plans\n", ""},
        {"", "printers", 0, "Office Colour MFP\tVirtual Colour Laser PS\tUSB001\tdefault\n...", ""},
        // A4 (2100 x 2970) and "Visitor badge" (900 x 540, number 520).
        {kOffice, "papers 'reception laser'", 0, "9\tA4\t210.0 x 297.0 mm\n520\tVisitor badge\t90.0 x 54.0 mm\n", ""},
        {kOffice, "papers Nobody", 1, "", "davaraz: Nobody: no such printer\n"},
        {kOffice, "devmode 'reception laser'", 0, "dmDeviceName = Reception Laser\n...", ""},
        {kOffice, "devmode Nobody", 1, "", "davaraz: Nobody: ..."},
        {kOffice, "papers", 2, "", "..."},
        {kOffice, "devmode", 2, "", "..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const testutil::ToolResult r = run(c.description, c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        for (const auto& [got, want] : {std::pair{r.out, c.out}, std::pair{r.err, c.err}}) {
            const bool prefix = want.size() >= 3 && want.compare(want.size() - 3, 3, "...") == 0;
            if (prefix) {
                EXPECT_EQ(got.rfind(want.substr(0, want.size() - 3), 0), 0u) << got;
            } else {
                EXPECT_EQ(got, want);
            }
        }
    }
    const std::string dump = run(kOffice, "devmode 'reception laser'").out;
    for (const char* line : {"\ndmPaperSize = 520\n", "\ndmCopies = 2\n", "\ndmFormName = Visitor badge\n"})
        EXPECT_NE(dump.find(line), std::string::npos) << line;
    // 20 private bytes: a line of 16 and a line of 4.
    const std::size_t priv = dump.find("\nprivate data:\n");
    ASSERT_NE(priv, std::string::npos);
    EXPECT_EQ(dump.size() - priv - 15, 16u * 3 + 1 + 4 * 3 + 1) << dump.substr(priv);
}

// "virtual" and "auto" give what the default gives; any other spooler is refused by the commands
// that reach printers, naming the choices, while the others still run.
TEST(PrintCommands, SpoolerChoice)
{
    const std::string listed = run(kOffice, "printers").out;
    for (const char* choice : {"virtual", "auto", ""})
        EXPECT_EQ(run(kOffice, "printers", choice).out, listed) << choice;
    for (const char* command : {"printers", "papers 'Reception Laser'", "devmode 'Reception Laser'"}) {
        const testutil::ToolResult r = run(kOffice, command, "nonsense");
        EXPECT_EQ(r.exitCode, 2) << command;
        EXPECT_EQ(r.err, "davaraz: DAVARAZ_SPOOLER=nonsense names no spooler; choose one of: auto, cups, virtual\n");
    }
    EXPECT_EQ(run(kOffice, "help", "nonsense").exitCode, 0);
}

// A description that does not load stops every command that reaches printers, with its file and
// fault on one line; a pipe or a device is refused, not read (it could block or never end).
TEST(PrintCommands, DescriptionsThatDoNotLoadSayWhichFileAndWhy)
{
    const testutil::TempDir dir;
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
            const testutil::ToolResult r = run(file, command);
            EXPECT_EQ(r.exitCode, 1) << command;
            EXPECT_EQ(r.err.rfind("davaraz: printer description " + file + ": " + problem, 0), 0u) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
}

} // namespace
