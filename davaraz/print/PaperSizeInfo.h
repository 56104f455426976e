// Named paper sizes with margins: one row of the built-in tables, and the tables of the PDF
// output and of a configuration without a device.
#pragma once
#include "platform/od/OdDbPlotSettings.h"

#include <cstdint>

namespace wut {

struct PaperSizeInfo {
    const wchar_t* displayName;
    const wchar_t* mediaName; // displayName with underscores for blanks: the stored media name
    double width;             // in the row's units
    double height;
    OdDbPlotSettings::PlotPaperUnits units;
    double leftMargin;
    double bottomMargin;
    double rightMargin;
    double topMargin;
};

// The row order is part of the interface: media sections address PDF papers by position.
extern const PaperSizeInfo cPdfPapers[];
extern const std::uint64_t cPdfPapersCount;
extern const PaperSizeInfo cNonePapers[];
extern const std::uint64_t cNonePapersCount;

} // namespace wut
