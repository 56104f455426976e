// Key rules of the configuration sections, one table row per section class.
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "davaraz/plotmodel/MetaNode.h"
#include "support/SectionContract.h"

#include <gtest/gtest.h>

using sectiontest::sectionCase;
using CSizeNode = CMediaNode::CSizeNode;
using CDescription = CSizeNode::CMediaDescriptionNode;

namespace {

const sectiontest::Lines kDefaultDescription = {
    "printable_bounds_llx=0.000000", "printable_bounds_lly=0.000000", "printable_bounds_urx=0.000000",
    "printable_bounds_ury=0.000000", "printable_area=0.000000",       "dimensional=TRUE",
    "media_bounds{",                 "media_bounds/urx=0.000000",     "media_bounds/ury=0.000000"};

sectiontest::Lines prefixed(const std::string& prefix, const sectiontest::Lines& lines)
{
    sectiontest::Lines out;
    for (const auto& l : lines)
        out.push_back(prefix + l);
    return out;
}

sectiontest::Lines concat(sectiontest::Lines a, const sectiontest::Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(ConfigurationSections, FollowTheKeyRules)
{
    const sectiontest::Lines defaultSize = concat({"name=\"", "group=0", "landscape_mode=FALSE", "media_description{"},
                                               prefixed("media_description/", kDefaultDescription));
    const sectiontest::SectionCase cases[] = {
        sectionCase<CMetaNode>(
            "meta", sectiontest::sectionText("meta"),
            {"win_device_name", "win_driver_name", "short_net_name", "friendly_net_name", "dm_driver_version",
             "default_system_cfg", "platform", "locale", "config_description", "config_autospool"},
            {"user_defined_model_pathname=\"", "user_defined_model_basename=\"", "driver_pathname=\"",
             "driver_version=\"", "driver_tag_line=\"", "toolkit_version=0", "driver_type=0",
             "canonical_family_name=\"", "show_custom_first=FALSE", "truetype_as_text=TRUE",
             "canonical_model_name=\"", "localized_family_name=\"", "localized_model_name=\"", "file_only=FALSE",
             "model_abilities=\"", "udm_description=\"", "short_net_name=\"", "friendly_net_name=\""}),
        sectionCase<CIoNode>("io", sectiontest::sectionText("io"), {},
                             {"type=2", "pathname=\"", "allsysvalid=FALSE", "plot_to_file=FALSE"}),
        sectionCase<CResColorMemNode::CResolutionNode>(
            "resolution", sectiontest::sectionText("resolution"), {"phys_resolution_x", "phys_resolution_y"},
            {"name=\"", "phys_resolution_x=1.0", "phys_resolution_y=1.0", "addr_resolution_x=1.0",
             "addr_resolution_y=1.0", "effective_resolution_x=1.0", "effective_resolution_y=1.0"}),
        sectionCase<CResColorMemNode>(
            "res_color_mem", sectiontest::sectionText("res_color_mem"),
            {"icm_method", "icm_intent", "ism_max", "ole_max", "hard_soft", "preference", "lines_overwrite",
             "color_mono"},
            {"name=\"", "num_colors=256", "color_depth=8", "num_undithered_colors=256", "color_system=0",
             "dm_color=1", "ism_max=6", "ole_max=6", "preference=50", "resolution{", "resolution/name=\"",
             "resolution/phys_resolution_x=1.0", "resolution/phys_resolution_y=1.0",
             "resolution/addr_resolution_x=1.0", "resolution/addr_resolution_y=1.0",
             "resolution/effective_resolution_x=1.0", "resolution/effective_resolution_y=1.0"}),
        sectionCase<CDescription::CMediaBoundsNode>("media_bounds", sectiontest::sectionText("media_bounds"),
            {}, {"urx=0.000000", "ury=0.000000"}),
        sectionCase<CDescription>("media_description", sectiontest::sectionText("media_description"),
            {}, kDefaultDescription),
        sectionCase<CSizeNode>("size", sectiontest::sectionText("size"), {"longplot_reduction", "dm_scale"}, defaultSize),
        sectionCase<CMediaNode::CDestinationNode>("destination", sectiontest::sectionText("destination"), {},
                                                  {"name=\"", "collating_type=0", "collating_name=\""}),
        sectionCase<CMediaNode::CustomPapersNode::PaperSize>(
            "custom paper", sectiontest::sectionText("custom_paper"), {},
            {"global_name=\"", "local_name=\"", "units=1", "width=0.00000000", "height=0.00000000",
             "left=0.00000000", "bottom=0.00000000", "right=0.00000000", "top=0.00000000"}),
        sectionCase<CMediaNode>(
            "media", sectiontest::sectionText("media"), {},
            concat({"selection_method=2", "type=\"", "dm_orientation=1", "actual_printable_bounds_llx=0.000000",
                    "actual_printable_bounds_lly=0.000000", "actual_printable_bounds_urx=0.000000",
                    "actual_printable_bounds_ury=0.000000", "number_of_copies=1", "size{"},
                   prefixed("size/", defaultSize))),
    };
    for (const auto& c : cases)
        sectiontest::checkSection(c);
}
