// Editing of a plotter configuration's custom paper sizes through a working copy, with lengths
// read and written in a unit of the caller's choice and stored in each entry's own units.
#pragma once
#include "davaraz/plotcfg/MediaNode.h"
#include "platform/od/OdDbPlotSettings.h"

#include <wx/string.h>

#include <vector>

class CPlotCfg3;

namespace wut {

// Indexes must be below size(); an index out of range is ignored by the setters and remove,
// and gives 0 (or an empty name) from the getters. A null configuration loads and saves nothing.
class CustomPapers {
public:
    using Units = OdDbPlotSettings::PlotPaperUnits;

    // The configuration is not owned and must outlive this object; nothing is loaded yet.
    explicit CustomPapers(CPlotCfg3* configuration);
    CustomPapers(const CustomPapers&) = default;
    CustomPapers& operator=(const CustomPapers&) = default;
    virtual ~CustomPapers();

    Units getUnit() const { return m_unit; }
    // Changes only how lengths are read and given, never the entries.
    void setUnit(Units unit) { m_unit = unit; }

    // Working list := the configuration's list; unchanged when the configuration has none.
    virtual void load();
    // Configuration's list := working list; an empty working list removes the configuration's.
    virtual void save();
    virtual unsigned size() const;
    virtual wxString getName(unsigned i) const;
    // Local name only: the global name stays as it was.
    virtual void setName(unsigned i, const wxString& name);
    // True when some entry's local or global name equals name (case-sensitive).
    virtual bool isDuplicateName(const wxString& name) const;
    virtual double getWidth(unsigned i) const;
    virtual double getHeight(unsigned i) const;
    virtual double getTopMargin(unsigned i) const;
    virtual double getBottomMargin(unsigned i) const;
    virtual double getLeftMargin(unsigned i) const;
    virtual double getRightMargin(unsigned i) const;
    virtual void setSize(unsigned i, double width, double height);
    // The two-argument setters pass the current unit to the three-argument ones.
    virtual void setLeftMargin(unsigned i, double value);
    virtual void setLeftMargin(unsigned i, double value, Units units);
    virtual void setRightMargin(unsigned i, double value);
    virtual void setRightMargin(unsigned i, double value, Units units);
    virtual void setTopMargin(unsigned i, double value);
    virtual void setTopMargin(unsigned i, double value, Units units);
    virtual void setBottomMargin(unsigned i, double value);
    virtual void setBottomMargin(unsigned i, double value, Units units);
    // A new entry at the end: both names name, the current unit, all lengths 0.
    virtual void append(const wxString& name);
    // Later entries move up by one, keeping their order.
    virtual void remove(unsigned i);

private:
    using PaperSize = CMediaNode::CustomPapersNode::PaperSize;

    double fromPaperUnits(unsigned i, double value) const;
    double toPaperUnits(unsigned i, double value) const;
    double toPaperUnits(unsigned i, double value, Units units) const;
    // Entry i, or null when out of range.
    const PaperSize* paper(unsigned i) const { return i < m_papers.size() ? &m_papers[i] : nullptr; }
    PaperSize* paper(unsigned i) { return i < m_papers.size() ? &m_papers[i] : nullptr; }
    // A length field of entry i in the current unit.
    double get(unsigned i, double PaperSize::*field) const;
    // Stores value, given in units, into a length field of entry i.
    void set(unsigned i, double PaperSize::*field, double value, Units units);

    Units m_unit = OdDbPlotSettings::kMillimeters;
    CPlotCfg3* m_configuration; // not owned
    std::vector<PaperSize> m_papers;
};

} // namespace wut
