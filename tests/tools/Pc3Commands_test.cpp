// The pc3 and pmp commands, run as a script would run them, on the small-office printers.
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using testutil::TempDir;
using testutil::ToolResult;

const std::string kOffice = testutil::dataPath("printers/small-office.json");

std::string quoted(const testutil::fs::path& p) { return "'" + p.string() + "'"; }

bool has(const std::string& text, const std::string& line) { return text.find(line) != std::string::npos; }

TEST(Pc3Commands, NewThenShowForTheDefaultPrinter)
{
    const TempDir dir;
    const testutil::ScopedEnv office("DAVARAZ_PRINTERS", kOffice.c_str());
    const auto pc3 = dir.path("reception.pc3");
    const ToolResult made = testutil::runTool("pc3 new 'Reception Laser' " + quoted(pc3), dir);
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(made.out + made.err, "");

    const ToolResult r = testutil::runTool("pc3 show " + quoted(pc3), dir);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\nprinter: Reception Laser\ndriver: Test Laser Driver\n")) << r.out;
    EXPECT_TRUE(has(r.out, "\ndevice re-resolved by driver: no\nfollows the default printer: no\n")) << r.out;
    EXPECT_TRUE(has(r.out, "\nPDF output: no\nPMP: none\nprint settings:\ndmDeviceName = Reception Laser\n")) << r.out;
    // The driver's default paper and private bytes come back through the stored settings.
    EXPECT_TRUE(has(r.out, "\ndmPaperSize = 520\n")) << r.out;
    EXPECT_TRUE(has(r.out, "\ndmDriverExtra = 20\n")) << r.out;
    EXPECT_EQ(dir.tempCount(), 0u);
}

TEST(Pc3Commands, NewThenShowForThePdfOutput)
{
    const TempDir dir;
    const testutil::ScopedEnv office("DAVARAZ_PRINTERS", kOffice.c_str());
    const auto pc3 = dir.path("pdf.pc3");
    ASSERT_EQ(testutil::runTool("pc3 new 'print as pdf' " + quoted(pc3), dir).exitCode, 0);
    const ToolResult r = testutil::runTool("pc3 show " + quoted(pc3), dir);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\nPDF output: yes\nPMP: none\nprint settings: none")) << r.out;

    // Its test sheet is a PDF at its paper size, A0, and orientation; never PostScript or a job.
    for (const char* out : {"pdf.ps", ""}) {
        const ToolResult p = testutil::runTool("pc3 print " + quoted(pc3) + (*out ? " " + quoted(dir.path(out)) : ""), dir);
        EXPECT_EQ(p.exitCode, 2) << out;
        EXPECT_TRUE(has(p.err, "pdf.pc3: the PDF output prints its test sheet into a file OUT.pdf")) << p.err;
    }
    EXPECT_FALSE(testutil::fs::exists(dir.path("pdf.ps")));
    const std::string text = testutil::runTool("dump " + quoted(pc3), dir).out;
    const std::size_t portrait = text.find("dm_orientation=1\n");
    ASSERT_NE(portrait, std::string::npos);
    testutil::writeBytes(dir.path("landscape.txt"), std::string(text).replace(portrait, 16, "dm_orientation=2"));
    ASSERT_EQ(testutil::runTool("pack " + quoted(dir.path("landscape.txt")) + " " + quoted(dir.path("landscape.pc3")), dir).exitCode, 0);
    for (const auto& [config, size] : {std::pair<std::string, std::string>{"pdf", "2383.94 x 3370.39 pts (A0)"},
                                       {"landscape", "3370.39 x 2383.94 pts (A0)"}}) {
        const auto pdf = dir.path(config + ".pdf");
        const ToolResult p = testutil::runTool("pc3 print " + quoted(dir.path(config + ".pc3")) + " " + quoted(pdf), dir);
        ASSERT_EQ(p.exitCode, 0) << p.err;
        EXPECT_EQ(testutil::pdfInfo(pdf.string(), "Pages"), "1");
        EXPECT_EQ(testutil::pdfInfo(pdf.string(), "Page size"), size);
        EXPECT_EQ(testutil::pdfInfo(pdf.string(), "Page rot"), "0");
    }
    EXPECT_EQ(dir.tempCount(), 0u);
}

TEST(Pc3Commands, UnknownPrinterFailsWithTheLibraryWarning)
{
    const TempDir dir;
    const testutil::ScopedEnv office("DAVARAZ_PRINTERS", kOffice.c_str());
    const ToolResult r = testutil::runTool("pc3 new Nobody " + quoted(dir.path("x.pc3")), dir);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "davaraz: warning: Failed to open Nobody.\n"
                     "davaraz: Nobody: no configuration can be made for this printer\n");
    EXPECT_FALSE(testutil::fs::exists(dir.path("x.pc3")));
    EXPECT_EQ(testutil::runTool("pc3 show " + quoted(dir.path("x.pc3")), dir).exitCode, 1);
    EXPECT_EQ(testutil::runTool("pc3 new Nobody", dir).exitCode, 2);
}

