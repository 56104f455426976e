// CPlotStyle: colour encoding against the ACI palette, names, equality, block and
// binary forms.
#include "davaraz/pia/PItem.h"
#include "davaraz/plotstyle/PlotStyle.h"
#include "support/SectionText.h"
#include "platform/tvutils/BinStream.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace {

// Opens the protected block form for the tests.
struct StyleProbe : CPlotStyle {
    using CPlotStyle::init;
    using CPlotStyle::write;
};

constexpr int kAci(unsigned v) { return static_cast<int>(v); }

TEST(PlotStyle, ExactPaletteHitKeepsColorRefOrder)
{
    CPlotStyle s;
    EXPECT_TRUE(s.updateColor(0x0000FF)); // pure red, red in the low byte
    EXPECT_EQ(kAci(0xC30000FF), s.color());
    EXPECT_EQ(kAci(0xC30000FF), s.mode_color());
    EXPECT_FALSE(s.updateColor(0x0000FF));
    // Blue (0xFF0000 as a COLORREF) is entry 5; the first match wins over later equal ones.
    EXPECT_EQ(5, CPlotStyle::exactAci(0xFF0000));
    EXPECT_EQ(0, CPlotStyle::exactAci(0x123456));
    EXPECT_EQ(0, CPlotStyle::exactAci(0xFF0001)); // blue and green of 5, not its red
    // The top byte of the argument does not take part in the search.
    EXPECT_EQ(1, CPlotStyle::exactAci(kAci(0xC20000FF)));
}

TEST(PlotStyle, NearestEntryIsStoredWithReversedByteOrder)
{
    CPlotStyle s;
    EXPECT_EQ(46, CPlotStyle::nearestAci(0x123456));
    EXPECT_TRUE(s.updateColor(0x123456));
    EXPECT_EQ(kAci(0xC2123456), s.mode_color());
    EXPECT_EQ(kAci(0xC34C3900), s.color()); // entry 46 (4C3900) with red in bits 16 to 23
    EXPECT_EQ(8, CPlotStyle::nearestAci(0x7F7F7F));
    // Entry 0 never takes part, though it is black too.
    EXPECT_EQ(7, CPlotStyle::nearestAci(0x010101));
    // Red FF, green 00, blue 01 lies at distance 1 from both entry 1 (FF0000) and 10 (FF0101).
    EXPECT_EQ(1, CPlotStyle::nearestAci(0x0100FF));
}

TEST(PlotStyle, UpdateColorPolicyBits)
{
    CPlotStyle gray;
    gray.setGrayScale(true); // 3
    gray.setDither(true);
    EXPECT_TRUE(gray.updateColor(0x123456));
    EXPECT_EQ(3, gray.color_policy()); // grey scale: bit 2 cleared, not set

    CPlotStyle s;
    s.updateColor(0x123456);
    EXPECT_EQ(5, s.color_policy());
    EXPECT_TRUE(s.updateColor(-1)); // 5 -> 1, then both colours removed
    EXPECT_EQ(1, s.color_policy());
    EXPECT_EQ(-1, s.mode_color());
    EXPECT_FALSE(s.updateColor(-1));

    CPlotStyle g;
    g.setGrayScale(true);
    g.updateColor(0x0000FF);
    EXPECT_TRUE(g.updateColor(-1));
    EXPECT_EQ(3, g.color_policy());
    EXPECT_EQ(kAci(0xC3FFFFFF), g.mode_color());

    CPlotStyle t;
    t.updateColor(0x0000FF); // 5
    t.setGrayScale(true);    // 7
    EXPECT_EQ(7, t.color_policy());
    t.setDither(false);
    EXPECT_EQ(6, t.color_policy());
    EXPECT_TRUE(t.isGrayScale());
    EXPECT_FALSE(t.isDither());
}

TEST(PlotStyle, Color2Rgb)
{
    CPlotStyle s;
    EXPECT_EQ(-1, s.color2rgb());
    s.updateColor(0x0000FF); // policy 5: the mode colour, bytes 0 and 2 exchanged
    EXPECT_EQ(0xFF0000, s.color2rgb());
    s.updateColor(0x123456);
    EXPECT_EQ(0x563412, s.color2rgb());
    s.setDither(false);
    s.setGrayScale(true);
    EXPECT_EQ(0x563412, s.color2rgb());
}

