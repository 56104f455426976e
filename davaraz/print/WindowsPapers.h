// The standard Windows paper numbers (DMPAPER 1 to 118) with their names and units, and the
// conversions between paper numbers and names, including "User<n>" for driver papers.
#pragma once
#include "platform/od/OdDbPlotSettings.h"
#include "platform/od/OdString.h"

namespace wut {

struct WindowsPaper {
    int metric; // 1 when the paper is defined in millimetres, 0 in inches
    const wchar_t* name;
};

constexpr int kLastWindowsPaper = 118;
// Indexed by paper number; row 0 is empty.
extern const WindowsPaper cWindowsPapers[kLastWindowsPaper + 1];

// Millimetres for numbers above the standard range (driver papers), else the row's unit.
OdDbPlotSettings::PlotPaperUnits getUnitsForDevice(unsigned short dmPaper);
// True for "User" (any case) followed by a decimal number, which goes to number.
bool isCustomPaperSize(int& number, const wchar_t* name);
// The paper number of a standard name (ASCII case ignored) or of "User<n>"; 0 when neither.
short getPSnumber(const wchar_t* name);
// The standard name of 1 to 118, "User<n>" for any other number.
OdString getCanonicalPSname(short dmPaper);

} // namespace wut
