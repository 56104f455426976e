// Cost of reading a plotter configuration file (decompression, temporary file, sections, the
// printer looked up by name or searched by driver, the PMP beside it) and of writing it.
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/SectionIo.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "platform/tvutils/FileName.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

// A configuration file with that many custom papers and a PMP beside it. The device is the
// virtual spooler's default printer, or a name no printer has, which makes every read walk all
// printers for the driver.
bool writeConfiguration(const fs::path& dir, int papers, bool deviceThere)
{
    CMetaNode meta;
    meta.winDeviceName = deviceThere ? L"Office Colour MFP" : L"Renamed Printer";
    meta.winDriverName = deviceThere ? L"Virtual Colour Laser PS" : L"No Such Driver";
    meta.userDefinedModelPathname = ut::fromNativePath((dir / "bench.pmp").string()).str();
    std::unique_ptr<PlotModelParam> pmp(PlotModelParam::create(meta));
    if (!pmp->write(meta.userDefinedModelPathname.c_str()))
        return false;

    CMediaNode media;
    media.customPapers = std::make_unique<CMediaNode::CustomPapersNode>();
    for (int i = 0; i < papers; ++i) {
        CMediaNode::CustomPapersNode::PaperSize p;
        p.globalName = L"Paper_" + std::to_wstring(i);
        p.width = 100 + i;
        p.height = 200 + i;
        media.customPapers->push_back(p);
    }
    CCustomNode custom;
    custom.setBin(std::wstring(2048, L'A'), L"RawPrivateDeviceData", true);
    CPBlock root(L"");
    section::putNode(root, L"meta", meta);
    section::putNode(root, L"media", media);
    section::putNode(root, L"io", CIoNode());
    section::putNode(root, L"res_color_mem", CResColorMemNode());
    section::putNode(root, L"custom", custom);
    CPIAFileOut out;
    out.setKind(PIA_PC3);
    return out.write(&root, ut::fromNativePath((dir / "bench.pc3").string()).c_str());
}

void BM_PlotCfg3Read(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / "davaraz_bench_pc3";
    fs::create_directories(dir);
    if (!writeConfiguration(dir, static_cast<int>(state.range(0)), state.range(1) != 0)) {
        state.SkipWithError("cannot write the configuration");
        return;
    }
    const OdString path = ut::fromNativePath((dir / "bench.pc3").string());
    for (auto _ : state) {
        bool changed = false;
        std::unique_ptr<CPlotCfg3> cfg(CPlotCfg3::read(path.c_str(), changed));
        if (!cfg || !cfg->pmp) {
            state.SkipWithError("the configuration does not read");
            break;
        }
        benchmark::DoNotOptimize(cfg.get());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_PlotCfg3Read)->ArgNames({"papers", "device"})->Args({0, 1})->Args({0, 0})->Args({256, 1});

void BM_PlotCfg3Write(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / "davaraz_bench_pc3w";
    fs::create_directories(dir);
    bool changed = false;
    std::unique_ptr<CPlotCfg3> cfg;
    if (writeConfiguration(dir, static_cast<int>(state.range(0)), true))
        cfg.reset(CPlotCfg3::read(ut::fromNativePath((dir / "bench.pc3").string()).c_str(), changed));
    if (!cfg) {
        state.SkipWithError("cannot prepare the configuration");
        return;
    }
    const OdString target = ut::fromNativePath((dir / "out.pc3").string());
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg->write(target.c_str()));
    fs::remove_all(dir);
}
BENCHMARK(BM_PlotCfg3Write)->ArgName("papers")->Arg(0)->Arg(256);

} // namespace
