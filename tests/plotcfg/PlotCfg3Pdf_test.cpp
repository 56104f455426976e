// The built-in PDF output as a plotter configuration: read without the spooler, and set up over
// an existing custom section.
#include "PlotCfg3Test.h"
#include "support/WxCapture.h"

namespace {

using pc3test::laserText;
using pc3test::replaced;

using PlotCfg3Pdf = pc3test::PlotCfg3Test;

// Which meta names and flags make the PDF output is recorded by the pc3-devices session; here
// that reading one never asks the spooler (it addresses no printer), while a printer's does.
TEST_F(PlotCfg3Pdf, ReadingThePdfOutputNeverAsksTheSpooler)
{
    for (const bool pdf : {true, false}) {
        vspool::resetCounts();
        const std::string text = pdf ? replaced(laserText(), "value=FALSE", "value=TRUE") : laserText();
        const auto cfg = read(file("case.pc3", text));
        ASSERT_TRUE(cfg);
        EXPECT_EQ(cfg->isPdfExport(), pdf);
        EXPECT_EQ(vspool::counts().printerInfo > 0, !pdf);
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
