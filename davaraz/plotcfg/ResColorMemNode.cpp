// Reading and writing the "res_color_mem" section and its resolution block, and the
// resolution arithmetic shared with the print-data conversion.
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "davaraz/pia/SectionIo.h"

#include <cwchar>

using section::store;

namespace {

const wchar_t* const kQualityWords[] = {L"DMRES_HIGH", L"DMRES_MEDIUM", L"DMRES_LOW", L"DMRES_DRAFT"};

std::wstring formatWide(const wchar_t* fmt, long a, long b)
{
    wchar_t buf[64];
    std::swprintf(buf, sizeof buf / sizeof buf[0], fmt, a, b);
    return buf;
}

} // namespace

bool CResColorMemNode::CResolutionNode::init(const CPBlock& block, std::wstring* fault)
{
    const section::Reader r(block, fault);
    if (!r.str(L"name", name))
        return false;
    // Resolutions become a DEVMODE's shorts: a value beyond one is no resolution.
    constexpr double kMaxDpi = 32767;
    r.optReal(L"phys_resolution_x", physResolutionX, -kMaxDpi, kMaxDpi);
    r.optReal(L"phys_resolution_y", physResolutionY, -kMaxDpi, kMaxDpi);
    return r.real(L"addr_resolution_x", addrResolutionX, 0, kMaxDpi) &&
           r.real(L"addr_resolution_y", addrResolutionY, 0, kMaxDpi) &&
           r.real(L"effective_resolution_x", effectiveResolutionX, 0, kMaxDpi) &&
           r.real(L"effective_resolution_y", effectiveResolutionY, 0, kMaxDpi);
}

bool CResColorMemNode::CResolutionNode::write(CPBlock& block) const
{
    using namespace section;
    putStr(block, L"name", name);
    putReal(block, L"phys_resolution_x", physResolutionX, 1);
    putReal(block, L"phys_resolution_y", physResolutionY, 1);
    putReal(block, L"addr_resolution_x", addrResolutionX, 1);
    putReal(block, L"addr_resolution_y", addrResolutionY, 1);
    putReal(block, L"effective_resolution_x", effectiveResolutionX, 1);
    putReal(block, L"effective_resolution_y", effectiveResolutionY, 1);
    return true;
}

void CResColorMemNode::CResolutionNode::set(long dpi)
{
    name = formatWide(L"%ldx%ld", dpi, dpi);
    physResolutionX = physResolutionY = addrResolutionX = addrResolutionY = static_cast<double>(dpi);
}

bool CResColorMemNode::CResolutionNode::setFromDevice(short dmQuality, std::optional<int> dcPpiX, short yResolution)
{
    const wchar_t* word = nullptr;
    double x = dmQuality;
    if (dmQuality >= -4 && dmQuality <= -1) {
        if (!dcPpiX)
            return false;
        x = *dcPpiX;
        word = kQualityWords[dmQuality + 4];
    }
    bool changed = false;
    store(physResolutionX, x, changed);
    store(addrResolutionX, x, changed);
    store(effectiveResolutionX, x, changed);
    const double y = yResolution;
    store(physResolutionY, y, changed);
    store(addrResolutionY, y, changed);
    store(effectiveResolutionY, y, changed);

    // The tag after the last "_" survives a change of the resolution word.
    std::wstring tag;
    if (name.empty())
        tag = L"_None";
    else if (const auto underscore = name.rfind(L'_'); underscore != std::wstring::npos)
        tag = name.substr(underscore);
    std::wstring newName = word ? std::wstring(word)
                                : formatWide(L"%ldx%ld", static_cast<long>(static_cast<int>(physResolutionX)),
                                             static_cast<long>(static_cast<int>(physResolutionY)));
    store(name, newName + tag, changed);
    return changed;
}

CResColorMemNode::CResolutionNode::PrintResolution CResColorMemNode::CResolutionNode::printResolution() const
{
    PrintResolution out;
    for (int i = 0; i < 4; ++i) {
        const size_t n = std::wcslen(kQualityWords[i]);
        if (name.size() >= n && wcsncasecmp(name.c_str(), kQualityWords[i], n) == 0) {
            out.quality = -1 - i;
            return out;
        }
    }
    if (physResolutionX != 0)
        out.quality = static_cast<int>(physResolutionX);
    if (physResolutionY != 0)
        out.yResolution = static_cast<short>(static_cast<int>(physResolutionY));
    return out;
}

bool CResColorMemNode::init(const CPBlock& block, std::wstring* fault)
{
    const section::Reader r(block, fault);
    if (!r.str(L"name", name) || !r.integer(L"num_colors", numColors) || !r.integer(L"color_depth", colorDepth) ||
        !r.integer(L"num_undithered_colors", numUnditheredColors) || !r.integer(L"color_system", colorSystem) ||
        !r.integer(L"dm_color", dmColor))
        return false;
    r.optInt(L"icm_method", icmMethod);
    r.optInt(L"icm_intent", icmIntent);
    r.optInt(L"ism_max", ismMax);
    r.optInt(L"ole_max", oleMax);
    r.optInt(L"hard_soft", hardSoft);
    r.optInt(L"preference", preference);
    r.optFlag(L"lines_overwrite", linesOverwrite);
    r.optFlag(L"color_mono", colorMono);
    return r.node(L"resolution", resolution);
}

bool CResColorMemNode::write(CPBlock& block) const
{
    using namespace section;
    putStr(block, L"name", name);
    putInt(block, L"num_colors", numColors);
    putInt(block, L"color_depth", colorDepth);
    putInt(block, L"num_undithered_colors", numUnditheredColors);
    putInt(block, L"color_system", colorSystem);
    putInt(block, L"dm_color", dmColor);
    if (icmMethod != 0)
        putInt(block, L"icm_method", icmMethod);
    if (icmIntent != 0)
        putInt(block, L"icm_intent", icmIntent);
    if (ismMax != -1)
        putInt(block, L"ism_max", ismMax);
    if (oleMax != -1)
        putInt(block, L"ole_max", oleMax);
    if (hardSoft != 0)
        putInt(block, L"hard_soft", hardSoft);
    if (preference != 0)
        putInt(block, L"preference", preference);
    if (linesOverwrite)
        putFlag(block, L"lines_overwrite", *linesOverwrite);
    if (colorMono)
        putFlag(block, L"color_mono", *colorMono);
    return putNode(block, L"resolution", resolution);
}
