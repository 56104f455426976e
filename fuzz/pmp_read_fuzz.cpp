// Fuzzes loading a plot model parameter file: arbitrary bytes as a PMP file, read, and when
// it loads, written back and read again.
#include "FuzzInput.h"
#include "PiaMutator.h"
#include "davaraz/plotmodel/PlotModelParam.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    if (!input.ok())
        return 0;
    std::unique_ptr<PlotModelParam> doc(PlotModelParam::read(input.path(), {}));
    if (!doc)
        return 0;
    const std::wstring copy = std::wstring(input.path()) + L".pmp";
    if (doc->write(copy.c_str())) {
        std::unique_ptr<PlotModelParam> back(PlotModelParam::read(copy.c_str(), {}));
        std::remove(std::string(copy.begin(), copy.end()).c_str());
        if (!back)
            std::abort(); // what was written must load again
    }
    return 0;
}
