// The paper lists of PrinterPapers: loaded once on the first search, searched by name (case
// ignored) and by number, and read by index without loading.
#include "PaperFixture.h"
#include "davaraz/print/PrinterPapers.h"
#include "platform/od/OdError.h"

namespace {

using PrinterPaperLists = PaperTest;

const wchar_t* const kPlotter = L"Large Format Plotter";

TEST_F(PrinterPaperLists, SearchesLoadOnceAndFindTheFirstMatch)
{
    PrinterPapers papers(kPlotter);
    EXPECT_FALSE(papers.isLoaded());
    const std::vector<vspool::Paper> expected = papersOf(kPlotter);
    for (unsigned i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(papers.findPaperById(expected[i].id), static_cast<int>(i));
        EXPECT_EQ(papers.findPaperByName(expected[i].name.c_str()), static_cast<int>(i));
        EXPECT_EQ(papers.paperName(i), expected[i].name);
    }
    EXPECT_TRUE(papers.isLoaded());
    EXPECT_EQ(papers.paperNames().size(), expected.size());
    EXPECT_EQ(driverQueries(), 4u) << "numbers and names, each a count and a fetch";
    EXPECT_EQ(papers.findPaperByName(L"iso a1 (594.00 X 841.00 mm)"), 3);
    EXPECT_EQ(papers.findPaperByName(L"A1"), -1);
    EXPECT_EQ(papers.findPaperByName(nullptr), -1);
    EXPECT_EQ(papers.findPaperById(70), -1);
    EXPECT_EQ(driverQueries(), 4u);
}

TEST_F(PrinterPaperLists, DuplicateNamesAndNumbersGiveTheFirst)
{
    vspool::changePrinter(kPlotter, [](vspool::Printer& p) {
        p.papers = {{9, L"A4", 2100, 2970, {}}, {300, L"Sheet", 100, 100, {}}, {9, L"sheet", 2100, 2970, {}}};
    });
    PrinterPapers papers(kPlotter);
    EXPECT_EQ(papers.findPaperById(9), 0);
    EXPECT_EQ(papers.findPaperByName(L"SHEET"), 1);
}

TEST_F(PrinterPaperLists, PaperNameDoesNotLoadAndChecksItsIndex)
{
    PrinterPapers papers(kPlotter);
    EXPECT_THROW(papers.paperName(0), OdError_InvalidIndex);
    papers.loadPapers();
    const unsigned count = static_cast<unsigned>(papersOf(kPlotter).size());
    EXPECT_NO_THROW(papers.paperName(count - 1));
    EXPECT_THROW(papers.paperName(count), OdError_InvalidIndex);
}

TEST_F(PrinterPaperLists, FailedLoadIsTriedAgainAndUnknownPrintersHaveNoPapers)
{
    vspool::changePrinter(kPlotter, [](vspool::Printer& p) { p.papers.clear(); });
    PrinterPapers papers(kPlotter);
    EXPECT_EQ(papers.findPaperById(9), -1);
    EXPECT_FALSE(papers.isLoaded());
    EXPECT_TRUE(papers.paperNumbers().isEmpty());
    vspool::changePrinter(kPlotter, [](vspool::Printer& p) { p.papers = {{9, L"A4", 2100, 2970, {}}}; });
    EXPECT_EQ(papers.findPaperById(9), 0);
    EXPECT_TRUE(papers.isLoaded());

    PrinterPapers nobody(L"Nobody");
    EXPECT_FALSE(nobody.isValid());
    EXPECT_EQ(nobody.findPaperByName(L"A4"), -1);
    EXPECT_EQ(nobody.findPaperById(9), -1);
    EXPECT_FALSE(nobody.isLoaded());
}

} // namespace
