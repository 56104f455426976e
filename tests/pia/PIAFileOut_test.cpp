// CPIAFileOut: binary pieces, values it cannot carry and failures that leave nothing (each
// kind's header and the line forms: the grammar session; the ANSI code page: the pia session).
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAParser.h"
#include "PiaTestUtil.h"
#include "support/SectionText.h"

#include <gtest/gtest.h>

namespace {

using testutil::TempDir;

std::unique_ptr<CPBlock> sampleTree()
{
    auto root = std::make_unique<CPBlock>(L"");
    auto* a = new CPBlock(L"A");
    a->add(new CPNum(L"N", 0.5, 1));
    auto* b = new CPBlock(L"B");
    b->add(new CPStr(L"S", L"text with \u00E9"));
    a->add(b);
    root->add(a);
    root->add(new CPBool(L"flag", false));
    return root;
}

bool writeTree(const CPBlock& root, const std::filesystem::path& path, int kind = -1)
{
    CPIAFileOut out;
    out.setKind(kind >= 0 ? kind : pia::kindForPath(path.wstring().c_str()));
    return out.write(&root, path.wstring().c_str());
}

// Guards a table that read back changed: "\u00C3\u0153" is C3 9C in 1252, which a reader takes
// for the UTF-8 of "\u00DC". Such text goes as UTF-8 (the pia session), or fails a strict write.
TEST(PIAFileOut, AStrictWriteRefusesTextThatWouldReadBackAsOther)
{
    TempDir dir;
    CPBlock lookalike(L"");
    lookalike.add(new CPStr(L"a", L"D\u00C3\u0153NN"));
    CPIAFileOut strict;
    strict.setStrictEncoding(true);
    EXPECT_FALSE(strict.write(&lookalike, dir.path("l.ctb").wstring().c_str()));
    EXPECT_TRUE(strict.lossy());
    EXPECT_FALSE(std::filesystem::exists(dir.path("l.ctb")));
}

TEST(PIAFileOut, RefusedWritesKeepTheOldFileAndLeaveNothing)
{
    TempDir dir;
    const auto target = dir.path("keep.ctb");
    ASSERT_TRUE(writeTree(*sampleTree(), target));
    const std::string before = testutil::readBytes(target);

    CPBlock tooLong(L"");
    tooLong.add(new CPStr(L"s", std::wstring(600, L'x')));
    CPIAFileOut out;
    EXPECT_FALSE(out.write(&tooLong, target.wstring().c_str()));
    EXPECT_TRUE(out.lineTooLong());
    EXPECT_EQ(out.lastStatus(), pia::kFileError);

    CPBlock lossy(L"");
    lossy.add(new CPStr(L"s", L"\u65E5\u672C"));
    CPIAFileOut strict;
    strict.setStrictEncoding(true);
    EXPECT_FALSE(strict.write(&lossy, target.wstring().c_str()));
    EXPECT_TRUE(strict.lossy());

    EXPECT_FALSE(CPIAFileOut().write(nullptr, target.wstring().c_str()));
    EXPECT_FALSE(CPIAFileOut().write(&lossy, dir.path("no/such/dir/x.ctb").wstring().c_str()));

    EXPECT_EQ(testutil::readBytes(target), before);
    EXPECT_EQ(dir.tempCount(), 0u);
    EXPECT_EQ(dir.entryCount(), 2u) << "only tmp/ and keep.ctb";
}

// Guards files that were written but could not be read: a text with a line end broke the
// grammar, a backslash cut a binary value. Every item either reads back as written or is refused.
TEST(PIAFileOut, EveryValueReadsBackOrIsRefused)
{
    TempDir dir;
    const std::wstring nul(1, L'\0');
    const struct {
        const char* name;
        CPItem* item;
        bool representable;
    } cases[] = {
        {"quote", new CPStr(L"k", L"a\"b"), true},
        {"backslashes", new CPStr(L"k", L"\\a\\b\\"), true},
        {"key characters", new CPStr(L"k", L"a=b{c}"), true},
        {"blanks and tab", new CPStr(L"k", L" lead\tinner trail "), true},
        {"empty", new CPStr(L"k", L""), true},
        {"CR LF", new CPStr(L"k", L"Line one\r\nLine two"), false},
        {"LF", new CPStr(L"k", L"a\nb"), false},
        {"CR at the end", new CPStr(L"k", L"ab\r"), false},
        {"NUL", new CPStr(L"k", L"a" + nul + L"b"), false},
        {"binary", new CPBin(L"k", L"00FFab"), true},
        {"binary beyond one byte a character", new CPBin(L"k", L"0\u0100\u4E2D1"), true},
        {"binary backslash", new CPBin(L"k", L"ab\\cd"), false},
        {"binary backslash after a wide character", new CPBin(L"k", L"\u0100b\\cd"), false},
        {"binary line end", new CPBin(L"k", L"ab\ncd"), false},
        {"key with a blank", new CPNum(L"a b", 1), false},
        {"key with =", new CPNum(L"a=b", 1), false},
        {"key with {", new CPBlock(L"a{"), false},
        {"key with a line end", new CPBool(L"a\nb", true), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto target = dir.path("v.ctb");
        std::filesystem::remove(target);
        CPBlock root(L"");
        root.add(c.item);
        CPIAFileOut out;
        out.setKind(PIA_CTB);
        const bool written = out.write(&root, target.wstring().c_str());
        EXPECT_EQ(written, c.representable);
        EXPECT_EQ(out.unrepresentable(), !c.representable);
        EXPECT_EQ(std::filesystem::exists(target), c.representable);
        if (!written)
            continue;
        CPIAParser parser;
        ASSERT_EQ(parser.open(target.wstring().c_str()), 0);
        ASSERT_TRUE(parser.parse());
        parser.file().close();
        EXPECT_EQ(sectiontest::treeText(*parser.root()), sectiontest::treeText(root));
    }
    EXPECT_EQ(dir.tempCount(), 0u);
}

} // namespace
