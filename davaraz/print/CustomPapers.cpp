// CustomPapers: the working list, its copy to and from the configuration, and unit conversion.
#include "davaraz/print/CustomPapers.h"
#include "davaraz/plotcfg/PlotCfg3.h"

#include <memory>

namespace wut {
namespace {

constexpr double kMmPerInch = 25.4;

// Any code but inches counts as millimetres, pixels included.
double convert(double value, int from, int to)
{
    if (from == to)
        return value;
    return from == OdDbPlotSettings::kInches ? value * kMmPerInch : value / kMmPerInch;
}

} // namespace

CustomPapers::CustomPapers(CPlotCfg3* configuration) : m_configuration(configuration) {}

CustomPapers::~CustomPapers() = default;

void CustomPapers::load()
{
    if (m_configuration && m_configuration->media.customPapers)
        m_papers = m_configuration->media.customPapers->papers;
}

void CustomPapers::save()
{
    if (!m_configuration)
        return;
    auto& list = m_configuration->media.customPapers;
    if (m_papers.empty()) {
        list.reset();
        return;
    }
    if (!list)
        list = std::make_unique<CMediaNode::CustomPapersNode>();
    list->papers = m_papers;
}

unsigned CustomPapers::size() const { return static_cast<unsigned>(m_papers.size()); }

wxString CustomPapers::getName(unsigned i) const
{
    const PaperSize* p = paper(i);
    return p ? wxString(p->localName) : wxString();
}

void CustomPapers::setName(unsigned i, const wxString& name)
{
    if (PaperSize* p = paper(i))
        p->localName = name.ToStdWstring();
}

bool CustomPapers::isDuplicateName(const wxString& name) const
{
    for (const PaperSize& p : m_papers)
        if (name.Cmp(p.localName) == 0 || name.Cmp(p.globalName) == 0)
            return true;
    return false;
}

double CustomPapers::getWidth(unsigned i) const { return get(i, &PaperSize::width); }
double CustomPapers::getHeight(unsigned i) const { return get(i, &PaperSize::height); }
double CustomPapers::getTopMargin(unsigned i) const { return get(i, &PaperSize::top); }
double CustomPapers::getBottomMargin(unsigned i) const { return get(i, &PaperSize::bottom); }
double CustomPapers::getLeftMargin(unsigned i) const { return get(i, &PaperSize::left); }
double CustomPapers::getRightMargin(unsigned i) const { return get(i, &PaperSize::right); }

void CustomPapers::setSize(unsigned i, double width, double height)
{
    if (PaperSize* p = paper(i)) {
        p->width = toPaperUnits(i, width);
        p->height = toPaperUnits(i, height);
    }
}

// Through the virtual three-argument forms, so that an override of those serves both.
void CustomPapers::setLeftMargin(unsigned i, double value) { setLeftMargin(i, value, m_unit); }
void CustomPapers::setRightMargin(unsigned i, double value) { setRightMargin(i, value, m_unit); }
void CustomPapers::setTopMargin(unsigned i, double value) { setTopMargin(i, value, m_unit); }
void CustomPapers::setBottomMargin(unsigned i, double value) { setBottomMargin(i, value, m_unit); }

void CustomPapers::setLeftMargin(unsigned i, double value, Units units) { set(i, &PaperSize::left, value, units); }
void CustomPapers::setRightMargin(unsigned i, double value, Units units) { set(i, &PaperSize::right, value, units); }
void CustomPapers::setTopMargin(unsigned i, double value, Units units) { set(i, &PaperSize::top, value, units); }
void CustomPapers::setBottomMargin(unsigned i, double value, Units units) { set(i, &PaperSize::bottom, value, units); }

void CustomPapers::append(const wxString& name)
{
    PaperSize p;
    p.globalName = name.ToStdWstring();
    p.localName = p.globalName;
    p.units = m_unit;
    m_papers.push_back(p);
}

void CustomPapers::remove(unsigned i)
{
    if (i < m_papers.size())
        m_papers.erase(m_papers.begin() + i);
}

double CustomPapers::fromPaperUnits(unsigned i, double value) const
{
    const PaperSize* p = paper(i);
    return p ? convert(value, p->units, m_unit) : 0.0;
}

double CustomPapers::toPaperUnits(unsigned i, double value) const { return toPaperUnits(i, value, m_unit); }

double CustomPapers::toPaperUnits(unsigned i, double value, Units units) const
{
    const PaperSize* p = paper(i);
    return p ? convert(value, units, p->units) : 0.0;
}

double CustomPapers::get(unsigned i, double PaperSize::*field) const
{
    const PaperSize* p = paper(i);
    return p ? fromPaperUnits(i, p->*field) : 0.0;
}

void CustomPapers::set(unsigned i, double PaperSize::*field, double value, Units units)
{
    if (PaperSize* p = paper(i))
        p->*field = toPaperUnits(i, value, units);
}

} // namespace wut
