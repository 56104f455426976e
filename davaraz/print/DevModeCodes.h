// Exchange of DEVMODEW codes (paper source, duplex, print quality) with wxPrintData's codes.
#pragma once

namespace wut::devmode {

// dmDefaultSource -> wxPrintBin: the DMBIN numbers 1-11 keep their value, cassette (14) and
// form source (15) become 12 and 13, user and driver bins (256 and up) become 14 and up;
// anything else is the default bin (0).
int binFromDm(short dmBin);
// wxPrintBin -> dmDefaultSource, the inverse of binFromDm. Bins outside the table map to
// value + 242, so the default bin gives 242; callers ask only for a bin that is set.
short binToDm(int wxBin);

// dmDuplex -> wxDuplexMode (0 simplex, 1 horizontal, 2 vertical) and back.
int duplexFromDm(short dmDuplex);
short duplexToDm(int wxDuplex);

// dmPrintQuality -> wxPrintQuality: the four DMRES codes swap order (high -4 <-> -1 ...),
// a resolution in dots per inch is kept.
int qualityFromDm(short dmQuality);
short qualityToDm(int wxQuality);

} // namespace wut::devmode
