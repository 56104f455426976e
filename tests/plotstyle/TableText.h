// Payload texts of plot style tables for the reader tests, and line edits on them.
#pragma once
#include <string>

namespace piatest {

// A table of n styles "S_0" .. named like their positions; with aciBlock an "aci_table" of
// `aciEntries` entries, entry i naming style i % n.
inline std::string tableText(int n, bool aciAvailable, bool aciBlock, int aciEntries = 255)
{
    std::string t = "description=\"test table\naci_table_available=";
    t += aciAvailable ? "TRUE\n" : "FALSE\n";
    t += "scale_factor=1.000000\napply_factor=FALSE\ncustom_lineweight_display_units=0\n";
    if (aciBlock) {
        t += "aci_table{\n";
        for (int i = 0; i < aciEntries; ++i)
            t += " " + std::to_string(i) + "=\"S_" + std::to_string(i % n) + "\n";
        t += "}\n";
    }
    t += "plot_style{\n";
    for (int i = 0; i < n; ++i) {
        const std::string k = std::to_string(i);
        t += " " + k + "{\n  name=\"S_" + k + "\n  localized_name=\"S " + k + "\n  description=\"\n  color=-1\n"
             "  color_policy=1\n  physical_pen_number=0\n  virtual_pen_number=0\n  screen=" + std::to_string(100 - i) +
             "\n  linepattern_size=0.500000\n  linetype=31\n  adaptive_linetype=TRUE\n  lineweight=0\n"
             "  fill_style=73\n  end_style=4\n  join_style=5\n }\n";
    }
    t += "}\ncustom_lineweight_table{\n";
    for (int i = 0; i < 27; ++i)
        t += " " + std::to_string(i) + "=0.250000\n";
    return t + "}\n";
}

// Start of the first line whose text after the indentation begins with `head`, or npos.
inline size_t findLine(const std::string& t, const std::string& head)
{
    for (size_t pos = 0; pos < t.size();) {
        const size_t start = t.find_first_not_of(' ', pos);
        if (start != std::string::npos && t.compare(start, head.size(), head) == 0)
            return pos;
        const size_t nl = t.find('\n', pos);
        if (nl == std::string::npos)
            break;
        pos = nl + 1;
    }
    return std::string::npos;
}

// Replaces the first line beginning with `head` (a block line: the whole block) by `with`.
inline std::string replaceLine(std::string t, const std::string& head, const std::string& with = "")
{
    const size_t at = findLine(t, head);
    if (at == std::string::npos)
        return t;
    size_t end = t.find('\n', at) + 1;
    if (head.back() == '{') {
        for (int depth = 1; depth > 0 && end < t.size();) {
            const size_t nl = t.find('\n', end);
            const std::string line = t.substr(end, nl - end);
            if (line.find('{') != std::string::npos)
                ++depth;
            else if (line.find('}') != std::string::npos && line.find('=') == std::string::npos)
                --depth;
            end = nl + 1;
        }
    }
    return t.replace(at, end - at, with.empty() ? "" : with + "\n");
}

} // namespace piatest
