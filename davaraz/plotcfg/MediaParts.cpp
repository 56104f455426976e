// Reading and writing the nested parts of the "media" section: size, media description,
// media bounds, destination and custom papers.
#include "davaraz/pia/SectionIo.h"
#include "davaraz/plotcfg/MediaNode.h"

#include <cmath>

using namespace section;

using CSizeNode = CMediaNode::CSizeNode;
using CMediaDescriptionNode = CSizeNode::CMediaDescriptionNode;
using CMediaBoundsNode = CMediaDescriptionNode::CMediaBoundsNode;
using CDestinationNode = CMediaNode::CDestinationNode;
using CustomPapersNode = CMediaNode::CustomPapersNode;

const wchar_t* const CDestinationNode::cCollatingName[2] = {L"None", L"Regular"};

bool CMediaBoundsNode::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    return r.real(L"urx", urx, 0, kMaxExtentMm) && r.real(L"ury", ury, 0, kMaxExtentMm);
}

bool CMediaBoundsNode::write(CPBlock& block) const
{
    putReal(block, L"urx", urx);
    putReal(block, L"ury", ury);
    return true;
}

bool CMediaDescriptionNode::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    const double m = kMaxExtentMm;
    return r.real(L"printable_bounds_llx", printableBoundsLlx, -m, m) &&
           r.real(L"printable_bounds_lly", printableBoundsLly, -m, m) &&
           r.real(L"printable_bounds_urx", printableBoundsUrx, -m, m) &&
           r.real(L"printable_bounds_ury", printableBoundsUry, -m, m) &&
           r.real(L"printable_area", printableArea, -m * m, m * m) && r.flag(L"dimensional", dimensional) &&
           r.node(L"media_bounds", mediaBounds);
}

bool CMediaDescriptionNode::write(CPBlock& block) const
{
    putReal(block, L"printable_bounds_llx", printableBoundsLlx);
    putReal(block, L"printable_bounds_lly", printableBoundsLly);
    putReal(block, L"printable_bounds_urx", printableBoundsUrx);
    putReal(block, L"printable_bounds_ury", printableBoundsUry);
    putReal(block, L"printable_area", printableArea);
    putFlag(block, L"dimensional", dimensional);
    return putNode(block, L"media_bounds", mediaBounds);
}

bool CSizeNode::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    if (!r.str(L"name", name) || !r.integer(L"group", group) || !r.flag(L"landscape_mode", landscapeMode))
        return false;
    r.optReal(L"longplot_reduction", longplotReduction);
    r.optInt(L"dm_scale", dmScale);
    return r.node(L"media_description", mediaDescription);
}

bool CSizeNode::write(CPBlock& block) const
{
    putStr(block, L"name", name);
    putInt(block, L"group", group);
    putFlag(block, L"landscape_mode", landscapeMode);
    if (longplotReduction != -1.0)
        putReal(block, L"longplot_reduction", longplotReduction);
    if (dmScale != 100)
        putInt(block, L"dm_scale", dmScale);
    return putNode(block, L"media_description", mediaDescription);
}

bool CSizeNode::setName(const wchar_t* newName)
{
    const std::wstring n = newName ? newName : L"";
    if (n == name)
        return false;
    name = n;
    return true;
}

bool CDestinationNode::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    return r.str(L"name", name) && r.integer(L"collating_type", collatingType) &&
           r.str(L"collating_name", collatingName);
}

bool CDestinationNode::write(CPBlock& block) const
{
    putStr(block, L"name", name);
    putInt(block, L"collating_type", collatingType);
    putStr(block, L"collating_name", collatingName);
    return true;
}

bool CDestinationNode::setCollating(bool on)
{
    const int newType = on ? 1 : 0;
    const bool changed = newType != collatingType;
    collatingType = newType;
    collatingName = cCollatingName[newType];
    return changed;
}

bool CustomPapersNode::PaperSize::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    return r.str(L"global_name", globalName) && r.str(L"local_name", localName) && r.integer(L"units", units) &&
           r.real(L"width", width) && r.real(L"height", height) && r.real(L"left", left) &&
           r.real(L"bottom", bottom) && r.real(L"right", right) && r.real(L"top", top);
}

bool CustomPapersNode::PaperSize::write(CPBlock& block) const
{
    putStr(block, L"global_name", globalName);
    putStr(block, L"local_name", localName);
    putInt(block, L"units", units);
    putReal(block, L"width", width, 8);
    putReal(block, L"height", height, 8);
    putReal(block, L"left", left, 8);
    putReal(block, L"bottom", bottom, 8);
    putReal(block, L"right", right, 8);
    putReal(block, L"top", top, 8);
    return true;
}

bool CustomPapersNode::PaperSize::operator==(const PaperSize& o) const
{
    const auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-10; };
    return globalName == o.globalName && localName == o.localName && units == o.units && near(width, o.width) &&
           near(height, o.height) && near(left, o.left) && near(bottom, o.bottom) && near(right, o.right) &&
           near(top, o.top);
}

bool CustomPapersNode::init(const CPBlock& block, std::wstring* fault)
{
    return section::readEntries(block, papers, fault);
}

bool CustomPapersNode::write(CPBlock& block) const
{
    return section::writeEntries(block, papers);
}
