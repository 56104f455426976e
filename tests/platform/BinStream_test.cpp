// Binary streams: what one writes the other reads back; reading past the end throws.
#include "platform/tvutils/BinStream.h"

#include <gtest/gtest.h>

TEST(BinStream, MixedValuesRoundTrip)
{
    COBinStream out;
    out << -123456 << 2.5 << true << std::wstring(L"Stra\u00DFe \U0001F600") << L"" << false;
    CIBinStream in(out.data());
    int i = 0;
    double d = 0;
    bool b1 = false, b2 = true;
    std::wstring s1, s2 = L"x";
    in >> i >> d >> b1 >> s1 >> s2 >> b2;
    EXPECT_EQ(i, -123456);
    EXPECT_EQ(d, 2.5);
    EXPECT_TRUE(b1);
    EXPECT_EQ(s1, L"Stra\u00DFe \U0001F600");
    EXPECT_EQ(s2, L"");
    EXPECT_FALSE(b2);
    EXPECT_TRUE(in.atEnd());
    // int, double, bool, (7 units + a surrogate pair + terminator) * 2, empty string, bool
    EXPECT_EQ(out.data().size(), 4u + 8 + 1 + 20 + 2 + 1);
}

TEST(BinStream, ShortDataThrows)
{
    COBinStream out;
    out << std::wstring(L"abc");
    std::vector<std::uint8_t> bytes = out.data();
    bytes.pop_back(); // terminator cut in half
    CIBinStream in(bytes);
    std::wstring s;
    EXPECT_THROW(in >> s, BinStreamError);
    CIBinStream empty(nullptr, 0);
    int v;
    EXPECT_THROW(empty >> v, BinStreamError);
}
