// Locating, loading, creating and saving plot model parameter documents.
#include "davaraz/plotmodel/PlotModelParam.h"
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAParser.h"
#include "davaraz/pia/SectionIo.h"
#include "platform/tvutils/FileName.h"

#include <wx/filename.h>

PlotModelParam::PlotModelParam(const PlotModelParam& o)
    : meta(o.meta),
      mod(o.mod),
      udm(o.udm),
      hidden(o.hidden ? std::make_unique<HiddenNode>(*o.hidden) : nullptr),
      m_path(o.m_path)
{
}

PlotModelParam& PlotModelParam::operator=(const PlotModelParam& o)
{
    if (this != &o) {
        PlotModelParam copy(o);
        *this = std::move(copy);
    }
    return *this;
}

OdArray<OdString> PlotModelParam::candidateFolders(const OdArray<OdString>& alternatives)
{
    // Alternatives are expected to end with a separator: "PMP" is appended directly.
    const OdString pmp = OdString(L"PMP") + static_cast<wchar_t>(wxFileName::GetPathSeparator());
    OdArray<OdString> folders;
    for (unsigned i = 0; i < alternatives.size(); ++i) {
        const OdString& alt = alternatives[i];
        if (!alt.isEmpty())
            folders.push_back(alt);
        folders.push_back(alt + pmp);
    }
    return folders;
}

PlotModelParam* PlotModelParam::read(const wchar_t* path, const OdArray<OdString>& alternatives)
{
    if (!path || !*path)
        return nullptr;
    ut::FileName file{OdString(path)};
    if (!file.exists(8191)) {
        if (alternatives.empty())
            return nullptr;
        const OdArray<OdString> folders = candidateFolders(alternatives);
        bool found = false;
        for (unsigned i = 0; i < folders.size() && !found; ++i) {
            file.setPath(folders[i]);
            found = file.exists(8191);
        }
        if (!found)
            return nullptr;
    }

    const OdString fullPath = file.getFullPath();
    CPIAParser parser;
    if (parser.open(fullPath.c_str()) != 0)
        return nullptr;
    const bool parsed = parser.parse();
    parser.file().close(); // deletes the temporary text file
    if (!parsed)
        return nullptr;
    std::unique_ptr<PlotModelParam> doc(new PlotModelParam);
    if (!doc->init(parser))
        return nullptr;
    doc->m_path = fullPath;
    doc->meta.userDefinedModelPathname = fullPath.str();
    return doc.release();
}

bool PlotModelParam::init(CPIAParser& parser)
{
    const CPBlock* root = parser.root();
    if (!root)
        return false;
    const section::Reader r(*root, nullptr);
    if (!r.node(L"meta", meta) || !r.node(L"mod", mod) || !r.node(L"udm", udm))
        return false;
    if (const CPBlock* b = r.block(L"hidden")) {
        auto h = std::make_unique<HiddenNode>();
        if (h->init(*b))
            hidden = std::move(h);
    }
    return true;
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

bool PlotModelParam::write(const wchar_t* path)
{
    if (!path)
        return false;
    CPBlock root(nullptr);
    if (!writeToBlock(root))
        return false;
    CPIAFileOut out;
    out.setKind(PIA_PC3);
    if (!out.write(&root, path))
        return false;
    m_path = path;
    return true;
}
