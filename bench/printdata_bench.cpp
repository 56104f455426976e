// Print data against the virtual spooler: making print data for a printer, one DEVMODE_RAII
// round (settings in, driver validation, lock) and the DMPAPER lookups, which scan a table
// and the wxWidgets paper database on every call.
#include "davaraz/print/DevModeRaii.h"
#include "davaraz/print/PrintData.h"
#include "PrintSetup.h"

#include <benchmark/benchmark.h>

namespace {

void setup() { benchsetup::print(); }

void BM_PrintDataForPrinter(benchmark::State& state)
{
    setup();
    for (auto _ : state) {
        wut::PrintData data(L"Large Format Plotter");
        benchmark::DoNotOptimize(data.GetPrivDataLen());
    }
}
BENCHMARK(BM_PrintDataForPrinter);

void BM_DevModeRaiiRound(benchmark::State& state)
{
    setup();
    wut::PrintData data(L"Office Colour MFP");
    for (auto _ : state) {
        wut::DEVMODE_RAII dm(data);
        benchmark::DoNotOptimize(dm->dmCopies);
    }
}
BENCHMARK(BM_DevModeRaiiRound);

void BM_PaperNumberRoundTrip(benchmark::State& state)
{
    setup();
    wut::PrintData data;
    short n = 1;
    for (auto _ : state) {
        data.setDmPaperSize(n, static_cast<const wxSize*>(nullptr));
        short back = 0;
        benchmark::DoNotOptimize(data.getDmPaperSize(back));
        n = static_cast<short>(n % 118 + 1);
    }
}
BENCHMARK(BM_PaperNumberRoundTrip);

} // namespace
