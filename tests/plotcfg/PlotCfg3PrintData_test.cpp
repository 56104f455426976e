// Plotter configurations against the virtual printers: turned into print data and refreshed
// when the printer changes (each printer's configuration written, read back and turned into its
// settings again: the pc3 session; a file that follows the default printer: pc3-devices).
#include "../print/WxTestApp.h"
#include "PlotCfg3Test.h"
#include "davaraz/plotcfg/HexText.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"
#include "platform/win32/wstr.h"

#include <wx/dcprint.h>

#include <memory>
#include <vector>

namespace {

using Cfg = std::unique_ptr<CPlotCfg3>;

const wchar_t kOffice[] = L"Office Colour MFP";
const wchar_t kPlotter[] = L"Large Format Plotter";

class PlotCfg3PrintData : public pc3test::PlotCfg3Test {
protected:
    void SetUp() override
    {
        PlotCfg3Test::SetUp();
        ASSERT_TRUE(wxtest::start(false));
        wut::registerPrintFactory();
    }
    void TearDown() override
    {
        wut::unRegisterPrintFactory();
        PlotCfg3Test::TearDown();
    }

    static Cfg create(const wchar_t* printer) { return Cfg(CPlotCfg3::create(printer)); }
    static std::wstring customBin(const CPlotCfg3& cfg, const wchar_t* key)
    {
        std::wstring text;
        EXPECT_TRUE(cfg.custom->getBin(text, key)) << key;
        return text;
    }
};

TEST_F(PlotCfg3PrintData, PrivateBytesTravelAsUppercaseHex)
{
    const unsigned char bytes[] = {0x00, 0xAB, 0x0A};
    EXPECT_EQ(plotcfg::toHexText(bytes, 3), L"00AB0A");
    const struct {
        const wchar_t* text;
        std::vector<unsigned char> bytes;
    } cases[] = {{L"00AB0A", {0x00, 0xAB, 0x0A}}, {L"00ab", {0x00, 0xAB}}, {L"0G", {0x00}}, {L"F", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(plotcfg::fromHexText(c.text), c.bytes) << std::wstring(c.text);

    const Cfg cfg = create(kPlotter);
    ASSERT_TRUE(cfg);
    const std::wstring text = customBin(*cfg, L"RawPrivateDeviceData");
    const wut::PrintData defaults(kPlotter);
    ASSERT_EQ(text.size(), 2u * defaults.GetPrivDataLen());
    EXPECT_EQ(text, plotcfg::toHexText(reinterpret_cast<const unsigned char*>(defaults.GetPrivData()),
                                       defaults.GetPrivDataLen()));
}

TEST_F(PlotCfg3PrintData, StalePrivateBytesAreDroppedAndTheDriverResolvesTheRest)
{
    const Cfg cfg = create(kPlotter);
    ASSERT_TRUE(cfg);
    ASSERT_TRUE(vspool::changePrinter(kPlotter, [](vspool::Printer& p) { p.privateBytes = 96; }));

    // The driver's own fresh bytes come back from resolving, not the 320 stored ones.
    wut::PrintData data;
    ASSERT_TRUE(cfg->toPrintData(data));
    const wut::PrintData defaults(kPlotter);
    ASSERT_EQ(data.GetPrivDataLen(), 96);
    EXPECT_EQ(std::string(data.GetPrivData(), 96), std::string(defaults.GetPrivData(), 96));

    // Bytes of the right size but a wrong length of text are refused, not guessed.
    ASSERT_TRUE(vspool::changePrinter(kPlotter, [](vspool::Printer& p) { p.privateBytes = 320; }));
    cfg->custom->setBin(L"00", L"RawPrivateDeviceData", false);
    wut::PrintData refused;
    EXPECT_FALSE(cfg->toPrintData(refused));
}

TEST_F(PlotCfg3PrintData, SetToDefaultReportsOnlyRealChanges)
{
    const Cfg cfg = create(kOffice);
    ASSERT_TRUE(cfg);
    EXPECT_FALSE(cfg->setToDefault());

    ASSERT_TRUE(vspool::changePrinter(kOffice, [](vspool::Printer& p) {
        p.defaults.copies = 3;
        p.defaults.orientation = DMORIENT_LANDSCAPE;
    }));
    const double width = cfg->media.size.mediaDescription.mediaBounds.urx;
    EXPECT_TRUE(cfg->setToDefault());
    EXPECT_EQ(cfg->media.numberOfCopies, 3);
    EXPECT_EQ(cfg->media.dmOrientation, 2);
    EXPECT_EQ(cfg->media.size.mediaDescription.mediaBounds.ury, width);
    EXPECT_FALSE(cfg->setToDefault());

    // A media type the configuration was created without has no entry to update.
    ASSERT_TRUE(vspool::changePrinter(kOffice, [](vspool::Printer& p) { p.defaults.mediaType = 2; }));
    EXPECT_FALSE(cfg->setToDefault());

    vspool::removePrinter(kOffice);
    EXPECT_FALSE(cfg->setToDefault());
}

TEST_F(PlotCfg3PrintData, FromPrintDataNeedsTheSamePrinterAndACustomSection)
{
    const Cfg cfg = create(kOffice);
    ASSERT_TRUE(cfg);
    wut::PrintData data(kOffice);
    bool changed = true;
    EXPECT_TRUE(cfg->fromPrintData(data, L"OFFICE colour mfp", false, changed));
    EXPECT_FALSE(changed);
    changed = true;
    EXPECT_FALSE(cfg->fromPrintData(data, kPlotter, false, changed));
    EXPECT_FALSE(changed);
    cfg->custom.reset();
    EXPECT_FALSE(cfg->fromPrintData(data, kOffice, false, changed));
    wut::PrintData out;
    EXPECT_FALSE(cfg->toPrintData(out));
}

TEST_F(PlotCfg3PrintData, PaperNameFromPrintData)
{
    const Cfg cfg = create(kOffice);
    ASSERT_TRUE(cfg);
    EXPECT_EQ(cfg->media.size.name, L"A4");
    bool changed = false;

    // Unknown to the database, with a size and no custom number: the generic custom paper.
    wut::PrintData custom(kOffice);
    custom.SetPaperId(wxPAPER_NONE);
    custom.SetPaperSize(wxSize(100, 150));
    wut::WindowsPrintNativeData::GetNativeData(custom)->SetCustomPaperId(0);
    EXPECT_TRUE(cfg->fromPrintData(custom, kOffice, false, changed));
    EXPECT_EQ(cfg->media.size.name, L"User256");
    EXPECT_TRUE(changed);

    wut::PrintData letter(kOffice);
    letter.setDmPaperSize(DMPAPER_LETTER, static_cast<const wxSize*>(nullptr));
    EXPECT_TRUE(cfg->fromPrintData(letter, kOffice, false, changed));
    EXPECT_EQ(cfg->media.size.name, L"Letter");

    // A standard paper this printer does not list cannot be named.
    wut::PrintData a2(kOffice);
    a2.setDmPaperSize(66, static_cast<const wxSize*>(nullptr));
    EXPECT_FALSE(cfg->fromPrintData(a2, kOffice, false, changed));
}

TEST_F(PlotCfg3PrintData, ToPrintDataSetsThePaperAsTheFieldMaskAllows)
{
    const Cfg cfg = create(kOffice);
    ASSERT_TRUE(cfg);
    cfg->media.size.name = L"a3";
    const struct {
        std::uint32_t fields;
        const wchar_t* form;
    } cases[] = {{0, L"A3"}, {DM_PAPERSIZE, L""}};
    for (const auto& c : cases) {
        cfg->dmFields = c.fields;
        wut::PrintData data;
        ASSERT_TRUE(cfg->toPrintData(data));
        short dmPaper = 0;
        EXPECT_TRUE(data.getDmPaperSize(dmPaper));
        EXPECT_EQ(dmPaper, 8 /* A3 */);
        EXPECT_EQ(wut::WindowsPrintNativeData::GetNativeData(data)->GetFormName(), c.form);
    }
    cfg->media.size.name = L"User300";
    cfg->dmFields = DM_PAPERSIZE;
    wut::PrintData data;
    ASSERT_TRUE(cfg->toPrintData(data));
    EXPECT_EQ(wut::WindowsPrintNativeData::GetNativeData(data)->GetCustomPaperId(), 300);
}

TEST_F(PlotCfg3PrintData, CollateDestinationAndColourDepth)
{
    const Cfg cfg = create(kOffice);
    ASSERT_TRUE(cfg);
    ASSERT_TRUE(cfg->media.destination);
    EXPECT_EQ(cfg->media.destination->name, L"Default");
    EXPECT_GE(cfg->resColorMem.colorDepth, 1);
    if (cfg->resColorMem.colorDepth < 31) {
        EXPECT_EQ(cfg->resColorMem.numColors, 1 << cfg->resColorMem.colorDepth);
    }
    EXPECT_EQ(cfg->resColorMem.dmColor, 2);
    EXPECT_EQ(cfg->resColorMem.linesOverwrite, std::optional<bool>(true));

    cfg->media.destination.reset();
    wut::PrintData data(kOffice);
    data.SetCollate(false);
    ASSERT_TRUE(cfg->toPrintData(data));
    EXPECT_TRUE(data.GetCollate());

    bool changed = false;
    data.SetCollate(false);
    ASSERT_TRUE(cfg->fromPrintData(data, kOffice, false, changed));
    EXPECT_TRUE(changed);
    ASSERT_TRUE(cfg->media.destination);
    EXPECT_EQ(cfg->media.destination->name, L"Default");
    EXPECT_EQ(cfg->media.destination->collatingType, 0);
}

TEST_F(PlotCfg3PrintData, ResolutionAndBoundsFromAPrinterDC)
{
    wut::PrintData data(kOffice);
    std::unique_ptr<wxPrinterDC> dc(data.createPrinterDC());
    ASSERT_TRUE(dc);
    const int ppi = dc->GetPPI().x;

    CResColorMemNode::CResolutionNode res;
    data.SetQuality(wxPRINT_QUALITY_HIGH);
    EXPECT_FALSE(res.set(data, nullptr));
    EXPECT_TRUE(res.set(data, dc.get()));
    EXPECT_EQ(res.name, L"DMRES_HIGH_None");
    EXPECT_EQ(res.physResolutionX, ppi);

    data.SetQuality(300);
    wut::WindowsPrintNativeData::GetNativeData(data)->SetYResolution(150);
    EXPECT_TRUE(res.set(data, nullptr));
    EXPECT_EQ(res.name, L"300x150_None");
    wut::PrintData out;
    res.get(out);
    EXPECT_EQ(out.GetQuality(), 300);
    EXPECT_EQ(wut::WindowsPrintNativeData::GetNativeData(out)->GetYResolution(), 150);

    CMediaNode media;
    EXPECT_FALSE(media.setBounds(static_cast<const wxPrinterDC*>(nullptr)));
    EXPECT_TRUE(media.emptyBounds());
    EXPECT_TRUE(media.setBounds(dc.get()));
    // The office printer's default paper is A4: the bounds are its size, not the DC's opinion.
    EXPECT_NEAR(media.size.mediaDescription.mediaBounds.urx, 210.0, 0.05);
    EXPECT_NEAR(media.size.mediaDescription.mediaBounds.ury, 297.0, 0.05);
    EXPECT_FALSE(media.setBounds(dc.get()));
}

} // namespace
