// The plotter configuration document: reading, writing, the attached PMP, copies, and finding
// a renamed printer again by its driver (read failures: tests/pia/Document_test.cpp).
#include "PlotCfg3Test.h"

#include <cstdio>
#include <filesystem>

namespace {

using pc3test::laserText;
using pc3test::replaced;
using pc3test::withValue;

class PlotCfg3Doc : public pc3test::PlotCfg3Test {
protected:
    // The laser configuration whose PMP is expected beside it (under the name it records).
    std::string laserFile(const std::string& text = laserText()) { return file("laser.pc3", text); }
    std::string pmpBeside() { return file("Laser 5.pmp", sectiontest::dataFile("plotcfg/laser.pmp.txt")); }
    // A printer that uses the driver the laser configuration names.
    static vspool::Printer laserPrinter(const std::wstring& name, const std::wstring& driver = L"Laser Universal Driver",
                                        bool network = false)
    {
        vspool::Printer p = printer(name, network);
        p.driver = driver;
        return p;
    }
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

TEST_F(PlotCfg3Doc, RenamedPrinterIsFoundAgainByItsDriver)
{
    const std::string path = laserFile(withValue(laserText(), "win_driver_name", "\"laser universal DRIVER"));
    struct Case {
        const char* name;
        std::vector<vspool::Printer> printers;
        bool changed;
        std::wstring device;
    };
    const Case cases[] = {
        {"still there", {printer(L"Other"), laserPrinter(L"Laser 5 Office")}, false, L"Laser 5 Office"},
        {"renamed", {printer(L"Other"), laserPrinter(L"Laser 5 Renamed"), laserPrinter(L"Laser 5 Second")}, true,
         L"Laser 5 Renamed"},
        {"renamed to a connection", {laserPrinter(L"Laser 5 Net", L"Laser Universal Driver", true), printer(L"Local")},
         true, L"Laser 5 Net"},
        {"name kept, driver changed", {laserPrinter(L"Laser 5 Office", L"New Driver"), laserPrinter(L"Spare")}, true,
         L"Spare"},
        {"no printer with the driver", {printer(L"Other"), laserPrinter(L"Laser 5 X", L"Laser Universal")}, false,
         L"Laser 5 Office"},
        {"no printers", {}, false, L"Laser 5 Office"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        vspool::setPrinters(c.printers, L"");
        bool changed = !c.changed;
        const auto cfg = read(path, changed);
        ASSERT_TRUE(cfg);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(cfg->meta.winDeviceName, c.device);
        EXPECT_EQ(cfg->meta.winDriverName, L"laser universal DRIVER");
    }
}

} // namespace
