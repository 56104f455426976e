// Fuzzes whole PIA files: header, zlib stream and payload through CPIAParser::open and parse.
#include "FuzzInput.h"
#include "PiaMutator.h"
#include "davaraz/pia/PIAParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    if (!input.ok())
        return 0;
    CPIAParser parser;
    parser.file().setMaxOutput(std::uint64_t(64) << 20);
    if (parser.open(input.path()) == 0)
        parser.parse();
    return 0;
}
