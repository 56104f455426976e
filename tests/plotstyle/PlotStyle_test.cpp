// CPlotStyle: defaults, colour encoding against the ACI palette, names, equality, block and
// binary forms.
#include "davaraz/pia/PItem.h"
#include "davaraz/plotstyle/AciPalette.h"
#include "davaraz/plotstyle/PlotStyle.h"
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

TEST(PlotStyle, DefaultsAreThoseOfANewStyle)
{
    const CPlotStyle s;
    EXPECT_STREQ(L"", s.name());
    EXPECT_EQ(-1, s.color());
    EXPECT_EQ(-1, s.mode_color());
    EXPECT_EQ(1, s.color_policy());
    EXPECT_EQ(0, s.pen());
    EXPECT_EQ(0, s.virtualPen());
    EXPECT_EQ(100, s.screen());
    EXPECT_EQ(0.5, s.linepattern_size());
    EXPECT_EQ(31, s.lineType());
    EXPECT_TRUE(s.isAdaptiveLinetype());
    EXPECT_EQ(0, s.lineWeight());
    EXPECT_EQ(73, s.fillStyle());
    EXPECT_EQ(4, s.endStyle());
    EXPECT_EQ(5, s.joinStyle());
    EXPECT_TRUE(s.isDither());
    EXPECT_FALSE(s.isGrayScale());
}

TEST(PlotStyle, PaletteEntriesSpotChecked)
{
    struct {
        int index;
        unsigned rgb;
    } const cases[] = {{1, 0xFF0000}, {7, 0x000000}, {10, 0xFF0101}, {46, 0x4C3900}, {130, 0x01FFFF},
                       {171, 0x7F7FFF}, {250, 0x545454}, {255, 0xFCFCFC}};
    for (const auto& c : cases) {
        const AciPaletteEntry& e = aciPalette[static_cast<size_t>(c.index)];
        EXPECT_EQ(c.rgb >> 16, e.red) << c.index;
        EXPECT_EQ((c.rgb >> 8) & 0xFF, e.green) << c.index;
        EXPECT_EQ(c.rgb & 0xFF, e.blue) << c.index;
        EXPECT_EQ(0, e.reserved) << c.index;
    }
}

