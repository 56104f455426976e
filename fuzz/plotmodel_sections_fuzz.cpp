// Fuzzes the plot model parameter section readers: payload text parsed, each section read from its
// block, written, and read back; a second write must equal the first.
#include "FuzzInput.h"
#include "SectionCheck.h"
#include "davaraz/plotmodel/MetaNode.h"
#include "davaraz/plotmodel/PlotModelSections.h"

using fuzzsection::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPIAParser parser;
    if (!parseText(data, size, parser))
        return 0;
    const CPBlock& root = *parser.root();
    check<CMetaNode>(root, L"meta");
    check<ModNode>(root, L"mod");
    check<UdmNode>(root, L"udm");
    check<HiddenNode>(root, L"hidden");
    return 0;
}
