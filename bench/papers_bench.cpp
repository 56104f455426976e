// Paper queries of the large-format plotter of the embedded printer set (17 papers): the three
// lists from the driver against the same lists served from the paper cache, a caller's whole
// "open printer, find a paper by name" step, and the name-to-number lookup.
#include "davaraz/print/PaperSizeCache.h"
#include "davaraz/print/PaperSizeGetter.h"
#include "davaraz/print/PrinterPapers.h"
#include "davaraz/print/WindowsPapers.h"
#include "platform/vspool/VirtualSpooler.h"

#include <benchmark/benchmark.h>

namespace {

const wchar_t* const kPlotter = L"Large Format Plotter";

void useEmbeddedPrinters()
{
    vspool::loadText(vspool::embeddedDescription(), "embedded");
    wut::onPrinterSettingsChanged(OdString());
}

bool allLists(const wut::PaperSizeGetter& getter)
{
    OdArray<unsigned short> numbers;
    OdArray<OdString> names;
    OdArray<POINT> sizes;
    return getter.get(&numbers, &names, &sizes);
}

void BM_PaperListsUncached(benchmark::State& state)
{
    useEmbeddedPrinters();
    const wut::PaperSizeGetter getter(kPlotter, L"USB002");
    for (auto _ : state) {
        wut::onPrinterSettingsChanged(OdString(kPlotter));
        benchmark::DoNotOptimize(allLists(getter));
    }
}
BENCHMARK(BM_PaperListsUncached);

void BM_PaperListsCached(benchmark::State& state)
{
    useEmbeddedPrinters();
    const wut::PaperSizeGetter getter(kPlotter, L"USB002");
    allLists(getter);
    for (auto _ : state)
        benchmark::DoNotOptimize(allLists(getter));
}
BENCHMARK(BM_PaperListsCached);

// A new PrinterPapers each time: open, ports, default settings, then the cached lists.
void BM_FindPaperByNameCached(benchmark::State& state)
{
    useEmbeddedPrinters();
    for (auto _ : state) {
        PrinterPapers papers(kPlotter);
        benchmark::DoNotOptimize(papers.findPaperByName(L"ARCH E1 (30.00 x 42.00 Inches)"));
    }
}
BENCHMARK(BM_FindPaperByNameCached);

void BM_FindPaperByNameUncached(benchmark::State& state)
{
    useEmbeddedPrinters();
    for (auto _ : state) {
        wut::onPrinterSettingsChanged(OdString(kPlotter));
        PrinterPapers papers(kPlotter);
        benchmark::DoNotOptimize(papers.findPaperByName(L"ARCH E1 (30.00 x 42.00 Inches)"));
    }
}
BENCHMARK(BM_FindPaperByNameUncached);

void BM_PaperNumberOfName(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(wut::getPSnumber(L"prc envelope #10 rotated"));
        benchmark::DoNotOptimize(wut::getPSnumber(L"User300"));
    }
}
BENCHMARK(BM_PaperNumberOfName);

} // namespace
