// CPlotStyleTable editing with and without an ACI mapping, deep copies, and the line weight
// range check.
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using Table = std::unique_ptr<CPlotStyleTable>;

// A named table with styles "A", "B", "C" at positions 0 to 2.
Table abc()
{
    Table t(CPlotStyleTable::create(false, nullptr));
    t->renameStyle(0, L"A");
    t->addStyle(L"B", -1, nullptr);
    t->addStyle(L"C", -1, nullptr);
    return t;
}

std::wstring order(const CPlotStyleTable& t)
{
    std::wstring out;
    for (size_t i = 0; i < t.size(); ++i)
        out += std::wstring(i ? L"," : L"") + t.style(static_cast<int>(i))->locName();
    return out;
}

TEST(PlotStyleTableEdit, FindIgnoresCase)
{
    Table t(CPlotStyleTable::create(true, nullptr));
    EXPECT_EQ(t->style(4), t->find(L"color_5"));
    EXPECT_EQ(nullptr, t->find(L"Color 5")); // the internal name has the underscore
    EXPECT_EQ(4, t->findLocName(L"COLOR 5"));
    EXPECT_EQ(-1, t->findLocName(L"Color_5"));
    EXPECT_EQ(nullptr, t->find(nullptr));
    EXPECT_EQ(-1, t->findLocName(nullptr));
}

TEST(PlotStyleTableEdit, Rename)
{
    Table t(CPlotStyleTable::create(true, nullptr));
    EXPECT_TRUE(t->renameStyle(3, L"COLOR 4")); // its own name in another case
    EXPECT_STREQ(L"COLOR_4", t->style(3)->name());
    EXPECT_FALSE(t->renameStyle(3, L"color 5")); // style 4's
    // Guards a silent remapping: two styles stored as "Color_5" swapped ACI targets on reading.
    EXPECT_FALSE(t->renameStyle(3, L"Color_5"));
    EXPECT_TRUE(t->renameStyle(4, L"Pen_Wide"));
    EXPECT_FALSE(t->renameStyle(3, L"pen wide"));
    EXPECT_STREQ(L"COLOR 4", t->style(3)->locName());
    EXPECT_FALSE(t->renameStyle(3, L""));
    EXPECT_FALSE(t->renameStyle(3, nullptr));
    EXPECT_FALSE(t->renameStyle(-1, L"x"));
    EXPECT_FALSE(t->renameStyle(255, L"x"));
    EXPECT_TRUE(t->renameStyle(254, L"Dünn Grau")); // renaming is allowed with a mapping
    EXPECT_STREQ(L"Dünn_Grau", t->ACI()->at(254)->name());
}

TEST(PlotStyleTableEdit, AddAndDeleteStyles)
{
    Table t = abc();
    EXPECT_EQ(L"A,B,C", order(*t));
    EXPECT_TRUE(t->addStyle(L"after A", 0, nullptr));
    EXPECT_EQ(L"A,after A,B,C", order(*t));
    EXPECT_TRUE(t->addStyle(L"last", 3, nullptr));
    EXPECT_EQ(L"A,after A,B,C,last", order(*t));
    EXPECT_FALSE(t->addStyle(L"beyond", 5, nullptr));
    EXPECT_FALSE(t->addStyle(L"b", -1, nullptr));
    EXPECT_FALSE(t->addStyle(nullptr, -1, nullptr));
    EXPECT_TRUE(t->addStyle(L"Pen Wide", -1, nullptr));
    EXPECT_FALSE(t->addStyle(L"pen_wide", -1, nullptr)); // the same internal name
    t->deleteStyle(5);
    EXPECT_FALSE(t->addStyle(L"", -1, nullptr));

    CPlotStyle model;
    model.setDesc(L"model");
    model.updateColor(0x0000FF);
    model.updateName(L"model name");
    ASSERT_TRUE(t->addStyle(L"Red Pen", -1, &model));
    const CPlotStyle* added = t->style(5);
    EXPECT_TRUE(added->isEqual(model, true));
    EXPECT_STREQ(L"Red_Pen", added->name());
    EXPECT_TRUE(t->addStyle(L"plain", -1, nullptr));
    EXPECT_TRUE(t->style(6)->isEqual(CPlotStyle(), true));

    t->deleteStyle(1);
    t->deleteStyle(6); // one past the end
    t->deleteStyle(-1);
    EXPECT_EQ(L"A,B,C,last,Red Pen,plain", order(*t));
}

