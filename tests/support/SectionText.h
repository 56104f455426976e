// Test helpers for sections: item trees from payload text, and trees back to comparable lines.
#pragma once
#include "davaraz/pia/PIAParser.h"

#include <memory>
#include <string>
#include <vector>

namespace sectiontest {

using Lines = std::vector<std::string>;

// Parses payload text (the PIA grammar, UTF-8) through a temporary file; null when it does not
// parse. The parser owns the tree.
std::unique_ptr<CPIAParser> parseText(const std::string& text);

// The content of a file under the test data folder.
std::string dataFile(const std::string& relative);
// The text of one section case, plotcfg/sections/<name>.txt under the test data folder.
inline std::string sectionText(const std::string& name) { return dataFile("plotcfg/sections/" + name + ".txt"); }

// The first block child with this key, for sections parsed from text.
const CPBlock& child(const CPBlock& parent, const wchar_t* key);

// One line per item, in order, nested items prefixed by their block path:
// "size{", "size/name=\"A4", "size/group=0", "flag=TRUE", "data=\\0A\\".
Lines flatten(const CPBlock& block);

// Joins lines with "\n" (for failure messages and text comparisons).
std::string join(const Lines& lines);

// A tree as one text to compare whole.
inline std::string treeText(const CPBlock& block) { return join(flatten(block)); }

} // namespace sectiontest
