// Fuzzes the plot style table reader: the input is a payload text, wrapped into a PIA file.
// A table that loads must write, and read back into a table that writes the same bytes.
#include "FuzzInput.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <zlib.h>

namespace {

std::string packPia(const std::uint8_t* data, std::size_t size)
{
    uLongf bound = compressBound(static_cast<uLong>(size));
    std::string out(60 + bound, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&out[60]), &bound, data, static_cast<uLong>(size), 6) != Z_OK)
        return std::string();
    out.resize(60 + bound); // the reader ignores the header
    return out;
}

std::string slurp(const std::wstring& path)
{
    std::ifstream in(std::string(path.begin(), path.end()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = packPia(data, size);
    FuzzInput input(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    if (file.empty() || !input.ok())
        return 0;
    std::unique_ptr<CPlotStyleTable> table(CPlotStyleTable::read(input.path()));
    if (!table)
        return 0;
    FuzzInput first(nullptr, 0), second(nullptr, 0);
    if (!first.ok() || !second.ok() || !table->write(first.path()))
        return 0; // e.g. a line too long to write back
    std::unique_ptr<CPlotStyleTable> back(CPlotStyleTable::read(first.path()));
    if (!back || back->size() != table->size() || !back->write(second.path()) ||
        slurp(first.path()) != slurp(second.path()))
        std::abort();
    return 0;
}
