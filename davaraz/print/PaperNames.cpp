// Paper numbers to names and back: the standard names through a case-blind index built once,
// driver papers through their "User<n>" names.
#include "davaraz/print/WindowsPapers.h"

#include <cwchar>
#include <string>
#include <map>

namespace wut {
namespace {

wchar_t asciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c + (L'a' - L'A') : c; }

// _wcsicmp order: only ASCII letters fold.
struct AsciiCaseLess {
    bool operator()(const wchar_t* a, const wchar_t* b) const
    {
        for (;; ++a, ++b) {
            const wchar_t ca = asciiLower(*a), cb = asciiLower(*b);
            if (ca != cb || ca == 0)
                return ca < cb;
        }
    }
};

using NameIndex = std::map<const wchar_t*, short, AsciiCaseLess>;

// Built on first use; the static's initialisation is thread-safe.
const NameIndex& nameIndex()
{
    static const NameIndex index = [] {
        NameIndex built;
        for (short n = 1; n <= kLastWindowsPaper; ++n)
            built.emplace(cWindowsPapers[n].name, n); // an earlier row keeps its key
        return built;
    }();
    return index;
}

bool startsWithUser(const wchar_t* name)
{
    static const wchar_t kUser[] = L"user";
    for (int i = 0; i < 4; ++i)
        if (asciiLower(name[i]) != kUser[i])
            return false;
    return true;
}

// "User" followed by what "%d" reads; name must have more than 4 characters.
bool readUserNumber(const wchar_t* name, int& number)
{
    if (std::wcslen(name) <= 4 || !startsWithUser(name))
        return false;
    int value = 0;
    if (std::swscanf(name + 4, L"%d", &value) != 1)
        return false;
    number = value;
    return true;
}

} // namespace

OdDbPlotSettings::PlotPaperUnits getUnitsForDevice(unsigned short dmPaper)
{
    if (dmPaper > kLastWindowsPaper)
        return OdDbPlotSettings::kMillimeters;
    return cWindowsPapers[dmPaper].metric ? OdDbPlotSettings::kMillimeters : OdDbPlotSettings::kInches;
}

bool isCustomPaperSize(int& number, const wchar_t* name)
{
    return name && readUserNumber(name, number);
}

short getPSnumber(const wchar_t* name)
{
    if (!name || !*name)
        return 0;
    int number = 0;
    if (readUserNumber(name, number))
        return static_cast<short>(number);
    const NameIndex& index = nameIndex();
    const auto it = index.find(name);
    return it == index.end() ? 0 : it->second;
}

OdString getCanonicalPSname(short dmPaper)
{
    if (dmPaper >= 1 && dmPaper <= kLastWindowsPaper)
        return OdString(cWindowsPapers[dmPaper].name);
    return OdString(L"User" + std::to_wstring(dmPaper));
}

} // namespace wut
