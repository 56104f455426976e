// Reading PIA files made by other writers, bad files, and hostile files.
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAParser.h"
#include "PiaTestUtil.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

using testutil::TempDir;

const wchar_t* const kSampleTree =
    L"S description=Shared pens, \u00E9dition 2\n"
    L"T aci_table_available=1\n"
    L"N scale_factor=1.0\n"
    L"B plot_style\n"
    L" B 0\n"
    L"  S name=Normal\n"
    L"  S localized_name=Normal\n"
    L"  N color=-1\n"
    L"  N lineweight=0.25\n"
    L" B 1\n"
    L"  S name=Stra\u00DFe\n"
    L"  N color=-1023410176\n"
    L"X blob=0123456789ABCDEF\n";

TEST(PIAFileIn, FilesOfOtherWritersRead)
{
    struct {
        const char* file;
        bool utf8;
    } cases[] = {{"utf8_crlf_nul.ctb", true}, {"cp1252_crlf_nul.stb", false}, {"lf_zero_checksum.pc3", true}};
    TempDir dir;
    for (const auto& c : cases) {
        CPIAParser p;
        const std::wstring path = std::filesystem::path(testutil::dataPath(std::string("pia/") + c.file)).wstring();
        ASSERT_EQ(p.open(path.c_str()), 0) << c.file;
        EXPECT_EQ(p.file().isUtf8(), c.utf8) << c.file;
        ASSERT_TRUE(p.parse()) << c.file;
        p.file().close();
        EXPECT_EQ(piatest::dumpTree(p.root()), kSampleTree) << c.file;
    }
    EXPECT_EQ(dir.tempCount(), 0u);
}

TEST(PIAFileIn, TwoThousandCharacterBinaryFromAnotherWriter)
{
    TempDir dir;
    CPIAParser p;
    ASSERT_EQ(p.open(std::filesystem::path(testutil::dataPath("pia/long_binary.pmp")).wstring().c_str()), 0);
    ASSERT_TRUE(p.parse());
    const auto* bin = static_cast<const CPBin*>(p.root()->find(L"data", PI_BIN));
    ASSERT_TRUE(bin);
    std::wstring expected;
    for (int i = 0; i < 125; ++i)
        expected += L"0123456789ABCDEF";
    EXPECT_EQ(bin->text(), expected);
}

TEST(PIAFileIn, BadFilesGiveAResultAndLeaveNothing)
{
    TempDir dir;
    struct {
        std::string path;
        int rc;
    } cases[] = {
        {testutil::dataPath("pia/truncated.ctb"), ZlibEngine::ZE_TRUNCATED},
        {testutil::dataPath("pia/corrupt_stream.ctb"), Z_DATA_ERROR},
        {testutil::dataPath("pia/short_header.ctb"), pia::kFileError},
        {testutil::dataPath("pia/empty.ctb"), pia::kFileError},
        {dir.tmp().string(), ZlibEngine::ZE_OPEN_INPUT},
        {dir.path("missing.ctb").string(), ZlibEngine::ZE_OPEN_INPUT},
    };
    for (const auto& c : cases) {
        CPIAParser p;
        EXPECT_EQ(p.open(std::filesystem::path(c.path).wstring().c_str()), c.rc) << c.path;
        EXPECT_EQ(p.file().readLine(), nullptr);
        EXPECT_EQ(dir.tempCount(), 0u) << c.path;
    }
    CPIAParser p;
    ASSERT_EQ(p.open(std::filesystem::path(testutil::dataPath("pia/bad_grammar.ctb")).wstring().c_str()), 0);
    EXPECT_EQ(dir.tempCount(), 0u) << "the payload is inflated in memory, never to disk";
    EXPECT_FALSE(p.parse());
    EXPECT_EQ(p.errorLine(), 2);
}