TEST(PlotStyle, UpdateNameReplacesWhiteSpace)
{
    CPlotStyle s;
    s.updateName(L"Thick Red");
    EXPECT_STREQ(L"Thick Red", s.locName());
    EXPECT_STREQ(L"Thick_Red", s.name());
    s.updateName(L"Gr\u00fcn\tS\nt");
    EXPECT_STREQ(L"Gr\u00fcn_S_t", s.name());
}

TEST(PlotStyle, IsEqualComparesPenSettingsOnly)
{
    CPlotStyle a, b;
    a.updateName(L"A");
    b.updateName(L"B");
    a.setDesc(L"one");
    b.setDesc(L"two");
    EXPECT_TRUE(a.isEqual(b, false));
    EXPECT_FALSE(a.isEqual(b, true));
    b.setDesc(L"one");
    EXPECT_TRUE(a.isEqual(b, true));

    using Change = void (*)(CPlotStyle&);
    const Change changes[] = {
        [](CPlotStyle& s) { s.updateColor(0x0000FF); },
        [](CPlotStyle& s) { s.setDither(false); },
        [](CPlotStyle& s) { s.setPen(2); },
        [](CPlotStyle& s) { s.setVirtualPen(3); },
        [](CPlotStyle& s) { s.setScreen(50); },
        [](CPlotStyle& s) { s.setLineType(2); },
        [](CPlotStyle& s) { s.setAdaptiveLinetype(false); },
        [](CPlotStyle& s) { s.setLineWeight(7); },
        [](CPlotStyle& s) { s.setFillStyle(64); },
        [](CPlotStyle& s) { s.setEndStyle(0); },
        [](CPlotStyle& s) { s.setJoinStyle(1); },
    };
    for (size_t i = 0; i < sizeof changes / sizeof changes[0]; ++i) {
        CPlotStyle c(a);
        changes[i](c);
        EXPECT_FALSE(a.isEqual(c, false)) << "change " << i;
    }
}

// A style block as the file form has it, with one key left out (or none).
std::unique_ptr<CPBlock> styleBlock(std::initializer_list<const wchar_t*> without = {}, bool withModeColor = true)
{
    auto b = std::make_unique<CPBlock>(L"0");
    auto add = [&](CPItem* item) {
        for (const wchar_t* key : without)
            if (item->name() == key) {
                delete item;
                return;
            }
        b->add(item);
    };
    add(new CPStr(L"name", L"Thick_Red"));
    add(new CPStr(L"localized_name", L"Thick Red"));
    add(new CPStr(L"description", L"for walls"));
    add(new CPNum(L"color", static_cast<int>(0xC30000FF)));
    if (withModeColor)
        add(new CPNum(L"mode_color", static_cast<int>(0xC2123456)));
    add(new CPNum(L"color_policy", 5));
    add(new CPNum(L"physical_pen_number", 2));
    add(new CPNum(L"virtual_pen_number", 3));
    add(new CPNum(L"screen", 80));
    add(new CPNum(L"linepattern_size", 1.25, -1));
    add(new CPNum(L"linetype", 7));
    add(new CPBool(L"adaptive_linetype", false));
    add(new CPNum(L"lineweight", 12));
    add(new CPNum(L"fill_style", 65));
    add(new CPNum(L"end_style", 1));
    add(new CPNum(L"join_style", 2));
    return b;
}

// The tree dump of a parent holding only this block.
std::string asChild(std::unique_ptr<CPBlock> block)
{
    CPBlock parent(L"plot_style");
    parent.add(block.release());
    return sectiontest::treeText(parent);
}

