// Reading and writing plotter configuration documents, and their plot model parameters.
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/gui/Log.h"
#include "davaraz/pia/PIAParser.h"
#include "davaraz/pia/SectionIo.h"
#include "davaraz/print/Printers.h"
#include "platform/tvutils/FileName.h"

CPlotCfg3::~CPlotCfg3()
{
    // The custom section goes before the PMP; the sections follow in reverse order.
    custom.reset();
    pmp.reset();
}

CPlotCfg3* CPlotCfg3::read(const wchar_t* path, bool& changed, pia::ReadResult* result)
{
    std::unique_ptr<CPlotCfg3> doc;
    bool resolved = false;
    pia::ReadResult r = pia::readDocument(path, [&](CPIAParser& parser, pia::ReadResult& fault) {
        doc.reset(new CPlotCfg3);
        return doc->init(parser, resolved, &fault);
    });
    if (r && !doc->pdfExport && doc->meta.defaultSystemCfg.value_or(false)) {
        // Such a file stands for whatever printer is the default now.
        resolved = false;
        doc.reset();
        const OdString printer = wut::getDefaultSystemPrinter(true);
        doc.reset(create(printer.c_str()));
        if (!doc) {
            wut::logError(wut::translate(L"Failed to create plot configuration for default printer %ls.").wc_str(),
                          printer.c_str());
            r.refuse(std::wstring(), printer.isEmpty() ? std::wstring(L"no configuration can be made: there is no printer")
                                                        : L"no configuration can be made for the default printer " +
                                                              printer.str());
        }
    }
    if (result)
        *result = r;
    if (!r)
        return nullptr;
    changed = resolved;
    // The PMP usually travels with its configuration, so the file's own folder is searched too.
    OdArray<OdString> altPaths;
    altPaths.push_back(ut::FileName(OdString(path)).getPath(ut::kPathWithSeparator));
    doc->attachPMPwithAltPaths(altPaths);
    return doc.release();
}

bool CPlotCfg3::init(CPIAParser& parser, bool& changed, pia::ReadResult* result)
{
    const CPBlock* root = parser.root();
    if (!root)
        return false;
    std::wstring fault;
    const section::Reader r(*root, result ? &fault : nullptr);
    if (!r.node(L"meta", meta) || !r.node(L"media", media) || !r.node(L"io", io) ||
        !r.node(L"res_color_mem", resColorMem)) {
        if (result)
            result->refuse(fault);
        return false;
    }
    if (const CPBlock* block = r.block(L"custom")) {
        custom = std::make_unique<CCustomNode>();
        if (!custom->init(*block))
            custom.reset();
    }
    checkIfPdfExport();
    changed = pdfExport ? false : resolvePrinterByDriver();
    return true;
}

bool CPlotCfg3::write(const wchar_t* path, pia::WriteResult* result) const
{
    CPRoot tree;
    CPBlock& root = tree.block();
    if (path && !writeToBlock(root)) {
        if (result)
            *result = {pia::WriteStatus::content};
        return false;
    }
    return pia::writeDocument(root, PIA_PC3, path, result);
}

bool CPlotCfg3::writeToBlock(CPBlock& root) const
{
    using section::putNode;
    return putNode(root, L"meta", meta) && putNode(root, L"media", media) && putNode(root, L"io", io) &&
           putNode(root, L"res_color_mem", resColorMem) && (!custom || putNode(root, L"custom", *custom));
}

bool CPlotCfg3::doAttachPMP(const OdString& path, const OdArray<OdString>& altPaths)
{
    pmp.reset(PlotModelParam::read(path.c_str(), altPaths));
    if (!pmp)
        return false;
    // Where the file was actually found, so that the next read looks there first.
    meta.userDefinedModelPathname = pmp->meta.userDefinedModelPathname;
    return true;
}

bool CPlotCfg3::attachPMP(const OdString& path)
{
    detachPMP();
    return doAttachPMP(path, OdArray<OdString>());
}

bool CPlotCfg3::attachPMPwithAltPaths(const OdArray<OdString>& altPaths)
{
    if (pmp)
        return true;
    if (meta.userDefinedModelPathname.empty())
        return false;
    return doAttachPMP(OdString(meta.userDefinedModelPathname), altPaths);
}

void CPlotCfg3::detachPMP()
{
    pmp.reset();
    meta.userDefinedModelPathname.clear();
}
