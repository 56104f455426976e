// Plot style tables across the file boundary: edited tables round trip byte for byte, files
// made by an outside writer (tests/data/plotstyle/make_external.py) read intact, and the
// default base name comes from the wxWidgets translations.
#include "support/WxCapture.h"
#include "PiaBytes.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <wx/arrstr.h>
#include <wx/translation.h>

using namespace piatest;

namespace {

using Table = std::unique_ptr<CPlotStyleTable>;

void edit(CPlotStyleTable& t)
{
    t.setDescription(L"Tabelle f\u00fcr Pl\u00e4ne");
    t.setScaleFactor(0.75);
    t.setApplyFactor(true);
    t.setCustomLineweightDisplayUnits(1);
    t.customLineweights().set(26, 3.125);
    t.style(0)->updateColor(0x123456);
    t.style(0)->setLineWeight(14);
    t.style(0)->setDesc(L"W\u00e4nde");
    t.style(static_cast<int>(t.size()) - 1)->updateColor(0x0000FF);
    t.style(static_cast<int>(t.size()) - 1)->setGrayScale(true);
    ASSERT_TRUE(t.renameStyle(0, L"D\u00fcnne Linie \u00c9t\u00e9"));
}

TEST(PlotStyleTableInterop, EditedTablesRoundTrip)
{
    TempDir dir;
    Table ctb(CPlotStyleTable::create(true, nullptr));
    edit(*ctb);
    Table stb(CPlotStyleTable::create(false, nullptr));
    ASSERT_TRUE(stb->addStyle(L"Gr\u00fcn breit", -1, nullptr));
    ASSERT_TRUE(stb->addStyle(L"\u00c6ble \u00f8", 0, nullptr));
    edit(*stb);
    stb->style(1)->setLineWeight(20);
    std::array<int, 255> map{};
    map[4] = 2;
    stb->addACI(map.data());

    for (auto* t : {ctb.get(), stb.get()}) {
        const std::wstring first = dir.path(t == ctb.get() ? "a.ctb" : "a.stb").wstring();
        const std::wstring second = dir.path(t == ctb.get() ? "b.ctb" : "b.stb").wstring();
        ASSERT_TRUE(t->write(first.c_str()));
        // Every field is written, so a field lost or changed by the read shows in the bytes.
        Table back(CPlotStyleTable::read(first.c_str()));
        ASSERT_TRUE(back);
        ASSERT_TRUE(back->write(second.c_str()));
        EXPECT_EQ(readBytes(first), readBytes(second));
    }
    Table back(CPlotStyleTable::read(dir.path("a.stb").wstring().c_str()));
    EXPECT_TRUE(back->useACI()); // a mapping read from a file is in force
}

TEST(PlotStyleTableInterop, ReadsAnOutsideColorDependentTable)
{
    pia::ReadResult why;
    Table t(CPlotStyleTable::read(L"" DAVARAZ_TEST_DATA "/plotstyle/external.ctb", &why));
    ASSERT_TRUE(t) << wxString(why.description()).utf8_str();
    EXPECT_STREQ(L"Externe Tabelle", t->description());
    EXPECT_EQ(2.5, t->scaleFactor());
    EXPECT_TRUE(t->applyFactor());
    EXPECT_EQ(1, t->customLineweightDisplayUnits());
    for (int j = 0; j < 27; ++j)
        EXPECT_NEAR(j * 0.1, t->customLineweights().at(j), 1e-9) << j;
    ASSERT_EQ(255u, t->size());
    EXPECT_TRUE(t->useACI());
    for (int i = 0; i < 255; ++i) {
        const CPlotStyle& s = *t->style(i);
        const std::wstring n = std::to_wstring(i + 1);
        EXPECT_EQ(L"Farbe_" + n, s.name());
        EXPECT_EQ(L"Farbe " + n, s.locName());
        EXPECT_EQ(L"Stift " + n + L" \u2013 gr\u00fcn", s.desc());
        const int color = i % 3 == 0 ? -1 : static_cast<int>(0xC2000000u | ((unsigned(i) * 0x010203u) & 0xFFFFFFu));
        EXPECT_EQ(color, s.color()) << i;
        EXPECT_EQ(color, s.mode_color()) << i;
        EXPECT_EQ(color == -1 ? 1 : 5, s.color_policy()) << i;
        EXPECT_EQ(i % 16, s.pen());
        EXPECT_EQ(i, s.virtualPen());
        EXPECT_EQ(100 - i % 100, s.screen());
        EXPECT_NEAR(0.5 + i / 100.0, s.linepattern_size(), 1e-9);
        EXPECT_EQ(i % 2 == 0 ? i % 30 : 31, s.lineType());
        EXPECT_EQ(i % 5 != 0, s.isAdaptiveLinetype());
        EXPECT_EQ(i % 27, s.lineWeight());
        EXPECT_EQ(73, s.fillStyle());
        EXPECT_EQ(i % 4, s.endStyle());
        EXPECT_EQ(i % 5, s.joinStyle());
        EXPECT_EQ(&s, t->ACI()->at(i));
    }
}

TEST(PlotStyleTableInterop, ReadsAnOutsideNamedTable)
{
    pia::ReadResult why;
    Table t(CPlotStyleTable::read(L"" DAVARAZ_TEST_DATA "/plotstyle/external.stb", &why));
    ASSERT_TRUE(t) << wxString(why.description()).utf8_str();
    EXPECT_STREQ(L"Benannte Tabelle", t->description());
    EXPECT_EQ(2.11, t->customLineweights().at(26));
    const wchar_t* names[] = {L"Normal", L"D\u00fcnn_Rot", L"\u00c9pais", L"Grau_50%"};
    const wchar_t* locNames[] = {L"Normal", L"D\u00fcnn Rot", L"\u00c9pais", L"Grau 50%"};
    ASSERT_EQ(4u, t->size());
    for (int k = 0; k < 4; ++k) {
        const CPlotStyle& s = *t->style(k);
        EXPECT_STREQ(names[k], s.name());
        EXPECT_STREQ(locNames[k], s.locName());
        EXPECT_EQ(100 - 10 * k, s.screen());
        EXPECT_EQ(k, s.lineWeight());
        EXPECT_EQ(k == 0 ? -1 : static_cast<int>(0xC3000000u | unsigned(k)), s.color());
        EXPECT_EQ(s.color(), s.mode_color());
    }
    ASSERT_TRUE(t->useACI());
    for (int i = 0; i < 255; ++i)
        EXPECT_EQ(t->style(i % 3 + 1), t->ACI()->at(i)) << i;
}

TEST(PlotStyleTableInterop, DefaultBaseNameIsTranslated)
{
    std::unique_ptr<wxtest::ScopedCatalog> german = std::make_unique<wxtest::ScopedCatalog>("Color", "Farbe");
    ASSERT_TRUE(german->loaded());
    Table t(CPlotStyleTable::create(true, nullptr));
    Table pen(CPlotStyleTable::create(true, L"Pen"));
    german.reset();

    EXPECT_STREQ(L"Farbe 255", t->style(254)->locName());
    EXPECT_STREQ(L"Pen_1", pen->style(0)->name());
    EXPECT_STREQ(L"Color_1", Table(CPlotStyleTable::create(true, nullptr))->style(0)->name());
}

} // namespace
