// Plot style names, equality, and its two persistent forms: the PIA block and the binary record.
#include "davaraz/plotstyle/PlotStyle.h"
#include "davaraz/pia/PItem.h"
#include "davaraz/pia/SectionIo.h"
#include "platform/tvutils/BinStream.h"

#include <cwctype>
#include <memory>

std::wstring CPlotStyle::internalName(const wchar_t* locName)
{
    std::wstring name = locName ? locName : L"";
    for (wchar_t& c : name)
        if (std::iswspace(static_cast<wint_t>(c)))
            c = L'_';
    return name;
}

void CPlotStyle::updateName(const wchar_t* newName)
{
    m_locName = newName ? newName : L"";
    m_name = internalName(newName);
}

bool CPlotStyle::isEqual(const CPlotStyle& o, bool compareDescription) const
{
    return m_color == o.m_color && m_modeColor == o.m_modeColor && m_colorPolicy == o.m_colorPolicy &&
           m_physicalPen == o.m_physicalPen && m_virtualPen == o.m_virtualPen && m_screen == o.m_screen &&
           m_linePatternSize == o.m_linePatternSize && m_lineType == o.m_lineType &&
           m_adaptiveLinetype == o.m_adaptiveLinetype && m_lineWeight == o.m_lineWeight &&
           m_fillStyle == o.m_fillStyle && m_endStyle == o.m_endStyle && m_joinStyle == o.m_joinStyle &&
           (!compareDescription || m_desc == o.m_desc);
}

bool CPlotStyle::write(CPBlock& parent, int index, bool writeModeColor) const
{
    CPBlock* block = parent.put<CPBlock>(indexKey(index));
    if (!block)
        return true; // a duplicate index: the first style under it stays
    block->put<CPStr>(L"name", m_name);
    block->put<CPStr>(L"localized_name", m_locName);
    block->put<CPStr>(L"description", m_desc);
    block->put<CPNum>(L"color", m_color);
    if (writeModeColor)
        block->put<CPNum>(L"mode_color", m_modeColor);
    block->put<CPNum>(L"color_policy", m_colorPolicy);
    block->put<CPNum>(L"physical_pen_number", m_physicalPen);
    block->put<CPNum>(L"virtual_pen_number", m_virtualPen);
    block->put<CPNum>(L"screen", m_screen);
    block->put<CPNum>(L"linepattern_size", m_linePatternSize, -1);
    block->put<CPNum>(L"linetype", m_lineType);
    block->put<CPBool>(L"adaptive_linetype", m_adaptiveLinetype);
    block->put<CPNum>(L"lineweight", m_lineWeight);
    block->put<CPNum>(L"fill_style", m_fillStyle);
    block->put<CPNum>(L"end_style", m_endStyle);
    block->put<CPNum>(L"join_style", m_joinStyle);
    return true;
}

bool CPlotStyle::init(const CPBlock& b, std::wstring* fault)
{
    const section::Reader r(b, fault);
    if (!r.str(L"name", m_name) || !r.str(L"localized_name", m_locName) || !r.str(L"description", m_desc) ||
        !r.integer(L"color", m_color))
        return false;
    if (!b.getInt(m_modeColor, L"mode_color"))
        m_modeColor = m_color;
    return r.integer(L"color_policy", m_colorPolicy) && r.integer(L"physical_pen_number", m_physicalPen) &&
           r.integer(L"virtual_pen_number", m_virtualPen) && r.integer(L"screen", m_screen) &&
           r.real(L"linepattern_size", m_linePatternSize) && r.integer(L"linetype", m_lineType) &&
           r.flag(L"adaptive_linetype", m_adaptiveLinetype) && r.integer(L"lineweight", m_lineWeight) &&
           r.integer(L"fill_style", m_fillStyle) && r.integer(L"end_style", m_endStyle) &&
           r.integer(L"join_style", m_joinStyle);
}

bool CPlotStyle::write(COBinStream& out) const
{
    try {
        out << m_name << m_locName << m_desc << m_color << m_modeColor << m_colorPolicy << m_physicalPen
            << m_virtualPen << m_screen << m_linePatternSize << m_lineType << m_adaptiveLinetype << m_lineWeight
            << m_fillStyle << m_endStyle << m_joinStyle;
    } catch (...) {
        return false;
    }
    return true;
}

bool CPlotStyle::read(CIBinStream& in)
{
    try {
        in >> m_name >> m_locName >> m_desc >> m_color >> m_modeColor >> m_colorPolicy >> m_physicalPen >>
            m_virtualPen >> m_screen >> m_linePatternSize >> m_lineType >> m_adaptiveLinetype >> m_lineWeight >>
            m_fillStyle >> m_endStyle >> m_joinStyle;
    } catch (...) {
        return false;
    }
    return true;
}
