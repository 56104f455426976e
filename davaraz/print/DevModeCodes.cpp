// Code tables between DEVMODEW members and wxPrintData settings.
#include "davaraz/print/DevModeCodes.h"

#include <iterator>

namespace wut::devmode {
namespace {

struct BinPair {
    short dm;
    int wx;
};
// DMBIN_UPPER .. DMBIN_LARGECAPACITY, DMBIN_CASSETTE, DMBIN_FORMSOURCE.
constexpr BinPair kBins[] = {{1, 1},  {2, 2},  {3, 3},  {4, 4},   {5, 5},   {6, 6},  {7, 7},
                             {8, 8},  {9, 9},  {10, 10}, {11, 11}, {14, 12}, {15, 13}};
constexpr short kDmBinUser = 256;
constexpr int kWxBinUser = 14;
constexpr int kUserOffset = kDmBinUser - kWxBinUser; // 242

} // namespace

int binFromDm(short dmBin)
{
    for (const BinPair& p : kBins)
        if (p.dm == dmBin)
            return p.wx;
    if (dmBin >= kDmBinUser)
        return dmBin - kUserOffset;
    return 0;
}

short binToDm(int wxBin)
{
    for (const BinPair& p : kBins)
        if (p.wx == wxBin)
            return p.dm;
    return static_cast<short>(wxBin + kUserOffset);
}

int duplexFromDm(short dmDuplex)
{
    switch (dmDuplex) {
    case 2: return 2; // DMDUP_VERTICAL -> wxDUPLEX_VERTICAL
    case 3: return 1; // DMDUP_HORIZONTAL -> wxDUPLEX_HORIZONTAL
    default: return 0;
    }
}

short duplexToDm(int wxDuplex)
{
    switch (wxDuplex) {
    case 1: return 3;
    case 2: return 2;
    default: return 1; // DMDUP_SIMPLEX
    }
}

// The four symbolic qualities are numbered in opposite directions on the two sides.
static int swapQuality(int q)
{
    return (q >= -4 && q <= -1) ? -5 - q : q;
}

int qualityFromDm(short dmQuality) { return swapQuality(dmQuality); }
short qualityToDm(int wxQuality) { return static_cast<short>(swapQuality(wxQuality)); }

} // namespace wut::devmode
