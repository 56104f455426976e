// The item tree: number formatting and scanning, ownership, and look-up in large blocks (which
// keys may repeat: the grammar session).
#include "davaraz/pia/PItem.h"
#include "PiaTestUtil.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

namespace {

// Counts destructions so that ownership mistakes show as wrong counts.
TEST(PItem, NumberTextIsFormattedInTheCLocale)
{
    struct {
        double value;
        int precision;
        const wchar_t* text;
    } cases[] = {{0.5, -1, L"0.500000"}, {0.5, 1, L"0.5"}, {2.25, 8, L"2.25000000"}, {-1.0, -1, L"-1.000000"},
                 {1234567.0, 1, L"1234567.0"}};
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    // A comma-decimal locale must not leak into the file (.ci/setup generates it).
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the locale de_DE.UTF-8 is missing";
    for (const auto& c : cases)
        EXPECT_EQ(CPNum(L"n", c.value, c.precision).text(), c.text);
    EXPECT_EQ(CPNum(L"n", -7).text(), L"-7");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(PItem, ScanningFollowsTheScanFormats)
{
    struct {
        const wchar_t* text;
        bool ok;
        int asInt;
        double asDouble;
    } const cases[] = {{L"2.5", true, 2, 2.5},     {L"1e3", true, 1, 1000.0},  {L"1.000000", true, 1, 1.0},
                       {L"12abc", true, 12, 12.0}, {L" 7", true, 7, 7.0},      {L"abc", false, 42, 4.2},
                       {L"", false, 42, 4.2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(L"'") + c.text + L"'");
        CPBlock b(L"");
        b.add(CPNum::fromText(L"n", c.text));
        int i = 42;
        double d = 4.2;
        EXPECT_EQ(b.getInt(i, L"n"), c.ok);
        EXPECT_EQ(b.getDouble(d, L"n"), c.ok);
        EXPECT_EQ(i, c.asInt) << "a failed scan leaves the target alone";
        EXPECT_EQ(d, c.asDouble);
    }
    // At and beyond the ends of an int: beyond them is no number, not a wrapped one.
    const std::pair<const wchar_t*, int> ints[] = {
        {L"-2147483648", INT_MIN},  {L"2147483647", INT_MAX},       {L"2147483648", 42}, {L"-2147483649", 42},
        {L"123456789012345678", 42}, {L"12345678901234567890", 42}, {L"-0012", -12}};
    for (const auto& [text, want] : ints) {
        int v = 42;
        EXPECT_EQ(scanInt(text, v), want != 42) << text;
        EXPECT_EQ(v, want) << text;
    }
    // Another kind under the key, or no such key.
    CPBlock b(L"");
    b.add(new CPStr(L"str", L"5"));
    int i = 42;
    double d = 4.2;
    EXPECT_FALSE(b.getInt(i, L"str") || b.getDouble(d, L"str") || b.getInt(i, L"missing") || b.getDouble(d, L"missing"));
    EXPECT_EQ(i, 42);
}

// Numbers are read and written without the thread's locale; what they give must still be
// what the C library's "%lf", "%f" and "%.*f" give in the "C" locale, quirks included.
TEST(PItem, NumbersAgreeWithTheCLibrary)
{
    const wchar_t* const texts[] = {L"2.5",  L"-0x1.8p1", L"0x",     L"-0x",    L" 0xz",   L"0x.",    L"0xp1",
                                    L"00x",  L"1e",       L"1e+",    L"+.5",    L".",      L"-",      L"1,5",
                                    L"1e-400", L"3.4e39", L"1e400",  L"infinity", L"nan(1)", L"\t 12abc",
                                    L"5.",   L"-0",       L"1.2.3",  L"-.5",    L"12x",    L"0x1A",   L"1E5",
                                    L"0.1",  L"9007199254740993",    L"123456789.987654321e-3",
                                    L"12345678901234567890123456789012345678901234567890123456789.25",
                                    L"1234567890123456789012345678901234567890123456789012345678901234567890",
                                    L"1234567890123456789012345678901234567890123456789012345678901234.5"};
    for (const wchar_t* text : texts) {
        SCOPED_TRACE(std::wstring(L"'") + text + L"'");
        double d = 0, dRef = 0;
        float f = 0, fRef = 0;
        const bool dOk = std::swscanf(text, L"%lf", &dRef) == 1 && std::isfinite(dRef);
        const bool fOk = std::swscanf(text, L"%f", &fRef) == 1;
        EXPECT_EQ(scanDouble(text, d), dOk);
        EXPECT_EQ(scanFloat(text, f), fOk);
        if (dOk) {
            EXPECT_EQ(d, dRef);
        }
        if (fOk) {
            EXPECT_TRUE(f == fRef || (std::isnan(f) && std::isnan(fRef))) << f;
        }
    }
    std::vector<std::pair<double, int>> values = {{0.125, 2}, {2.5, 0}, {1e300, 1}, {-0.0, -1}, {1.0 / 3, 8},
                                                  {0.1, 20},  {2.675, 2}, {-1e-9, 6},  {1099511.627776, 6},
                                                  {0.5, 0},   {1.5, 0},   {9.9999999, 6}};
    for (int i = -3000; i <= 3000; i += 7) // paper sizes: millimetres from inches and pixels
        for (int precision : {0, 1, 3, 6, 8, 15})
            values.emplace_back(i * 25.4 / 600, precision);
    for (const auto& [value, precision] : values) {
        char ref[512];
        std::snprintf(ref, sizeof ref, "%.*f", precision < 0 ? 6 : precision, value);
        ASSERT_EQ(fixedText(value, precision), std::wstring(ref, ref + std::strlen(ref))) << ref;
    }
}

TEST(PItem, DeletingTheRootDeletesEveryItemOnce)
{
    int deleted = 0;
    {
        CPBlock root(L"");
        auto* inner = new CPBlock(L"a");
        auto* deeper = new CPBlock(L"b");
        deeper->add(new piatest::Counted(L"x", &deleted));
        inner->add(deeper);
        inner->add(new piatest::Counted(L"y", &deleted));
        root.add(inner);
        root.add(new piatest::Counted(L"z", &deleted));
        auto* refused = new piatest::Counted(L"z", &deleted);
        EXPECT_FALSE(root.add(refused));
        delete refused;
        EXPECT_EQ(deleted, 1);
    }
    EXPECT_EQ(deleted, 4);
}

// Children made through a block live where the block does: an arena tree's in its arena.
TEST(PItem, PutMakesChildrenInTheBlocksMemory)
{
    CPRoot tree;
    CPBlock heap(L"");
    for (CPBlock* root : {&tree.block(), &heap}) {
        const bool arena = root == &tree.block();
        CPBlock* b = root->put<CPBlock>(L"b");
        ASSERT_TRUE(b);
        CPNum* n = b->put<CPNum>(L"n", 0.5, 2);
        ASSERT_TRUE(n);
        EXPECT_EQ(n->text(), L"0.50");
        EXPECT_EQ(n->pooled(), arena);
        EXPECT_EQ(b->put<CPNum>(L"n", 1), nullptr);
        EXPECT_EQ(b->count(), 1);
        EXPECT_EQ(b->make<CPStr>(L"s", L"never added")->pooled(), arena);
    }
}

// Large blocks switch to an index; results must be those of a first-to-last scan.
TEST(PItem, LargeBlocksFindTheSameItemsAsSmallOnes)
{
    CPBlock b(L"");
    std::vector<CPItem*> nums, strs;
    for (int i = 0; i < 500; ++i) {
        nums.push_back(new CPNum(std::to_wstring(i), i));
        ASSERT_TRUE(b.add(nums.back()));
        if (i % 3 == 0) {
            strs.push_back(new CPStr(std::to_wstring(i), L"s"));
            ASSERT_TRUE(b.add(strs.back()));
        }
    }
    EXPECT_EQ(b.find(L"0", PI_NUM), nums[0]);
    EXPECT_EQ(b.find(L"499", PI_NUM), nums[499]);
    EXPECT_EQ(b.find(L"3", PI_STR), strs[1]);
    EXPECT_EQ(b.find(L"4", PI_STR), nullptr);
    EXPECT_EQ(b.find(L"3", 99), nullptr);
    auto* dup = new CPNum(L"250", 1);
    EXPECT_FALSE(b.add(dup));
    delete dup;
}

} // namespace