// The stream is inflated twice (checked, then read); a file rewritten in between must not pass
// for what was checked.
TEST(PIAFileIn, AFileChangedWhileReadIsAFault)
{
    TempDir dir;
    const std::filesystem::path path = dir.path("t.ctb"), other = testutil::dataPath("pia/cp1252_crlf_nul.stb");
    std::filesystem::copy_file(testutil::dataPath("pia/utf8_crlf_nul.ctb"), path);
    CPIAParser p;
    ASSERT_EQ(p.open(path.wstring().c_str()), 0);
    std::filesystem::copy_file(other, path, std::filesystem::copy_options::overwrite_existing); // same file, new bytes
    p.parse();
    EXPECT_NE(p.file().fault(), 0);

    CPIAParser same;
    ASSERT_EQ(same.open(path.wstring().c_str()), 0);
    EXPECT_TRUE(same.parse());
    EXPECT_EQ(same.file().fault(), 0);
    EXPECT_EQ(same.file().bytesLeft(), 0u);
}

TEST(PIAFileIn, MillionChildrenParseInLinearTime)
{
    TempDir dir;
    {
        CPBlock root(L"");
        auto* big = new CPBlock(L"big");
        for (int i = 0; i < 1000000; ++i)
            big->add(new CPNum(L"k" + std::to_wstring(i), i));
        root.add(big);
        CPIAFileOut out;
        out.setKind(PIA_PC3);
        ASSERT_TRUE(out.write(&root, dir.path("big.pc3").wstring().c_str()));
    }
    CPIAParser p;
    ASSERT_EQ(p.open(dir.path("big.pc3").wstring().c_str()), 0);
    ASSERT_TRUE(p.parse());
    const auto* big = static_cast<const CPBlock*>(p.root()->find(L"big", PI_BLOCK));
    ASSERT_TRUE(big);
    EXPECT_EQ(big->count(), 1000000);
    EXPECT_EQ(big->find(L"k999999", PI_NUM), big->item(999999));
}

// Nesting up to the limit parses; one level more breaks the grammar at the line that opens it.
TEST(PIAFileIn, NestingIsBoundedAtItsLine)
{
    TempDir dir;
    for (const std::size_t depth : {CPIAParser::kMaxBlockDepth, CPIAParser::kMaxBlockDepth + 1}) {
        std::string text;
        for (std::size_t i = 0; i < depth; ++i)
            text += "a{\n";
        text += "x=1\n";
        testutil::writeBytes(dir.path("deep.txt"), text);
        CPIAParser p;
        ASSERT_EQ(p.openText(dir.path("deep.txt").wstring().c_str()), 0);
        const bool deeper = depth > CPIAParser::kMaxBlockDepth;
        EXPECT_EQ(p.parse(), !deeper);
        EXPECT_EQ(p.errorLine(), deeper ? static_cast<int>(depth) : 0);
        EXPECT_EQ(p.root()->count(), deeper ? 0 : 1);
    }
}

// A small file that inflates far beyond the payload limit is refused before it fills the disk.
TEST(PIAFileIn, InflationBombIsRefused)
{
    TempDir dir;
    // 64 MiB of line feeds compress to about 64 KiB.
    std::string bomb(60, '\0');
    {
        z_stream z{};
        deflateInit(&z, 9);
        std::string zeros(1 << 20, '\n');
        std::string out(1 << 16, '\0');
        for (int i = 0; i < 64; ++i) {
            z.next_in = reinterpret_cast<Bytef*>(&zeros[0]);
            z.avail_in = static_cast<uInt>(zeros.size());
            const int flush = i == 63 ? Z_FINISH : Z_NO_FLUSH;
            do {
                z.next_out = reinterpret_cast<Bytef*>(&out[0]);
                z.avail_out = static_cast<uInt>(out.size());
                deflate(&z, flush);
                bomb.append(out.data(), out.size() - z.avail_out);
            } while (z.avail_out == 0);
        }
        deflateEnd(&z);
    }
    ASSERT_LT(bomb.size(), 1u << 20);
    testutil::writeBytes(dir.path("bomb.pc3"), bomb);
    CPIAFileIn in;
    in.setMaxOutput(8 << 20);
    EXPECT_EQ(in.open(dir.path("bomb.pc3").wstring().c_str()), ZlibEngine::ZE_TOO_LARGE);
    EXPECT_EQ(CPIAFileIn().maxOutput(), std::uint64_t(1) << 30);
}

} // namespace
