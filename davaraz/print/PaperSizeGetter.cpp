// PaperSizeGetter: DeviceCapabilitiesW queries for the paper lists, count first, then the list.
#include "davaraz/print/PaperSizeGetter.h"
#include "davaraz/print/PaperSizeCache.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/Printers.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

#include <vector>

namespace wut {
namespace {

// Numbers and sizes: a count query, then the list into storage of that many entries.
template <typename T>
void fetchList(const wchar_t* device, const wchar_t* port, WORD capability, const DEVMODEW* dm, OdArray<T>& list)
{
    list.clear();
    const win32::WideArg dev(device), prt(port);
    const int n = DeviceCapabilitiesW(dev, prt, capability, nullptr, dm);
    if (n <= 0)
        return;
    list.resize(static_cast<unsigned>(n));
    if (DeviceCapabilitiesW(dev, prt, capability, reinterpret_cast<LPWSTR>(list.begin()), dm) < 1)
        list.clear();
}

} // namespace

void PaperSizeGetter::DevModeFree::operator()(DEVMODEW* dm) const { freeDevMode(dm); }

PaperSizeGetter::PaperSizeGetter(const wchar_t* device, const wchar_t* port, const PrintData* printData)
    : m_device(device), m_port(port), m_fromPrintData(printData != nullptr)
{
    // Synchronising changes only the shared native data, never the print data's own fields.
    if (m_fromPrintData)
        m_printData = std::make_unique<DEVMODE_RAII>(const_cast<PrintData&>(*printData));
    else
        m_defaults.reset(getDevMode(device));
}

PaperSizeGetter::~PaperSizeGetter() = default;

void PaperSizeGetter::getPaperSizeIds(OdArray<unsigned short>& list) const
{
    fetchList(m_device, m_port, DC_PAPERS, devMode(), list);
}

void PaperSizeGetter::getPaperSizeDims(OdArray<POINT>& list) const
{
    fetchList(m_device, m_port, DC_PAPERSIZE, devMode(), list);
}

void PaperSizeGetter::getPaperSizeNames(OdArray<OdString>& list) const
{
    list.clear();
    const win32::WideArg dev(m_device), prt(m_port);
    const int n = DeviceCapabilitiesW(dev, prt, DC_PAPERNAMES, nullptr, devMode());
    if (n < 1)
        return;
    std::vector<WCHAR> fields(static_cast<std::size_t>(n) * kPaperNameChars, 0);
    if (DeviceCapabilitiesW(dev, prt, DC_PAPERNAMES, fields.data(), devMode()) < 1)
        return;
    list.reserve(static_cast<unsigned>(n));
    // A name that fills its field has no terminator; fromUtf16 stops at 64 or at the NUL.
    for (int i = 0; i < n; ++i)
        list.push_back(OdString(win32::fromUtf16(fields.data() + static_cast<std::size_t>(i) * kPaperNameChars,
                                         kPaperNameChars)));
}

bool PaperSizeGetter::get(OdArray<unsigned short>* numbers, OdArray<OdString>* names, OdArray<POINT>* sizes) const
{
    PaperSizeCache::Papers& cached = PaperSizeCache::instance().entry(m_device, m_port, devMode());
    bool ok = true;
    if (numbers) {
        if (cached.numbers.isEmpty())
            getPaperSizeIds(cached.numbers);
        *numbers = cached.numbers;
        ok = ok && !numbers->isEmpty();
    }
    if (names) {
        if (cached.names.isEmpty())
            getPaperSizeNames(cached.names);
        *names = cached.names;
        ok = ok && !names->isEmpty();
    }
    if (sizes) {
        if (cached.sizes.isEmpty())
            getPaperSizeDims(cached.sizes);
        *sizes = cached.sizes;
        ok = ok && !sizes->isEmpty();
    }
    if (ok)
        return true;
    if (numbers)
        numbers->clear();
    if (names)
        names->clear();
    if (sizes)
        sizes->clear();
    return false;
}

} // namespace wut
