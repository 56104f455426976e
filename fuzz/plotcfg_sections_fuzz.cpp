// Fuzzes the configuration section readers: payload text parsed, each section read from its
// block, written, and read back; a second write must equal the first.
#include "FuzzInput.h"
#include "SectionCheck.h"
#include "davaraz/plotcfg/CustomNode.h"
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "davaraz/plotmodel/MetaNode.h"

using fuzzsection::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPIAParser parser;
    if (!parseText(data, size, parser))
        return 0;
    const CPBlock& root = *parser.root();
    check<CMetaNode>(root, L"meta");
    check<CMediaNode>(root, L"media");
    check<CIoNode>(root, L"io");
    check<CResColorMemNode>(root, L"res_color_mem");
    check<CCustomNode>(root, L"custom");
    return 0;
}
