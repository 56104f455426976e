// A plotter configuration whose driver keeps 4 KiB of private data: reading the file (the bytes
// are 8 KiB of hexadecimal text), and the conversions to and from print data.
#include "PrintSetup.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/print/PrintData.h"
#include "platform/tvutils/FileName.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

const wchar_t kPrinter[] = L"Bench Plotter";

// The embedded plotter once more under another name, with a driver that keeps 4 KiB.
std::unique_ptr<CPlotCfg3> benchConfiguration()
{
    benchsetup::print();
    if (!vspool::changePrinter(kPrinter, [](vspool::Printer&) {})) {
        for (vspool::Printer p : vspool::printers()) {
            if (p.name == L"Large Format Plotter") {
                p.name = kPrinter;
                p.privateBytes = 4096;
                vspool::addPrinter(p);
            }
        }
    }
    return std::unique_ptr<CPlotCfg3>(CPlotCfg3::create(kPrinter));
}

void BM_PlotCfg3ReadPrivateData(benchmark::State& state)
{
    const std::unique_ptr<CPlotCfg3> cfg = benchConfiguration();
    const fs::path dir = fs::temp_directory_path() / "davaraz_bench_pc3priv";
    fs::create_directories(dir);
    const OdString path = ut::fromNativePath((dir / "bench.pc3").string());
    if (!cfg || !cfg->write(path.c_str())) {
        state.SkipWithError("cannot create the configuration");
        return;
    }
    for (auto _ : state) {
        bool changed = false;
        std::unique_ptr<CPlotCfg3> back(CPlotCfg3::read(path.c_str(), changed));
        benchmark::DoNotOptimize(back.get());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_PlotCfg3ReadPrivateData)->Unit(benchmark::kMicrosecond);

void BM_PlotCfg3ToPrintData(benchmark::State& state)
{
    const std::unique_ptr<CPlotCfg3> cfg = benchConfiguration();
    if (!cfg) {
        state.SkipWithError("cannot create the configuration");
        return;
    }
    for (auto _ : state) {
        wut::PrintData data;
        benchmark::DoNotOptimize(cfg->toPrintData(data));
    }
}
BENCHMARK(BM_PlotCfg3ToPrintData)->Unit(benchmark::kMicrosecond);

void BM_PlotCfg3FromPrintData(benchmark::State& state)
{
    const std::unique_ptr<CPlotCfg3> cfg = benchConfiguration();
    wut::PrintData data(kPrinter);
    if (!cfg) {
        state.SkipWithError("cannot create the configuration");
        return;
    }
    for (auto _ : state) {
        bool changed = false;
        benchmark::DoNotOptimize(cfg->fromPrintData(data, kPrinter, false, changed));
    }
}
BENCHMARK(BM_PlotCfg3FromPrintData)->Unit(benchmark::kMicrosecond);

} // namespace