// What a block gives is written back in the same order and form, with and without the mode
// colour; a block without it takes the colour. The getters on a read are checked against an
// outside file in PlotStyleTableInterop.
TEST(PlotStyle, BlockFormReadsAndWritesBackEveryKey)
{
    StyleProbe s;
    ASSERT_TRUE(s.init(*styleBlock()));
    EXPECT_EQ(kAci(0xC2123456), s.mode_color());
    EXPECT_EQ(1.25, s.linepattern_size());
    CPBlock parent(L"plot_style");
    ASSERT_TRUE(s.write(parent, 0, true));
    EXPECT_EQ(sectiontest::treeText(parent), asChild(styleBlock()));

    StyleProbe noModeColor;
    ASSERT_TRUE(noModeColor.init(*styleBlock({}, false)));
    EXPECT_EQ(kAci(0xC30000FF), noModeColor.mode_color());
    CPBlock without(L"plot_style");
    ASSERT_TRUE(s.write(without, 0, false));
    EXPECT_EQ(sectiontest::treeText(without), asChild(styleBlock({}, false)));
}

// Each required key missing, or present with the wrong kind or an unreadable number.
TEST(PlotStyle, InitFailsAtTheFirstBadKey)
{
    struct {
        const wchar_t* key;
        CPItem* item; // null: the key is left out
    } const cases[] = {
        {L"name", nullptr}, {L"localized_name", nullptr}, {L"description", nullptr}, {L"color", nullptr},
        {L"color_policy", nullptr}, {L"physical_pen_number", nullptr}, {L"virtual_pen_number", nullptr},
        {L"screen", nullptr}, {L"linepattern_size", nullptr}, {L"linetype", nullptr},
        {L"adaptive_linetype", nullptr}, {L"lineweight", nullptr}, {L"fill_style", nullptr},
        {L"end_style", nullptr}, {L"join_style", nullptr},
        {L"name", new CPNum(L"name", 1)},
        {L"color", new CPStr(L"color", L"-1")},
        {L"color", CPNum::fromText(L"color", L"red")},
        {L"adaptive_linetype", new CPNum(L"adaptive_linetype", 1)},
        {L"screen", CPNum::fromText(L"screen", L"")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(c.key) + (c.item ? L" retyped" : L" missing"));
        auto block = styleBlock({c.key});
        if (c.item)
            block->add(c.item);
        StyleProbe s;
        std::wstring failed;
        EXPECT_FALSE(s.init(*block, &failed));
        EXPECT_EQ(c.key, failed);
    }
}

TEST(PlotStyle, Color2RgbOfAciColorUnderPlainDither)
{
    // Policy 1 with an ACI method byte gives the low 16 bits, signed: 0xC3FFFFFF is "no colour".
    struct {
        unsigned color;
        int expected;
    } const cases[] = {{0xC3FFFFFF, -1}, {0xC3000005, 5}, {0xC2123456, 0x563412}, {0x00FF0000, 0x0000FF}};
    for (const auto& c : cases) {
        auto block = styleBlock({L"color", L"color_policy"}, false);
        block->add(new CPNum(L"color", static_cast<int>(c.color)));
        block->add(new CPNum(L"color_policy", 1));
        StyleProbe s;
        ASSERT_TRUE(s.init(*block));
        EXPECT_EQ(c.expected, s.color2rgb()) << std::hex << c.color;
    }
}

TEST(PlotStyle, BinaryRecordRoundTripAndTruncation)
{
    CPlotStyle s;
    s.updateName(L"Gr\u00fcn \u03b1");
    s.setDesc(L"d");
    s.updateColor(0x123456);
    s.setLineWeight(9);
    s.setAdaptiveLinetype(false);
    COBinStream out;
    ASSERT_TRUE(s.write(out));

    CPlotStyle back;
    CIBinStream in(out.data());
    ASSERT_TRUE(back.read(in));
    EXPECT_TRUE(in.atEnd());
    EXPECT_TRUE(back.isEqual(s, true));
    EXPECT_STREQ(s.locName(), back.locName());

    // Every cut short of the whole record fails, without throwing.
    for (size_t n = 0; n < out.data().size(); ++n) {
        CPlotStyle t;
        CIBinStream cut(out.data().data(), n);
        EXPECT_FALSE(t.read(cut)) << n;
    }
}

} // namespace
