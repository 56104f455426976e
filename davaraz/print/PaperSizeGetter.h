// The paper lists (numbers, names, sizes) a printer driver reports for given settings, asked of
// the driver once and then served from PaperSizeCache.
#pragma once
#include "davaraz/print/DevModeRaii.h"
#include "platform/od/OdArray.h"
#include "platform/od/OdString.h"
#include "platform/win32/devmode.h"

#include <memory>

namespace wut {

class PrintData;

class PaperSizeGetter {
public:
    // device and port are not copied: the caller keeps both alive as long as the getter. Without
    // print data the getter uses the driver's default settings of the device; with it, the
    // print data's DEVMODE, brought up to date, validated and locked while the getter lives.
    PaperSizeGetter(const wchar_t* device, const wchar_t* port, const PrintData* printData = nullptr);
    ~PaperSizeGetter();
    PaperSizeGetter(const PaperSizeGetter&) = delete;
    PaperSizeGetter& operator=(const PaperSizeGetter&) = delete;

    // Fills the wanted lists (null: not wanted) with copies of the cached ones, asking the driver
    // for those still empty. False, with every wanted list emptied, when one of them stays empty.
    bool get(OdArray<unsigned short>* numbers, OdArray<OdString>* names, OdArray<POINT>* sizes) const;

private:
    // The settings the driver is asked with; may be null (no settings could be had).
    const DEVMODEW* devMode() const { return m_fromPrintData ? m_printData->get() : m_defaults.get(); }
    void getPaperSizeIds(OdArray<unsigned short>& list) const;
    void getPaperSizeNames(OdArray<OdString>& list) const;
    void getPaperSizeDims(OdArray<POINT>& list) const;

    struct DevModeFree {
        void operator()(DEVMODEW* dm) const;
    };

    const wchar_t* m_device;
    const wchar_t* m_port;
    bool m_fromPrintData;
    std::unique_ptr<DEVMODEW, DevModeFree> m_defaults; // the driver's defaults
    std::unique_ptr<DEVMODE_RAII> m_printData;        // the lock on the print data's DEVMODE
};

} // namespace wut
