// Locating, loading, creating and saving plot model parameter documents.
#include "davaraz/plotmodel/PlotModelParam.h"
#include "davaraz/pia/PIAParser.h"
#include "davaraz/pia/SectionIo.h"
#include "platform/tvutils/FileName.h"


namespace {

// Points file at the first folder that holds a file of its name.
bool findInFolders(ut::FileName& file, const OdArray<OdString>& folders)
{
    for (unsigned i = 0; i < folders.size(); ++i) {
        file.setPath(folders[i]);
        if (file.exists(8191))
            return true;
    }
    return false;
}

} // namespace

OdArray<OdString> PlotModelParam::candidateFolders(const OdArray<OdString>& alternatives)
{
    // Alternatives are expected to end with a separator: "PMP" is appended directly.
    const OdString pmp = OdString(L"PMP/");
    OdArray<OdString> folders;
    for (unsigned i = 0; i < alternatives.size(); ++i) {
        const OdString& alt = alternatives[i];
        if (!alt.isEmpty())
            folders.push_back(alt);
        folders.push_back(alt + pmp);
    }
    return folders;
}

PlotModelParam* PlotModelParam::read(const wchar_t* path, const OdArray<OdString>& alternatives,
                                     pia::ReadResult* result)
{
    pia::ReadResult r;
    std::unique_ptr<PlotModelParam> doc;
    ut::FileName file{OdString(path ? path : L"")};
    if (!path || !*path) {
        r.status = pia::ReadStatus::noPath;
    } else if (!file.exists(8191) && !findInFolders(file, candidateFolders(alternatives))) {
        r.status = pia::ReadStatus::container;
        r.code = pia::kFileError;
    } else {
        const OdString fullPath = file.getFullPath();
        r = pia::readDocument(fullPath.c_str(), [&doc](CPIAParser& parser, pia::ReadResult& fault) {
            doc.reset(new PlotModelParam);
            return doc->init(parser, &fault);
        });
        if (r) {
            doc->m_path = fullPath;
            doc->meta.userDefinedModelPathname = fullPath.str();
        }
    }
    if (result)
        *result = r;
    return r ? doc.release() : nullptr;
}

bool PlotModelParam::init(CPIAParser& parser, pia::ReadResult* result)
{
    const CPBlock* root = parser.root();
    if (!root)
        return false;
    std::wstring fault;
    const section::Reader r(*root, result ? &fault : nullptr);
    if (!r.node(L"meta", meta) || !r.node(L"mod", mod) || !r.node(L"udm", udm)) {
        if (result)
            result->refuse(fault);
        return false;
    }
    if (const CPBlock* b = r.block(L"hidden")) {
        auto h = std::make_unique<HiddenNode>();
        if (h->init(*b))
            hidden = std::move(h);
    }
    return true;
}

std::vector<pia::SectionState> PlotModelParam::inspectSections(const CPBlock& root)
{
    section::Inspector c;
    c.section<CMetaNode>(&root, L"", L"meta", true);
    c.section<ModNode>(&root, L"", L"mod", true);
    c.section<UdmNode>(&root, L"", L"udm", true);
    c.section<HiddenNode>(&root, L"", L"hidden", false);
    const CPBlock* hidden = c.block(c.block(&root, L"hidden"), L"media");
    c.partial<HiddenNode::MediaNode::SizeNode>(hidden, L"hidden/media/size", L"size");
    return std::move(c).states();
}

PlotModelParam* PlotModelParam::create(const CMetaNode& source)
{
    auto* doc = new PlotModelParam;
    doc->meta = source;
    doc->meta.configDescription.clear();
    doc->meta.configAutospool.reset();
    return doc;
}

bool PlotModelParam::writeToBlock(CPBlock& root)
{
    using section::putNode;
    return putNode(root, L"meta", meta) && putNode(root, L"mod", mod) && putNode(root, L"udm", udm) &&
           (!hidden || putNode(root, L"hidden", *hidden));
}

bool PlotModelParam::write(const wchar_t* path, pia::WriteResult* result)
{
    CPRoot tree;
    CPBlock& root = tree.block();
    if (path && !writeToBlock(root)) {
        if (result)
            *result = {pia::WriteStatus::content};
        return false;
    }
    if (!pia::writeDocument(root, PIA_PC3, path, result))
        return false;
    m_path = path;
    return true;
}
