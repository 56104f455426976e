// Where the pictures of "preview" put things: pure layout, so that tests can find them.
#pragma once

class CPlotStyle;

namespace cli {

// A table's sheet: swatches in rows of eight below a title line.
constexpr int kSwatchColumns = 8;
constexpr int kSwatchLeft = 20;
constexpr int kSwatchTop = 40;
constexpr int kSwatchPitchX = 130;
constexpr int kSwatchPitchY = 110;
constexpr int kSwatchWidth = 110;
constexpr int kSwatchHeight = 40;

struct SwatchBox {
    int x, y;
};
// The top left corner of style i's swatch.
SwatchBox swatchBox(int i);
// The colour a swatch shows (red in bits 16 to 23): the style's colour screened towards white
// (screen 100 the full colour, 0 white); -1 for the object's own colour.
int swatchColor(const CPlotStyle& style);
// The height of the line-weight bar for a weight in millimetres: 1 pixel at least, 8 per mm.
double barHeight(double mm);

// A configuration's paper: scaled so that its longer side is 800 pixels, on a grey ground.
constexpr int kBackground = 0xD0D0D0;
constexpr int kPrintable = 0xCCE5FF;

struct PaperLayout {
    struct Rect {
        double x, y, w, h;
    };
    bool valid = false;
    int imageWidth = 0;
    int imageHeight = 0;
    double widthMm = 0; // as shown: landscape turns the paper
    double heightMm = 0;
    double margins[4] = {}; // left, top, right, bottom, in mm, as shown
    Rect paper{};
    Rect printable{};
};
// From the paper's portrait extent and printable bounds (lower left and upper right, from its
// lower left corner, in mm). Turned to landscape, the portrait bottom border is on the left and
// its left border on top.
PaperLayout paperLayout(double widthMm, double heightMm, double llx, double lly, double urx, double ury, bool landscape);

} // namespace cli
