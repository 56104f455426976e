// The tool's dump, pack and info commands: exit codes, messages and files left behind (their
// output on the files in tests/data is guarded by ToolGuard).
#include "pia/PiaTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

namespace {

using testutil::runTool;
using testutil::TempDir;

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

TEST(ToolPia, PackThenDumpGivesTheTextBack)
{
    TempDir dir;
    const std::string text = "description=\"Stra\xC3\x9F" "e\nplot_style{\n 0{\n  color=-1\n }\n}\nblob=\\00FF\\\n";
    testutil::writeBytes(dir.path("in.txt"), text);
    auto r = runTool("pack " + q(dir.path("in.txt")) + " " + q(dir.path("out.stb")), dir);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string file = testutil::readBytes(dir.path("out.stb"));
    EXPECT_EQ(file.substr(0, 35), "PIAFILEVERSION_2.0,STBVER1,compress");
    EXPECT_EQ(piatest::payload(file), "description=\"Stra\xDF" "e\nplot_style{\n 0{\n  color=-1\n }\n}\nblob=\\00FF\\\n");
    r = runTool("dump " + q(dir.path("out.stb")), dir);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, text);
}

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

TEST(ToolPia, PackRefusesBadTextWithTheLineAndWritesNothing)
{
    TempDir dir;
    testutil::writeBytes(dir.path("bad.txt"), "a=1\nb=2\na b=3\n");
    auto r = runTool("pack " + q(dir.path("bad.txt")) + " " + q(dir.path("out.ctb")), dir);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("bad.txt:3:"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path("out.ctb")));

    for (const std::string& args : {"pack " + q(dir.path("bad.txt")) + " " + q(dir.path("out.txt")),
                                   std::string("pack onlyone"), std::string("frobnicate")})
        EXPECT_EQ(runTool(args, dir).exitCode, 2) << args;
    EXPECT_EQ(dir.tempCount(), 0u);
}

TEST(ToolPia, AnsiCodePageComesFromTheEnvironment)
{
    TempDir dir;
    testutil::writeBytes(dir.path("ru.txt"), "s=\"\xD0\x9F\n");
    const std::string args = "pack " + q(dir.path("ru.txt")) + " " + q(dir.path("ru.ctb"));
    // Cyrillic does not fit the default code page 1252: the payload goes as UTF-8, and says so.
    const auto r = runTool(args, dir);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("1252 lacks some of its characters; the payload is written as UTF-8"), std::string::npos)
        << r.err;
    EXPECT_EQ(piatest::payload(testutil::readBytes(dir.path("ru.ctb"))), "s=\"\xD0\x9F\n");
    // By the setting, or without it by a Russian locale.
    for (const char* env : {"env DAVARAZ_ANSI_CODEPAGE=1251",
                            "env -u DAVARAZ_ANSI_CODEPAGE -u LC_ALL -u LC_CTYPE LANG=ru_RU.UTF-8"}) {
        ASSERT_EQ(runTool(args, dir, env).exitCode, 0) << env;
        EXPECT_EQ(piatest::payload(testutil::readBytes(dir.path("ru.ctb"))), "s=\"\xCF\n") << env;
    }
}

// Every command that writes a document warns when the payload goes as UTF-8, and names the
// system's reason when the target cannot be written.
TEST(ToolPia, WritersSayWhenThePayloadGoesAsUtf8AndWhyAWriteFails)
{
    TempDir dir;
    const std::string printer = "\xD0\x9F\xD0\xB5\xD1\x87\xD0\xB0\xD1\x82\xD1\x8C"; // Cyrillic, not in 1252
    testutil::writeBytes(dir.path("ru.json"), "{\"default\": \"" + printer + "\", \"printers\": [{\"name\": \"" + printer +
                                                  "\", \"driver\": \"D\", \"port\": \"P\", \"papers\": [{\"id\": 9, \"name\": \"A4\", \"width\": 2100, "
                                                  "\"height\": 2970}]}]}");
    const testutil::ScopedEnv printers("DAVARAZ_PRINTERS", dir.path("ru.json").c_str());
    const std::pair<std::string, std::string> writes[] = {
        {"ctb new " + q(dir.path("ru.ctb")) + " --base " + printer, "ru.ctb"},
        {"ctb2stb " + q(dir.path("ru.ctb")) + " " + q(dir.path("ru.stb")) + " --base " + printer, "ru.stb"},
        {"pc3 new '" + printer + "' " + q(dir.path("ru.pc3")), "ru.pc3"},
        {"pmp new " + q(dir.path("ru.pc3")) + " " + q(dir.path("ru.pmp")), "ru.pmp"},
    };
    for (const auto& w : writes) {
        const auto r = runTool(w.first, dir);
        EXPECT_EQ(r.exitCode, 0) << w.first << r.err;
        EXPECT_NE(r.err.find(w.second + ": ANSI code page 1252 lacks some of its characters; the payload is written "
                                        "as UTF-8"),
                  std::string::npos)
            << w.first << r.err;
        EXPECT_NE(runTool("dump " + q(dir.path(w.second)), dir).out.find(printer), std::string::npos) << w.second;
    }

    const auto r = runTool("ctb new " + q(dir.path("no/such/folder.ctb")), dir);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("folder.ctb: cannot write the file: No such file or directory"), std::string::npos) << r.err;
    EXPECT_EQ(dir.tempCount(), 0u);
}

// Guards temporary files left by commands that a signal ends: a closed pipe under dump, the
// file-size limit under pack and pc3 print (whose old output must survive too).
TEST(ToolPia, CommandsCutShortBySignalsLeaveNoFiles)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += "line_" + std::to_string(i) + "=\"some text to make the payload large\n";
    testutil::writeBytes(dir.path("big.txt"), text);
    ASSERT_EQ(runTool("pack " + q(dir.path("big.txt")) + " " + q(dir.path("big.ctb")), dir).exitCode, 0);
    ASSERT_EQ(runTool("pc3 new 'Office Colour MFP' " + q(dir.path("in.pc3")), dir).exitCode, 0);
    testutil::writeBytes(dir.path("old.ps"), "old");
    const std::string tool = "'" + std::string(DAVARAZ_TOOL_PATH) + "'";
    const std::string cases[] = {
        tool + " dump " + q(dir.path("big.ctb")) + " | head -c 1 >/dev/null",
        "ulimit -f 64; " + tool + " pack " + q(dir.path("big.txt")) + " " + q(dir.path("out.ctb")),
        "ulimit -f 4; " + tool + " pc3 print " + q(dir.path("in.pc3")) + " " + q(dir.path("old.ps")),
    };
    for (const std::string& c : cases) {
        SCOPED_TRACE(c);
        const std::string cmd = "sh -c \"" + c + "\" 2>/dev/null";
        std::system(cmd.c_str());
        EXPECT_EQ(dir.tempCount(), 0u);
    }
    EXPECT_FALSE(testutil::fs::exists(dir.path("out.ctb")));
    EXPECT_EQ(testutil::readBytes(dir.path("old.ps")), "old");
    EXPECT_EQ(dir.entryCount(), 5u) << "big.txt, big.ctb, in.pc3, old.ps and tmp only";
}

} // namespace
