// PDF output options: the mapping to and from the sections of a plotter configuration, with
// every field checked against its default where no source sets it.
#include "PlotCfg3Test.h"
#include "davaraz/plotcfg/ExportPdfOptions.h"

#include <cmath>
#include <limits>

namespace {

using wut::ExportPdfOptions;

struct Field {
    const char* name;
    double value;
    double expected;
};

#define FIELD(member, expected) Field{#member, double(o.member), expected}

std::vector<Field> fields(const ExportPdfOptions& o)
{
    return {FIELD(option1, 24),         FIELD(embeddedTtf, 1),       FIELD(exportHyperlinks, 1),
            FIELD(option4, 2),          FIELD(option5, 300),         FIELD(imageAntiAlias, 1),
            FIELD(imageCompression, 1), FIELD(imageDpi, 300),        FIELD(option9, 1),
            FIELD(option10, 0),         FIELD(option11, 0.6),        FIELD(option12, 0),
            FIELD(option13, 0),         FIELD(option14, 1),          FIELD(option15, 0),
            FIELD(option16, 0),         FIELD(option17, 1),          FIELD(option18, 1.5),
            FIELD(option19, 1),         FIELD(option20, 0),          FIELD(option21, 0),
            FIELD(option22, 1),         FIELD(option23, 0),          FIELD(option24, 0),
            FIELD(option25, 1),         FIELD(layersSetting, 1),     FIELD(option27, 0),
            FIELD(mergeColors, 0),      FIELD(option29, 0),          FIELD(option30, 0),
            FIELD(option31, 0),         FIELD(option32, 0),          FIELD(option33, 297),
            FIELD(option34, 0),         FIELD(option35, 210),        FIELD(pdfA, 0),
            FIELD(option37, 300),       FIELD(option38, 0),          FIELD(option39, 1),
            FIELD(noTruetypeAsText, 0), FIELD(option41, 1),          FIELD(resolutionDpi, 2400),
            FIELD(option43, 1)};
}

#undef FIELD

using ExportPdfMapping = pc3test::PlotCfg3Test;

TEST_F(ExportPdfMapping, WithoutCustomSectionOnlyTheSectionsCount)
{
    const std::string text =
        pc3test::replaced(pc3test::withValue(pc3test::laserText(), "truetype_as_text", "FALSE"), "custom{", "x{");
    const auto cfg = read(file("nocustom.pc3", pc3test::withValue(text, "phys_resolution_x", "300.9")));
    ASSERT_TRUE(cfg);
    ASSERT_FALSE(cfg->custom);
    const ExportPdfOptions o(*cfg);
    EXPECT_EQ(o.resolutionDpi, 300);
    EXPECT_TRUE(o.noTruetypeAsText);
    EXPECT_EQ(o.mergeColors, 0); // lines_overwrite TRUE
    const std::vector<Field> all = fields(o);
    ASSERT_EQ(all.size(), 43u);
    for (const Field& f : all) {
        if (std::string(f.name) != "resolutionDpi" && std::string(f.name) != "noTruetypeAsText") {
            SCOPED_TRACE(f.name);
            EXPECT_EQ(f.value, f.expected);
        }
    }
}

TEST_F(ExportPdfMapping, MergeColorsAndResolutionFromTheSections)
{
    const auto cfg = CPlotCfg3TestAccess::blank();
    const struct {
        std::optional<bool> linesOverwrite;
        int merge;
    } merges[] = {{std::nullopt, 0}, {true, 0}, {false, 1}};
    for (const auto& m : merges) {
        cfg->resColorMem.linesOverwrite = m.linesOverwrite;
        EXPECT_EQ(ExportPdfOptions(*cfg).mergeColors, m.merge);
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double resolution;
        int dpi;
    } resolutions[] = {{300.9, 300}, {600, 600}, {-2.7, -2}, {0.4, 0}, {1e12, 2147483647}, {-1e12, -2147483647 - 1},
                       {nan, 0}};
    for (const auto& r : resolutions) {
        SCOPED_TRACE(r.resolution);
        cfg->resColorMem.resolution.physResolutionX = r.resolution;
        EXPECT_EQ(ExportPdfOptions(*cfg).resolutionDpi, r.dpi);
    }
}

TEST_F(ExportPdfMapping, RoundTripThroughTheConfigurationAndItsFile)
{
    ExportPdfOptions o;
    o.embeddedTtf = false;
    o.exportHyperlinks = false;
    o.imageAntiAlias = false;
    o.imageCompression = 3;
    o.imageDpi = 150;
    o.pdfA = 2;
    o.layersSetting = -4;
    o.mergeColors = 1;
    o.noTruetypeAsText = true;
    o.resolutionDpi = 1200;
    o.option11 = 0.25; // not stored: comes back at its default

    const auto cfg = CPlotCfg3TestAccess::blank();
    o.writeToPc3(*cfg);
    ASSERT_TRUE(cfg->custom);
    EXPECT_EQ(cfg->resColorMem.resolution.name, L"1200x1200");

    const std::string path = m_dir.path("options.pc3").string();
    ASSERT_TRUE(cfg->write(ut::fromNativePath(path).c_str()));
    const auto back = read(path);
    ASSERT_TRUE(back);
    for (const CPlotCfg3* source : {cfg.get(), back.get()}) {
        const ExportPdfOptions r(*source);
        const std::vector<Field> got = fields(r), wanted = fields(o);
        for (std::size_t i = 0; i < got.size(); ++i) {
            SCOPED_TRACE(got[i].name);
            EXPECT_EQ(got[i].value, std::string(got[i].name) == "option11" ? 0.6 : wanted[i].value);
        }
    }
}

TEST_F(ExportPdfMapping, AbsentCustomKeysLeaveFieldsAndOtherKeysStay)
{
    const auto cfg = read(file("laser.pc3", pc3test::laserText()));
    ASSERT_TRUE(cfg && cfg->custom);
    cfg->custom->set(96, L"PdfImageDPI", true);
    ExportPdfOptions o;
    o.imageCompression = 9;
    o.embeddedTtf = false;
    o.readFromPc3(*cfg);
    EXPECT_EQ(o.imageDpi, 96);
    EXPECT_EQ(o.imageCompression, 9);
    EXPECT_FALSE(o.embeddedTtf);

    o.writeToPc3(*cfg);
    bool pdf = true;
    EXPECT_TRUE(cfg->custom->get(pdf, L"PdfExport"));
    EXPECT_FALSE(pdf);
    int compression = 0;
    EXPECT_TRUE(cfg->custom->get(compression, L"PdfImageCompression"));
    EXPECT_EQ(compression, 9);
}

} // namespace
