// The resolution block's arithmetic: names with their tag, device resolutions in and out.
#include "davaraz/plotcfg/ResColorMemNode.h"

#include <gtest/gtest.h>

using Resolution = CResColorMemNode::CResolutionNode;

namespace {

std::vector<double> xs(const Resolution& r) { return {r.physResolutionX, r.addrResolutionX, r.effectiveResolutionX}; }
std::vector<double> ys(const Resolution& r) { return {r.physResolutionY, r.addrResolutionY, r.effectiveResolutionY}; }

} // namespace

TEST(ResolutionNode, DotsPerInchFromDeviceKeepTheTag)
{
    struct Case {
        const wchar_t* before;
        short quality;
        std::optional<int> dcPpi;
        short y;
        const wchar_t* after;
        double x;
        const wchar_t* again; // a name without tag takes the word's last part as tag next time
    } cases[] = {
        {L"", 600, std::nullopt, 300, L"600x300_None", 600, L"600x300_None"},
        {L"600x600_Plain", -4, 720, 720, L"DMRES_HIGH_Plain", 720, L"DMRES_HIGH_Plain"},
        {L"DMRES_HIGH_Plain", -3, 300, 300, L"DMRES_MEDIUM_Plain", 300, L"DMRES_MEDIUM_Plain"},
        {L"a_b_Glossy", -2, 150, 150, L"DMRES_LOW_Glossy", 150, L"DMRES_LOW_Glossy"},
        {L"Fine", -1, 96, 96, L"DMRES_DRAFT", 96, L"DMRES_DRAFT_DRAFT"},
        {L"Fine", 1200, 96, 600, L"1200x600", 1200, L"1200x600"},
        {L"600x600_X", 600, std::nullopt, 600, L"600x600_X", 600, L"600x600_X"}, // values alone changed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        Resolution r;
        r.name = c.before;
        EXPECT_TRUE(r.setFromDevice(c.quality, c.dcPpi, c.y));
        EXPECT_EQ(r.name, c.after);
        EXPECT_EQ(xs(r), std::vector<double>(3, c.x));
        EXPECT_EQ(ys(r), std::vector<double>(3, c.y));
        EXPECT_EQ(r.setFromDevice(c.quality, c.dcPpi, c.y), std::wstring(c.again) != c.after);
        EXPECT_EQ(r.name, c.again);
    }
}

TEST(ResolutionNode, SymbolicQualityWithoutDeviceChangesNothing)
{
    Resolution r;
    r.name = L"600x600_Plain";
    EXPECT_FALSE(r.setFromDevice(-4, std::nullopt, 300));
    EXPECT_EQ(r.name, L"600x600_Plain");
    EXPECT_EQ(ys(r), std::vector<double>(3, 1.0));
}

TEST(ResolutionNode, PrintResolutionFromNameOrDots)
{
    struct Case {
        const wchar_t* name;
        double physX, physY;
        std::optional<int> quality;
        std::optional<short> y;
    } cases[] = {
        {L"dmres_draft_None", 600, 300, -4, std::nullopt},
        {L"DMRES_HIGH", 600, 300, -1, std::nullopt},
        {L"DMRES_MEDIUMish", 1, 1, -2, std::nullopt},
        {L"DMRES_Low_x", 1, 1, -3, std::nullopt},
        {L"600x300_None", 600.9, 300.7, 600, short(300)},
        {L"0x0", 0, 0, std::nullopt, std::nullopt},
        {L"DMRES", 0, 72, std::nullopt, short(72)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Resolution r;
        r.name = c.name;
        r.physResolutionX = c.physX;
        r.physResolutionY = c.physY;
        const auto out = r.printResolution();
        EXPECT_EQ(out.quality, c.quality);
        EXPECT_EQ(out.yResolution, c.y);
    }
}

TEST(ResolutionNode, SquareResolutionLeavesEffectiveAlone)
{
    Resolution r;
    r.name = L"600x300_None";
    r.effectiveResolutionX = 7;
    r.set(300);
    EXPECT_EQ(r.name, L"300x300");
    EXPECT_EQ(xs(r), (std::vector<double>{300, 300, 7}));
    EXPECT_EQ(ys(r), (std::vector<double>{300, 300, 1}));
}

namespace {

// Optional keys are written exactly when they differ from the value meaning "not set"
// (a 0 of ism_max is a value, not its absence).
TEST(ResColorMemNode, OptionalKeysAreWrittenWhenSet)
{
    const struct {
        const wchar_t* key;
        int CResColorMemNode::*field;
        int unset;
    } cases[] = {{L"icm_method", &CResColorMemNode::icmMethod, 0}, {L"icm_intent", &CResColorMemNode::icmIntent, 0},
                 {L"ism_max", &CResColorMemNode::ismMax, -1},      {L"ole_max", &CResColorMemNode::oleMax, -1},
                 {L"hard_soft", &CResColorMemNode::hardSoft, 0},   {L"preference", &CResColorMemNode::preference, 0}};
    for (const auto& c : cases) {
        for (int value : {c.unset, c.unset + 1, c.unset == 0 ? -1 : 0}) {
            CResColorMemNode node;
            node.*c.field = value;
            CPBlock block(L"res_color_mem");
            ASSERT_TRUE(node.write(block));
            EXPECT_EQ(block.find(c.key, PI_NUM) != nullptr, value != c.unset)
                << std::string(c.key, c.key + wcslen(c.key)) << " = " << value;
        }
    }
}

} // namespace
