// CPlotStyleTable files: the file form it writes (checked by inflating the file with zlib here),
// and what the reader accepts and refuses.
#include "PiaBytes.h"
#include "TableText.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <gtest/gtest.h>
#include <memory>

using namespace piatest;

namespace {

using Table = std::unique_ptr<CPlotStyleTable>;

std::string payloadOf(const std::wstring& path)
{
    bool ok = false;
    const std::string text = payload(readBytes(path), &ok);
    EXPECT_TRUE(ok);
    return text;
}

// What `ctb new` and `stb new` make and write is recorded by the plotstyle session; here what
// the tool does not show.
TEST(PlotStyleTableFile, CreateAndWriteWhatTheToolDoesNotShow)
{
    Table t(CPlotStyleTable::create(true, nullptr));
    EXPECT_TRUE(t->hasACI());
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(t->style(i), t->ACI()->at(i)) << i;
    Table named(CPlotStyleTable::create(false, L"ignored"));
    EXPECT_EQ(nullptr, named->ACI());
    // Any extension other than .ctb gets the STB header.
    TempDir dir;
    ASSERT_TRUE(named->write(dir.path("n.txt").wstring().c_str()));
    EXPECT_EQ(0, readBytes(dir.path("n.txt")).compare(19, 3, "STB"));
    EXPECT_FALSE(named->write(nullptr));
}

// One coloured style gives every style a mode colour; every line follows the grammar, block
// lines nest with one space of indentation per level.
TEST(PlotStyleTableFile, ColouredTableFileForm)
{
    TempDir dir;
    Table t(CPlotStyleTable::create(true, nullptr));
    t->style(100)->updateColor(0x123456);
    ASSERT_TRUE(t->write(dir.path("a.ctb").wstring().c_str()));
    const std::string payload = payloadOf(dir.path("a.ctb").wstring());
    size_t count = 0;
    int depth = 0;
    for (const std::string& l : lines(payload)) {
        count += l.rfind("  mode_color=", 0) == 0;
        const size_t key = l.find_first_not_of(' ');
        ASSERT_NE(std::string::npos, key) << "blank line";
        if (l.substr(key) == "}") {
            EXPECT_EQ(static_cast<size_t>(--depth), key);
            continue;
        }
        const size_t sign = l.find_first_of("={");
        ASSERT_NE(std::string::npos, sign) << l;
        EXPECT_EQ(std::string::npos, l.substr(key, sign - key).find(' ')) << l;
        EXPECT_EQ(static_cast<size_t>(depth), key) << l;
        depth += l[sign] == '{';
    }
    EXPECT_EQ(0, depth);
    EXPECT_EQ('\n', payload.back());
    EXPECT_EQ(std::string::npos, payload.find('\r'));
    EXPECT_EQ(255u, count);
    EXPECT_NE(std::string::npos, payload.find("  color=" + std::to_string(int(0xC34C3900)) + "\n  mode_color=" +
                                              std::to_string(int(0xC2123456)) + "\n"));

    // A policy other than 1 alone is enough.
    Table n(CPlotStyleTable::create(false, nullptr));
    n->style(0)->setGrayScale(true);
    ASSERT_TRUE(n->write(dir.path("b.stb").wstring().c_str()));
    EXPECT_NE(std::string::npos, payloadOf(dir.path("b.stb").wstring()).find("  mode_color=-1\n"));
}

Table readText(const TempDir& dir, const std::string& text, std::wstring* why = nullptr)
{
    writeBytes(dir.path("t.ctb"), pack(text, "CTB"));
    pia::ReadResult result;
    Table t(CPlotStyleTable::read(dir.path("t.ctb").wstring().c_str(), &result));
    if (why)
        *why = result.description();
    return t;
}

TEST(PlotStyleTableFile, StyleKeysPlaceStyles)
{
    TempDir dir;
    std::string text = tableText(2, false, false);
    // Swap the two style blocks: keys 1 then 0.
    const size_t s0 = findLine(text, "0{"), s1 = findLine(text, "1{"), end = findLine(text, "custom_lineweight_table{");
    const std::string first = text.substr(s0, s1 - s0), second = text.substr(s1, end - 2 - s1);
    text = text.substr(0, s0) + second + first + text.substr(end - 2);
    Table t = readText(dir, text);
    ASSERT_TRUE(t);
    EXPECT_STREQ(L"S_0", t->style(0)->name());
    EXPECT_EQ(100, t->style(0)->screen());
    EXPECT_STREQ(L"S_1", t->style(1)->name());

    struct {
        const char* from;
        const char* to;
    } const notPermutations[] = {{" 1{", " 2{"}, {" 1{", " 00{"}, {" 1{", " -1{"}, {" 1{", " x{"}};
    for (const auto& c : notPermutations) {
        std::string bad = tableText(2, false, false);
        bad.replace(bad.find(c.from), std::string(c.from).size(), c.to);
        std::wstring why;
        EXPECT_FALSE(readText(dir, bad, &why)) << c.to;
        EXPECT_NE(std::wstring::npos, why.find(L"plot_style/")) << c.to;
    }
}

// Without an "aci_table" block the mapping is the identity (and is written back without one);
// with one, entries name styles ignoring case.
TEST(PlotStyleTableFile, AciMappingFromTheFile)
{
    TempDir dir;
    Table t = readText(dir, tableText(255, true, false));
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->useACI());
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(t->style(i), t->ACI()->at(i));
    ASSERT_TRUE(t->write(dir.path("back.ctb").wstring().c_str()));
    const std::string payload = payloadOf(dir.path("back.ctb").wstring());
    EXPECT_NE(std::string::npos, payload.find("aci_table_available=TRUE\n"));
    EXPECT_EQ(std::string::npos, payload.find("aci_table{"));

