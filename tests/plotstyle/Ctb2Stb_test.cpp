// ctb2stb: grouping of equal styles, naming, the ACI map, what is copied, and refusals (a fresh
// table's conversion: the plotstyle session).
#include "PiaBytes.h"
#include "TableText.h"
#include "davaraz/plotstyle/Ctb2Stb.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>

using namespace piatest;

namespace {

using Table = std::unique_ptr<CPlotStyleTable>;

TEST(Ctb2Stb, EqualStylesGroupInOrderOfFirstAppearance)
{
    Table ctb(CPlotStyleTable::create(true, nullptr));
    ctb->style(0)->setDesc(L"first");
    ctb->style(2)->setDesc(L"second"); // differs from style 0 only in its description
    ctb->style(1)->updateColor(0x0000FF);
    ctb->style(3)->updateColor(0x0000FF);
    ctb->style(4)->setLineWeight(5);
    ctb->style(254)->updateColor(0x0000FF);
    ctb->style(5)->setPen(3);
    ctb->style(6)->setLineWeight(5);
    ctb->style(6)->setPen(3);

    Table stb(ctb2stb(*ctb, nullptr));
    ASSERT_TRUE(stb);
    ASSERT_EQ(6u, stb->size());
    EXPECT_STREQ(L"first", stb->style(1)->desc());
    EXPECT_EQ(-1, stb->style(1)->color());
    EXPECT_EQ(static_cast<int>(0xC30000FF), stb->style(2)->color());
    EXPECT_EQ(5, stb->style(3)->lineWeight());
    EXPECT_EQ(3, stb->style(4)->pen());
    EXPECT_EQ(5, stb->style(5)->lineWeight());
    const int expected[] = {1, 2, 1, 2, 3, 4, 5, 1};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], stb->indexOf(stb->ACI()->at(i))) << i;
    EXPECT_EQ(2, stb->indexOf(stb->ACI()->at(254)));
    for (int k = 1; k < 6; ++k)
        EXPECT_EQ(L"Style " + std::to_wstring(k), stb->style(k)->locName());
}

TEST(Ctb2Stb, CopiesTableSettingsAndUsesTheBaseName)
{
    Table ctb(CPlotStyleTable::create(true, nullptr));
    ctb->setDescription(L"pens");
    ctb->setScaleFactor(2.0);
    ctb->setApplyFactor(true);
    ctb->setCustomLineweightDisplayUnits(1);
    ctb->customLineweights().set(7, 4.5);
    Table stb(ctb2stb(*ctb, L"Pen"));
    ASSERT_TRUE(stb);
    EXPECT_STREQ(L"pens", stb->description());
    EXPECT_EQ(2.0, stb->scaleFactor());
    EXPECT_TRUE(stb->applyFactor());
    EXPECT_EQ(1, stb->customLineweightDisplayUnits());
    EXPECT_EQ(4.5, stb->customLineweights().at(7));
    EXPECT_STREQ(L"Pen 1", stb->style(1)->locName());
    EXPECT_STREQ(L"Color_1", ctb->style(0)->name()) << "the source is untouched";
}

// A named table and one of 256 styles are refused in the plotstyle session; a named table with
// a mapping that is not in force is still no colour-dependent table.
TEST(Ctb2Stb, NamedTableWithAMappingNotInForceIsRefused)
{
    Table named(CPlotStyleTable::create(false, nullptr));
    std::array<int, 255> zeros{};
    named->addACI(zeros.data());
    EXPECT_EQ(nullptr, ctb2stb(*named, nullptr));
}

TEST(Ctb2Stb, ShortSourceLeavesRemainingColoursOnNormal)
{
    TempDir dir;
    writeBytes(dir.path("short.ctb"), pack(tableText(3, true, true), "CTB"));
    Table ctb(CPlotStyleTable::read(dir.path("short.ctb").wstring().c_str()));
    ASSERT_TRUE(ctb);
    Table stb(ctb2stb(*ctb, nullptr));
    ASSERT_TRUE(stb);
    ASSERT_EQ(4u, stb->size()); // the three styles differ in their screen
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i + 1, stb->indexOf(stb->ACI()->at(i)));
    for (int i = 3; i < 255; ++i)
        ASSERT_EQ(0, stb->indexOf(stb->ACI()->at(i))) << i;
}

TEST(Ctb2Stb, ResultWritesAndReadsWithItsMapping)
{
    TempDir dir;
    Table ctb(CPlotStyleTable::create(true, nullptr));
    for (int i = 0; i < 255; i += 2)
        ctb->style(i)->setScreen(50);
    Table stb(ctb2stb(*ctb, nullptr));
    ASSERT_TRUE(stb->write(dir.path("out.stb").wstring().c_str()));
    bool ok = false;
    const std::string text = payload(readBytes(dir.path("out.stb")), &ok);
    ASSERT_TRUE(ok);
    EXPECT_NE(std::string::npos, text.find("aci_table{\n 0=\"Style_1\n 1=\"Style_2\n 2=\"Style_1\n"));
    Table back(CPlotStyleTable::read(dir.path("out.stb").wstring().c_str()));
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->useACI());
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(i % 2 ? 2 : 1, back->indexOf(back->ACI()->at(i))) << i;
}

} // namespace
