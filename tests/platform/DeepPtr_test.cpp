// The owning holder of optional document parts: copies are deep and independent, assignment
// replaces (or drops) what the target held, moves hand the part over.
#include "platform/tvutils/DeepPtr.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using Part = ut::DeepPtr<std::string>;

TEST(DeepPtr, CopiesAreDeepAndAssignmentReplaces)
{
    Part a = std::make_unique<std::string>("tray");
    Part b(a);
    ASSERT_TRUE(b);
    EXPECT_NE(a.get(), b.get());
    *b = "other";
    EXPECT_EQ(*a, "tray");

    Part c = std::make_unique<std::string>("held");
    c = Part(); // an absent part is copied as absent
    EXPECT_FALSE(c);
    c = b;
    EXPECT_EQ(*c, "other");
    c = static_cast<const Part&>(c);
    EXPECT_EQ(*c, "other");

    std::string* const held = c.get();
    const Part moved(std::move(c));
    EXPECT_EQ(moved.get(), held);
    EXPECT_FALSE(c); // NOLINT(bugprone-use-after-move): a moved-from part is absent
}

} // namespace
