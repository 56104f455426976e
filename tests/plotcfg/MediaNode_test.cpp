// The media section beyond its keys: owned parts, custom paper lists and the bounds arithmetic.
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/print/PaperSizeInfo.h"
#include "support/SectionText.h"

#include <gtest/gtest.h>

using Paper = CMediaNode::CustomPapersNode::PaperSize;

namespace {

// A media section whose eleven bounds all differ and are not zero.
std::string mediaText() { return sectiontest::sectionText("media"); }

std::vector<double> bounds(const CMediaNode& m)
{
    const auto& d = m.size.mediaDescription;
    return {m.actualPrintableBoundsLlx, m.actualPrintableBoundsLly, m.actualPrintableBoundsUrx,
            m.actualPrintableBoundsUry, d.printableBoundsLlx,     d.printableBoundsLly,
            d.printableBoundsUrx,       d.printableBoundsUry,     d.mediaBounds.urx,
            d.mediaBounds.ury,          d.printableArea};
}

} // namespace

TEST(MediaNode, OptionalPartsReadDropAndWriteBack)
{
    struct Case {
        const char* extra;
        bool destination;
        int papers; // -1: no list
        std::wstring fault;
    } cases[] = {
        {"", false, -1, L""},
        {"destination{\n name=\"D\n collating_type=0\n collating_name=\"None\n}\n", true, -1, L""},
        {"destination{\n name=\"D\n collating_name=\"None\n}\n", false, -1, L""},
        {"custom_papers{\n}\n", false, 0, L""},
        // Blocks 0 and 7 are papers whatever their keys; the number x is skipped.
        {"custom_papers{\n 0{\n  global_name=\"g\n }\n x=1\n 7{\n }\n}\n", false, 2, L"0/local_name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extra);
        const auto tree = sectiontest::parseText(mediaText() + c.extra);
        ASSERT_TRUE(tree);
        CMediaNode media;
        ASSERT_TRUE(media.init(*tree->root()));
        EXPECT_EQ(media.destination != nullptr, c.destination);
        ASSERT_EQ(media.customPapers ? static_cast<int>(media.customPapers->size()) : -1, c.papers);

        CPBlock out(L"");
        ASSERT_TRUE(media.write(out));
        EXPECT_EQ(out.find(L"destination", PI_BLOCK) != nullptr, c.destination);
        const auto* list = static_cast<const CPBlock*>(out.find(L"custom_papers", PI_BLOCK));
        ASSERT_EQ(list != nullptr, c.papers >= 0);
        if (list) {
            ASSERT_EQ(list->count(), c.papers);
            for (int i = 0; i < list->count(); ++i)
                EXPECT_EQ(std::wstring(list->item(i)->name()), std::to_wstring(i));
        }
        if (c.papers == 2) {
            EXPECT_EQ((*media.customPapers)[0].globalName, L"g");
            EXPECT_EQ((*media.customPapers)[0].units, 1);
            std::wstring fault;
            CMediaNode::CustomPapersNode again;
            EXPECT_TRUE(again.init(sectiontest::child(*tree->root(), L"custom_papers"), &fault));
            EXPECT_EQ(fault, c.fault);
        }
    }
}

TEST(MediaNode, EmptyBoundsNeedsEveryBoundAndTheArea)
{
    CMediaNode m;
    EXPECT_TRUE(m.emptyBounds());
    const auto tree = sectiontest::parseText(mediaText());
    ASSERT_TRUE(m.init(*tree->root()));
    EXPECT_FALSE(m.emptyBounds());
    double* fields[] = {&m.actualPrintableBoundsLlx, &m.size.mediaDescription.printableBoundsUry,
                        &m.size.mediaDescription.mediaBounds.ury};
    for (double* f : fields) {
        const double old = *f;
        *f = 0.00009;
        EXPECT_TRUE(m.emptyBounds());
        *f = old;
    }
    m.size.mediaDescription.printableArea = 0.5e-8;
    EXPECT_TRUE(m.emptyBounds());
}

TEST(MediaNode, BoundsFromPaperRectangleTakeEqualMargins)
{
    CMediaNode m;
    ASSERT_TRUE(m.setBounds(600, 600, -100, -200, 5100, 6600));
    const double llx = 100 * 25.4 / 600, lly = 200 * 25.4 / 600;
    EXPECT_NEAR(m.actualPrintableBoundsLlx, 4.23333, 1e-5);
    EXPECT_NEAR(m.size.mediaDescription.mediaBounds.ury, 279.4, 1e-9);
    EXPECT_NEAR(m.actualPrintableBoundsUrx, 215.9 - 2 * llx, 1e-9);
    EXPECT_NEAR(m.size.mediaDescription.printableBoundsUry, 279.4 - 2 * lly, 1e-9);
    EXPECT_NEAR(m.size.mediaDescription.printableArea, (279.4 - 3 * lly) * (215.9 - 3 * llx), 1e-6);
    EXPECT_FALSE(m.setBounds(600, 600, -100, -200, 5100, 6600));
    EXPECT_TRUE(m.setBounds(300, 600, -100, -200, 5100, 6600));
}

TEST(MediaNode, SwapExchangesAxesAndTwiceRestores)
{
    CMediaNode m;
    ASSERT_TRUE(m.init(*sectiontest::parseText(mediaText())->root()));
    const auto before = bounds(m);
    m.swapBounds();
    const auto once = bounds(m);
    EXPECT_EQ(once[0], before[1]);
    EXPECT_EQ(once[4], before[5]);
    EXPECT_EQ(once[9], before[8]);
    m.swapBounds();
    EXPECT_EQ(bounds(m), before);
}

TEST(MediaNode, SelectingAPaperSetsNameBoundsAndOrientation)
{
    CMediaNode m;
    bool changed = false;
    m.setPaper(L"A0", 1, 841, 1189, 0, 0, 0, changed);
    EXPECT_TRUE(changed);
    EXPECT_EQ(m.size.name, L"A0");
    EXPECT_EQ(bounds(m), (std::vector<double>{0, 0, 841, 1189, 0, 0, 841, 1189, 841, 1189, 841.0 * 1189}));
    EXPECT_FALSE(m.size.landscapeMode);
    changed = false;
    m.setPaper(L"A0", 1, 841, 1189, 0, 0, 0, changed);
    EXPECT_FALSE(changed);

    // Inches; the top margin gives lly, the bottom one ury.
    m.setPaper(L"ANSI_A", 0, 8.5, 11, 0.25, 0.5, 0.75, changed);
    EXPECT_TRUE(changed);
    const auto& d = m.size.mediaDescription;
    EXPECT_NEAR(d.mediaBounds.ury, 279.4, 1e-9);
    EXPECT_NEAR(m.actualPrintableBoundsLly, 0.75 * 25.4, 1e-9);
    EXPECT_NEAR(d.printableBoundsUry, 10.5 * 25.4, 1e-9);

    m.customPapers = std::make_unique<CMediaNode::CustomPapersNode>();
    m.customPapers->push_back(Paper{L"Wide", L"Wide", 1, 300, 100, 0, 0, 0, 0});
    changed = true;
    m.setCustomPaper(0, changed);
    EXPECT_TRUE(changed); // never reset
    EXPECT_EQ(m.size.name, L"Wide");
    EXPECT_TRUE(m.size.landscapeMode);
}

// Paper numbers run over the custom papers first, then over the built-in PDF papers.
TEST(MediaNode, SetByNumberCoversCustomThenPdfPapers)
{
    CMediaNode m;
    bool changed = false;
    m.set(0, changed);
    EXPECT_TRUE(changed);
    EXPECT_EQ(m.size.name, wut::cPdfPapers[0].mediaName);
    changed = false;
    m.set(0, changed);
    EXPECT_FALSE(changed);

    m.customPapers = std::make_unique<CMediaNode::CustomPapersNode>();
    m.customPapers->push_back(Paper{L"Wide", L"Wide", 1, 300, 100, 0, 0, 0, 0});
    m.set(0, changed);
    EXPECT_EQ(m.size.name, L"Wide");
    m.set(2, changed);
    EXPECT_EQ(m.size.name, wut::cPdfPapers[1].mediaName);
    const double f = wut::cPdfPapers[1].units == OdDbPlotSettings::kInches ? 25.4 : 1.0;
    EXPECT_NEAR(m.size.mediaDescription.mediaBounds.urx, wut::cPdfPapers[1].width * f, 1e-9);

    changed = false;
    m.set(static_cast<int>(wut::cPdfPapersCount) + 1, changed);
    m.set(-1, changed);
    EXPECT_FALSE(changed);
    EXPECT_EQ(m.size.name, wut::cPdfPapers[1].mediaName);
}

TEST(MediaNode, NameCollatingAndPaperEquality)
{
    CMediaNode::CSizeNode size;
    EXPECT_FALSE(size.setName(L""));
    EXPECT_TRUE(size.setName(L"A4"));
    EXPECT_FALSE(size.setName(L"A4"));
    EXPECT_TRUE(size.setName(L"a4"));

    CMediaNode::CDestinationNode dest;
    EXPECT_TRUE(dest.setCollating(true));
    EXPECT_EQ(dest.collatingName, L"Regular");
    EXPECT_FALSE(dest.setCollating(true));
    EXPECT_TRUE(dest.setCollating(false));
    EXPECT_EQ(dest.collatingName, L"None");

    const Paper p = Paper{L"P", L"P", 1, 100, 200, 1, 2, 3, 4};
    Paper q = p;
    q.top += 0.5e-10;
    EXPECT_TRUE(p == q);
    q.top += 1e-9;
    EXPECT_FALSE(p == q);
    q = p;
    q.localName = L"p";
    EXPECT_FALSE(p == q);
    q = p;
    q.units = 0;
    EXPECT_FALSE(p == q);
}
