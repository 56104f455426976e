// Key rules of the plot model parameter sections, one table row per section class, and the
// paper lists that keep entries read only in part.
#include "davaraz/plotmodel/PlotModelSections.h"
#include "support/SectionContract.h"

#include <gtest/gtest.h>

using testutil::sectionCase;
using HiddenSizes = HiddenNode::MediaNode::SizeNode;

namespace {

const char kModMedia[] = R"(abilities="500005500500505555000005550000
caps_state="000000000000000000000000000000
ui_owner="11111111111111111111
size_max_x=914.400000
size_max_y=15240.000000
)";

const char kMod[] = R"(media{
 abilities="5
 caps_state="0
 ui_owner="1
 size_max_x=1.500000
 size_max_y=2.500000
}
)";

const char kCalibration[] = R"(_x=0.998000
_y=1.002000
)";

const char kUdm[] = R"(calibration{
 _x=0.500000
 _y=2.000000
}
)";

const char kHiddenPaper[] = R"(caps_type=2
name="oversize_A0
localized_name="Oversize A0
media_description_name="om0
media_group=15
landscape_mode=TRUE
)";

const char kHiddenMedia[] = R"(default_size="ISO_A4
size{
 0{
  caps_type=4
  name="A
  localized_name="A
  media_description_name="d
  media_group=1
  landscape_mode=FALSE
 }
}
)";

const char kHidden[] = R"(media{
 size{
 }
}
)";

} // namespace

TEST(PlotModelSections, FollowTheKeyRules)
{
    const testutil::SectionCase cases[] = {
        sectionCase<ModNode::MediaNode>("mod media", kModMedia, {},
                                        {"abilities=\"", "caps_state=\"", "ui_owner=\"", "size_max_x=0.000000",
                                         "size_max_y=0.000000"}),
        sectionCase<ModNode>("mod", kMod, {},
                             {"media{", "media/abilities=\"", "media/caps_state=\"", "media/ui_owner=\"",
                              "media/size_max_x=0.000000", "media/size_max_y=0.000000"}),
        sectionCase<UdmNode::CalibrationNode>("calibration", kCalibration, {}, {"_x=1.000000", "_y=1.000000"}),
        sectionCase<UdmNode>("udm", kUdm, {}, {"calibration{", "calibration/_x=1.000000", "calibration/_y=1.000000"}),
        sectionCase<HiddenSizes::PaperSize>("hidden paper", kHiddenPaper, {},
                                            {"caps_type=4", "name=\"", "localized_name=\"",
                                             "media_description_name=\"", "media_group=0", "landscape_mode=FALSE"}),
        sectionCase<HiddenNode::MediaNode>("hidden media", kHiddenMedia, {"default_size"}, {"size{"}),
        sectionCase<HiddenNode>("hidden", kHidden, {}, {"media{", "media/size{"}),
    };
    for (const auto& c : cases)
        testutil::checkSection(c);
}

TEST(PlotModelSections, HiddenPapersKeepPartialEntriesAndRenumber)
{
    const auto tree = testutil::parseText(R"(5{
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
    EXPECT_EQ(sizes[1].capsType, 9);
    EXPECT_EQ(sizes[1].name, L"second");
    EXPECT_EQ(sizes[1].mediaGroup, 0);

    CPBlock out(L"");
    ASSERT_TRUE(sizes.write(out));
    const testutil::Lines lines = testutil::flatten(out);
    EXPECT_EQ(lines[0], "0{");
    EXPECT_EQ(lines[1], "0/caps_type=3");
    EXPECT_EQ(lines[7], "1{");
    EXPECT_EQ(lines[8], "1/caps_type=9");
    EXPECT_EQ(lines[10], "1/localized_name=\"");
}
