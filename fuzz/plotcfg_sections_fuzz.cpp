// Fuzzes the configuration section readers: payload text parsed, each section read from its
// block, written, and read back; a second write must equal the first.
#include "FuzzInput.h"
#include "davaraz/pia/PIAParser.h"
#include "davaraz/plotcfg/CustomNode.h"
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/MetaNode.h"
#include "davaraz/plotcfg/ResColorMemNode.h"

#include <cstdlib>

namespace {

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    if (!input.ok())
        return 0;
    CPIAParser parser;
    if (parser.openText(input.path()) != 0 || !parser.parse())
        return 0;
    const CPBlock& root = *parser.root();
    check<CMetaNode>(root, L"meta");
    check<CMediaNode>(root, L"media");
    check<CIoNode>(root, L"io");
    check<CResColorMemNode>(root, L"res_color_mem");
    check<CCustomNode>(root, L"custom");
    return 0;
}
