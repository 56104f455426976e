// Reading and writing the "mod", "udm" and "hidden" sections of a plot model parameter document.
#include "davaraz/plotmodel/PlotModelSections.h"
#include "davaraz/pia/SectionIo.h"

using namespace section;

bool ModNode::MediaNode::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    return r.str(L"abilities", abilities) && r.str(L"caps_state", capsState) && r.str(L"ui_owner", uiOwner) &&
           r.real(L"size_max_x", sizeMaxX) && r.real(L"size_max_y", sizeMaxY);
}

bool ModNode::MediaNode::write(CPBlock& block) const
{
    putStr(block, L"abilities", abilities);
    putStr(block, L"caps_state", capsState);
    putStr(block, L"ui_owner", uiOwner);
    putReal(block, L"size_max_x", sizeMaxX);
    putReal(block, L"size_max_y", sizeMaxY);
    return true;
}

bool ModNode::init(const CPBlock& block, std::wstring* fault) { return Reader(block, fault).node(L"media", media); }
bool ModNode::write(CPBlock& block) const { return putNode(block, L"media", media); }

bool UdmNode::CalibrationNode::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    return r.real(L"_x", x) && r.real(L"_y", y);
}

bool UdmNode::CalibrationNode::write(CPBlock& block) const
{
    putReal(block, L"_x", x);
    putReal(block, L"_y", y);
    return true;
}

bool UdmNode::init(const CPBlock& block, std::wstring* fault)
{
    return Reader(block, fault).node(L"calibration", calibration);
}
bool UdmNode::write(CPBlock& block) const { return putNode(block, L"calibration", calibration); }

using HiddenMedia = HiddenNode::MediaNode;
using HiddenSizes = HiddenMedia::SizeNode;

bool HiddenSizes::PaperSize::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    return r.integer(L"caps_type", capsType) && r.str(L"name", name) && r.str(L"localized_name", localizedName) &&
           r.str(L"media_description_name", mediaDescriptionName) && r.integer(L"media_group", mediaGroup) &&
           r.flag(L"landscape_mode", landscapeMode);
}

bool HiddenSizes::PaperSize::write(CPBlock& block) const
{
    putInt(block, L"caps_type", capsType);
    putStr(block, L"name", name);
    putStr(block, L"localized_name", localizedName);
    putStr(block, L"media_description_name", mediaDescriptionName);
    putInt(block, L"media_group", mediaGroup);
    putFlag(block, L"landscape_mode", landscapeMode);
    return true;
}

bool HiddenSizes::init(const CPBlock& block, std::wstring* fault)
{
    return section::readEntries(block, papers, fault);
}

bool HiddenSizes::write(CPBlock& block) const
{
    return section::writeEntries(block, papers);
}

bool HiddenMedia::init(const CPBlock& block, std::wstring* fault)
{
    const Reader r(block, fault);
    r.optStr(L"default_size", defaultSize);
    return r.node(L"size", size);
}

bool HiddenMedia::write(CPBlock& block) const
{
    if (!defaultSize.empty())
        putStr(block, L"default_size", defaultSize);
    return putNode(block, L"size", size);
}

bool HiddenNode::init(const CPBlock& block, std::wstring* fault) { return Reader(block, fault).node(L"media", media); }
bool HiddenNode::write(CPBlock& block) const { return putNode(block, L"media", media); }
