// Fuzzes a configuration's values on their way to a printer: payload text whose meta section
// names one of the embedded virtual printers and whose media, res_color_mem and custom
// sections replace those of that printer's own configuration. Print data is made from it,
// handed to the driver to correct, and taken back; taking the same data twice changes nothing.
#include "FuzzInput.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/PrintFactory.h"
#include "platform/vspool/VirtualSpooler.h"

#include <wx/init.h>

#include <cstdlib>
#include <cwchar>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<CPlotCfg3>>& configurations()
{
    static std::vector<std::unique_ptr<CPlotCfg3>> all;
    return all;
}

template <class Node>
bool replace(const CPBlock& root, const wchar_t* key, Node& node)
{
    const CPItem* item = root.find(key, PI_BLOCK);
    if (!item)
        return true;
    Node fresh;
    if (!fresh.init(static_cast<const CPBlock&>(*item)))
        return false;
    node = fresh;
    return true;
}

bool bareQualityWord(const std::wstring& name)
{
    for (const wchar_t* word : {L"DMRES_HIGH", L"DMRES_MEDIUM", L"DMRES_LOW", L"DMRES_DRAFT"})
        if (wcscasecmp(name.c_str(), word) == 0)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("DAVARAZ_SPOOLER", "virtual", 1);
    if (!vspool::loadText(vspool::embeddedDescription(), "embedded") || !wxInitialize())
        std::abort();
    wut::registerPrintFactory();
    for (const vspool::Printer& printer : vspool::printers()) {
        std::unique_ptr<CPlotCfg3> cfg(CPlotCfg3::create(printer.name.c_str()));
        if (cfg && cfg->custom)
            configurations().push_back(std::move(cfg));
    }
    if (configurations().empty())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPIAParser parser;
    if (!parseText(data, size, parser))
        return 0;
    const CPBlock& root = *parser.root();
    const CPItem* meta = root.find(L"meta", PI_BLOCK);
    CMetaNode named;
    if (!meta || !named.init(static_cast<const CPBlock&>(*meta)))
        return 0;
    const CPlotCfg3* base = nullptr;
    for (const std::unique_ptr<CPlotCfg3>& each : configurations())
        if (each->meta.winDeviceName == named.winDeviceName)
            base = each.get();
    if (!base)
        return 0;
    CPlotCfg3 cfg(*base);
    if (!replace(root, L"media", cfg.media) || !replace(root, L"res_color_mem", cfg.resColorMem) ||
        !replace(root, L"custom", *cfg.custom))
        return 0;

    wut::PrintData printData;
    if (!cfg.toPrintData(printData) || !printData.ResolveConflicts())
        return 0;
    bool changed = false;
    if (!cfg.fromPrintData(printData, cfg.meta.winDeviceName, false, changed))
        return 0;
    // The second take of the same settings finds them stored, but for one case: the resolution
    // name's tag is what follows its last "_", so a quality word alone ("DMRES_HIGH") takes its
    // own end as a tag once ("DMRES_HIGH_HIGH"). A third take must then change nothing.
    const std::wstring name = cfg.resColorMem.resolution.name;
    if (!cfg.fromPrintData(printData, cfg.meta.winDeviceName, false, changed))
        std::abort();
    if (changed && (!bareQualityWord(name) || !cfg.fromPrintData(printData, cfg.meta.winDeviceName, false, changed) ||
                    changed))
        std::abort();
    return 0;
}
