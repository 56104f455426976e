// The "media" section: copying its owned parts, reading and writing it, and the bounds
// arithmetic used when the paper or the orientation changes.
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/pia/SectionIo.h"
#include "davaraz/print/PaperSizeInfo.h"

#include <cmath>
#include <utility>

using section::store;


bool CMediaNode::init(const CPBlock& block, std::wstring* fault)
{
    const section::Reader r(block, fault);
    if (!r.integer(L"selection_method", selectionMethod) || !r.str(L"type", type) ||
        !r.integer(L"dm_orientation", dmOrientation) ||
        !r.real(L"actual_printable_bounds_llx", actualPrintableBoundsLlx, -kMaxExtentMm, kMaxExtentMm) ||
        !r.real(L"actual_printable_bounds_lly", actualPrintableBoundsLly, -kMaxExtentMm, kMaxExtentMm) ||
        !r.real(L"actual_printable_bounds_urx", actualPrintableBoundsUrx, -kMaxExtentMm, kMaxExtentMm) ||
        !r.real(L"actual_printable_bounds_ury", actualPrintableBoundsUry, -kMaxExtentMm, kMaxExtentMm) ||
        !r.integer(L"number_of_copies", numberOfCopies, 1, 32767) || !r.node(L"size", size))
        return false;
    if (const CPBlock* b = r.block(L"destination")) {
        auto d = std::make_unique<CDestinationNode>();
        if (d->init(*b))
            destination = std::move(d);
    }
    if (const CPBlock* b = r.block(L"custom_papers")) {
        customPapers = std::make_unique<CustomPapersNode>();
        customPapers->init(*b);
    }
    return true;
}

bool CMediaNode::write(CPBlock& block) const
{
    using namespace section;
    putInt(block, L"selection_method", selectionMethod);
    putStr(block, L"type", type);
    putInt(block, L"dm_orientation", dmOrientation);
    putReal(block, L"actual_printable_bounds_llx", actualPrintableBoundsLlx);
    putReal(block, L"actual_printable_bounds_lly", actualPrintableBoundsLly);
    putReal(block, L"actual_printable_bounds_urx", actualPrintableBoundsUrx);
    putReal(block, L"actual_printable_bounds_ury", actualPrintableBoundsUry);
    putInt(block, L"number_of_copies", numberOfCopies);
    if (!putNode(block, L"size", size))
        return false;
    if (destination && !putNode(block, L"destination", *destination))
        return false;
    if (customPapers && !putNode(block, L"custom_papers", *customPapers))
        return false;
    return true;
}

bool CMediaNode::emptyBounds() const
{
    const auto& d = size.mediaDescription;
    const double bounds[] = {actualPrintableBoundsLlx, actualPrintableBoundsLly, actualPrintableBoundsUrx,
                             actualPrintableBoundsUry, d.printableBoundsLlx,   d.printableBoundsLly,
                             d.printableBoundsUrx,     d.printableBoundsUry,   d.mediaBounds.urx,
                             d.mediaBounds.ury};
    for (double b : bounds)
        if (b < 0.0001)
            return true;
    return d.printableArea < 1e-8;
}

bool CMediaNode::setBounds(int ppiX, int ppiY, int paperX, int paperY, int paperWidth, int paperHeight)
{
    const double mmx = 25.4 / ppiX;
    const double mmy = 25.4 / ppiY;
    const double llx = -paperX * mmx;
    const double lly = -paperY * mmy;
    const double w = paperWidth * mmx;
    const double h = paperHeight * mmy;
    const double urx = w - 2 * llx;
    const double ury = h - 2 * lly;
    auto& d = size.mediaDescription;
    bool changed = false;
    store(actualPrintableBoundsLlx, llx, changed);
    store(actualPrintableBoundsLly, lly, changed);
    store(actualPrintableBoundsUrx, urx, changed);
    store(actualPrintableBoundsUry, ury, changed);
    store(d.printableBoundsLlx, llx, changed);
    store(d.printableBoundsLly, lly, changed);
    store(d.printableBoundsUrx, urx, changed);
    store(d.printableBoundsUry, ury, changed);
    store(d.mediaBounds.urx, w, changed);
    store(d.mediaBounds.ury, h, changed);
    d.printableArea = (ury - lly) * (urx - llx);
    return changed;
}

void CMediaNode::swapBounds()
{
    auto& d = size.mediaDescription;
    std::swap(actualPrintableBoundsLlx, actualPrintableBoundsLly);
    std::swap(actualPrintableBoundsUrx, actualPrintableBoundsUry);
    std::swap(d.printableBoundsLlx, d.printableBoundsLly);
    std::swap(d.printableBoundsUrx, d.printableBoundsUry);
    std::swap(d.mediaBounds.urx, d.mediaBounds.ury);
}

void CMediaNode::set(int index, bool& changed)
{
    if (index < 0)
        return;
    const std::size_t customCount = customPapers ? customPapers->size() : 0;
    const std::size_t i = static_cast<std::size_t>(index);
    if (i < customCount) {
        setCustomPaper(i, changed);
        return;
    }
    if (i - customCount >= wut::cPdfPapersCount)
        return;
    const wut::PaperSizeInfo& row = wut::cPdfPapers[i - customCount];
    setPaper(row.mediaName, static_cast<int>(row.units), row.width, row.height, row.leftMargin, row.bottomMargin,
             row.topMargin, changed);
}

void CMediaNode::setPaper(const std::wstring& paperName, int units, double width, double height, double left,
                          double bottom, double top, bool& changed)
{
    if (size.name != paperName) {
        size.name = paperName;
        changed = true;
    }
    const double f = units == 0 ? 25.4 : 1.0;
    const double w = width * f;
    const double h = height * f;
    const double llx = left * f;
    const double lly = top * f;
    const double urx = (width - left) * f;
    const double ury = (height - bottom) * f;
    auto& d = size.mediaDescription;
    const std::pair<double, double> compared[] = {
        {actualPrintableBoundsLlx, llx}, {d.printableBoundsLlx, llx}, {actualPrintableBoundsLly, lly},
        {d.printableBoundsLly, lly},     {actualPrintableBoundsUrx, urx}, {d.printableBoundsUrx, urx},
        {actualPrintableBoundsUry, ury}, {d.printableBoundsUry, ury}, {d.mediaBounds.urx, w},
        {d.mediaBounds.ury, h}};
    for (const auto& [old, now] : compared)
        if (std::fabs(old - now) > 1e-10)
            changed = true;
    actualPrintableBoundsLlx = d.printableBoundsLlx = llx;
    actualPrintableBoundsLly = d.printableBoundsLly = lly;
    actualPrintableBoundsUrx = d.printableBoundsUrx = urx;
    actualPrintableBoundsUry = d.printableBoundsUry = ury;
    d.mediaBounds.urx = w;
    d.mediaBounds.ury = h;
    d.printableArea = (ury - lly) * (urx - llx);
    size.landscapeMode = w > h;
}

void CMediaNode::setCustomPaper(std::size_t index, bool& changed)
{
    if (!customPapers || index >= customPapers->size())
        return;
    const CustomPapersNode::PaperSize& p = (*customPapers)[index];
    setPaper(p.globalName, p.units, p.width, p.height, p.left, p.bottom, p.top, changed);
}
