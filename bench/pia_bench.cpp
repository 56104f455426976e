// The PIA container against zlib alone: a table-shaped tree (255 blocks of 16 items) and one
// 16 MiB binary item, written and read through the library, and the same payloads deflated and
// inflated in memory with zlib, so the container's overhead reads as a ratio.
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAParser.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <zlib.h>

namespace {

std::unique_ptr<CPBlock> tableTree()
{
    auto root = std::make_unique<CPBlock>(L"");
    root->add(new CPStr(L"description", L"benchmark table"));
    auto* styles = new CPBlock(L"plot_style");
    for (int i = 0; i < 255; ++i) {
        auto* s = new CPBlock(std::to_wstring(i).c_str());
        s->add(new CPStr(L"name", L"Color_" + std::to_wstring(i + 1)));
        s->add(new CPStr(L"localized_name", L"Color_" + std::to_wstring(i + 1)));
        s->add(new CPStr(L"description", L""));
        s->add(new CPNum(L"color", -1));
        s->add(new CPNum(L"mode_color", -1023410176 + i));
        s->add(new CPNum(L"color_policy", 1));
        s->add(new CPNum(L"physical_pen_number", 0));
        s->add(new CPNum(L"virtual_pen_number", 0));
        s->add(new CPNum(L"screen", 100));
        s->add(new CPNum(L"linepattern_size", 0.5, -1));
        s->add(new CPNum(L"linetype", 31));
        s->add(new CPBool(L"adaptive_linetype", true));
        s->add(new CPNum(L"lineweight", 0));
        s->add(new CPNum(L"fill_style", 73));
        s->add(new CPNum(L"end_style", 4));
        s->add(new CPNum(L"join_style", 5));
        styles->add(s);
    }
    root->add(styles);
    return root;
}

// One binary value of `mib` MiB of hexadecimal text.
std::unique_ptr<CPBlock> binaryTree(int mib)
{
    auto root = std::make_unique<CPBlock>(L"");
    std::wstring hex(static_cast<size_t>(mib) << 20, L'0');
    for (size_t i = 0; i < hex.size(); ++i)
        hex[i] = L"0123456789ABCDEF"[(i * 2654435761u >> 7) & 15];
    root->add(new CPBin(L"private", hex));
    return root;
}

struct Fixture {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "davaraz-bench";
    Fixture() { std::filesystem::create_directories(dir); }
    std::wstring path(const char* name) const { return (dir / name).wstring(); }
};

std::string payloadOf(const CPBlock& root)
{
    Fixture f;
    CPIAFileOut out;
    out.setKind(PIA_PC3);
    out.write(&root, f.path("payload.pc3").c_str());
    CPIAFileIn in;
    in.open(f.path("payload.pc3").c_str());
    std::string text;
    char buf[65536];
    for (size_t n; (n = in.readRaw(buf, sizeof buf)) > 0;)
        text.append(buf, n);
    return text;
}

void writeTree(benchmark::State& state, const CPBlock& root, const char* name)
{
    Fixture f;
    for (auto _ : state) {
        CPIAFileOut out;
        out.setKind(PIA_PC3);
        if (!out.write(&root, f.path(name).c_str()))
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(f.dir / name)));
}

void readTree(benchmark::State& state, const CPBlock& root, const char* name)
{
    Fixture f;
    CPIAFileOut out;
    out.setKind(PIA_PC3);
    out.write(&root, f.path(name).c_str());
    for (auto _ : state) {
        CPIAParser p;
        if (p.open(f.path(name).c_str()) != 0 || !p.parse())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(p.root());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(f.dir / name)));
}

void zlibRoundTrip(benchmark::State& state, const std::string& text, bool inflateOnly)
{
    std::string packed(compressBound(static_cast<uLong>(text.size())), '\0');
    uLongf packedLen = static_cast<uLongf>(packed.size());
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedLen, reinterpret_cast<const Bytef*>(text.data()),
              static_cast<uLong>(text.size()), 6);
    std::string back(text.size(), '\0');
    for (auto _ : state) {
        if (inflateOnly) {
            uLongf backLen = static_cast<uLongf>(back.size());
            uncompress(reinterpret_cast<Bytef*>(&back[0]), &backLen, reinterpret_cast<const Bytef*>(packed.data()),
                       packedLen);
        } else {
            uLongf len = static_cast<uLongf>(packed.size());
            compress2(reinterpret_cast<Bytef*>(&packed[0]), &len, reinterpret_cast<const Bytef*>(text.data()),
                      static_cast<uLong>(text.size()), 6);
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(packedLen));
}

const CPBlock& table()
{
    static auto t = tableTree();
    return *t;
}
const CPBlock& binary(int mib)
{
    static std::map<int, std::unique_ptr<CPBlock>> trees;
    auto& t = trees[mib];
    if (!t)
        t = binaryTree(mib);
    return *t;
}

void BM_Pia_WriteTable(benchmark::State& s) { writeTree(s, table(), "table.pc3"); }
void BM_Pia_ReadTable(benchmark::State& s) { readTree(s, table(), "table.pc3"); }
void BM_Zlib_DeflateTable(benchmark::State& s) { zlibRoundTrip(s, payloadOf(table()), false); }
void BM_Zlib_InflateTable(benchmark::State& s) { zlibRoundTrip(s, payloadOf(table()), true); }
// Binary payloads of 1, 16 and 128 MiB: time should grow with the size and no faster.
void BM_Pia_WriteBinary(benchmark::State& s) { writeTree(s, binary(static_cast<int>(s.range(0))), "binary.pc3"); }
void BM_Pia_ReadBinary(benchmark::State& s) { readTree(s, binary(static_cast<int>(s.range(0))), "binary.pc3"); }
void BM_Zlib_DeflateBinary(benchmark::State& s) { zlibRoundTrip(s, payloadOf(binary(static_cast<int>(s.range(0)))), false); }
void BM_Zlib_InflateBinary(benchmark::State& s) { zlibRoundTrip(s, payloadOf(binary(static_cast<int>(s.range(0)))), true); }

BENCHMARK(BM_Pia_WriteTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zlib_DeflateTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pia_ReadTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zlib_InflateTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pia_WriteBinary)->Arg(1)->Arg(16)->Arg(128)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zlib_DeflateBinary)->Arg(1)->Arg(16)->Arg(128)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pia_ReadBinary)->Arg(1)->Arg(16)->Arg(128)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zlib_InflateBinary)->Arg(1)->Arg(16)->Arg(128)->Unit(benchmark::kMillisecond);

} // namespace
