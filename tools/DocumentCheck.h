// The section report of the info command for plotter configurations and plot model parameters.
#pragma once
#include "davaraz/pia/PItem.h"

#include <string>

namespace cli {

// Which document a path names by its extension: 1 .pc3, 2 .pmp, 0 neither (letter case ignored).
int documentKind(const std::string& path);

// Prints one line per section of the document kind ("section NAME: ..."), naming a missing
// section or the first key at which a section fails to read. Returns the first fault of a
// required section ("section io is missing"), or an empty string when the document reads.
std::string checkSections(int kind, const CPBlock& root);

} // namespace cli
