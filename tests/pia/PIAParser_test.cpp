// The parser beyond its grammar (each rule: the grammar session): what a failure keeps, and
// lines longer than one read.
#include "davaraz/pia/PIAParser.h"
#include "PiaTestUtil.h"
#include "support/SectionText.h"

#include <gtest/gtest.h>

namespace {

// Parses payload text through a file, as the reader sees it.
bool parse(const std::string& text, CPIAParser& p)
{
    testutil::TempDir dir;
    testutil::writeBytes(dir.path("t.txt"), text);
    return p.openText(dir.path("t.txt").wstring().c_str()) == 0 && p.parse();
}

TEST(Parser, FailureKeepsWhatWasCompleteAndDropsOpenBlocks)
{
    CPIAParser p;
    EXPECT_FALSE(parse("ok=1\nA{\n n=1\n B{\n  bad line\n", p));
    EXPECT_EQ(sectiontest::treeText(*p.root()), "ok=1\n");
}

// Parsed items live in the parser's arena; items a caller adds to the tree are the tree's to
// free, wherever they were added.
TEST(Parser, ItemsAddedToAParsedTreeDieWithIt)
{
    int deleted = 0;
    {
        CPIAParser p;
        ASSERT_TRUE(parse("a{\n b{\n  x=\\0A\\\n }\n}\n", p));
        auto* a = static_cast<CPBlock*>(p.root()->find(L"a", PI_BLOCK));
        auto* b = static_cast<CPBlock*>(a->find(L"b", PI_BLOCK));
        ASSERT_TRUE(b && b->pooled() && !p.root()->pooled());
        ASSERT_TRUE(p.root()->add(new piatest::Counted(L"h", &deleted)) && a->add(new piatest::Counted(L"h", &deleted)) &&
                    b->add(new piatest::Counted(L"h", &deleted)));
        EXPECT_FALSE(b->item(1)->pooled());
    }
    EXPECT_EQ(deleted, 3);
}

// A NUL ends a line's text, the rest of that line is dropped, in LF and CR LF files alike.
TEST(Parser, NulEndsTheLinesText)
{
    for (const char* end : {"\n", "\r\n"}) {
        CPIAParser p;
        ASSERT_TRUE(parse(std::string("z=0") + end + std::string("a=1\0junk", 9) + end + "b=2" + end, p)) << end;
        EXPECT_EQ(static_cast<const CPNum*>(p.root()->find(L"a", PI_NUM))->text(), L"1");
        EXPECT_EQ(p.root()->count(), 3);
    }
}

// A string line longer than one read arrives in two pieces; the tail has no "=" and fails.
TEST(Parser, OverlongStringLineFails)
{
    CPIAParser p;
    EXPECT_FALSE(parse("s=\"" + std::string(600, 'x') + "\n", p));
}

// A line of exactly 511 bytes plus its line end still reads as one item.
TEST(Parser, LineOfFiveHundredElevenBytesReads)
{
    const std::string value(511 - 3, 'y');
    CPIAParser p;
    ASSERT_TRUE(parse("s=\"" + value + "\r\nn=1\n", p));
    EXPECT_EQ(std::wstring(static_cast<const CPStr*>(p.root()->find(L"s", PI_STR))->text()), std::wstring(value.begin(), value.end()));
}

// A UTF-8 character cut by the 511-byte read must not turn into replacement characters; a
// character past U+00FF late in a long value keeps everything gathered before it.
TEST(Parser, MultiByteCharacterAcrossReadsSurvives)
{
    std::string value(509, 'a');
    for (int i = 0; i < 300; ++i)
        value += "\xC3\xA9"; // é
    value += "\xC4\x81z"; // āz
    CPIAParser p;
    ASSERT_TRUE(parse("x=\\" + value + "\\\n", p));
    const std::wstring text = static_cast<const CPBin*>(p.root()->find(L"x", PI_BIN))->text();
    EXPECT_EQ(text, std::wstring(509, L'a') + std::wstring(300, L'\u00E9') + L"\u0101z");
}

} // namespace
