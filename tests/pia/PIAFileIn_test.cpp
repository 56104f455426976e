// Reading PIA files: changes under the reader and size limits (files of other writers and bad
// files: the recordings of tests/data/pia; the depth limit: the grammar session; reading without
// a temporary folder: the hostile session).
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAParser.h"
#include "PiaTestUtil.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

using testutil::TempDir;

// A small text is inflated once and parsed from memory: a rewrite after open does not reach
// the parse. A large one is inflated twice (checked, then read): a rewrite in between must not
// pass for what was checked.
TEST(PIAFileIn, AFileChangedWhileReadIsUnseenOrAFault)
{
    TempDir dir;
    const std::filesystem::path path = dir.path("t.ctb");
    for (const int lines : {10, 40000}) { // about 60 bytes and 500 KB of text
        std::string before, after;
        for (int i = 0; i < lines; ++i) {
            before += "k" + std::to_string(i) + "=1\n";
            after += "k" + std::to_string(i) + "=2\n";
        }
        testutil::writeBytes(path, piatest::pack(before, "CTB"));
        CPIAParser p;
        ASSERT_EQ(p.open(path.wstring().c_str()), 0);
        testutil::writeBytes(path, piatest::pack(after, "CTB")); // same file, same sizes, new bytes
        p.parse();
        const bool small = lines == 10;
        EXPECT_EQ(p.file().fault() == 0, small) << lines;
        if (small) {
            EXPECT_EQ(static_cast<const CPNum*>(p.root()->find(L"k9", PI_NUM))->text(), L"1");
        }

        CPIAParser again;
        ASSERT_EQ(again.open(path.wstring().c_str()), 0);
        EXPECT_TRUE(again.parse());
        EXPECT_EQ(again.file().fault(), 0);
        EXPECT_EQ(again.file().bytesLeft(), 0u);
    }
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
