// ZlibEngine: round trips, hook order, and every failure the PIA reader passes on.
#include "platform/tvutils/ZlibEngine.h"

#include "TestUtil.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <vector>
#include <zlib.h>

namespace {

using testutil::TempDir;

std::string randomText(size_t n)
{
    std::mt19937 rng(42);
    std::string s(n, ' ');
    for (char& c : s)
        c = "abcdefgh \n"[rng() % 10];
    return s;
}

class RecordingEngine : public ZlibEngine {
public:
    int doInflateInit() override
    {
        calls.push_back("inflateInit");
        return ZlibEngine::doInflateInit();
    }
    int doDeflateInit(int level) override
    {
        calls.push_back("deflateInit" + std::to_string(level));
        return ZlibEngine::doDeflateInit(level);
    }
    void progress(int percent) override { lastProgress = percent; }
    std::vector<std::string> calls;
    int lastProgress = -1;
};

TEST(ZlibEngine, RoundTripIsZlibFormatAndCallsItsHooks)
{
    TempDir dir;
    const std::string text = randomText(300000);
    testutil::writeBytes(dir.path("in.txt"), text);
    RecordingEngine e;
    ASSERT_EQ(e.compress(dir.path("in.txt").wstring().c_str(), dir.path("z").wstring().c_str(), 6), 0);
    ASSERT_EQ(e.decompress(dir.path("z").wstring().c_str(), dir.path("out.txt").wstring().c_str()), 0);
    EXPECT_EQ(testutil::readBytes(dir.path("out.txt")), text);
    EXPECT_EQ(e.calls, (std::vector<std::string>{"deflateInit6", "inflateInit"}));
    EXPECT_EQ(e.lastProgress, 100);

    // An independent inflater accepts the stream.
    const std::string z = testutil::readBytes(dir.path("z"));
    std::vector<unsigned char> back(text.size());
    uLongf backLen = back.size();
    ASSERT_EQ(uncompress(back.data(), &backLen, reinterpret_cast<const Bytef*>(z.data()), z.size()), Z_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(back.data()), backLen), text);

    testutil::writeBytes(dir.path("in.txt"), "");
    ASSERT_EQ(e.compress(dir.path("in.txt").wstring().c_str(), dir.path("z").wstring().c_str(), 6), 0);
    ASSERT_EQ(e.decompress(dir.path("z").wstring().c_str(), dir.path("out.txt").wstring().c_str()), 0);
    EXPECT_EQ(testutil::readBytes(dir.path("out.txt")), "") << "empty input";
}

TEST(ZlibEngine, DamagedInputsGiveDistinctCodes)
{
    TempDir dir;
    const std::string text = randomText(50000);
    testutil::writeBytes(dir.path("in"), text);
    ZlibEngine e;
    ASSERT_EQ(e.compress(dir.path("in").wstring().c_str(), dir.path("z").wstring().c_str(), 6), 0);
    std::string z = testutil::readBytes(dir.path("z"));

    testutil::writeBytes(dir.path("truncated"), z.substr(0, z.size() / 2));
    std::string corrupt = z;
    for (size_t i = 10; i < 40; ++i)
        corrupt[i] = static_cast<char>(corrupt[i] ^ 0x33);
    testutil::writeBytes(dir.path("corrupt"), corrupt);

    const std::wstring out = dir.path("out").wstring();
    EXPECT_EQ(e.decompress(dir.path("truncated").wstring().c_str(), out.c_str()), ZlibEngine::ZE_TRUNCATED);
    EXPECT_EQ(e.decompress(dir.path("corrupt").wstring().c_str(), out.c_str()), Z_DATA_ERROR);
    EXPECT_EQ(e.decompress(dir.path("missing").wstring().c_str(), out.c_str()), ZlibEngine::ZE_OPEN_INPUT);
    EXPECT_EQ(e.decompress(dir.tmp().wstring().c_str(), out.c_str()), ZlibEngine::ZE_OPEN_INPUT);
    EXPECT_EQ(e.decompress(dir.path("z").wstring().c_str(), L"/nonexistent-dir/out"), ZlibEngine::ZE_OPEN_OUTPUT);
    EXPECT_EQ(e.compress(dir.path("missing").wstring().c_str(), out.c_str(), 6), ZlibEngine::ZE_OPEN_INPUT);
    EXPECT_STRNE(ZlibEngine::errorText(ZlibEngine::ZE_TRUNCATED), ZlibEngine::errorText(Z_DATA_ERROR));
}

TEST(ZlibEngine, OutputBeyondTheLimitIsRefused)
{
    TempDir dir;
    testutil::writeBytes(dir.path("in"), std::string(4 << 20, 'A'));
    ZlibEngine e;
    ASSERT_EQ(e.compress(dir.path("in").wstring().c_str(), dir.path("z").wstring().c_str(), 9), 0);
    EXPECT_LT(testutil::readBytes(dir.path("z")).size(), 10000u);
    e.setMaxOutput(1 << 20);
    EXPECT_EQ(e.decompress(dir.path("z").wstring().c_str(), dir.path("out").wstring().c_str()),
              ZlibEngine::ZE_TOO_LARGE);
    EXPECT_LE(std::filesystem::file_size(dir.path("out")), std::uintmax_t(1) << 20);
    e.setMaxOutput(ZlibEngine::kDefaultMaxOutput);
    EXPECT_EQ(e.decompress(dir.path("z").wstring().c_str(), dir.path("out").wstring().c_str()), 0);
}

// A file-size limit makes the output writes fail as a full disk would.
TEST(ZlibEngine, WriteFailureIsReported)
{
    TempDir dir;
    testutil::writeBytes(dir.path("in"), randomText(1 << 20));
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ZlibEngine e;
    const int rc = e.compress(dir.path("in").wstring().c_str(), dir.path("z").wstring().c_str(), 0);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(rc, ZlibEngine::ZE_WRITE);
}

} // namespace
