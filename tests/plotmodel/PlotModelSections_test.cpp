// Key rules of the plot model parameter sections, one table row per section class, and the
// paper lists that keep entries read only in part.
#include "davaraz/plotmodel/PlotModelSections.h"
#include "support/SectionContract.h"

#include <gtest/gtest.h>

using sectiontest::sectionCase;
using HiddenSizes = HiddenNode::MediaNode::SizeNode;

TEST(PlotModelSections, FollowTheKeyRules)
{
    const sectiontest::SectionCase cases[] = {
        sectionCase<ModNode::MediaNode>("mod media", sectiontest::sectionText("mod_media"), {},
                                        {"abilities=\"", "caps_state=\"", "ui_owner=\"", "size_max_x=0.000000",
                                         "size_max_y=0.000000"}),
        sectionCase<ModNode>("mod", sectiontest::sectionText("mod"), {},
                             {"media{", "media/abilities=\"", "media/caps_state=\"", "media/ui_owner=\"",
                              "media/size_max_x=0.000000", "media/size_max_y=0.000000"}),
        sectionCase<UdmNode::CalibrationNode>("calibration", sectiontest::sectionText("calibration"),
            {}, {"_x=1.000000", "_y=1.000000"}),
        sectionCase<UdmNode>("udm", sectiontest::sectionText("udm"),
            {}, {"calibration{", "calibration/_x=1.000000", "calibration/_y=1.000000"}),
        sectionCase<HiddenSizes::PaperSize>("hidden paper", sectiontest::sectionText("hidden_paper"), {},
                                            {"caps_type=4", "name=\"", "localized_name=\"",
                                             "media_description_name=\"", "media_group=0", "landscape_mode=FALSE"}),
        sectionCase<HiddenNode::MediaNode>("hidden media", sectiontest::sectionText("hidden_media"),
            {"default_size"}, {"size{"}),
        sectionCase<HiddenNode>("hidden", sectiontest::sectionText("hidden"), {}, {"media{", "media/size{"}),
    };
    for (const auto& c : cases)
        sectiontest::checkSection(c);
}

TEST(PlotModelSections, HiddenPapersKeepPartialEntriesAndRenumber)
{
    const auto tree = sectiontest::parseText(R"(5{
 caps_type=3
 name="first
 localized_name="First
 media_description_name="m1
 media_group=2
 landscape_mode=TRUE
}
note=1
x{
 caps_type=9
 name="second
}
)");
    ASSERT_TRUE(tree);
    HiddenSizes sizes;
    std::wstring fault;
    EXPECT_TRUE(sizes.init(*tree->root(), &fault));
    EXPECT_EQ(fault, L"x/localized_name");
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[1].name, L"second");
    EXPECT_EQ(sizes[1].mediaGroup, 0);

    CPBlock out(L"");
    ASSERT_TRUE(sizes.write(out));
    const sectiontest::Lines lines = sectiontest::flatten(out);
    EXPECT_EQ(lines[1], "0/caps_type=3");
    EXPECT_EQ(lines[8], "1/caps_type=9");
    EXPECT_EQ(lines[10], "1/localized_name=\"");
}
