// The custom property bag: typed access, entry blocks in and out, malformed entries.
#include "davaraz/plotcfg/CustomNode.h"
#include "support/SectionText.h"

#include <gtest/gtest.h>

using sectiontest::flatten;
using sectiontest::join;
using sectiontest::Lines;

namespace {

Lines written(const CCustomNode& node)
{
    CPBlock out(L"");
    EXPECT_TRUE(node.write(out));
    return flatten(out);
}

} // namespace

TEST(CustomNode, ReadsEntriesIntoMapsAndWritesThemRenumberedInMapOrder)
{
    const auto tree = sectiontest::parseText(R"(z{
 NAME="zeta
 value=TRUE
}
stray=5
a{
 name="dmSize
 anything=220
}
b{
 Name="Tray
 v="Upper
}
c{
 name="dmSize
 value=221
}
d{
 name="Data
 value=\0A0B\
}
e{
 name="alpha
 value=0.600000
}
)");
    ASSERT_TRUE(tree);
    CCustomNode node;
    std::wstring fault;
    ASSERT_TRUE(node.init(*tree->root(), &fault));
    EXPECT_TRUE(fault.empty()) << "a read that succeeds reports no fault";
    int size = 0;
    EXPECT_TRUE(node.get(size, L"dmSize"));
    EXPECT_EQ(size, 221); // a later entry of the same kind replaces the earlier one
    int truncated = -1;
    EXPECT_TRUE(node.get(truncated, L"alpha"));
    EXPECT_EQ(truncated, 0);
    EXPECT_EQ(join(written(node)), join({"0{", "0/name=\"alpha", "0/value=0.600000", "1{", "1/name=\"dmSize",
                                         "1/value=221", "2{", "2/name=\"Data", "2/value=\\0A0B\\", "3{",
                                         "3/name=\"Tray", "3/value=\"Upper", "4{", "4/name=\"zeta", "4/value=TRUE"}));
}

TEST(CustomNode, MalformedEntriesFailTheSectionAndNameTheEntry)
{
    struct Case {
        const char* text;
        const wchar_t* fault;
    } cases[] = {
        {"0{\n name=\"k\n value=1\n extra=2\n}\n", L"0"},
        {"0{\n name=\"k\n}\n", L"0"},
        {"0{\n key=\"k\n value=1\n}\n", L"0/key"},
        {"0{\n name=1\n value=1\n}\n", L"0/name"},
        {"0{\n name=\"k\n value{\n }\n}\n", L"0/value"},
        {"0{\n name=\"ok\n value=1\n}\n1{\n value=1\n name=\"k\n}\n", L"1/value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto tree = sectiontest::parseText(c.text);
        ASSERT_TRUE(tree);
        CCustomNode node;
        std::wstring fault;
        EXPECT_FALSE(node.init(*tree->root(), &fault));
        EXPECT_EQ(fault, c.fault);
    }
}

TEST(CustomNode, SetCreatesOnlyWhenAskedAndKindsAreSeparate)
{
    CCustomNode node;
    EXPECT_FALSE(node.set(5, L"k", false));
    EXPECT_TRUE(node.numbers.empty());
    EXPECT_TRUE(node.set(5, L"k", true));
    EXPECT_EQ(node.numbers.at(L"k"), L"5");
    EXPECT_TRUE(node.set(-7L, L"k", false));
    EXPECT_EQ(node.numbers.at(L"k"), L"-7");

    EXPECT_TRUE(node.setStr(L"text", L"x", true));
    EXPECT_TRUE(node.set(3, L"x", true));
    std::wstring s;
    EXPECT_TRUE(node.getStr(s, L"x"));
    EXPECT_EQ(s, L"text");
    EXPECT_FALSE(node.getBin(s, L"x"));
    bool b = true;
    EXPECT_FALSE(node.get(b, L"x"));
    EXPECT_TRUE(b);
    EXPECT_TRUE(node.set(false, L"x", true));
    EXPECT_TRUE(node.get(b, L"x"));
    EXPECT_FALSE(b);
}

TEST(CustomNode, RealsAreStoredAtSinglePrecision)
{
    CCustomNode node;
    ASSERT_TRUE(node.set(0.1, L"r", true));
    EXPECT_EQ(node.numbers.at(L"r"), L"0.100000");
    double d = 0;
    ASSERT_TRUE(node.get(d, L"r"));
    EXPECT_EQ(d, static_cast<double>(0.1f));
    node.set(1.0 / 3.0, L"r", false);
    EXPECT_EQ(node.numbers.at(L"r"), L"0.333333");
    node.set(16777217.0, L"r", false); // 2^24 + 1 has no float: six decimals show the narrowing
    EXPECT_EQ(node.numbers.at(L"r"), L"16777216.000000");

    node.numbers[L"bad"] = L"abc";
    int i = 42;
    long l = 43;
    d = 44;
    EXPECT_FALSE(node.get(i, L"bad") || node.get(l, L"bad") || node.get(d, L"bad"));
    EXPECT_EQ(i, 42);
    EXPECT_EQ(l, 43);
    EXPECT_EQ(d, 44);
}
