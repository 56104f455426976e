// ctb2stb: equal styles of a colour-dependent table collapse into one named style each.
#include "davaraz/plotstyle/Ctb2Stb.h"

#include <array>
#include <memory>
#include <string>

CPlotStyleTable* ctb2stb(const CPlotStyleTable& source, const wchar_t* baseName)
{
    if (!source.useACI() || source.size() > static_cast<std::size_t>(CAciTable::kSize))
        return nullptr;
    std::unique_ptr<CPlotStyleTable> result(CPlotStyleTable::create(false, baseName));
    result->setDescription(source.description());
    result->setScaleFactor(source.scaleFactor());
    result->setApplyFactor(source.applyFactor());
    result->setCustomLineweightDisplayUnits(source.customLineweightDisplayUnits());
    result->customLineweights().copy(source.customLineweights());

    const std::wstring prefix = baseName ? std::wstring(baseName) + L" " : std::wstring(L"Style ");
    // ACI colours beyond the source's styles keep 0, the "Normal" style.
    std::array<int, CAciTable::kSize> map{};
    for (std::size_t i = 0; i < source.size(); ++i) {
        const CPlotStyle& s = *source.style(static_cast<int>(i));
        int k = 1; // "Normal" at 0 is never matched
        const int n = static_cast<int>(result->size());
        while (k < n && !result->style(k)->isEqual(s, false))
            ++k;
        if (k == n)
            result->addStyle((prefix + std::to_wstring(k)).c_str(), k - 1, &s);
        map[i] = k;
    }
    result->addACI(map.data());
    return result.release();
}
