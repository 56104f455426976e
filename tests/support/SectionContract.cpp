// The shared section checks: the text of a case is split into top-level entries, which are
// dropped or retyped one at a time.
#include "SectionContract.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace sectiontest {
namespace {

struct Entry {
    std::string key;
    char kind; // 'b' block, 's' string, 'f' flag, 'n' number
    std::vector<std::string> lines;
};

std::vector<Entry> entries(const std::string& text)
{
    std::vector<Entry> out;
    std::size_t pos = 0;
    bool inBlock = false;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty())
            continue;
        if (inBlock) {
            out.back().lines.push_back(line);
            inBlock = line != "}";
            continue;
        }
        Entry e;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            e.key = line.substr(0, line.find('{'));
            e.kind = 'b';
            inBlock = true;
        } else {
            e.key = line.substr(0, eq);
            const std::string v = line.substr(eq + 1);
            e.kind = v[0] == '"' ? 's' : (v == "TRUE" || v == "FALSE") ? 'f' : 'n';
        }
        e.lines.push_back(line);
        out.push_back(e);
    }
    return out;
}

std::string compose(const std::vector<Entry>& list, std::size_t skip, const std::string& replacement,
                    const std::vector<std::string>& dropKeys = {})
{
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (std::find(dropKeys.begin(), dropKeys.end(), list[i].key) != dropKeys.end())
            continue;
        if (i == skip) {
            text += replacement;
            continue;
        }
        for (const auto& l : list[i].lines)
            text += l + "\n";
    }
    return text;
}

bool isOptional(const SectionCase& c, const std::string& key)
{
    return std::find(c.optionalKeys.begin(), c.optionalKeys.end(), key) != c.optionalKeys.end();
}

// Another kind for the same key, so that a look-up by key and kind misses it.
std::string retyped(const Entry& e)
{
    return e.key + (e.kind == 's' ? "=7\n" : "=\"7\n");
}

} // namespace

void checkSection(const SectionCase& c)
{
    SCOPED_TRACE(c.name);
    EXPECT_EQ(join(c.writeDefault()), join(c.defaults)) << "default section";

    const auto full = parseText(c.fullText);
    ASSERT_TRUE(full) << "case text does not parse";
    const Lines fullLines = flatten(*full->root());
    Lines written;
    std::wstring fault;
    ASSERT_TRUE(c.run(nullptr, *full->root(), &fault, written)) << "full text";
    EXPECT_EQ(join(written), join(fullLines)) << "write after read";
    EXPECT_TRUE(fault.empty()) << "a fault reported by a read that succeeded";

    const std::vector<Entry> list = entries(c.fullText);
    const auto required = parseText(compose(list, list.size(), "", c.optionalKeys));
    ASSERT_TRUE(required);
    EXPECT_TRUE(c.run(nullptr, *required->root(), &fault, written)) << "required keys only";
    EXPECT_TRUE(fault.empty()) << "absent optional keys reported as faults";

    for (std::size_t i = 0; i < list.size(); ++i) {
        const Entry& e = list[i];
        SCOPED_TRACE(e.key);
        if (isOptional(c, e.key)) {
            // Absent or of another kind: the field keeps what the earlier read gave it, and that
            // value is not the default (otherwise this would prove nothing).
            std::vector<std::string> absent = {std::string(), retyped(e)};
            if (e.kind == 'n')
                absent.push_back(e.key + "=x1\n");
            for (const std::string& replacement : absent) {
                const auto without = parseText(compose(list, i, replacement));
                ASSERT_TRUE(without);
                EXPECT_TRUE(c.run(full->root(), *without->root(), nullptr, written));
                EXPECT_EQ(join(written), join(fullLines)) << "optional key changed its field";
            }
            const auto fresh = parseText(compose(list, i, ""));
            c.run(nullptr, *fresh->root(), nullptr, written);
            EXPECT_NE(join(written), join(fullLines)) << "optional value in the case equals the default";
            continue;
        }
        std::vector<std::string> broken = {"", retyped(e)};
        if (e.kind == 'n')
            broken.push_back(e.key + "=x1\n");
        for (const std::string& replacement : broken) {
            const auto text = compose(list, i, replacement);
            const auto bad = parseText(text);
            ASSERT_TRUE(bad) << text;
            fault.clear();
            EXPECT_FALSE(c.run(nullptr, *bad->root(), &fault, written)) << text;
            EXPECT_EQ(fault.substr(0, e.key.size()), std::wstring(e.key.begin(), e.key.end())) << text;
        }
    }
}

} // namespace sectiontest
