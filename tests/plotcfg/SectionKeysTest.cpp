// Key rules of the configuration sections, one table row per section class.
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/MetaNode.h"
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "support/SectionContract.h"

#include <gtest/gtest.h>

using testutil::sectionCase;
using CSizeNode = CMediaNode::CSizeNode;
using CDescription = CSizeNode::CMediaDescriptionNode;

namespace {

const char kMeta[] = R"(user_defined_model_pathname="/plot/udm.pmp
user_defined_model_basename="udm
driver_pathname="gdiplot7.hdi
driver_version="not specified
driver_tag_line="Windows System Driver from Zoruzoze
toolkit_version=1
driver_type=1
canonical_family_name="System
show_custom_first=TRUE
truetype_as_text=FALSE
canonical_model_name="System
localized_family_name="System
localized_model_name="Laser 5
file_only=TRUE
model_abilities="500005500500505555000005550000
udm_description="model
win_device_name="Laser 5 on port
win_driver_name="Laser Driver
short_net_name="Laser 5 on port
friendly_net_name="Laser five
dm_driver_version=1539
default_system_cfg=FALSE
platform="Linux
locale="de_DE
config_description="Office laser
config_autospool=TRUE
)";

const char kIo[] = R"(type=3
pathname="/out/plot.prn
allsysvalid=TRUE
plot_to_file=TRUE
)";

const char kResolution[] = R"(name="600x600_None
phys_resolution_x=600.0
phys_resolution_y=300.0
addr_resolution_x=601.0
addr_resolution_y=302.0
effective_resolution_x=603.0
effective_resolution_y=304.0
)";

const char kResColorMem[] = R"(name="Colour
num_colors=16777216
color_depth=24
num_undithered_colors=65536
color_system=2
dm_color=2
icm_method=1
icm_intent=3
ism_max=-2
ole_max=9
hard_soft=1
preference=-1
lines_overwrite=FALSE
color_mono=TRUE
resolution{
 name="DMRES_HIGH_Plain
 phys_resolution_x=720.0
 phys_resolution_y=720.0
 addr_resolution_x=720.0
 addr_resolution_y=720.0
 effective_resolution_x=720.0
 effective_resolution_y=720.0
}
)";

const char kBounds[] = R"(urx=210.000000
ury=297.000000
)";

const char kDescription[] = R"(printable_bounds_llx=4.500000
printable_bounds_lly=5.500000
printable_bounds_urx=205.500000
printable_bounds_ury=291.500000
printable_area=58000.250000
dimensional=FALSE
media_bounds{
 urx=210.000000
 ury=297.000000
}
)";

const char kSize[] = R"(name="ISO_A4_(210.00_x_297.00_MM)
group=2
landscape_mode=TRUE
longplot_reduction=-0.500000
dm_scale=99
media_description{
 printable_bounds_llx=4.500000
 printable_bounds_lly=5.500000
 printable_bounds_urx=205.500000
 printable_bounds_ury=291.500000
 printable_area=58000.250000
 dimensional=TRUE
 media_bounds{
  urx=210.000000
  ury=297.000000
 }
}
)";

const char kDestination[] = R"(name="Tray 2
collating_type=1
collating_name="Regular
)";

const char kPaper[] = R"(global_name="Banner
local_name="Banner 8.5 in
units=0
width=8.50000000
height=36.00000000
left=0.25000000
bottom=0.50000000
right=0.25000000
top=0.75000000
)";

// The media section without its optional parts; those are covered by the whole-file test.
const char kMedia[] = R"(selection_method=1
type="Plain
dm_orientation=2
actual_printable_bounds_llx=4.500000
actual_printable_bounds_lly=5.500000
actual_printable_bounds_urx=205.500000
actual_printable_bounds_ury=291.500000
number_of_copies=3
size{
 name="A4
 group=0
 landscape_mode=FALSE
 media_description{
  printable_bounds_llx=1.000000
  printable_bounds_lly=2.000000
  printable_bounds_urx=3.000000
  printable_bounds_ury=4.000000
  printable_area=5.000000
  dimensional=TRUE
  media_bounds{
   urx=6.000000
   ury=7.000000
  }
 }
}
)";