TEST(Pc3Commands, PrintWritesAPostScriptTestSheet)
{
    const TempDir dir;
    const testutil::ScopedEnv office("DAVARAZ_PRINTERS", kOffice.c_str());
    const auto pc3 = dir.path("plans.pc3");
    const auto ps = dir.path("plans.ps");
    ASSERT_EQ(testutil::runTool("pc3 new '\\\\server\\Plans' " + quoted(pc3), dir).exitCode, 0);
    // No display needed: the printer DC is the PostScript DC.
    const ToolResult r = testutil::runTool("pc3 print " + quoted(pc3) + " " + quoted(ps), dir);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string sheet = testutil::readBytes(ps);
    EXPECT_TRUE(has(sheet, "%%DocumentPaperSizes: A3\n"));
    // The caption, backslashes escaped as PostScript wants them.
    EXPECT_TRUE(has(sheet, R"x((plans.pc3 - \\\\server\\Plans))x"));

    // Without an output file the sheet goes to the printer: a virtual printer's job lands in its
    // folder of the spool folder.
    const testutil::ScopedEnv spool("DAVARAZ_SPOOL_DIR", dir.path("spool").c_str());
    const ToolResult job = testutil::runTool("pc3 print " + quoted(pc3), dir);
    ASSERT_EQ(job.exitCode, 0) << job.err;
    EXPECT_EQ(job.out, "job 1 on \\\\server\\Plans\n");
    std::vector<testutil::fs::path> queued;
    for (const auto& e : testutil::fs::recursive_directory_iterator(dir.path("spool")))
        if (e.is_regular_file())
            queued.push_back(e.path());
    ASSERT_EQ(queued.size(), 1u);
    EXPECT_EQ(queued[0].parent_path().filename(), "__server_Plans");
    EXPECT_TRUE(has(testutil::readBytes(queued[0]), "%%DocumentPaperSizes: A3\n"));
    EXPECT_EQ(dir.tempCount(), 0u);
}

TEST(Pc3Commands, PmpNewIsAttachedOnTheNextRead)
{
    const TempDir dir;
    const testutil::ScopedEnv office("DAVARAZ_PRINTERS", kOffice.c_str());
    const auto pc3 = dir.path("reception.pc3");
    const auto pmp = dir.path("reception.pmp");
    ASSERT_EQ(testutil::runTool("pc3 new 'Reception Laser' " + quoted(pc3), dir).exitCode, 0);
    const ToolResult made = testutil::runTool("pmp new " + quoted(pc3) + " " + quoted(pmp), dir);
    ASSERT_EQ(made.exitCode, 0) << made.err;

    const ToolResult r = testutil::runTool("pc3 show " + quoted(pc3), dir);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\nPMP: " + pmp.string() + "\n")) << r.out;
    // The PMP carries the configuration's meta section, naming its own file.
    const ToolResult dump = testutil::runTool("dump " + quoted(pmp), dir);
    EXPECT_EQ(dump.out.rfind("meta{\n user_defined_model_pathname=\"" + pmp.string() + "\n", 0), 0u) << dump.out;
    EXPECT_TRUE(has(dump.out, "\n win_device_name=\"Reception Laser\n")) << dump.out;

    EXPECT_EQ(testutil::runTool("pmp new " + quoted(pc3) + " " + quoted(dir.path("no/such/dir/x.pmp")), dir).exitCode, 1);
    EXPECT_EQ(dir.tempCount(), 0u);
}

} // namespace

namespace {

// Guards commands that destroyed their input or wrote what their output's name does not say:
// `pmp new X.pc3 X.pc3` overwrote the configuration, `pack FOLDER out.ctb` wrote an empty file.
TEST(ToolOutputs, InputsAreNeverOverwrittenAndOutputsHaveTheirKind)
{
    const TempDir dir;
    ASSERT_EQ(testutil::runTool("pc3 new 'Office Colour MFP' " + quoted(dir.path("in.pc3")), dir).exitCode, 0);
    testutil::writeBytes(dir.path("text.ctb"), "description=\"text\n");
    testutil::fs::create_directory(dir.path("folder"));
    testutil::fs::create_symlink("in.pc3", dir.path("alias.pmp"));
    testutil::fs::create_symlink("in.pc3", dir.path("alias.ps"));
    const std::string pc3Bytes = testutil::readBytes(dir.path("in.pc3"));
    const std::string in = quoted(dir.path("in.pc3"));
    const struct {
        std::string args;
        int exitCode;
        const char* written; // must not exist afterwards
    } cases[] = {
        {"pmp new " + in + " " + quoted(dir.path("alias.pmp")), 1, nullptr},
        {"pmp new " + in + " " + in, 2, nullptr},
        {"pmp new " + in + " " + quoted(dir.path("out.txt")), 2, "out.txt"},
        {"pc3 new 'Office Colour MFP' " + quoted(dir.path("out.ctb")), 2, "out.ctb"},
        {"pc3 print " + in + " " + quoted(dir.path("alias.ps")), 1, nullptr},
        {"pc3 print " + in + " " + in, 2, nullptr},
        {"pc3 print " + in + " " + quoted(dir.path("sheet.pdf")), 2, "sheet.pdf"},
        {"pack " + quoted(dir.path("text.ctb")) + " " + quoted(dir.path("text.ctb")), 1, nullptr},
        {"pack " + quoted(dir.path("folder")) + " " + quoted(dir.path("out.ctb")), 1, "out.ctb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolResult r = testutil::runTool(c.args, dir);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_NE(r.err, "");
        if (c.written) {
            EXPECT_FALSE(testutil::fs::exists(dir.path(c.written)));
        }
        EXPECT_EQ(testutil::readBytes(dir.path("in.pc3")), pc3Bytes);
        EXPECT_EQ(testutil::readBytes(dir.path("text.ctb")), "description=\"text\n");
    }
}

} // namespace
