// Layout of the preview pictures: swatch places and colours, the paper scaled and turned.
#include "Preview.h"
#include "davaraz/plotstyle/PlotStyle.h"

#include <algorithm>
#include <cmath>

namespace cli {

SwatchBox swatchBox(int i)
{
    return {kSwatchLeft + (i % kSwatchColumns) * kSwatchPitchX, kSwatchTop + (i / kSwatchColumns) * kSwatchPitchY};
}

int swatchColor(const CPlotStyle& style)
{
    const int rgb = style.color2rgb();
    if (rgb < 0)
        return -1;
    const int screen = std::clamp(style.screen(), 0, 100);
    int out = 0;
    for (const int shift : {16, 8, 0}) {
        const int c = (rgb >> shift) & 0xFF;
        out |= (255 - (255 - c) * screen / 100) << shift;
    }
    return out;
}

double barHeight(double mm) { return std::max(1.0, std::min(mm, 4.0) * 8); }

PaperLayout paperLayout(double widthMm, double heightMm, double llx, double lly, double urx, double ury, bool landscape)
{
    PaperLayout l;
    if (!(widthMm > 0 && heightMm > 0 && widthMm <= 15000 && heightMm <= 15000))
        return l;
    // Portrait margins: left, top, right, bottom; each kept within the paper.
    double m[4] = {llx, heightMm - ury, widthMm - urx, lly};
    for (int k = 0; k < 4; ++k)
        m[k] = std::clamp(std::isfinite(m[k]) ? m[k] : 0.0, 0.0, k % 2 ? heightMm : widthMm);
    l.widthMm = landscape ? heightMm : widthMm;
    l.heightMm = landscape ? widthMm : heightMm;
    const double shown[4] = {landscape ? m[3] : m[0], landscape ? m[0] : m[1], landscape ? m[1] : m[2],
                             landscape ? m[2] : m[3]};
    std::copy(shown, shown + 4, l.margins);
    const double scale = 800 / std::max(l.widthMm, l.heightMm);
    constexpr double kLeft = 20;
    constexpr double kTop = 60;
    l.paper = {kLeft, kTop, std::max(1.0, std::round(l.widthMm * scale)), std::max(1.0, std::round(l.heightMm * scale))};
    const double x0 = l.margins[0] * scale;
    const double y0 = l.margins[1] * scale;
    const double w = std::max(0.0, l.paper.w - x0 - l.margins[2] * scale);
    const double h = std::max(0.0, l.paper.h - y0 - l.margins[3] * scale);
    l.printable = {kLeft + x0, kTop + y0, w, h};
    l.imageWidth = static_cast<int>(l.paper.w + 2 * kLeft);
    l.imageHeight = static_cast<int>(l.paper.h + kTop + kLeft);
    l.valid = true;
    return l;
}

} // namespace cli
