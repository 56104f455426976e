// Cost of reading and writing the configuration sections from an item tree, and of loading a
// plot model parameter file (decompression and temporary file included).
#include "davaraz/plotcfg/CustomNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotmodel/MetaNode.h"
#include "davaraz/plotmodel/PlotModelParam.h"
#include "platform/tvutils/FileName.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {

CMediaNode mediaWithPapers(int papers)
{
    CMediaNode media;
    media.destination = std::make_unique<CMediaNode::CDestinationNode>();
    media.customPapers = std::make_unique<CMediaNode::CustomPapersNode>();
    for (int i = 0; i < papers; ++i) {
        CMediaNode::CustomPapersNode::PaperSize p;
        p.globalName = L"Paper_" + std::to_wstring(i);
        p.localName = L"Paper " + std::to_wstring(i);
        p.width = 100 + i;
        p.height = 200 + i;
        media.customPapers->push_back(p);
    }
    return media;
}

void BM_MediaRead(benchmark::State& state)
{
    CPBlock block(L"media");
    mediaWithPapers(static_cast<int>(state.range(0))).write(block);
    for (auto _ : state) {
        CMediaNode media;
        benchmark::DoNotOptimize(media.init(block));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MediaRead)->Arg(1)->Arg(64)->Arg(1024);

void BM_MediaWrite(benchmark::State& state)
{
    const CMediaNode media = mediaWithPapers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CPRoot tree; // as documents build the trees they write
        benchmark::DoNotOptimize(media.write(tree.block()));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MediaWrite)->Arg(1)->Arg(64)->Arg(1024);

void BM_CustomRoundTrip(benchmark::State& state)
{
    CCustomNode custom;
    for (int i = 0; i < state.range(0); ++i)
        custom.set(i, (L"key" + std::to_wstring(i)).c_str(), true);
    custom.setBin(std::wstring(2048, L'A'), L"RawPrivateDeviceData", true);
    for (auto _ : state) {
        CPBlock block(L"custom");
        custom.write(block);
        CCustomNode back;
        benchmark::DoNotOptimize(back.init(block));
    }
}
BENCHMARK(BM_CustomRoundTrip)->Arg(16)->Arg(256);

void BM_PlotModelParamRead(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() / "davaraz_bench_pmp";
    std::filesystem::create_directories(dir);
    const OdString path = ut::fromNativePath((dir / "bench.pmp").string());
    CMetaNode meta;
    std::unique_ptr<PlotModelParam> doc(PlotModelParam::create(meta));
    doc->hidden = std::make_unique<HiddenNode>();
    for (int i = 0; i < state.range(0); ++i) {
        HiddenNode::MediaNode::SizeNode::PaperSize p;
        p.name = L"Hidden_" + std::to_wstring(i);
        doc->hidden->media.size.push_back(p);
    }
    if (!doc->write(path.c_str())) {
        state.SkipWithError("cannot write the PMP file");
        return;
    }
    for (auto _ : state) {
        std::unique_ptr<PlotModelParam> back(PlotModelParam::read(path.c_str(), {}));
        benchmark::DoNotOptimize(back.get());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_PlotModelParamRead)->Arg(0)->Arg(256);

} // namespace
