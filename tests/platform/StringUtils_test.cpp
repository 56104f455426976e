// The utility library's string helpers.
#include "platform/tvutils/StringUtils.h"

#include "TestUtil.h"

#include <gtest/gtest.h>

TEST(StringUtils, AlphanumericOrder)
{
    struct {
        const wchar_t* a;
        const wchar_t* b;
        bool ignoreCase;
        int expected;
    } cases[] = {
        {L"a2", L"a10", false, -1},  {L"a10", L"a2", false, 1},   {L"a10", L"a10", false, 0},
        {L"A1", L"a1", true, 0},     {L"A1", L"a1", false, -1},   {L"x007", L"x7", false, 1},
        {L"x7y", L"x007y", false, -1}, {L"abc", L"ab", false, 1}, {L"", L"", false, 0},
        {L"page 9", L"page 10", true, -1}, {L"99999999999999999999", L"100000000000000000000", false, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ut::strCmpAlphanum(c.a, c.b, c.ignoreCase), c.expected) << c.a << " vs " << c.b;
}

TEST(StringUtils, CompareNamesLowercase)
{
    EXPECT_EQ(ut::compareNamesLowercase(L"TrUe", L"true", 0), 0);
    EXPECT_NE(ut::compareNamesLowercase(L"true ", L"true", 0), 0);
    EXPECT_NE(ut::compareNamesLowercase(L"tru", L"true", 0), 0);
    EXPECT_EQ(ut::compareNamesLowercase(L"truex", L"TRUEy", 4), 0);
    EXPECT_LT(ut::compareNamesLowercase(L"abc", L"abd", 0), 0);
}

TEST(StringUtils, RemoveSpacesByMode)
{
    OdString s(L" \t x y \t");
    OdString both(s);
    EXPECT_EQ(ut::removeSpaces(both, "be"), L"x y");
    OdString b(s), e(s);
    EXPECT_EQ(ut::removeSpaces(b, "b"), L"x y \t");
    EXPECT_EQ(ut::removeSpaces(e, "e"), L" \t x y");
    OdString blank(L"   ");
    EXPECT_TRUE(ut::removeSpaces(blank, "be").isEmpty());
}

TEST(StringUtils, SafeCopyAlwaysTerminates)
{
    wchar_t buf[4] = {L'x', L'x', L'x', L'x'};
    ut::safe_tcsncpy(buf, L"abcdef", 4);
    EXPECT_EQ(std::wstring(buf), L"abc");
    ut::safe_tcsncpy(buf, nullptr, 4);
    EXPECT_EQ(std::wstring(buf), L"");
}

TEST(StringUtils, NfgetsDropsLineEnds)
{
    testutil::TempDir dir;
    testutil::writeBytes(dir.path("lines.txt"), "one\r\ntwo\nlast");
    std::FILE* f = std::fopen(dir.path("lines.txt").c_str(), "r");
    ASSERT_TRUE(f);
    char buf[16];
    EXPECT_STREQ(ut::nfgets(buf, sizeof buf, f), "one");
    EXPECT_STREQ(ut::nfgets(buf, sizeof buf, f), "two");
    EXPECT_STREQ(ut::nfgets(buf, sizeof buf, f), "last");
    EXPECT_EQ(ut::nfgets(buf, sizeof buf, f), nullptr);
    std::fclose(f);
}

TEST(StringUtils, ConvertToAnsiReportsLoss)
{
    bool lossy = true;
    EXPECT_EQ(ut::convertToAnsi(L"\u00E9\u20AC", 0, &lossy).str(), "\xE9\x80");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(ut::convertToAnsi(L"\u0416", 0, &lossy).str(), "?");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(ut::convertToAnsi(L"\u0416", 65001, &lossy).str(), "\xD0\x96");
    EXPECT_FALSE(lossy);
}