const testutil::Lines kDefaultDescription = {
    "printable_bounds_llx=0.000000", "printable_bounds_lly=0.000000", "printable_bounds_urx=0.000000",
    "printable_bounds_ury=0.000000", "printable_area=0.000000",       "dimensional=TRUE",
    "media_bounds{",                 "media_bounds/urx=0.000000",     "media_bounds/ury=0.000000"};

testutil::Lines prefixed(const std::string& prefix, const testutil::Lines& lines)
{
    testutil::Lines out;
    for (const auto& l : lines)
        out.push_back(prefix + l);
    return out;
}

testutil::Lines concat(testutil::Lines a, const testutil::Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(ConfigurationSections, FollowTheKeyRules)
{
    const testutil::Lines defaultSize = concat({"name=\"", "group=0", "landscape_mode=FALSE", "media_description{"},
                                               prefixed("media_description/", kDefaultDescription));
    const testutil::SectionCase cases[] = {
        sectionCase<CMetaNode>(
            "meta", kMeta,
            {"win_device_name", "win_driver_name", "short_net_name", "friendly_net_name", "dm_driver_version",
             "default_system_cfg", "platform", "locale", "config_description", "config_autospool"},
            {"user_defined_model_pathname=\"", "user_defined_model_basename=\"", "driver_pathname=\"",
             "driver_version=\"", "driver_tag_line=\"", "toolkit_version=0", "driver_type=0",
             "canonical_family_name=\"", "show_custom_first=FALSE", "truetype_as_text=TRUE",
             "canonical_model_name=\"", "localized_family_name=\"", "localized_model_name=\"", "file_only=FALSE",
             "model_abilities=\"", "udm_description=\"", "short_net_name=\"", "friendly_net_name=\""}),
        sectionCase<CIoNode>("io", kIo, {},
                             {"type=2", "pathname=\"", "allsysvalid=FALSE", "plot_to_file=FALSE"}),
        sectionCase<CResColorMemNode::CResolutionNode>(
            "resolution", kResolution, {"phys_resolution_x", "phys_resolution_y"},
            {"name=\"", "phys_resolution_x=1.0", "phys_resolution_y=1.0", "addr_resolution_x=1.0",
             "addr_resolution_y=1.0", "effective_resolution_x=1.0", "effective_resolution_y=1.0"}),
        sectionCase<CResColorMemNode>(
            "res_color_mem", kResColorMem,
            {"icm_method", "icm_intent", "ism_max", "ole_max", "hard_soft", "preference", "lines_overwrite",
             "color_mono"},
            {"name=\"", "num_colors=256", "color_depth=8", "num_undithered_colors=256", "color_system=0",
             "dm_color=1", "ism_max=6", "ole_max=6", "preference=50", "resolution{", "resolution/name=\"",
             "resolution/phys_resolution_x=1.0", "resolution/phys_resolution_y=1.0",
             "resolution/addr_resolution_x=1.0", "resolution/addr_resolution_y=1.0",
             "resolution/effective_resolution_x=1.0", "resolution/effective_resolution_y=1.0"}),
        sectionCase<CDescription::CMediaBoundsNode>("media_bounds", kBounds, {}, {"urx=0.000000", "ury=0.000000"}),
        sectionCase<CDescription>("media_description", kDescription, {}, kDefaultDescription),
        sectionCase<CSizeNode>("size", kSize, {"longplot_reduction", "dm_scale"}, defaultSize),
        sectionCase<CMediaNode::CDestinationNode>("destination", kDestination, {},
                                                  {"name=\"", "collating_type=0", "collating_name=\""}),
        sectionCase<CMediaNode::CustomPapersNode::PaperSize>(
            "custom paper", kPaper, {},
            {"global_name=\"", "local_name=\"", "units=1", "width=0.00000000", "height=0.00000000",
             "left=0.00000000", "bottom=0.00000000", "right=0.00000000", "top=0.00000000"}),
        sectionCase<CMediaNode>(
            "media", kMedia, {},
            concat({"selection_method=2", "type=\"", "dm_orientation=1", "actual_printable_bounds_llx=0.000000",
                    "actual_printable_bounds_lly=0.000000", "actual_printable_bounds_urx=0.000000",
                    "actual_printable_bounds_ury=0.000000", "number_of_copies=1", "size{"},
                   prefixed("size/", defaultSize))),
    };
    for (const auto& c : cases)
        testutil::checkSection(c);
}
