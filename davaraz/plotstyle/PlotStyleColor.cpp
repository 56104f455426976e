// Colour encoding of a plot style: palette search, updateColor and color2rgb.
#include "davaraz/plotstyle/AciPalette.h"
#include "davaraz/plotstyle/PlotStyle.h"

#include <cstdint>

namespace {

struct Rgb {
    int red, green, blue;
};

// A COLORREF: red in bits 0 to 7, blue in bits 16 to 23.
Rgb fromColorRef(int c)
{
    const auto u = static_cast<std::uint32_t>(c);
    return {int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF)};
}

int withMethod(int c, int method)
{
    return static_cast<int>((static_cast<std::uint32_t>(c) & 0xFFFFFFu) | (static_cast<std::uint32_t>(method) << 24));
}

} // namespace

int CPlotStyle::exactAci(int c)
{
    const Rgb want = fromColorRef(c);
    for (int i = 1; i < kAciPaletteSize; ++i) {
        const AciPaletteEntry& e = aciPalette[static_cast<size_t>(i)];
        if (e.blue == want.blue && e.green == want.green && e.red == want.red)
            return i;
    }
    return 0;
}

int CPlotStyle::nearestAci(int c)
{
    const Rgb want = fromColorRef(c);
    int best = 1;
    int bestDistance = -1;
    for (int i = 1; i < kAciPaletteSize; ++i) {
        const AciPaletteEntry& e = aciPalette[static_cast<size_t>(i)];
        const int db = e.blue - want.blue, dg = e.green - want.green, dr = e.red - want.red;
        const int d = db * db + dg * dg + dr * dr;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

bool CPlotStyle::updateColor(int c)
{
    if (c == kNoColor) {
        m_colorPolicy &= ~kPolicyColorSet;
        if (m_colorPolicy == kPolicyDither) {
            if (m_color == kNoColor)
                return false;
            m_color = m_modeColor = kNoColor;
            return true;
        }
        if (m_color == kAciNoColor && m_modeColor == kAciNoColor)
            return false;
        m_color = m_modeColor = kAciNoColor;
        return true;
    }

    if (m_colorPolicy & kPolicyGrayScale)
        m_colorPolicy &= ~kPolicyColorSet;
    else
        m_colorPolicy |= kPolicyColorSet;

    if (exactAci(c) != 0) {
        const int v = withMethod(c, kAciColorMethod);
        if (m_color == v && m_modeColor == v)
            return false;
        m_color = m_modeColor = v;
        return true;
    }

    const int mode = withMethod(c, kTrueColorMethod);
    // The nearest entry is stored with red in the high byte, the reverse of a COLORREF.
    const AciPaletteEntry& e = aciPalette[static_cast<size_t>(nearestAci(c))];
    const int color = withMethod(int(e.red) << 16 | int(e.green) << 8 | int(e.blue), kAciColorMethod);
    const bool changed = m_color != color || m_modeColor != mode;
    m_color = color;
    m_modeColor = mode;
    return changed;
}

int CPlotStyle::color2rgb() const
{
    if (m_color == kNoColor)
        return kNoColor;
    int used = m_modeColor;
    if (m_colorPolicy == kPolicyDither) {
        if (((static_cast<std::uint32_t>(m_color) >> 24) & 0xFF) == kAciColorMethod)
            return static_cast<std::int16_t>(static_cast<std::uint32_t>(m_color) & 0xFFFF);
        used = m_color;
    }
    const auto u = static_cast<std::uint32_t>(used);
    return static_cast<int>(((u & 0xFF) << 16) | (u & 0xFF00) | ((u >> 16) & 0xFF));
}