TEST(PlotStyleTableEdit, ColorDependentTableKeepsItsStyles)
{
    Table t(CPlotStyleTable::create(true, nullptr));
    EXPECT_FALSE(t->addStyle(L"extra", -1, nullptr));
    t->deleteStyle(0);
    EXPECT_EQ(255u, t->size());
    EXPECT_FALSE(t->deleteACI());
    EXPECT_TRUE(t->hasACI());
    std::array<int, 255> zeros{};
    t->addACI(zeros.data());
    EXPECT_EQ(t->style(7), t->ACI()->at(7));
    // The identity mapping may stay implicit in the file; a named table's mapping may not.
    EXPECT_TRUE(t->writesAciTable());
    EXPECT_TRUE(t->omitAciTable());
    EXPECT_FALSE(t->writesAciTable());
    Table named = abc();
    named->addACI(zeros.data());
    EXPECT_FALSE(named->omitAciTable());
    EXPECT_TRUE(named->writesAciTable());
    Table reversed(new CPlotStyleTable);
    std::array<int, 255> backwards{};
    for (int i = 0; i < 255; ++i) {
        ASSERT_TRUE(reversed->addStyle((L"S" + std::to_wstring(i)).c_str(), -1, nullptr));
        backwards[static_cast<size_t>(i)] = 254 - i;
    }
    reversed->addACI(backwards.data());
    EXPECT_FALSE(reversed->omitAciTable());
}

TEST(PlotStyleTableEdit, NamedTableGainsAndDropsAMapping)
{
    Table t = abc();
    std::array<int, 255> map;
    for (int i = 0; i < 255; ++i)
        map[static_cast<size_t>(i)] = i % 3;
    t->addACI(map.data());
    ASSERT_TRUE(t->hasACI());
    EXPECT_FALSE(t->useACI());
    EXPECT_EQ(t->style(2), t->ACI()->at(254));
    // While mapped, the list is frozen so the entries stay valid.
    EXPECT_FALSE(t->addStyle(L"D", -1, nullptr));
    t->deleteStyle(0);
    EXPECT_EQ(3u, t->size());
    EXPECT_TRUE(t->deleteACI());
    EXPECT_EQ(nullptr, t->ACI());
    EXPECT_FALSE(t->deleteACI());
    EXPECT_TRUE(t->addStyle(L"D", -1, nullptr));

    // A position the table does not have leaves everything as it was.
    map[100] = 4;
    t->addACI(map.data());
    EXPECT_FALSE(t->hasACI());
    t->addACI(nullptr);
    EXPECT_FALSE(t->hasACI());
    map[100] = 3;
    t->addACI(map.data());
    ASSERT_TRUE(t->hasACI());
    EXPECT_STREQ(L"D", t->ACI()->at(100)->name());
}

TEST(PlotStyleTableEdit, CopiesAreIndependent)
{
    Table original(CPlotStyleTable::create(true, nullptr));
    original->setDescription(L"orig");
    original->customLineweights().set(3, 0.7);
    {
        CPlotStyleTable copy(*original);
        ASSERT_EQ(255u, copy.size());
        for (int i = 0; i < 255; ++i) {
            ASSERT_NE(original->style(i), copy.style(i));
            ASSERT_EQ(copy.style(i), copy.ACI()->at(i)) << "entries point into the copy's own list";
        }
        EXPECT_EQ(0.7, copy.customLineweights().at(3));
        copy.style(0)->updateColor(0x0000FF);
        copy.setDescription(L"copy");
        EXPECT_EQ(-1, original->style(0)->color());
        EXPECT_STREQ(L"orig", original->description());
    }
    // Assignment over a table that already owns styles and a mapping.
    Table other = abc();
    std::array<int, 255> zeros{};
    other->addACI(zeros.data());
    *other = *original;
    EXPECT_EQ(255u, other->size());
    EXPECT_EQ(other->style(200), other->ACI()->at(200));
    *other = *other;
    EXPECT_EQ(other->style(200), other->ACI()->at(200));
    // A mapping that points at some styles only is remapped by position.
    Table named = abc();
    std::array<int, 255> map{};
    map[10] = 2;
    named->addACI(map.data());
    const CPlotStyleTable copy(*named);
    EXPECT_EQ(copy.style(2), copy.ACI()->at(10));
    EXPECT_EQ(copy.style(0), copy.ACI()->at(11));
    EXPECT_FALSE(copy.useACI());
}

TEST(PlotStyleTableEdit, CheckLineWeightRange)
{
    struct {
        double in;
        bool inches;
        bool ok;
        double out;
    } const cases[] = {
        {250.0, false, false, 200.0},  {-1.0, false, false, 0.0},   {1e-9, false, true, 0.0},
        {200.0, false, true, 200.0},
        {200.0000001, false, true, 200.0000001},                    {8.0, true, false, 7.874015748031496},
        {7.8, true, true, 7.8},        {100.0, true, false, 7.874015748031496},
    };
    for (const auto& c : cases) {
        double w = c.in;
        EXPECT_EQ(c.ok, CCustomLineweightTable::checkLineWeightRange(w, c.inches)) << c.in;
        EXPECT_EQ(c.out, w) << c.in;
    }
    double w = 5;
    EXPECT_TRUE(CCustomLineweightTable::checkLineWeightRange(w, L"0.35", false));
    EXPECT_EQ(0.35, w);
    EXPECT_FALSE(CCustomLineweightTable::checkLineWeightRange(w, L"300", false));
    EXPECT_EQ(200.0, w);
    EXPECT_FALSE(CCustomLineweightTable::checkLineWeightRange(w, L"thin", false));
    EXPECT_FALSE(CCustomLineweightTable::checkLineWeightRange(w, nullptr, false));
}

} // namespace
