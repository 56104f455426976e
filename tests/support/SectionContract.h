// The reading and writing rules every section follows, checked table-driven: defaults written,
// required keys enforced one by one, optional keys leaving fields alone, write after read
// giving back the same items.
#pragma once
#include "SectionText.h"

#include <functional>
#include <string>
#include <vector>

namespace sectiontest {

struct SectionCase {
    std::string name;
    // Every key in write order with values that differ from the defaults.
    std::string fullText;
    // Top-level keys that a read may lack.
    std::vector<std::string> optionalKeys;
    // What a default section writes.
    Lines defaults;
    // Reads `second` into a section that read `first` before (when given); writes it to `written`.
    std::function<bool(const CPBlock* first, const CPBlock& second, std::wstring* fault, Lines& written)> run;
    std::function<Lines()> writeDefault;
};

template <class Node>
SectionCase sectionCase(std::string name, std::string fullText, std::vector<std::string> optionalKeys,
                        Lines defaults)
{
    SectionCase c;
    c.name = std::move(name);
    c.fullText = std::move(fullText);
    c.optionalKeys = std::move(optionalKeys);
    c.defaults = std::move(defaults);
    c.run = [](const CPBlock* first, const CPBlock& second, std::wstring* fault, Lines& written) {
        Node node;
        if (first)
            node.init(*first);
        const bool ok = node.init(second, fault);
        CPBlock out(L"");
        node.write(out);
        written = flatten(out);
        return ok;
    };
    c.writeDefault = [] {
        Node node;
        CPBlock out(L"");
        node.write(out);
        return flatten(out);
    };
    return c;
}

// Runs every check on one case; failures are reported through gtest.
void checkSection(const SectionCase& c);

} // namespace sectiontest
