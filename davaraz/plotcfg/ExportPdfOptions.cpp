// PDF output options: defaults and the mapping to and from a plotter configuration.
#include "davaraz/plotcfg/ExportPdfOptions.h"
#include "davaraz/plotcfg/PlotCfg3.h"

#include <cmath>
#include <limits>

namespace {

// Truncation toward zero that stays defined for values a file may hold beyond the int range.
std::int32_t truncated(double value)
{
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    if (t <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (t >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(t);
}

} // namespace

namespace wut {

ExportPdfOptions::ExportPdfOptions() { initWithDefaults(); }

ExportPdfOptions::ExportPdfOptions(const CPlotCfg3& cfg)
{
    initWithDefaults();
    readFromPc3(cfg);
}

void ExportPdfOptions::initWithDefaults()
{
    option1 = 24;
    embeddedTtf = true;
    exportHyperlinks = true;
    option4 = 2;
    option5 = 300;
    imageAntiAlias = true;
    imageCompression = 1;
    imageDpi = 300;
    option9 = true;
    option10 = false;
    option11 = 0.6;
    option12 = false;
    option13 = false;
    option14 = true;
    option15 = 0;
    option16 = false;
    option17 = true;
    option18 = 1.5;
    option19 = true;
    option20 = false;
    option21 = false;
    option22 = true;
    option23 = false;
    option24 = false;
    option25 = true;
    layersSetting = 1;
    option27 = 0;
    mergeColors = 0;
    option29 = 0;
    option30 = 0;
    option31 = 0;
    option32 = 0;
    option33 = 297;
    option34 = 0;
    option35 = 210;
    pdfA = 0;
    option37 = 300;
    option38 = 0;
    option39 = 1;
    noTruetypeAsText = false;
    option41 = 1;
    resolutionDpi = 2400;
    option43 = true;
}

void ExportPdfOptions::readFromPc3(const CPlotCfg3& cfg)
{
    const auto& overwrite = cfg.resColorMem.linesOverwrite;
    mergeColors = overwrite && !*overwrite ? 1 : 0;
    noTruetypeAsText = !cfg.meta.truetypeAsText;
    resolutionDpi = truncated(cfg.resColorMem.resolution.physResolutionX);
    if (!cfg.custom)
        return;
    const CCustomNode& c = *cfg.custom;
    c.get(embeddedTtf, L"PdfEmbeddedTtf");
    c.get(exportHyperlinks, L"PdfExportHyperlinks");
    c.get(imageAntiAlias, L"PdfImageAntiAlias");
    c.get(imageCompression, L"PdfImageCompression");
    c.get(imageDpi, L"PdfImageDPI");
    c.get(pdfA, L"PdfPdfA");
    c.get(layersSetting, L"PdfLayersSetting");
}

void ExportPdfOptions::writeToPc3(CPlotCfg3& cfg) const
{
    if (!cfg.custom)
        cfg.custom = std::make_unique<CCustomNode>();
    CCustomNode& c = *cfg.custom;
    c.set(embeddedTtf, L"PdfEmbeddedTtf", true);
    c.set(exportHyperlinks, L"PdfExportHyperlinks", true);
    c.set(imageAntiAlias, L"PdfImageAntiAlias", true);
    c.set(imageCompression, L"PdfImageCompression", true);
    c.set(imageDpi, L"PdfImageDPI", true);
    c.set(pdfA, L"PdfPdfA", true);
    c.set(layersSetting, L"PdfLayersSetting", true);
    cfg.resColorMem.linesOverwrite = mergeColors == 0;
    cfg.meta.truetypeAsText = !noTruetypeAsText;
    cfg.resColorMem.resolution.set(resolutionDpi);
}

} // namespace wut