    const std::string text = replaceLine(tableText(3, true, true), "4=", " 4=\"s_2");
    t = readText(dir, text);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->style(0), t->ACI()->at(0));
    EXPECT_EQ(t->style(2), t->ACI()->at(4));
    EXPECT_EQ(t->style(0), t->ACI()->at(255 - 3)); // 252 % 3
    // A named table (.stb) with a mapping in the file gets the mapping in force too.
    writeBytes(dir.path("t.stb"), pack(text, "STB"));
    Table s(CPlotStyleTable::read(dir.path("t.stb").wstring().c_str()));
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->useACI());
}

TEST(PlotStyleTableFile, OptionalKeys)
{
    TempDir dir;
    Table t = readText(dir, replaceLine(tableText(2, false, false), "custom_lineweight_display_units=",
                                        "custom_lineweight_display_units=abc"));
    ASSERT_TRUE(t);
    EXPECT_EQ(0, t->customLineweightDisplayUnits());
    t = readText(dir, replaceLine(tableText(2, false, false), "custom_lineweight_display_units=",
                                  "custom_lineweight_display_units=1"));
    ASSERT_TRUE(t);
    EXPECT_EQ(1, t->customLineweightDisplayUnits());
    t = readText(dir, replaceLine(tableText(2, false, false), "custom_lineweight_table{"));
    ASSERT_TRUE(t);
    EXPECT_EQ(2.11, t->customLineweights().at(26)); // the defaults stay
    // Unknown keys are ignored.
    t = readText(dir, "future_key=7\n" + tableText(2, false, false));
    ASSERT_TRUE(t);
    // A line weight key used twice ("025" is 25): the later value wins.
    t = readText(dir, replaceLine(tableText(1, false, false), "26=0.25", " 025=1.5"));
    ASSERT_TRUE(t);
    EXPECT_EQ(1.5, t->customLineweights().at(25));
    EXPECT_EQ(2.11, t->customLineweights().at(26));
}

// Every refusal yields null, names what it met first, and leaves no temporary file behind.
TEST(PlotStyleTableFile, BadInputIsRefused)
{
    const TempDir files; // its tmp folder is TMPDIR

    const std::string ok = tableText(3, false, false);
    const std::string ctb = tableText(3, true, true);
    struct {
        std::string text;
        const wchar_t* mentions;
    } const cases[] = {
        {replaceLine(ok, "description="), L"\"description\""},
        {replaceLine(ok, "aci_table_available="), L"\"aci_table_available\""},
        {replaceLine(ok, "scale_factor="), L"\"scale_factor\""},
        {replaceLine(ok, "apply_factor="), L"\"apply_factor\""},
        {replaceLine(ok, "plot_style{"), L"\"plot_style\""},
        {replaceLine(ok, "screen="), L"\"screen\""},
        {replaceLine(ok, "adaptive_linetype="), L"\"adaptive_linetype\""},
        {replaceLine(ok, "description=", "description=5"), L"\"description\""},
        {replaceLine(ok, "scale_factor=", "scale_factor=one"), L"\"scale_factor\""},
        {replaceLine(ok, "apply_factor=", "apply_factor=0"), L"\"apply_factor\""},
        {replaceLine(ok, "plot_style{", "plot_style=1"), L"\"plot_style\""},
        {replaceLine(ok, "color=", "  color=\"-1"), L"\"color\""},
        {replaceLine(ok, "linepattern_size=", "  linepattern_size=TRUE"), L"\"linepattern_size\""},
        {replaceLine(ok, "0{", " 0=1"), L"plot_style/0"},
        {tableText(3, true, true, 254), L"254 entries"},
        {replaceLine(ctb, "7=", " 7=\"S_9"), L"aci_table/7"},
        {replaceLine(ctb, "7=", " 255=\"S_0"), L"aci_table/255"},
        {replaceLine(ctb, "7=", " 6=\"S_0"), L"parse"}, // the same key twice fails the parse
        {replaceLine(ctb, "8=", " 07=\"S_0"), L"aci_table/07"},
        {replaceLine(ctb, "7=", " 7=3"), L"aci_table/7"},
        {tableText(3, true, false), L"255"},
        {replaceLine(ok, "26=0.25"), L"26 entries"},
        {replaceLine(ok, "26=0.25", " 26=wide"), L"custom_lineweight_table/26"},
        {replaceLine(ok, "26=0.25", " 27=1.0"), L"custom_lineweight_table/27"},
        {replaceLine(ok, "26=0.25", " 26=\"1.0"), L"custom_lineweight_table/26"},
        {"", L"description"},
        {"a b=1\n", L"parse"},
    };
    for (const auto& c : cases) {
        std::wstring why;
        EXPECT_FALSE(readText(files, c.text, &why)) << std::string(c.mentions, c.mentions + wcslen(c.mentions));
        EXPECT_NE(std::wstring::npos, why.find(c.mentions)) << std::string(why.begin(), why.end());
    }
    // Successful and failed writes clean up after themselves too.
    Table good(CPlotStyleTable::create(true, nullptr));
    EXPECT_TRUE(good->write(files.path("good.ctb").wstring().c_str()));
    EXPECT_TRUE(Table(CPlotStyleTable::read(files.path("good.ctb").wstring().c_str())));
    EXPECT_FALSE(good->write(files.path("no/such/folder.ctb").wstring().c_str()));
    EXPECT_EQ(0u, files.tempCount());
}

} // namespace
