// What the plotter configuration commands share.
#pragma once
#include "Command.h"
#include "davaraz/plotcfg/PlotCfg3.h"

#include <memory>

namespace cli {

// The meta section as the file has it, before read repairs the device or replaces a
// configuration that follows the default printer; defaults when it does not read.
CMetaNode fileMeta(const std::string& path);
bool followsDefaultPrinter(const CMetaNode& meta);
// The configuration read from path, or null with the reason printed; changed tells whether the
// device was re-resolved by its driver.
std::unique_ptr<CPlotCfg3> loadPc3(const std::string& path, bool& changed);

// pc3 set FILE KEY=VALUE...
int runPc3Set(const Args& args);

} // namespace cli
