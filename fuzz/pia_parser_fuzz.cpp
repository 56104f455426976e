// Fuzzes the payload grammar: arbitrary text through CPIAParser.
#include "FuzzInput.h"
#include "davaraz/pia/PIAParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    if (!input.ok())
        return 0;
    CPIAParser parser;
    if (parser.openText(input.path()) == 0)
        parser.parse();
    return 0;
}
