// Reads each section of a parsed .pc3 or .pmp tree the way the document readers do and says
// which one fails and at which key.
#include "Command.h"
#include "DocumentCheck.h"
#include "davaraz/plotcfg/CustomNode.h"
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "davaraz/plotmodel/MetaNode.h"
#include "davaraz/plotmodel/PlotModelSections.h"

#include <cstdio>
#include <strings.h>

namespace cli {
namespace {

struct Checker {
    std::string firstFault;

    void report(const std::string& name, const std::string& state, bool required)
    {
        std::printf("section %s: %s\n", name.c_str(), state.c_str());
        if (required && firstFault.empty() && state != "reads")
            firstFault = "section " + name + (state == "missing" ? " is missing" : " " + state);
    }

    // A section read with its init; "reads", "missing" or "fails at key K".
    template <class Node>
    void section(const CPBlock* parent, const std::string& path, const wchar_t* key, bool required)
    {
        const std::string name = path.empty() ? narrow(key) : path + "/" + narrow(key);
        const CPItem* item = parent ? parent->find(key, PI_BLOCK) : nullptr;
        if (!item) {
            if (required)
                report(name, "missing", true);
            return;
        }
        Node node;
        std::wstring fault;
        if (node.init(static_cast<const CPBlock&>(*item), &fault))
            report(name, "reads", required);
        else
            report(name, "fails at key \"" + narrow(fault) + "\"" + (required ? "" : " (dropped when read)"),
                   required);
    }

    // Lists whose entries are kept even when they read only in part.
    template <class Node>
    void partial(const CPBlock* parent, const std::string& name, const wchar_t* key)
    {
        const CPItem* item = parent ? parent->find(key, PI_BLOCK) : nullptr;
        if (!item)
            return;
        Node node;
        std::wstring fault;
        node.init(static_cast<const CPBlock&>(*item), &fault);
        if (!fault.empty())
            report(name, "entry read in part, from key \"" + narrow(fault) + "\" on defaults", false);
    }

    const CPBlock* block(const CPBlock* parent, const wchar_t* key) const
    {
        return parent ? static_cast<const CPBlock*>(parent->find(key, PI_BLOCK)) : nullptr;
    }
};

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
    Checker c;
    c.section<CMetaNode>(&root, "", L"meta", true);
    if (kind == 1) {
        c.section<CMediaNode>(&root, "", L"media", true);
        const CPBlock* media = c.block(&root, L"media");
        c.section<CMediaNode::CDestinationNode>(media, "media", L"destination", false);
        c.partial<CMediaNode::CustomPapersNode>(media, "media/custom_papers", L"custom_papers");
        c.section<CIoNode>(&root, "", L"io", true);
        c.section<CResColorMemNode>(&root, "", L"res_color_mem", true);
        c.section<CCustomNode>(&root, "", L"custom", false);
    } else {
        c.section<ModNode>(&root, "", L"mod", true);
        c.section<UdmNode>(&root, "", L"udm", true);
        c.section<HiddenNode>(&root, "", L"hidden", false);
        const CPBlock* hidden = c.block(c.block(&root, L"hidden"), L"media");
        c.partial<HiddenNode::MediaNode::SizeNode>(hidden, "hidden/media/size", L"size");
    }
    return c.firstFault;
}

} // namespace cli
