// The record of the CUPS driver's own options: tag, numbers, then two keywords.
#include "platform/cups/CupsOptions.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace cupsspool {
namespace {

// Layout: DWORD tag, WORD number-up, WORD finishings, BYTE borderless, 3 reserved, then two
// NUL-padded keywords of kKeyword bytes.
constexpr std::size_t kKeyword = 26;
constexpr std::size_t kScalingAt = 12;
constexpr std::size_t kOutputBinAt = kScalingAt + kKeyword;
static_assert(kOutputBinAt + kKeyword == kOptionsPayload, "the record fills the payload");

// FNV-1a of the printer's name, case ignored as CUPS compares queue names.
DWORD tagOf(const std::string& printer)
{
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : printer)
        hash = (hash ^ static_cast<unsigned char>(std::tolower(c))) * 16777619u;
    return hash;
}

void putKeyword(std::vector<BYTE>& out, std::size_t at, const std::string& keyword)
{
    if (keyword.size() < kKeyword)
        std::memcpy(out.data() + at, keyword.data(), keyword.size());
}

std::string keywordAt(const BYTE* payload, std::size_t at)
{
    const char* text = reinterpret_cast<const char*>(payload + at);
    return std::string(text, strnlen(text, kKeyword));
}

template <class T>
bool among(const std::vector<T>& list, const T& value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

std::vector<BYTE> encodeOptions(const std::string& printer, const DriverOptions& o)
{
    std::vector<BYTE> out(kOptionsPayload, 0);
    const DWORD tag = tagOf(printer);
    const WORD numberUp = static_cast<WORD>(o.numberUp), finishings = static_cast<WORD>(o.finishings);
    std::memcpy(out.data(), &tag, 4);
    std::memcpy(out.data() + 4, &numberUp, 2);
    std::memcpy(out.data() + 6, &finishings, 2);
    out[8] = o.borderless ? 1 : 0;
    putKeyword(out, kScalingAt, o.scaling);
    putKeyword(out, kOutputBinAt, o.outputBin);
    return out;
}

bool decodeOptions(const std::string& printer, const BYTE* payload, std::size_t size, DriverOptions& out)
{
    DWORD tag = 0;
    if (size != kOptionsPayload || (std::memcpy(&tag, payload, 4), tag != tagOf(printer)))
        return false;
    WORD numberUp = 0, finishings = 0;
    std::memcpy(&numberUp, payload + 4, 2);
    std::memcpy(&finishings, payload + 6, 2);
    out.numberUp = numberUp;
    out.finishings = finishings;
    out.borderless = payload[8] != 0;
    out.scaling = keywordAt(payload, kScalingAt);
    out.outputBin = keywordAt(payload, kOutputBinAt);
    return true;
}

DriverOptions validated(const DriverOptions& o, const OptionChoices& c)
{
    DriverOptions v = o;
    if (!among(c.numberUp, o.numberUp))
        v.numberUp = c.defaults.numberUp;
    if (!among(c.finishings, o.finishings))
        v.finishings = c.defaults.finishings;
    if (o.borderless && !c.borderless)
        v.borderless = false;
    if (!o.scaling.empty() && !among(c.scaling, o.scaling))
        v.scaling = c.defaults.scaling;
    if (!o.outputBin.empty() && !among(c.outputBins, o.outputBin))
        v.outputBin = c.defaults.outputBin;
    return v;
}

} // namespace cupsspool
