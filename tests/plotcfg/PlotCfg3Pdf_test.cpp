// The built-in PDF output as a plotter configuration: recognition when a file is read, which
// keeps the spooler out of it, and the set-up of a new PDF configuration.
#include "PlotCfg3Test.h"
#include "support/WxCapture.h"

namespace {

using pc3test::laserText;
using pc3test::replaced;
using pc3test::withValue;

struct PdfMeta {
    std::string tagLine = "PDF ePlot - by Zoruzoze";
    std::string localizedModel = "ZUZ Av UZU";
    std::string canonicalFamily = "Zoruzoze ePlot";
    std::string canonicalModel = "pdf";
    std::string driverPath = "pdfplot8.hdi";
};

std::string withMeta(const PdfMeta& m, const std::string& text = laserText())
{
    std::string t = withValue(text, "driver_tag_line", "\"" + m.tagLine);
    t = withValue(t, "localized_model_name", "\"" + m.localizedModel);
    t = withValue(t, "canonical_family_name", "\"" + m.canonicalFamily);
    t = withValue(t, "canonical_model_name", "\"" + m.canonicalModel);
    return withValue(t, "driver_pathname", "\"" + m.driverPath);
}

PdfMeta edited(void (*edit)(PdfMeta&))
{
    PdfMeta m;
    edit(m);
    return m;
}

using PlotCfg3Pdf = pc3test::PlotCfg3Test;

TEST_F(PlotCfg3Pdf, RecognisedByMetaNamesOrByTheCustomFlag)
{
    const std::string pdfFlagTrue = replaced(laserText(), "value=FALSE", "value=TRUE");
    const struct {
        const char* name;
        std::string text;
        bool pdf;
    } cases[] = {
        {"printer", laserText(), false},
        {"all five names", withMeta(PdfMeta()), true},
        {"other letter case, Windows path in capitals",
         withMeta(edited([](PdfMeta& m) {
             m.tagLine = "pdf EPLOT - BY zoruzoze";
             m.localizedModel = "zuz av uzu";
             m.canonicalFamily = "ZORUZOZE EPLOT";
             m.canonicalModel = "PDF";
             m.driverPath = "C:\\Program Files\\Drv\\PDFPLOT8.HDI";
         })),
         true},
        {"driver file of six letters", withMeta(edited([](PdfMeta& m) { m.driverPath = "pdfplo.hdi"; })), false},
        {"driver file without extension", withMeta(edited([](PdfMeta& m) { m.driverPath = "/drv/pdfplot"; })), true},
        {"pdfplot not at the start", withMeta(edited([](PdfMeta& m) { m.driverPath = "mypdfplot.hdi"; })), false},
        {"pdfplot only as the folder", withMeta(edited([](PdfMeta& m) { m.driverPath = "pdfplot8/gdi.hdi"; })), false},
        {"tag line differs", withMeta(edited([](PdfMeta& m) { m.tagLine = "PDF ePlot"; })), false},
        {"localized model differs", withMeta(edited([](PdfMeta& m) { m.localizedModel = "ZUZ Av"; })), false},
        {"canonical family differs", withMeta(edited([](PdfMeta& m) { m.canonicalFamily = "Zoruzoze"; })), false},
        {"canonical model differs", withMeta(edited([](PdfMeta& m) { m.canonicalModel = "pdf "; })), false},
        {"custom flag true, printer names", pdfFlagTrue, true},
        {"custom flag as a number", replaced(laserText(), "value=FALSE", "value=1"), false},
    };
    // Only another printer with the configuration's driver: a printer configuration moves to it,
    // a PDF one stays.
    vspool::Printer somewhere = printer(L"Somewhere");
    somewhere.driver = L"Laser Universal Driver";
    vspool::setPrinters({somewhere}, L"");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        vspool::resetCounts();
        bool changed = c.pdf;
        const auto cfg = read(file("case.pc3", c.text), changed);
        ASSERT_TRUE(cfg);
        EXPECT_EQ(cfg->isPdfExport(), c.pdf);
        EXPECT_EQ(changed, !c.pdf);
        EXPECT_EQ(cfg->meta.winDeviceName, c.pdf ? L"Laser 5 Office" : L"Somewhere");
        // The PDF output addresses no printer, so the spooler is never asked about it.
        if (c.pdf)
            EXPECT_EQ(vspool::counts().printerInfo, 0u);
        else
            EXPECT_GT(vspool::counts().printerInfo, 0u);
    }
}

// A new PDF configuration's values and options are recorded by the pc3 session (`pc3 new 'print
// as pdf'`, its dump and its show).
TEST_F(PlotCfg3Pdf, SetUpKeepsAnExistingCustomSectionAndTranslatesTheDescription)
{
    wxtest::ScopedCatalog catalogue("Built-in direct output to PDF", "Eingebaute PDF-Ausgabe");
    ASSERT_TRUE(catalogue.loaded());
    const auto cfg = CPlotCfg3TestAccess::blank();
    cfg->custom = std::make_unique<CCustomNode>();
    cfg->custom->set(false, L"PdfExport", true);
    cfg->custom->setStr(L"mine", L"Tray", true);
    CPlotCfg3TestAccess::initForPdfExport(*cfg);
    EXPECT_EQ(cfg->meta.configDescription, L"Eingebaute PDF-Ausgabe");
    std::wstring tray;
    EXPECT_TRUE(cfg->custom->getStr(tray, L"Tray"));
    bool pdf = false;
    EXPECT_TRUE(cfg->custom->get(pdf, L"PdfExport"));
    EXPECT_TRUE(pdf);
}

} // namespace
