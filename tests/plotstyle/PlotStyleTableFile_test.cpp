// CPlotStyleTable files: what the tool does not show (the file forms: the plotstyle session;
// what the reader takes and refuses: the plotstyle-read session).
#include "PiaBytes.h"
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

// The payload of a table of 255 styles in ACI mode without an "aci_table" block.
std::string identityTableText()
{
    std::string t = "description=\"\naci_table_available=TRUE\nscale_factor=1.0\napply_factor=FALSE\n"
                    "custom_lineweight_display_units=0\nplot_style{\n";
    for (int i = 0; i < 255; ++i) {
        const std::string k = std::to_string(i);
        t += " " + k + "{\n  name=\"S_" + k + "\n  localized_name=\"S " + k + "\n  description=\"\n  color=-1\n"
             "  color_policy=1\n  physical_pen_number=0\n  virtual_pen_number=0\n  screen=100\n"
             "  linepattern_size=0.5\n  linetype=31\n  adaptive_linetype=TRUE\n  lineweight=0\n  fill_style=73\n"
             "  end_style=4\n  join_style=5\n }\n";
    }
    return t + "}\n";
}

// Without an "aci_table" block the mapping is the identity and is written back without one (the
// mapping's rules: the plotstyle-read session).
TEST(PlotStyleTableFile, IdentityMappingIsWrittenBackWithoutABlock)
{
    TempDir dir;
    writeBytes(dir.path("t.ctb"), pack(identityTableText(), "CTB"));
    Table t(CPlotStyleTable::read(dir.path("t.ctb").wstring().c_str()));
    ASSERT_TRUE(t);
    ASSERT_TRUE(t->write(dir.path("back.ctb").wstring().c_str()));
    const std::string payload = payloadOf(dir.path("back.ctb").wstring());
    EXPECT_NE(std::string::npos, payload.find("aci_table_available=TRUE\n"));
    EXPECT_EQ(std::string::npos, payload.find("aci_table{"));
}

} // namespace
