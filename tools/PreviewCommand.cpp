// preview FILE OUT.png: a plot style table as a sheet of swatches, a .pc3 as its paper; drawn
// with cairo into an image, no display needed.
#include "Command.h"
#include "Preview.h"
#include "StyleFields.h"
#include "davaraz/pia/PIAParser.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "platform/tvutils/SafeWrite.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <cstring>
#include <memory>
#include <string>

namespace cli {
namespace {

using Surface = std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)>;
using Context = std::unique_ptr<cairo_t, void (*)(cairo_t*)>;

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

void setRgb(cairo_t* cr, int rgb)
{
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

void text(cairo_t* cr, double x, double y, double size, const std::string& s)
{
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s.c_str());
}

// The picture as PNG bytes; empty when cairo fails.
std::string png(cairo_surface_t* surface)
{
    std::string out;
    cairo_surface_flush(surface);
    return cairo_surface_write_to_png_stream(surface, append, &out) == CAIRO_STATUS_SUCCESS ? out : std::string();
}

std::string drawTable(const CPlotStyleTable& table, const std::string& title)
{
    const int count = static_cast<int>(table.size());
    const int rows = std::max(1, (count + kSwatchColumns - 1) / kSwatchColumns);
    const int width = kSwatchLeft * 2 + kSwatchColumns * kSwatchPitchX;
    const int height = kSwatchTop + rows * kSwatchPitchY;
    const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height), cairo_surface_destroy);
    const Context cr(cairo_create(surface.get()), cairo_destroy);
    cairo_t* c = cr.get();
    setRgb(c, 0xFFFFFF);
    cairo_paint(c);
    setRgb(c, 0);
    text(c, kSwatchLeft, 24, 16, title);
    for (int i = 0; i < count; ++i) {
        const CPlotStyle& s = *table.style(i);
        const SwatchBox box = swatchBox(i);
        const int rgb = swatchColor(s);
        if (rgb < 0) {
            // The object's own colour: grey hatching.
            setRgb(c, 0xFFFFFF);
            cairo_rectangle(c, box.x, box.y, kSwatchWidth, kSwatchHeight);
            cairo_fill(c);
            setRgb(c, 0xA0A0A0);
            cairo_set_line_width(c, 1);
            for (int k = -kSwatchHeight; k < kSwatchWidth; k += 8) {
                cairo_move_to(c, box.x + std::max(k, 0), box.y + std::max(-k, 0));
                cairo_line_to(c, box.x + std::min(k + kSwatchHeight, kSwatchWidth),
                              box.y + kSwatchHeight - std::max(k + kSwatchHeight - kSwatchWidth, 0));
            }
            cairo_stroke(c);
        } else {
            setRgb(c, rgb);
            cairo_rectangle(c, box.x, box.y, kSwatchWidth, kSwatchHeight);
            cairo_fill(c);
        }
        setRgb(c, 0);
        cairo_set_line_width(c, 1);
        cairo_rectangle(c, box.x + 0.5, box.y + 0.5, kSwatchWidth - 1, kSwatchHeight - 1);
        cairo_stroke(c);
        // The line weight as a bar below the swatch, at its width in millimetres.
        const double mm = s.lineWeight() >= 0 && s.lineWeight() < CCustomLineweightTable::kSize
                              ? table.customLineweights().at(s.lineWeight())
                              : 0;
        cairo_rectangle(c, box.x, box.y + kSwatchHeight + 6, kSwatchWidth, barHeight(mm));
        cairo_fill(c);
        text(c, box.x, box.y + kSwatchHeight + 32, 11, std::to_string(i) + " " + narrow(s.locName()));
        text(c, box.x, box.y + kSwatchHeight + 46, 10,
             styleField(table, s, "color").get<std::string>() + "  " + std::to_string(s.screen()) + "%  " +
                 fieldToText(Json(mm)) + " mm");
    }
    return png(surface.get());
}

