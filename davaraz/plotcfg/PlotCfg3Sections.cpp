// How each section of a parsed configuration reads: needs the sections alone, no printer, so it
// belongs to the documents library.
#include "davaraz/pia/SectionIo.h"
#include "davaraz/plotcfg/PlotCfg3.h"

std::vector<pia::SectionState> CPlotCfg3::inspectSections(const CPBlock& root)
{
    section::Inspector c;
    c.section<CMetaNode>(&root, L"", L"meta", true);
    c.section<CMediaNode>(&root, L"", L"media", true);
    const CPBlock* media = c.block(&root, L"media");
    c.section<CMediaNode::CDestinationNode>(media, L"media", L"destination", false);
    c.partial<CMediaNode::CustomPapersNode>(media, L"media/custom_papers", L"custom_papers");
    c.section<CIoNode>(&root, L"", L"io", true);
    c.section<CResColorMemNode>(&root, L"", L"res_color_mem", true);
    c.section<CCustomNode>(&root, L"", L"custom", false);
    return std::move(c).states();
}
