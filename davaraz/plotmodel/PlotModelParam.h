// The plot model parameter document (PMP file): the model-specific part of a plotter
// configuration, found beside the configuration or in alternative folders.
#pragma once
#include "davaraz/pia/Document.h"
#include "davaraz/plotmodel/MetaNode.h"
#include "davaraz/plotmodel/PlotModelSections.h"
#include "platform/od/OdArray.h"
#include "platform/od/OdString.h"
#include "platform/tvutils/DeepPtr.h"

#include <memory>

class CPIAParser;

class PlotModelParam {
public:
    PlotModelParam() = default;
    // Copies own a duplicate of the hidden section.
    PlotModelParam(const PlotModelParam& other) = default;
    PlotModelParam(PlotModelParam&&) noexcept = default;
    PlotModelParam& operator=(const PlotModelParam& other) = default;
    PlotModelParam& operator=(PlotModelParam&&) noexcept = default;
    ~PlotModelParam() = default;

    // Loads the file at path or, when it does not exist, the file of the same name in the
    // first alternative folder (or its "PMP" subfolder) that has one. Null when none is found
    // or the file does not load, and then result says why; the caller owns the document.
    static PlotModelParam* read(const wchar_t* path, const OdArray<OdString>& alternatives,
                                pia::ReadResult* result = nullptr);
    // A new document carrying the given meta section, without its description and autospool
    // flag; the caller owns it.
    static PlotModelParam* create(const CMetaNode& meta);
    // Saves the document; on success path() becomes the given path. result, when given, tells
    // how it went.
    bool write(const wchar_t* path, pia::WriteResult* result = nullptr);

    // The candidate folders searched for a missing file, in search order.
    static OdArray<OdString> candidateFolders(const OdArray<OdString>& alternatives);
    // How each section of a parsed document reads, in reading order, optional ones too.
    static std::vector<pia::SectionState> inspectSections(const CPBlock& root);

    const OdString& path() const { return m_path; }

    CMetaNode meta;
    ModNode mod;
    UdmNode udm;
    ut::DeepPtr<HiddenNode> hidden; // absent: no "hidden" block

private:
    bool init(CPIAParser& parser, pia::ReadResult* result = nullptr);
    bool writeToBlock(CPBlock& root);

    OdString m_path;
};