std::string drawPaper(const CMediaNode& media, const std::string& title, std::string& why)
{
    const auto& d = media.size.mediaDescription;
    const PaperLayout layout = paperLayout(d.mediaBounds.urx, d.mediaBounds.ury, d.printableBoundsLlx,
                                           d.printableBoundsLly, d.printableBoundsUrx, d.printableBoundsUry,
                                           media.dmOrientation == 2);
    if (!layout.valid) {
        why = "the paper size is not one a picture can show";
        return {};
    }
    const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, layout.imageWidth, layout.imageHeight),
                          cairo_surface_destroy);
    const Context cr(cairo_create(surface.get()), cairo_destroy);
    cairo_t* c = cr.get();
    setRgb(c, kBackground);
    cairo_paint(c);
    setRgb(c, 0xFFFFFF);
    cairo_rectangle(c, layout.paper.x, layout.paper.y, layout.paper.w, layout.paper.h);
    cairo_fill(c);
    setRgb(c, kPrintable);
    cairo_rectangle(c, layout.printable.x, layout.printable.y, layout.printable.w, layout.printable.h);
    cairo_fill(c);
    setRgb(c, 0);
    cairo_set_line_width(c, 2);
    cairo_rectangle(c, layout.paper.x - 1, layout.paper.y - 1, layout.paper.w + 2, layout.paper.h + 2);
    cairo_stroke(c);
    text(c, 10, 24, 16, title);
    char size[160];
    std::snprintf(size, sizeof size, "%.1f x %.1f mm, %s; margins %.1f %.1f %.1f %.1f mm (left, top, right, bottom)",
                  layout.widthMm, layout.heightMm, media.dmOrientation == 2 ? "landscape" : "portrait",
                  layout.margins[0], layout.margins[1], layout.margins[2], layout.margins[3]);
    text(c, 10, 44, 12, size);
    return png(surface.get());
}

int runPreview(const Args& args)
{
    const std::string& in = args[0];
    const std::string& out = args[1];
    if (!hasExtension(out, L"png"))
        return usageError("preview: " + out + ": the picture is PNG and needs the extension .png");
    if (refuseInputAsOutput(in, out) != kOk)
        return kFailed;
    const std::string title = std::filesystem::path(in).filename().string();
    std::string picture;
    std::string why;
    if (hasExtension(in, L"ctb") || hasExtension(in, L"stb")) {
        int rc = kOk;
        const auto table = loadTable(in, rc);
        if (!table)
            return rc;
        picture = drawTable(*table, title + (table->description()[0] ? " - " + narrow(table->description()) : ""));
    } else if (hasExtension(in, L"pc3")) {
        CMediaNode media;
        const pia::ReadResult read = pia::readDocument(widen(in).c_str(), [&](CPIAParser& parser, pia::ReadResult& fault) {
            const CPItem* block = parser.root() ? parser.root()->find(L"media", PI_BLOCK) : nullptr;
            std::wstring key;
            if (block && media.init(static_cast<const CPBlock&>(*block), &key))
                return true;
            fault.refuse(block ? L"media/" + key : std::wstring(L"media"));
            return false;
        });
        if (!read)
            return fail(in, narrow(read.description()));
        picture = drawPaper(media, title + " - " + narrow(media.size.name), why);
    } else {
        return usageError("preview: " + in + ": expects a plot style table (.ctb, .stb) or a .pc3 file");
    }
    if (picture.empty())
        return fail(in, why.empty() ? "cairo could not draw the picture" : why);
    if (const int err = ut::replaceFile(out, {picture}))
        return fail(out, std::string("cannot write the file: ") + std::strerror(err));
    return kOk;
}

} // namespace

void addPreviewCommand(std::vector<Command>& table)
{
    table.push_back({"preview", "FILE OUT.png",
                     "a picture of a plot style table (a swatch per style: its colour, a bar at its line weight, "
                     "name, number, colour and screening) or of a .pc3 (its paper with the printable area, "
                     "margins and orientation), drawn without a display",
                     2, 2, runPreview});
}

} // namespace cli
