// The plotter configuration document (PC3 file): four required sections, the optional custom
// section and the plot model parameters attached from the PMP file it names.
#pragma once
#include "davaraz/pia/Document.h"
#include "davaraz/plotcfg/CustomNode.h"
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "davaraz/plotmodel/MetaNode.h"
#include "davaraz/plotmodel/PlotModelParam.h"
#include "platform/od/OdArray.h"
#include "platform/od/OdString.h"
#include "platform/tvutils/DeepPtr.h"

#include <cstdint>
#include <memory>

class CPIAParser;
class CPlotCfg3TestAccess;
namespace wut {
class PrintData;
}

class CPlotCfg3 {
public:
    // Null when the file cannot be read or a required section is missing or invalid; changed
    // (assigned only on success) tells whether the Windows device was re-resolved by driver.
    // The PMP is looked for at its recorded path, then beside the file; not finding it is no
    // failure. The caller owns the result.
    // A configuration that follows the default system printer is recreated for the current
    // default printer (null, with an error logged, when that fails). On null, result says why.
    static CPlotCfg3* read(const wchar_t* path, bool& changed, pia::ReadResult* result = nullptr);
    // A new configuration for a system printer from its default settings, or the built-in PDF
    // output for "Print As PDF" (any letter case); null, with a warning logged, on failure.
    static CPlotCfg3* create(const wchar_t* printerName);
    // How each section of a parsed configuration reads, in reading order, optional ones too.
    static std::vector<pia::SectionState> inspectSections(const CPBlock& root);

    // Copies own duplicates of the custom section and the PMP.
    CPlotCfg3(const CPlotCfg3& other) = default;
    CPlotCfg3& operator=(const CPlotCfg3& other) = default;
    CPlotCfg3(CPlotCfg3&&) noexcept = default;
    CPlotCfg3& operator=(CPlotCfg3&&) noexcept = default;
    ~CPlotCfg3();

    // Takes the printer's current default settings; true only when that changed something.
    bool setToDefault();

    // Takes the settings of print data for the configuration's own printer (deviceName must
    // match "win_device_name", letter case ignored); initialize fills a new configuration's
    // identification and may create custom entries, otherwise a missing entry fails.
    // changed tells whether a stored value changed. Changes made before a failure stay.
    bool fromPrintData(wut::PrintData& printData, const std::wstring& deviceName, bool initialize, bool& changed);
    // Sets print data up from the configuration; the private driver bytes go along only when
    // the driver's settings still have the size they had when stored.
    bool toPrintData(wut::PrintData& printData) const;

    // False for a null path, a section that refuses to write or a failed file write; result,
    // when given, tells which.
    bool write(const wchar_t* path, pia::WriteResult* result = nullptr) const;

    // Replaces any attached PMP by the one at path (no alternative folders).
    bool attachPMP(const OdString& path);
    // Attaches the PMP named by "user_defined_model_pathname", searching the alternative
    // folders when it is not there; true at once when one is attached already.
    bool attachPMPwithAltPaths(const OdArray<OdString>& altPaths);
    // Drops the PMP and its name.
    void detachPMP();

    bool isPdfExport() const { return pdfExport; }

    CMetaNode meta;
    CMediaNode media;
    CIoNode io;
    CResColorMemNode resColorMem;
    ut::DeepPtr<CCustomNode> custom; // absent: no "custom" block
    ut::DeepPtr<PlotModelParam> pmp; // absent: no PMP attached
    // Taken from print data only; a configuration read from disk has these defaults.
    std::uint32_t dmFields = 0; // DEVMODE field mask, 0 unknown
    std::uint32_t ditherType = 1;
    std::int16_t duplex = 1; // 1 simplex, 2 vertical, 3 horizontal
    bool pdfExport = false;  // the built-in PDF output

private:
    friend class CPlotCfg3TestAccess;

    CPlotCfg3() = default;

    bool init(CPIAParser& parser, bool& changed, pia::ReadResult* result = nullptr);
    bool writeToBlock(CPBlock& root) const;
    bool doAttachPMP(const OdString& path, const OdArray<OdString>& altPaths);
    bool resolvePrinterByDriver();
    void checkIfPdfExport();
    void initForPdfExport();
};
