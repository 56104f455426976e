// ctb2stb of a table the tool cannot make (grouping, naming, the mapping, what is copied and
// the refusals: the plotstyle session).
#include "davaraz/plotstyle/Ctb2Stb.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Table = std::unique_ptr<CPlotStyleTable>;

// A named table and one of 256 styles are refused in the plotstyle session; a named table with
// a mapping that is not in force is still no colour-dependent table.
TEST(Ctb2Stb, NamedTableWithAMappingNotInForceIsRefused)
{
    Table named(CPlotStyleTable::create(false, nullptr));
    std::array<int, 255> zeros{};
    named->addACI(zeros.data());
    EXPECT_EQ(nullptr, ctb2stb(*named, nullptr));
}

} // namespace