TEST(PlotStyle, ExactPaletteHitKeepsColorRefOrder)
{
    CPlotStyle s;
    EXPECT_TRUE(s.updateColor(0x0000FF)); // pure red, red in the low byte
    EXPECT_EQ(kAci(0xC30000FF), s.color());
    EXPECT_EQ(kAci(0xC30000FF), s.mode_color());
    EXPECT_EQ(5, s.color_policy());
    EXPECT_FALSE(s.updateColor(0x0000FF));
    // Blue (0xFF0000 as a COLORREF) is entry 5; the first match wins over later equal ones.
    EXPECT_EQ(5, CPlotStyle::exactAci(0xFF0000));
    EXPECT_EQ(1, CPlotStyle::exactAci(0x0000FF));
    EXPECT_EQ(0, CPlotStyle::exactAci(0x123456));
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
    EXPECT_FALSE(s.updateColor(0x123456));
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
    EXPECT_EQ(-1, s.color());
    EXPECT_EQ(-1, s.mode_color());
    EXPECT_FALSE(s.updateColor(-1));

    CPlotStyle g;
    g.setGrayScale(true);
    g.updateColor(0x0000FF);
    EXPECT_TRUE(g.updateColor(-1));
    EXPECT_EQ(3, g.color_policy());
    EXPECT_EQ(kAci(0xC3FFFFFF), g.color());
    EXPECT_EQ(kAci(0xC3FFFFFF), g.mode_color());
    EXPECT_FALSE(g.updateColor(-1));
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

TEST(PlotStyle, PolicySetters)
{
    CPlotStyle s;
    s.setGrayScale(true);
    EXPECT_EQ(3, s.color_policy());
    CPlotStyle t;
    t.updateColor(0x0000FF); // 5
    t.setGrayScale(true);    // 7
    EXPECT_EQ(7, t.color_policy());
    t.setDither(false);
    EXPECT_EQ(6, t.color_policy());
    EXPECT_TRUE(t.isGrayScale());
    EXPECT_FALSE(t.isDither());
}

TEST(PlotStyle, UpdateNameReplacesWhiteSpace)
{
    CPlotStyle s;
    s.updateName(L"Thick Red");
    EXPECT_STREQ(L"Thick Red", s.locName());
    EXPECT_STREQ(L"Thick_Red", s.name());
    s.updateName(L"a\tb\nc");
    EXPECT_STREQ(L"a_b_c", s.name());
    s.updateName(L"Gr\u00fcn Stift");
    EXPECT_STREQ(L"Gr\u00fcn_Stift", s.name());
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

TEST(PlotStyle, InitReadsEveryField)
{
    StyleProbe s;
    ASSERT_TRUE(s.init(*styleBlock()));
    EXPECT_STREQ(L"Thick_Red", s.name());
    EXPECT_STREQ(L"Thick Red", s.locName());
    EXPECT_STREQ(L"for walls", s.desc());
    EXPECT_EQ(kAci(0xC30000FF), s.color());
    EXPECT_EQ(kAci(0xC2123456), s.mode_color());
    EXPECT_EQ(5, s.color_policy());
    EXPECT_EQ(2, s.pen());
    EXPECT_EQ(3, s.virtualPen());
    EXPECT_EQ(80, s.screen());
    EXPECT_EQ(1.25, s.linepattern_size());
    EXPECT_EQ(7, s.lineType());
    EXPECT_FALSE(s.isAdaptiveLinetype());
    EXPECT_EQ(12, s.lineWeight());
    EXPECT_EQ(65, s.fillStyle());
    EXPECT_EQ(1, s.endStyle());
    EXPECT_EQ(2, s.joinStyle());
}

TEST(PlotStyle, InitWithoutModeColorCopiesColor)
{
    StyleProbe s;
    ASSERT_TRUE(s.init(*styleBlock({}, false)));
    EXPECT_EQ(kAci(0xC30000FF), s.mode_color());
}

TEST(PlotStyle, InitFailsAtEachMissingRequiredKey)
{
    const wchar_t* required[] = {L"name", L"localized_name", L"description", L"color", L"color_policy",
                                 L"physical_pen_number", L"virtual_pen_number", L"screen", L"linepattern_size",
                                 L"linetype", L"adaptive_linetype", L"lineweight", L"fill_style", L"end_style",
                                 L"join_style"};
    for (const wchar_t* key : required) {
        StyleProbe s;
        const wchar_t* failed = nullptr;
        EXPECT_FALSE(s.init(*styleBlock({key}), &failed)) << key;
        EXPECT_STREQ(key, failed);
    }
}

TEST(PlotStyle, InitRejectsWronglyTypedItems)
{
    struct {
        const wchar_t* key;
        CPItem* item;
    } const cases[] = {
        {L"name", new CPNum(L"name", 1)},
        {L"color", new CPStr(L"color", L"-1")},
        {L"color", CPNum::fromText(L"color", L"red")},
        {L"adaptive_linetype", new CPNum(L"adaptive_linetype", 1)},
        {L"screen", CPNum::fromText(L"screen", L"")},
    };
    for (const auto& c : cases) {
        auto block = styleBlock({c.key});
        block->add(c.item);
        StyleProbe s;
        const wchar_t* failed = nullptr;
        EXPECT_FALSE(s.init(*block, &failed)) << c.key;
        EXPECT_STREQ(c.key, failed);
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

TEST(PlotStyle, BlockFormKeyOrderAndModeColorFlag)
{
    StyleProbe s;
    s.updateName(L"Pen A");
    CPBlock parent(L"plot_style");
    s.write(parent, 4, false);
    s.write(parent, 5, true);
    ASSERT_EQ(2, parent.count());
    const auto* without = static_cast<const CPBlock*>(parent.find(L"4", PI_BLOCK));
    const auto* with = static_cast<const CPBlock*>(parent.find(L"5", PI_BLOCK));
    ASSERT_TRUE(without && with);
    const wchar_t* order[] = {L"name", L"localized_name", L"description", L"color", L"mode_color", L"color_policy",
                              L"physical_pen_number", L"virtual_pen_number", L"screen", L"linepattern_size",
                              L"linetype", L"adaptive_linetype", L"lineweight", L"fill_style", L"end_style",
                              L"join_style"};
    ASSERT_EQ(16, with->count());
    ASSERT_EQ(15, without->count());
    for (int i = 0, j = 0; i < 16; ++i) {
        EXPECT_EQ(order[i], with->item(i)->name());
        if (std::wstring(order[i]) != L"mode_color") {
            EXPECT_EQ(order[i], without->item(j++)->name());
        }
    }
    EXPECT_EQ(L"0.500000", static_cast<const CPNum*>(with->find(L"linepattern_size", PI_NUM))->text());
    EXPECT_EQ(L"Pen_A", static_cast<const CPStr*>(with->find(L"name", PI_STR))->text());

    StyleProbe back;
    ASSERT_TRUE(back.init(*with));
    EXPECT_TRUE(back.isEqual(s, true));
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
    EXPECT_STREQ(s.name(), back.name());
    EXPECT_STREQ(s.locName(), back.locName());

    // Every cut short of the whole record fails, without throwing.
    for (size_t n = 0; n < out.data().size(); ++n) {
        CPlotStyle t;
        CIBinStream cut(out.data().data(), n);
        EXPECT_FALSE(t.read(cut)) << n;
    }
}

} // namespace
