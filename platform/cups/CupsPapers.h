// Windows paper and tray numbers for the media and trays a CUPS destination offers.
#pragma once
#include "platform/win32/Spooler.h"

#include <string>
#include <vector>

namespace cupsspool {

// One medium as libcups lists it: its PWG name, sizes and margins in hundredths of a millimetre.
struct Medium {
    std::string pwg;
    int width = 0;
    int length = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The driver's papers: the Windows number where one exists (by PWG name, else by size within
// 1 mm), else a number of 257 or more derived from the PWG name, the same in every process.
// Borderless variants are papers of their own. Names are the Windows ones, else made from the
// PWG name ("iso_a1_594x841mm" is "A1"), the same under every locale, as stored settings
// name papers by them. Sizes in tenths of a millimetre, margins
// rounded outwards so that the printable area is never larger than the printer's.
// A medium listed twice is kept once; pwgNames (if given) gets each kept paper's PWG name.
std::vector<win32::spool::Paper> papersOf(const std::vector<Medium>& media, std::vector<std::string>* pwgNames);

// The driver's trays from media-source keywords: the DMBIN number where one fits, else 256 and
// up in the order listed; names a person reads, at most 24 characters.
std::vector<win32::spool::Bin> binsOf(const std::vector<std::string>& sources);

} // namespace cupsspool
