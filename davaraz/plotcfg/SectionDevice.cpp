// The sections' print-data side: resolution to and from print data, media bounds from a
// printer device context.
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"

#include <wx/dcprint.h>

bool CResColorMemNode::CResolutionNode::set(const wut::PrintData& data, const wxDC* dc)
{
    const wut::WindowsPrintNativeData* native = wut::WindowsPrintNativeData::GetNativeData(data);
    std::optional<int> ppiX;
    if (dc)
        ppiX = dc->GetPPI().x;
    return setFromDevice(data.getDmQuality(), ppiX, native ? native->GetYResolution() : 0);
}

void CResColorMemNode::CResolutionNode::get(wut::PrintData& data) const
{
    const PrintResolution r = printResolution();
    if (r.quality)
        data.SetQuality(*r.quality);
    if (r.yResolution) {
        if (wut::WindowsPrintNativeData* native = wut::WindowsPrintNativeData::GetNativeData(data))
            native->SetYResolution(*r.yResolution);
    }
}

bool CMediaNode::setBounds(const wxPrinterDC* dc)
{
    if (!dc)
        return false;
    const wxSize ppi = dc->GetPPI();
    if (ppi.x <= 0 || ppi.y <= 0)
        return false; // a context without resolution has no bounds to give
    const wxRect paper = dc->GetPaperRect();
    return setBounds(ppi.x, ppi.y, paper.x, paper.y, paper.width, paper.height);
}
