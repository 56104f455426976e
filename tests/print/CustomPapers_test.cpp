// Custom papers: the working list against the configuration's list, unit conversion on the way
// in and out, names, and a configuration written and read back after editing.
#include "davaraz/print/CustomPapers.h"
#include "plotcfg/PlotCfg3Test.h"

#include <string>
#include <vector>

namespace {

using Paper = CMediaNode::CustomPapersNode::PaperSize;
constexpr auto kIn = OdDbPlotSettings::kInches;
constexpr auto kMm = OdDbPlotSettings::kMillimeters;

class CustomPapersTest : public pc3test::PlotCfg3Test {
protected:
    std::unique_ptr<CPlotCfg3> laser() { return read(file("laser.pc3", pc3test::laserText())); }
    static const Paper& stored(const CPlotCfg3& cfg, std::size_t i) { return cfg.media.customPapers->papers.at(i); }
};

TEST_F(CustomPapersTest, LoadReadsTheConfigurationsListInEitherUnit)
{
    const auto cfg = laser();
    ASSERT_TRUE(cfg && cfg->media.customPapers);
    wut::CustomPapers papers(cfg.get());
    EXPECT_EQ(papers.getUnit(), kMm);
    EXPECT_EQ(papers.size(), 0u);
    papers.load();
    ASSERT_EQ(papers.size(), 2u);
    EXPECT_EQ(papers.getName(0), wxS("Banner 8.5 x 36 in"));
    EXPECT_EQ(papers.getName(1), wxS("Poster 500 x 700 mm"));
    // Entry 0 is stored in inches, entry 1 in millimetres.
    EXPECT_DOUBLE_EQ(papers.getWidth(0), 8.5 * 25.4);
    EXPECT_DOUBLE_EQ(papers.getHeight(0), 36 * 25.4);
    EXPECT_DOUBLE_EQ(papers.getLeftMargin(0), 0.25 * 25.4);
    EXPECT_DOUBLE_EQ(papers.getWidth(1), 500);
    papers.setUnit(kIn);
    EXPECT_DOUBLE_EQ(papers.getWidth(0), 8.5);
    EXPECT_DOUBLE_EQ(papers.getTopMargin(1), 5 / 25.4);
    EXPECT_DOUBLE_EQ(papers.getBottomMargin(1), 5 / 25.4);
    EXPECT_DOUBLE_EQ(papers.getRightMargin(0), 0.25);
    // Pixels count as millimetres: an inch entry comes out in millimetres.
    papers.setUnit(OdDbPlotSettings::kPixels);
    EXPECT_DOUBLE_EQ(papers.getWidth(0), 8.5 * 25.4);
    EXPECT_DOUBLE_EQ(papers.getWidth(1), 500 / 25.4);
}

TEST_F(CustomPapersTest, SettersStoreInTheEntrysOwnUnits)
{
    const auto cfg = CPlotCfg3TestAccess::blank();
    wut::CustomPapers papers(cfg.get());
    papers.append(wxS("P1"));
    papers.setSize(0, 210, 297);
    EXPECT_DOUBLE_EQ(papers.getWidth(0), 210);
    papers.setUnit(kIn);
    EXPECT_NEAR(papers.getWidth(0), 8.2677165354, 1e-9);
    papers.save();
    ASSERT_TRUE(cfg->media.customPapers);
    EXPECT_EQ(stored(*cfg, 0).units, kMm);
    EXPECT_EQ(stored(*cfg, 0).width, 210);

    papers.setSize(0, 10, 20); // given in inches
    papers.setLeftMargin(0, 1);
    papers.setUnit(kMm);
    papers.setRightMargin(0, 2);
    papers.setTopMargin(0, 1, kIn);
    papers.setBottomMargin(0, 3, kMm);
    papers.save();
    const Paper& p = stored(*cfg, 0);
    EXPECT_DOUBLE_EQ(p.width, 254);
    EXPECT_DOUBLE_EQ(p.height, 508);
    EXPECT_DOUBLE_EQ(p.left, 25.4);
    EXPECT_DOUBLE_EQ(p.right, 2);
    EXPECT_DOUBLE_EQ(p.top, 25.4);
    EXPECT_DOUBLE_EQ(p.bottom, 3);

    // An entry appended while inches are current is kept in inches.
    papers.setUnit(kIn);
    papers.append(wxS("P2"));
    papers.setTopMargin(1, 25.4, kMm);
    papers.save();
    EXPECT_EQ(stored(*cfg, 1).units, kIn);
    EXPECT_DOUBLE_EQ(stored(*cfg, 1).top, 1);
    EXPECT_EQ(stored(*cfg, 1).width, 0);
}

TEST_F(CustomPapersTest, NamesRemovalAndIndexesOutOfRange)
{
    wut::CustomPapers papers(nullptr);
    for (const wxString name : {wxS("P1"), wxS("P2"), wxS("P3")})
        papers.append(name);
    papers.setName(0, wxS("Q"));
    EXPECT_EQ(papers.getName(0), wxS("Q"));
    EXPECT_TRUE(papers.isDuplicateName(wxS("Q")));
    EXPECT_TRUE(papers.isDuplicateName(wxS("P1"))); // the global name stays
    EXPECT_FALSE(papers.isDuplicateName(wxS("q")));

    papers.setSize(2, 30, 40);
    papers.remove(1);
    ASSERT_EQ(papers.size(), 2u);
    EXPECT_EQ(papers.getName(1), wxS("P3"));
    EXPECT_EQ(papers.getWidth(1), 30);
    EXPECT_FALSE(papers.isDuplicateName(wxS("P2")));

    papers.remove(2);
    papers.setSize(2, 1, 1);
    papers.setTopMargin(2, 1);
    papers.setBottomMargin(2, 1);
    papers.setName(2, wxS("X"));
    EXPECT_EQ(papers.size(), 2u);
    EXPECT_EQ(papers.getWidth(2), 0);
    EXPECT_TRUE(papers.getName(2).empty());
    papers.save(); // no configuration: nothing happens
    papers.load();
    EXPECT_EQ(papers.size(), 2u);
}

TEST_F(CustomPapersTest, WorkingListIsSeparateUntilSavedAndEmptySaveRemovesTheList)
{
    const auto cfg = laser();
    ASSERT_TRUE(cfg);
    wut::CustomPapers papers(cfg.get());
    papers.load();
    papers.setName(0, wxS("Changed"));
    papers.remove(1);
    wut::CustomPapers copy(papers);
    EXPECT_EQ(stored(*cfg, 0).localName, L"Banner 8.5 x 36 in");
    papers.load(); // discards the unsaved changes
    EXPECT_EQ(papers.size(), 2u);
    EXPECT_EQ(papers.getName(0), wxS("Banner 8.5 x 36 in"));
    EXPECT_EQ(copy.size(), 1u);
    EXPECT_EQ(copy.getName(0), wxS("Changed"));

    papers.remove(0);
    papers.remove(0);
    papers.save();
    EXPECT_FALSE(cfg->media.customPapers);
    papers.append(wxS("Kept"));
    papers.load(); // the configuration has no list: the working list stays
    ASSERT_EQ(papers.size(), 1u);
    EXPECT_EQ(papers.getName(0), wxS("Kept"));

    const std::string out = m_dir.path("none.pc3").string();
    ASSERT_TRUE(cfg->write(ut::fromNativePath(out).c_str()));
    EXPECT_EQ(payloadOf(out).find("custom_papers"), std::string::npos);
}

TEST_F(CustomPapersTest, SavedPapersSurviveWritingAndReading)
{
    const auto cfg = laser();
    ASSERT_TRUE(cfg);
    wut::CustomPapers papers(cfg.get());
    papers.load();
    papers.setUnit(kIn);
    papers.setName(1, wxS("Poster (edited)"));
    papers.append(wxS("Wide"));
    papers.setSize(2, 44, 17.5);
    papers.setBottomMargin(2, 12.7, kMm); // half an inch: exact in the file's 8 decimals
    papers.remove(0);
    papers.save();

    const std::string out = m_dir.path("edited.pc3").string();
    ASSERT_TRUE(cfg->write(ut::fromNativePath(out).c_str()));
    const auto again = read(out);
    ASSERT_TRUE(again && again->media.customPapers);
    EXPECT_EQ(again->media.customPapers->papers, cfg->media.customPapers->papers);
    ASSERT_EQ(again->media.customPapers->size(), 2u);
    EXPECT_EQ(stored(*again, 0).globalName, L"Poster_500x700");
    EXPECT_EQ(stored(*again, 0).localName, L"Poster (edited)");
    EXPECT_DOUBLE_EQ(stored(*again, 1).bottom, 0.5);

    wut::CustomPapers reread(again.get());
    reread.load();
    EXPECT_DOUBLE_EQ(reread.getWidth(1), 44 * 25.4);
}

} // namespace
