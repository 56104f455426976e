// Plot style tables across the file boundary: edited tables round trip byte for byte, and the
// default base name comes from the wxWidgets translations (files of an outside writer: the
// plotstyle-read session).
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
