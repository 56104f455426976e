// The options of the built-in PDF output and where a plotter configuration keeps them.
#pragma once
#include <cstdint>

class CPlotCfg3;

namespace wut {

// A plain record. Only the fields with a comment naming their place are stored in a
// configuration; the numbered options belong to the PDF writer and are only given their
// defaults and copied here.
class ExportPdfOptions {
public:
    ExportPdfOptions();
    // The defaults, then what the configuration holds.
    explicit ExportPdfOptions(const CPlotCfg3& cfg);
    ExportPdfOptions(const ExportPdfOptions&) = default;
    ExportPdfOptions& operator=(const ExportPdfOptions&) = default;
    ~ExportPdfOptions() = default;

    // Custom keys that are absent leave their fields as they are.
    void readFromPc3(const CPlotCfg3& cfg);
    // Creates the custom section and its keys where missing.
    void writeToPc3(CPlotCfg3& cfg) const;

    std::int32_t option1;
    bool embeddedTtf;     // custom "PdfEmbeddedTtf"
    bool exportHyperlinks; // custom "PdfExportHyperlinks"
    std::int32_t option4;
    std::int32_t option5;
    bool imageAntiAlias;           // custom "PdfImageAntiAlias"
    std::int32_t imageCompression; // custom "PdfImageCompression"
    std::int32_t imageDpi;         // custom "PdfImageDPI"
    bool option9;
    bool option10;
    double option11;
    bool option12;
    bool option13;
    bool option14;
    std::int32_t option15;
    bool option16;
    bool option17;
    double option18;
    bool option19;
    bool option20;
    bool option21;
    bool option22;
    bool option23;
    bool option24;
    bool option25;
    std::int32_t layersSetting; // custom "PdfLayersSetting"
    std::int32_t option27;
    std::int32_t mergeColors; // 0 or 1; res_color_mem "lines_overwrite" present and false
    std::int32_t option29;
    std::int32_t option30;
    std::int32_t option31;
    std::int32_t option32;
    std::int32_t option33;
    std::uint8_t option34;
    std::int32_t option35;
    std::int32_t pdfA; // custom "PdfPdfA"
    std::int32_t option37;
    std::uint8_t option38;
    std::uint8_t option39;
    bool noTruetypeAsText; // meta "truetype_as_text", negated
    std::uint8_t option41;
    std::int32_t resolutionDpi; // res_color_mem resolution, physical x
    bool option43;

private:
    void initWithDefaults();
};

} // namespace wut
