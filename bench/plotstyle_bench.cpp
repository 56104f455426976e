// Plot style tables: reading and writing a 255-style colour-dependent table, and converting it.
#include "davaraz/plotstyle/Ctb2Stb.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

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
