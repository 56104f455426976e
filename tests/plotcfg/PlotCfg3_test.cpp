// The plotter configuration document: reading, writing and the attached PMP (read failures:
// tests/pia/Document_test.cpp; a renamed printer found again: the pc3-devices session).
#include "PlotCfg3Test.h"

#include <cstdio>
#include <filesystem>

namespace {

using pc3test::laserText;
using pc3test::replaced;

class PlotCfg3Doc : public pc3test::PlotCfg3Test {
protected:
    // The laser configuration whose PMP is expected beside it (under the name it records).
    std::string laserFile(const std::string& text = laserText()) { return file("laser.pc3", text); }
    std::string pmpBeside() { return file("Laser 5.pmp", sectiontest::dataFile("plotcfg/laser.pmp.txt")); }
};

TEST_F(PlotCfg3Doc, InvalidCustomSectionIsDroppedAndNotWrittenBack)
{
    // The first entry's name is a number instead of a string.
    const std::string text = replaced(laserText(), "  name=\"dmDriverExtra\n", "  name=5\n");
    const auto cfg = read(laserFile(text));
    ASSERT_TRUE(cfg);
    EXPECT_FALSE(cfg->custom);
    EXPECT_EQ(cfg->meta.winDeviceName, L"Laser 5 Office");
    const std::string out = m_dir.path("out.pc3").string();
    ASSERT_TRUE(cfg->write(ut::fromNativePath(out).c_str()));
    const std::string written = payloadOf(out);
    EXPECT_EQ(written, laserText().substr(0, laserText().find("custom{")));
}

// An extra block and other kind letters in the version line are ignored on reading; writing
// gives the PC3 header.
TEST_F(PlotCfg3Doc, WriteThenReadGivesTheSamePayloadAndResetsTransientMembers)
{
    bool changed = true;
    const auto cfg = read(file("laser.pc3", laserText() + "extra{\n value=1\n}\n", "CTB"), changed);
    ASSERT_TRUE(cfg);
    EXPECT_FALSE(changed);
    ASSERT_TRUE(cfg->custom);
    cfg->dmFields = 0x1234;
    cfg->ditherType = 7;
    cfg->duplex = 3;
    const std::string out = m_dir.path("copy.pc3").string();
    ASSERT_TRUE(cfg->write(ut::fromNativePath(out).c_str()));
    EXPECT_EQ(payloadOf(out), laserText());
    EXPECT_EQ(testutil::readBytes(out).substr(0, 35), "PIAFILEVERSION_2.0,PC3VER1,compress");
    EXPECT_EQ(m_dir.tempCount(), 0u);

    const auto again = read(out);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->dmFields, 0u);
    EXPECT_EQ(again->ditherType, 1u);
    EXPECT_EQ(again->duplex, 1);
}

TEST_F(PlotCfg3Doc, WriteFailuresGiveFalseAndLeaveNoFiles)
{
    const auto cfg = read(laserFile());
    ASSERT_TRUE(cfg);
    const std::size_t entries = m_dir.entryCount();
    EXPECT_FALSE(cfg->write(nullptr));
    EXPECT_FALSE(cfg->write(ut::fromNativePath(m_dir.path("no/such/folder/x.pc3").string()).c_str()));
    EXPECT_FALSE(cfg->write(ut::fromNativePath(m_dir.tmp().string()).c_str())); // a folder as target
    EXPECT_EQ(m_dir.entryCount(), entries);
}

TEST_F(PlotCfg3Doc, PmpThatCannotBeFoundLeavesTheConfigurationUsable)
{
    const auto cfg = read(laserFile());
    ASSERT_TRUE(cfg);
    EXPECT_FALSE(cfg->pmp);
    EXPECT_EQ(cfg->meta.userDefinedModelPathname, L"/plotters/PMP/Laser 5.pmp");
    const std::string out = m_dir.path("out.pc3").string();
    EXPECT_TRUE(cfg->write(ut::fromNativePath(out).c_str()));

    // A PMP file that exists but does not load is the same as none.
    testutil::writeBytes(m_dir.path("Laser 5.pmp"), piatest::pack("meta{\n}\n", "PC3"));
    const auto second = read(laserFile());
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->pmp);
}

TEST_F(PlotCfg3Doc, PmpOperations)
{
    const std::string pmp = pmpBeside();
    const OdString pmpPath = ut::fromNativePath(pmp);
    const OdArray<OdString> beside{ut::fromNativePath(m_dir.path("").string())};
    // Found beside the file under the name it records; the path found is recorded.
    auto cfg = read(laserFile());
    ASSERT_TRUE(cfg && cfg->pmp);
    EXPECT_EQ(cfg->meta.userDefinedModelPathname, pmpPath.str());
    EXPECT_EQ(cfg->pmp->udm.calibration.x, 1.0025);

    // Attached already: no reading, even when the file has gone meanwhile.
    std::filesystem::rename(pmp, pmp + ".away");
    EXPECT_TRUE(cfg->attachPMPwithAltPaths({}));
    EXPECT_TRUE(cfg->pmp);

    cfg->detachPMP();
    EXPECT_FALSE(cfg->pmp);
    EXPECT_TRUE(cfg->meta.userDefinedModelPathname.empty());
    EXPECT_FALSE(cfg->attachPMPwithAltPaths(beside));

    std::filesystem::rename(pmp + ".away", pmp);
    EXPECT_TRUE(cfg->attachPMP(pmpPath));
    EXPECT_EQ(cfg->meta.userDefinedModelPathname, pmpPath.str());

    // A recorded name in another folder is found in the alternative folder by its file name.
    cfg->detachPMP();
    cfg->meta.userDefinedModelPathname = L"/nowhere/Laser 5.pmp";
    EXPECT_FALSE(cfg->attachPMPwithAltPaths({}));
    EXPECT_TRUE(cfg->attachPMPwithAltPaths(beside));
    EXPECT_EQ(cfg->meta.userDefinedModelPathname, pmpPath.str());

    // attachPMP replaces an attached PMP, and a failed attempt leaves none.
    EXPECT_FALSE(cfg->attachPMP(L"/nowhere/else.pmp"));
    EXPECT_FALSE(cfg->pmp);
    EXPECT_TRUE(cfg->meta.userDefinedModelPathname.empty());
}

} // namespace
