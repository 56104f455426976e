// Plot style tables: reading and writing a 255-style colour-dependent table, and converting it.
#include "davaraz/plotstyle/Ctb2Stb.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>
#include <zlib.h>

namespace {

// 255 styles with colours, pens and weights of their own; `distinct` of them differ from each
// other, the rest repeat the first ones (the grouping work of ctb2stb grows with that number).
std::unique_ptr<CPlotStyleTable> makeTable(int distinct)
{
    std::unique_ptr<CPlotStyleTable> t(CPlotStyleTable::create(true, nullptr));
    for (int i = 0; i < 255; ++i) {
        const int k = i % distinct;
        CPlotStyle& s = *t->style(i);
        s.updateColor(k * 0x010305);
        s.setPen(k % 16);
        s.setLineWeight(k % 27);
        s.setScreen(100 - k % 100);
        s.setDesc(L"style description");
    }
    return t;
}

class TempFile {
public:
    explicit TempFile(const char* ext)
    {
        m_path = (std::filesystem::temp_directory_path() / ("davaraz-bench-" + std::to_string(::getpid()) + ext)).wstring();
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    const wchar_t* c_str() const { return m_path.c_str(); }

private:
    std::wstring m_path;
};

void BM_Write255(benchmark::State& state)
{
    auto table = makeTable(255);
    TempFile file(".ctb");
    for (auto _ : state)
        if (!table->write(file.c_str()))
            state.SkipWithError("write failed");
}
BENCHMARK(BM_Write255)->Unit(benchmark::kMillisecond);

void BM_Read255(benchmark::State& state)
{
    TempFile file(".ctb");
    makeTable(255)->write(file.c_str());
    for (auto _ : state) {
        std::unique_ptr<CPlotStyleTable> t(CPlotStyleTable::read(file.c_str()));
        if (!t)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(t.get());
    }
}
BENCHMARK(BM_Read255)->Unit(benchmark::kMillisecond);

// The references: zlib alone doing the same work on the same table's file. The reader reads
// the file and inflates its stream; the writer deflates the payload and writes it as durably
// as the library does (a sibling, fsync, rename, fsync of the folder).
constexpr std::size_t kHeader = 60;

std::string fileBytes(const wchar_t* path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Inflates `packed` in 64 KiB steps; the payload's size, or -1.
long inflateAll(const std::string& packed, std::size_t from)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return -1;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data() + from));
    z.avail_in = static_cast<uInt>(packed.size() - from);
    static unsigned char out[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        z.next_out = out;
        z.avail_out = sizeof out;
        rc = inflate(&z, Z_NO_FLUSH);
    }
    const long size = rc == Z_STREAM_END ? static_cast<long>(z.total_out) : -1;
    inflateEnd(&z);
    return size;
}

void BM_Zlib_Read255(benchmark::State& state)
{
    TempFile file(".ctb");
    makeTable(255)->write(file.c_str());
    for (auto _ : state) {
        const std::string packed = fileBytes(file.c_str());
        if (packed.size() < kHeader || inflateAll(packed, kHeader) <= 0)
            state.SkipWithError("inflate failed");
    }
}
BENCHMARK(BM_Zlib_Read255)->Unit(benchmark::kMillisecond);

void BM_Zlib_Write255(benchmark::State& state)
{
    TempFile file(".ctb");
    makeTable(255)->write(file.c_str());
    const std::string packed = fileBytes(file.c_str());
    std::string payload(static_cast<std::size_t>(inflateAll(packed, kHeader)), '\0');
    uLongf size = static_cast<uLongf>(payload.size());
    uncompress(reinterpret_cast<Bytef*>(&payload[0]), &size, reinterpret_cast<const Bytef*>(packed.data() + kHeader),
               static_cast<uLong>(packed.size() - kHeader));
    const std::string target = std::filesystem::path(file.c_str()).string();
    const std::string sibling = target + ".tmp";
    const std::string folder = std::filesystem::path(target).parent_path().string();
    std::string out(compressBound(static_cast<uLong>(payload.size())) + kHeader, '\0');
    for (auto _ : state) {
        uLongf len = static_cast<uLongf>(out.size() - kHeader);
        compress2(reinterpret_cast<Bytef*>(&out[kHeader]), &len, reinterpret_cast<const Bytef*>(payload.data()),
                  static_cast<uLong>(payload.size()), 6);
        const int fd = ::open(sibling.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool ok = fd >= 0 && ::write(fd, out.data(), kHeader + len) == static_cast<ssize_t>(kHeader + len) &&
                        ::fsync(fd) == 0;
        if (fd >= 0)
            ::close(fd);
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (!ok || ::rename(sibling.c_str(), target.c_str()) != 0 || dir < 0 || ::fsync(dir) != 0)
            state.SkipWithError("write failed");
        if (dir >= 0)
            ::close(dir);
    }
}
BENCHMARK(BM_Zlib_Write255)->Unit(benchmark::kMillisecond);

// Argument: how many of the 255 styles are distinct.
void BM_Ctb2Stb255(benchmark::State& state)
{
    auto table = makeTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<CPlotStyleTable> stb(ctb2stb(*table, nullptr));
        benchmark::DoNotOptimize(stb.get());
    }
}
BENCHMARK(BM_Ctb2Stb255)->Arg(1)->Arg(16)->Arg(255)->Unit(benchmark::kMicrosecond);

} // namespace
