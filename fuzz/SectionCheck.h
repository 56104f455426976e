// Shared by the section fuzzers: a section read from its block must write, read back over a
// copy, and write the same tree again.
#pragma once
#include "davaraz/pia/PItem.h"

#include <cstdlib>
#include <string>

namespace fuzzsection {


bool sameTree(const CPBlock& a, const CPBlock& b)
{
    if (a.count() != b.count())
        return false;
    for (int i = 0; i < a.count(); ++i) {
        const CPItem* x = a.item(i);
        const CPItem* y = b.item(i);
        if (x->kind() != y->kind() || x->name() != y->name())
            return false;
        if (x->kind() == PI_BLOCK && !sameTree(static_cast<const CPBlock&>(*x), static_cast<const CPBlock&>(*y)))
            return false;
    }
    return true;
}

template <class Node>
void check(const CPBlock& root, const wchar_t* key)
{
    const CPItem* item = root.find(key, PI_BLOCK);
    if (!item)
        return;
    Node node;
    std::wstring fault;
    if (!node.init(static_cast<const CPBlock&>(*item), &fault)) {
        if (fault.empty())
            std::abort(); // a failed read must name its key
        return;
    }
    CPBlock first(key);
    node.write(first);
    // Read over a copy: keys written only when they differ from a "not set" value (preference 0,
    // ism_max -1) are absent from the block and read back as the defaults of a fresh section.
    Node again(node);
    if (!again.init(first))
        std::abort();
    CPBlock second(key);
    again.write(second);
    if (!sameTree(first, second))
        std::abort();
}

} // namespace fuzzsection
