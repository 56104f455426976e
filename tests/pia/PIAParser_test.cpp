// The payload grammar, table-driven: text in, tree (or the failing line) out.
#include "davaraz/pia/PIAParser.h"
#include "PiaTestUtil.h"

#include <gtest/gtest.h>

namespace {

struct GrammarCase {
    const char* label;
    const char* text;
    const wchar_t* tree; // nullptr: the parse must fail
    int errorLine;
};

void PrintTo(const GrammarCase& c, std::ostream* os) { *os << c.label; }

// Parses payload text through a file, as the reader sees it.
bool parse(const std::string& text, CPIAParser& p)
{
    testutil::TempDir dir;
    testutil::writeBytes(dir.path("t.txt"), text);
    return p.openText(dir.path("t.txt").wstring().c_str()) == 0 && p.parse();
}

class Grammar : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(Grammar, ParsesOrFailsAtTheRightLine)
{
    const GrammarCase& c = GetParam();
    CPIAParser p;
    const bool ok = parse(c.text, p);
    if (!c.tree) {
        EXPECT_FALSE(ok);
        EXPECT_EQ(p.errorLine(), c.errorLine);
        return;
    }
    ASSERT_TRUE(ok) << "failed at line " << p.errorLine();
    EXPECT_EQ(piatest::dumpTree(p.root()), c.tree);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Grammar,
    ::testing::Values(
        GrammarCase{"number", "a=1\n", L"N a=1\n", 0},
        GrammarCase{"spaces_around_equals", "  a  =  2 \n", L"N a=  2 \n", 0},
        GrammarCase{"booleans_any_case", "a=TRUE\nb=false\nc=TrUe\n", L"T a=1\nT b=0\nT c=1\n", 0},
        GrammarCase{"boolean_with_trailing_space_is_a_number", "a=true \n", L"N a=true \n", 0},
        GrammarCase{"string_keeps_a_closing_quote", "s=\"abc\"\n", L"S s=abc\"\n", 0},
        GrammarCase{"string_may_hold_signs", "s=\"a=b{c}\n", L"S s=a=b{c}\n", 0},
        GrammarCase{"binary_across_lines", "x=\\abc\ndef\ngh\\ignored\n", L"X x=abcdefgh\n", 0},
        GrammarCase{"binary_unterminated", "x=\\abc\ndef\n", nullptr, 2},
        GrammarCase{"nested_blocks", "A{\n n=1\n B{\n  s=\"x\n }\n}\n", L"B A\n N n=1\n B B\n  S s=x\n", 0},
        GrammarCase{"missing_closing_braces", "A{\nB{\nn=1\n", L"B A\n B B\n  N n=1\n", 0},
        GrammarCase{"closing_line_with_other_text", "A{\n junk }\nn=2\n", L"B A\nN n=2\n", 0},
        GrammarCase{"brace_after_equals_is_text", "A{\n n=1 }\n}\n", L"B A\n N n=1 }\n", 0},
        GrammarCase{"brace_before_equals_fails", "A{\n}n=1\n}\n", nullptr, 2},
        GrammarCase{"same_key_other_kinds", "x=1\nx=\"s\nx{\n}\n", L"N x=1\nS x=s\nB x\n", 0},
        GrammarCase{"duplicate_key_same_kind", "x=1\ny=2\nx=3\n", nullptr, 3},
        GrammarCase{"duplicate_block", "A{\n}\nA{\n}\n", nullptr, 3},
        GrammarCase{"same_block_name_nested_is_fine", "A{\n A{\n }\n}\n", L"B A\n B A\n", 0},
        GrammarCase{"line_of_spaces", "a=1\n   \n", nullptr, 2},
        GrammarCase{"stray_closing_brace", "a=1\n}\n", nullptr, 2},
        GrammarCase{"inner_space_in_key", "a b=1\n", nullptr, 1},
        GrammarCase{"empty_key", "=1\n", nullptr, 1},
        GrammarCase{"nothing_after_equals", "a=\n", nullptr, 1},
        GrammarCase{"tab_is_part_of_the_key", "\ta=1\n", L"N \ta=1\n", 0},
        GrammarCase{"empty_lines_and_crlf", "\r\na=1\r\n\r\nb=2\r\n", L"N a=1\nN b=2\n", 0},
        GrammarCase{"text_without_signs", "a=1\nhello\n", nullptr, 2},
        GrammarCase{"failure_inside_block_drops_it", "ok=1\nA{\n n=1\n bad line\n}\n", nullptr, 4}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Parser, FailureKeepsWhatWasCompleteAndDropsOpenBlocks)
{
    CPIAParser p;
    EXPECT_FALSE(parse("ok=1\nA{\n n=1\n B{\n  bad line\n", p));
    EXPECT_EQ(piatest::dumpTree(p.root()), L"N ok=1\n");
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
    EXPECT_EQ(static_cast<const CPStr*>(p.root()->find(L"s", PI_STR))->text(), std::wstring(value.begin(), value.end()));
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
