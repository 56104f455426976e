// The job options a DEVMODE has no member for (number up, print scaling, output bin,
// finishings, borderless), kept in the private bytes of the CUPS driver's DEVMODE.
#pragma once
#include "platform/win32/types.h"

#include <string>
#include <vector>

namespace cupsspool {

struct DriverOptions {
    int numberUp = 1;
    int finishings = 3;     // IPP enum; 3 is none
    bool borderless = false;
    std::string scaling;    // print-scaling keyword; empty: the printer's own choice
    std::string outputBin;  // output-bin keyword; empty: the printer's own choice
    bool operator==(const DriverOptions& o) const
    {
        return numberUp == o.numberUp && finishings == o.finishings && borderless == o.borderless &&
               scaling == o.scaling && outputBin == o.outputBin;
    }
};

// What a destination accepts, and its defaults.
struct OptionChoices {
    std::vector<int> numberUp;
    std::vector<int> finishings;
    std::vector<std::string> scaling;
    std::vector<std::string> outputBins;
    bool borderless = false; // the destination has media without margins
    DriverOptions defaults;
};

// Version and size of the payload that follows the private bytes' header.
constexpr WORD kOptionsVersion = 1;
constexpr std::size_t kOptionsPayload = 64;

// The payload for a printer: its tag (from its name), then the options. Keywords longer than
// the record holds are left out (the printer's own choice).
std::vector<BYTE> encodeOptions(const std::string& printer, const DriverOptions& options);
// The options of a payload written for this printer; false for another printer's or a wrong size.
bool decodeOptions(const std::string& printer, const BYTE* payload, std::size_t size, DriverOptions& out);
// Each option the destination does not accept replaced by its default.
DriverOptions validated(const DriverOptions& options, const OptionChoices& choices);

} // namespace cupsspool
