// Conversion of a colour-dependent plot style table into an equivalent named one.
#pragma once
#include "davaraz/plotstyle/PlotStyleTable.h"

// A new named table with one style per distinct set of pen settings of the source's ACI
// colours, and an ACI mapping to them; null when the source has no ACI mapping in force, or
// when it holds more than 255 styles (position i of the source stands for ACI colour i + 1,
// so further styles have no colour to map and the result could not plot the same way).
CPlotStyleTable* ctb2stb(const CPlotStyleTable& source, const wchar_t* baseName);
