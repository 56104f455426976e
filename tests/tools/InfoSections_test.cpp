// The info command on configuration and model parameter files: each section's state, and the
// exit code when a required one does not read.
#include "davaraz/pia/PIAFileOut.h"
#include "platform/tvutils/FileName.h"
#include "TestUtil.h"
#include "support/SectionText.h"

#include <gtest/gtest.h>

using testutil::replaced;

TEST(InfoSections, NamesTheSectionAndKeyAtFault)
{
    const std::string pc3 = sectiontest::dataFile("plotcfg/laser.pc3.txt");
    const std::string pmp = sectiontest::dataFile("plotcfg/laser.pmp.txt");
    struct Case {
        const char* file;
        std::string text;
        int rc;
        std::vector<std::string> lines;
    } cases[] = {
        {"ok.pc3", pc3, 0,
         {"section meta: reads", "section media: reads", "section media/destination: reads", "section io: reads",
          "section res_color_mem: reads", "section custom: reads"}},
        {"io.pc3", replaced(pc3, "io{", "oi{"), 1,
         {"section io: missing", "davaraz: {}: section io is missing"}},
        {"key.PC3", replaced(pc3, "  dm_scale=95\n", "  dm_scale=95\n  group=\"x\n"), 0, {"section media: reads"}},
        {"key.pc3", replaced(pc3, "  group=0", "  group=\"0"), 1,
         {"section media: fails at key \"size/group\"", "davaraz: {}: section media fails at key \"size/group\""}},
        {"dest.pc3", replaced(pc3, "  collating_type=1\n", ""), 0,
         {"section media/destination: fails at key \"collating_type\" (dropped when read)"}},
        {"paper.pc3", replaced(pc3, "   units=1\n", ""), 0,
         {"section media/custom_papers: entry read in part, from key \"1/units\" on defaults"}},
        {"custom.pc3", replaced(pc3, "  value=220\n", "  value=220\n  third=1\n"), 0,
         {"section custom: fails at key \"1\" (dropped when read)"}},
        {"ok.pmp", pmp, 0,
         {"section meta: reads", "section mod: reads", "section udm: reads", "section hidden: reads"}},
        {"meta.pmp", replaced(pmp, " truetype_as_text=TRUE\n", ""), 1,
         {"section meta: fails at key \"truetype_as_text\"",
          "davaraz: {}: section meta fails at key \"truetype_as_text\""}},
        {"hidden.pmp", replaced(pmp, "    media_group=15\n", ""), 0,
         {"section hidden/media/size: entry read in part, from key \"0/media_group\" on defaults"}},
        {"nohidden.pmp", replaced(pmp, "hidden{", "hide{"), 0, {"section udm: reads"}},
    };
    const testutil::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto tree = sectiontest::parseText(c.text);
        ASSERT_TRUE(tree);
        const std::string path = dir.path(c.file).string();
        CPIAFileOut out;
        out.setKind(PIA_PC3);
        ASSERT_TRUE(out.write(tree->root(), ut::fromNativePath(path).c_str()));
        const testutil::ToolResult r = testutil::runTool("info '" + path + "'", dir);
        const std::string output = r.out + r.err;
        EXPECT_EQ(r.exitCode, c.rc) << output;
        for (const auto& line : c.lines) {
            const std::string expected = replaced(line, "{}", path) + "\n";
            EXPECT_NE(output.find(expected), std::string::npos) << expected << output;
        }
        if (std::string(c.file) == "nohidden.pmp") {
            EXPECT_EQ(output.find("section hidden"), std::string::npos) << output;
        }
    }
}
