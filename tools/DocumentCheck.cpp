// The section report of the info command: the documents say how each section reads.
#include "Command.h"
#include "DocumentCheck.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/plotmodel/PlotModelParam.h"

#include <cstdio>
#include <strings.h>

namespace cli {
namespace {

std::string stateText(const pia::SectionState& s)
{
    switch (s.state) {
    case pia::SectionState::reads:
        return "reads";
    case pia::SectionState::missing:
        return "missing";
    case pia::SectionState::fails:
        return "fails at key \"" + narrow(s.key) + "\"" + (s.required ? "" : " (dropped when read)");
    case pia::SectionState::partial:
        break;
    }
    return "entry read in part, from key \"" + narrow(s.key) + "\" on defaults";
}

} // namespace

int documentKind(const std::string& path)
{
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return 0;
    const std::string ext = path.substr(dot + 1);
    if (strcasecmp(ext.c_str(), "pc3") == 0)
        return 1;
    if (strcasecmp(ext.c_str(), "pmp") == 0)
        return 2;
    return 0;
}

std::string checkSections(int kind, const CPBlock& root)
{
    const std::vector<pia::SectionState> states =
        kind == 1 ? CPlotCfg3::inspectSections(root) : PlotModelParam::inspectSections(root);
    std::string firstFault;
    for (const pia::SectionState& s : states) {
        const std::string name = narrow(s.name);
        const std::string state = stateText(s);
        std::printf("section %s: %s\n", name.c_str(), state.c_str());
        if (s.required && firstFault.empty() && s.state != pia::SectionState::reads)
            firstFault = "section " + name + (s.state == pia::SectionState::missing ? " is missing" : " " + state);
    }
    return firstFault;
}

} // namespace cli
