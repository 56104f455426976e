// Paper and tray numbers of the CUPS driver: Windows numbers where they exist, driver numbers
// that do not depend on the rest of the list, names that do not depend on the locale.
#ifdef DAVARAZ_TEST_CUPS
#include "platform/cups/CupsOptions.h"
#include "platform/cups/CupsPapers.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using cupsspool::Medium;

Medium medium(const char* pwg, int width, int length, int margin = 0)
{
    return {pwg, width, length, margin, margin, margin, margin};
}

TEST(PwgPapers, NumbersNamesSizesAndMargins)
{
    const std::vector<Medium> media = {
        medium("om_almost-a4_209.5x297.5mm", 20950, 29750), // A4 by size, but the named A4 wins
        {"iso_a4_210x297mm", 21000, 29700, 340, 102, 340, 1168},
        medium("na_arch-d_24x36in", 60960, 91440),
        medium("iso_a6_105x148mm_borderless", 10500, 14800),
        medium("iso_a6_105x148mm", 10500, 14800),
        medium("om_letterish_217x279mm", 21700, 27940), // 1.1 mm wider than Letter
        medium("na_legal_8.5x14in", 21590, 35560),
        medium("na_legal_8.5x14in", 21590, 35560),
        medium("jis_b10_32x45mm", 3200, 4500),
    };
    std::vector<std::string> pwg;
    const std::vector<win32::spool::Paper> papers = cupsspool::papersOf(media, &pwg);
    ASSERT_EQ(papers.size(), 8u) << "Legal is listed twice";
    ASSERT_EQ(pwg.size(), papers.size());
    EXPECT_EQ(pwg[1], "iso_a4_210x297mm");

    const win32::spool::Paper& a4 = papers[1];
    EXPECT_EQ(a4.id, 9);
    EXPECT_EQ(a4.height, 2970);
    EXPECT_EQ(a4.margins.top, 11) << "1.02 mm rounds outwards";

    struct Expected {
        std::size_t index;
        int id; // 0: a driver number
        const wchar_t* name;
    };
    const Expected expected[] = {
        {0, 0, L"Almost A4"}, {2, 0, L"Arch D"}, {3, 0, L"A6 (Borderless)"}, {4, 70, L"A6"},
        {5, 0, L"Letterish"}, {6, 5, L"Legal"},  {7, 0, L"B10 (JIS)"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(pwg[e.index]);
        EXPECT_EQ(papers[e.index].name, e.name);
        if (e.id) {
            EXPECT_EQ(papers[e.index].id, e.id);
        } else {
            EXPECT_GE(papers[e.index].id, 257);
            EXPECT_LE(papers[e.index].id, 0x7fff);
        }
    }
    std::set<WORD> ids;
    for (const auto& p : papers)
        EXPECT_TRUE(ids.insert(p.id).second) << "number " << p.id << " twice";

    // A driver number belongs to the medium, not to its place in the list.
    const auto alone = cupsspool::papersOf({media[2]}, nullptr);
    EXPECT_EQ(alone.at(0).id, papers[2].id);
}

TEST(PwgPapers, TraysByKeyword)
{
    const auto bins = cupsspool::binsOf(
        {"auto", "main", "manual", "by-pass-tray", "tray-1", "roll-1", "a-very-long-tray-name-indeed-here"});
    const std::vector<std::pair<WORD, std::wstring>> expected = {
        {7, L"Auto"},         {1, L"Main"},   {4, L"Manual"},
        {256, L"By pass tray"}, {257, L"Tray 1"}, {258, L"Roll 1"},
        {259, L"A very long tray name in"},
    };
    ASSERT_EQ(bins.size(), expected.size());
    for (std::size_t i = 0; i < bins.size(); ++i) {
        EXPECT_EQ(bins[i].id, expected[i].first);
        EXPECT_EQ(bins[i].name, expected[i].second);
    }
}

// The driver's own options: a record of this printer's (its name's case aside), each value
// the destination does not take replaced by its default.
TEST(DriverOptionsRecord, RoundTripTagAndValidation)
{
    using cupsspool::DriverOptions;
    const DriverOptions asked{4, 4, true, "fit", "face-up"};
    const std::vector<BYTE> record = cupsspool::encodeOptions("Office_Colour", asked);
    DriverOptions got;
    ASSERT_TRUE(cupsspool::decodeOptions("office_colour", record.data(), record.size(), got));
    EXPECT_TRUE(got == asked);
    EXPECT_FALSE(cupsspool::decodeOptions("Draft_Mono", record.data(), record.size(), got));
    EXPECT_FALSE(cupsspool::decodeOptions("Office_Colour", record.data(), record.size() - 1, got));
    const DriverOptions tooLong{1, 3, false, std::string(26, 'x'), "face-up"};
    const std::vector<BYTE> cut = cupsspool::encodeOptions("P", tooLong);
    ASSERT_TRUE(cupsspool::decodeOptions("P", cut.data(), cut.size(), got));
    EXPECT_EQ(got.scaling, "") << "a keyword the record cannot hold is the printer's choice";
    EXPECT_EQ(got.outputBin, "face-up");

    cupsspool::OptionChoices choices;
    choices.numberUp = {1, 2, 4};
    choices.finishings = {3};
    choices.scaling = {"auto", "fit"};
    choices.outputBins = {"face-down"};
    choices.defaults = {1, 3, false, "auto", "face-down"};
    const DriverOptions v = cupsspool::validated(asked, choices);
    EXPECT_EQ(v.numberUp, 4);
    EXPECT_EQ(v.finishings, 3);
    EXPECT_FALSE(v.borderless) << "no medium without margins";
    EXPECT_EQ(v.scaling, "fit");
    EXPECT_EQ(v.outputBin, "face-down");
}

} // namespace
#endif
