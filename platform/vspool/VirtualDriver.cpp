// Driver behaviour of the virtual printers: default settings, validation of requested settings
// and the private bytes with their version and checksum.
#include "platform/vspool/VirtualDriver.h"
#include "platform/win32/wstr.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace vspool {
namespace {

WORD checksum(const BYTE* payload, std::size_t n)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum = (sum * 31 + payload[i]) & 0xFFFF;
    return static_cast<WORD>(sum);
}

bool privateValid(const Printer& p, const DEVMODEW& in)
{
    if (p.privateBytes < kPrivateHeader || in.dmDriverExtra != p.privateBytes)
        return false;
    const BYTE* priv = devModePrivate(&in);
    WORD version, sum;
    std::memcpy(&version, priv, 2);
    std::memcpy(&sum, priv + 2, 2);
    return version == p.privateVersion && sum == checksum(priv + kPrivateHeader, p.privateBytes - kPrivateHeader);
}

// The flags of members that lie within a public part of that size (an older, shorter DEVMODE).
DWORD fieldsWithin(DWORD fields, std::size_t publicBytes)
{
    struct Member {
        DWORD flag;
        std::size_t end;
    };
    static const Member members[] = {
        {DM_FORMNAME, offsetof(DEVMODEW, dmFormName) + sizeof(DEVMODEW::dmFormName)},
        {DM_LOGPIXELS, offsetof(DEVMODEW, dmLogPixels) + 2},
        {DM_NUP, offsetof(DEVMODEW, dmNup) + 4},
        {DM_ICMMETHOD, offsetof(DEVMODEW, dmICMMethod) + 4},
        {DM_ICMINTENT, offsetof(DEVMODEW, dmICMIntent) + 4},
        {DM_MEDIATYPE, offsetof(DEVMODEW, dmMediaType) + 4},
        {DM_DITHERTYPE, offsetof(DEVMODEW, dmDitherType) + 4},
    };
    for (const Member& m : members)
        if (publicBytes < m.end)
            fields &= ~m.flag;
    return fields;
}

bool knownResolution(const Printer& p, short x, short& y)
{
    for (const POINT& r : p.resolutions)
        if (r.x == x) {
            bool ySupported = false;
            for (const POINT& r2 : p.resolutions)
                ySupported |= r2.x == x && r2.y == y;
            if (!ySupported)
                y = static_cast<short>(r.y);
            return true;
        }
    return false;
}

const Paper* findPaperByName(const Printer& p, const std::wstring& name)
{
    for (const Paper& paper : p.papers)
        if (win32::spool::sameName(paper.name, name))
            return &paper;
    return nullptr;
}

void setFormName(DEVMODEW& dm, const std::wstring& name)
{
    win32::copyToField(dm.dmFormName, CCHFORMNAME, win32::toUtf16(name));
}

} // namespace

namespace driver {

const Paper* findPaper(const Printer& printer, int id)
{
    for (const Paper& paper : printer.papers)
        if (paper.id == id)
            return &paper;
    return nullptr;
}

const Bin* findBin(const Printer& printer, int id)
{
    for (const Bin& bin : printer.bins)
        if (bin.id == id)
            return &bin;
    return nullptr;
}

DWORD supportedFields(const Printer& p)
{
    DWORD f = DM_ORIENTATION | DM_PAPERSIZE | DM_SCALE | DM_COPIES | DM_DEFAULTSOURCE | DM_PRINTQUALITY |
              DM_YRESOLUTION | DM_TTOPTION | DM_COLLATE | DM_FORMNAME | DM_NUP | DM_ICMMETHOD | DM_ICMINTENT |
              DM_MEDIATYPE | DM_DITHERTYPE;
    if (p.color)
        f |= DM_COLOR;
    if (p.duplex)
        f |= DM_DUPLEX;
    if (p.customMax.x > 0)
        f |= DM_PAPERLENGTH | DM_PAPERWIDTH;
    return fieldsWithin(f, p.publicBytes);
}

win32::spool::Capabilities capabilities(const Printer& p)
{
    win32::spool::Capabilities c;
    c.driverVersion = p.driverVersion;
    c.driverExtra = p.privateBytes;
    c.fields = supportedFields(p);
    c.color = p.color;
    c.duplex = p.duplex;
    c.collate = true;
    c.maxCopies = p.maxCopies;
    c.resolutions = p.resolutions;
    c.bins = p.bins;
    c.minExtent = p.customMin;
    c.maxExtent = p.customMax;
    return c;
}

bool supportsEscape(const Printer& p, int escape)
{
    constexpr int kQueryEscSupport = 8;
    constexpr int kPostScriptPassthrough = 4115;
    constexpr int kPostScriptIdentify = 4117;
    if (escape == kQueryEscSupport)
        return true;
    return p.postscript && (escape == kPostScriptIdentify || escape == kPostScriptPassthrough);
}

namespace {

// The driver works on the whole public part; an older driver hands out only its own, with
// its private bytes right after it.
std::vector<BYTE> shortened(const Printer& p, std::vector<BYTE> bytes)
{
    if (p.publicBytes >= sizeof(DEVMODEW))
        return bytes;
    std::copy(bytes.begin() + sizeof(DEVMODEW), bytes.end(), bytes.begin() + p.publicBytes);
    bytes.resize(p.publicBytes + p.privateBytes);
    std::memcpy(bytes.data() + offsetof(DEVMODEW, dmSize), &p.publicBytes, sizeof p.publicBytes);
    return bytes;
}

std::vector<BYTE> fullDevMode(const Printer& p)
{
    std::vector<BYTE> bytes(sizeof(DEVMODEW) + p.privateBytes, 0);
    DEVMODEW& dm = *reinterpret_cast<DEVMODEW*>(bytes.data());
    win32::copyToField(dm.dmDeviceName, CCHDEVICENAME, win32::toUtf16(p.name));
    dm.dmSpecVersion = DM_SPECVERSION;
    dm.dmDriverVersion = p.driverVersion;
    dm.dmSize = sizeof(DEVMODEW);
    dm.dmDriverExtra = p.privateBytes;
    dm.dmFields = supportedFields(p);
    const Defaults& d = p.defaults;
    dm.dmOrientation = d.orientation;
    dm.dmPaperSize = d.paper;
    if (const Paper* paper = findPaper(p, d.paper)) {
        dm.dmPaperLength = static_cast<short>(paper->height);
        dm.dmPaperWidth = static_cast<short>(paper->width);
        setFormName(dm, paper->name);
    }
    dm.dmScale = d.scale;
    dm.dmCopies = d.copies;
    dm.dmDefaultSource = d.defaultSource;
    dm.dmPrintQuality = d.printQuality;
    dm.dmColor = p.color ? d.color : DMCOLOR_MONOCHROME;
    dm.dmDuplex = p.duplex ? d.duplex : DMDUP_SIMPLEX;
    dm.dmYResolution = d.yResolution;
    dm.dmTTOption = d.ttOption;
    dm.dmCollate = d.collate;
    dm.dmLogPixels = d.logPixels;
    dm.dmNup = d.nup;
    dm.dmICMMethod = d.icmMethod;
    dm.dmICMIntent = d.icmIntent;
    dm.dmMediaType = d.mediaType;
    dm.dmDitherType = d.ditherType;
    const std::vector<BYTE> priv = privateData(p);
    std::copy(priv.begin(), priv.end(), bytes.begin() + sizeof(DEVMODEW));
    return bytes;
}

} // namespace

std::vector<BYTE> defaultDevMode(const Printer& p) { return shortened(p, fullDevMode(p)); }

std::vector<BYTE> merge(const Printer& p, const DEVMODEW& in)
{
    std::vector<BYTE> bytes = fullDevMode(p);
    DEVMODEW& dm = *reinterpret_cast<DEVMODEW*>(bytes.data());
    // Only the public part the caller declared is read.
    DEVMODEW src;
    std::memset(&src, 0, sizeof src);
    std::memcpy(&src, &in, std::min<std::size_t>(in.dmSize, sizeof(DEVMODEW)));
    const DWORD given = fieldsWithin(in.dmFields, in.dmSize) & supportedFields(p);

    if ((given & DM_ORIENTATION) && (src.dmOrientation == DMORIENT_PORTRAIT || src.dmOrientation == DMORIENT_LANDSCAPE))
        dm.dmOrientation = src.dmOrientation;

    // Paper: a listed number wins; otherwise a known form name; an unlisted number falls back to
    // the default paper and an unknown form name is cleared.
    const Paper* paper = findPaper(p, dm.dmPaperSize);
    if (given & DM_PAPERSIZE) {
        if (const Paper* asked = findPaper(p, src.dmPaperSize))
            paper = asked;
    } else if (given & DM_FORMNAME) {
        const std::wstring form = win32::fromUtf16(src.dmFormName, CCHFORMNAME);
        if (const Paper* byForm = findPaperByName(p, form))
            paper = byForm;
    }
    if (paper) {
        dm.dmPaperSize = static_cast<short>(paper->id);
        dm.dmPaperLength = static_cast<short>(paper->height);
        dm.dmPaperWidth = static_cast<short>(paper->width);
        setFormName(dm, paper->name);
    }
    if ((given & DM_FORMNAME) && !(given & DM_PAPERSIZE) &&
        !findPaperByName(p, win32::fromUtf16(src.dmFormName, CCHFORMNAME))) {
        std::memset(dm.dmFormName, 0, sizeof dm.dmFormName);
        dm.dmFields &= ~DM_FORMNAME;
    }
    // A custom size within the driver's range; it has no form name.
    const DWORD customFields = DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;
    if ((given & customFields) == customFields && src.dmPaperSize == DMPAPER_USER &&
        src.dmPaperWidth >= p.customMin.x && src.dmPaperWidth <= p.customMax.x &&
        src.dmPaperLength >= p.customMin.y && src.dmPaperLength <= p.customMax.y) {
        dm.dmPaperSize = DMPAPER_USER;
        dm.dmPaperWidth = src.dmPaperWidth;
        dm.dmPaperLength = src.dmPaperLength;
        std::memset(dm.dmFormName, 0, sizeof dm.dmFormName);
        dm.dmFields &= ~DM_FORMNAME;
    }

    if (given & DM_SCALE)
        dm.dmScale = src.dmScale < 1 ? 100 : std::min<short>(src.dmScale, 400);
    if (given & DM_COPIES)
        dm.dmCopies = std::max<short>(1, std::min(src.dmCopies, p.maxCopies));
    if ((given & DM_DEFAULTSOURCE) && src.dmDefaultSource > 0 &&
        (p.bins.empty() || findBin(p, src.dmDefaultSource)))
        dm.dmDefaultSource = src.dmDefaultSource;
    if (given & DM_PRINTQUALITY) {
        short y = (given & DM_YRESOLUTION) ? src.dmYResolution : src.dmPrintQuality;
        if (src.dmPrintQuality >= DMRES_HIGH && src.dmPrintQuality <= DMRES_DRAFT) {
            dm.dmPrintQuality = src.dmPrintQuality;
        } else if (knownResolution(p, src.dmPrintQuality, y)) {
            dm.dmPrintQuality = src.dmPrintQuality;
            dm.dmYResolution = y;
        }
    }
    if ((given & DM_COLOR) && (src.dmColor == DMCOLOR_MONOCHROME || src.dmColor == DMCOLOR_COLOR))
        dm.dmColor = src.dmColor;
    if (given & DM_DUPLEX)
        dm.dmDuplex = (src.dmDuplex >= DMDUP_SIMPLEX && src.dmDuplex <= DMDUP_HORIZONTAL) ? src.dmDuplex : DMDUP_SIMPLEX;
    if ((given & DM_TTOPTION) && src.dmTTOption >= DMTT_BITMAP && src.dmTTOption <= DMTT_DOWNLOAD_OUTLINE)
        dm.dmTTOption = src.dmTTOption;
    if ((given & DM_COLLATE) && (src.dmCollate == DMCOLLATE_FALSE || src.dmCollate == DMCOLLATE_TRUE))
        dm.dmCollate = src.dmCollate;
    if (given & DM_NUP)
        dm.dmNup = (src.dmNup >= 1 && src.dmNup <= 16) ? src.dmNup : 1;
    if (given & DM_ICMMETHOD)
        dm.dmICMMethod = src.dmICMMethod;
    if (given & DM_ICMINTENT)
        dm.dmICMIntent = src.dmICMIntent;
    if (given & DM_MEDIATYPE)
        dm.dmMediaType = src.dmMediaType;
    if (given & DM_DITHERTYPE)
        dm.dmDitherType = src.dmDitherType;

    // A monochrome printer prints monochrome whatever was asked (DM_COLOR is not even offered).
    if (!p.color)
        dm.dmColor = DMCOLOR_MONOCHROME;

    if (privateValid(p, in))
        std::memcpy(devModePrivate(&dm), devModePrivate(&in), p.privateBytes);
    return shortened(p, std::move(bytes));
}

} // namespace driver

std::vector<BYTE> privateData(const Printer& p)
{
    std::vector<BYTE> bytes(p.privateBytes, 0);
    if (p.privateBytes < kPrivateHeader)
        return bytes;
    if (p.privatePayload.size() == bytes.size() - kPrivateHeader) {
        std::copy(p.privatePayload.begin(), p.privatePayload.end(), bytes.begin() + kPrivateHeader);
    } else {
        // The payload stands for the driver's own settings: a pattern that depends on the driver.
        unsigned seed = 7;
        for (wchar_t c : p.driver)
            seed = seed * 131 + static_cast<unsigned>(c);
        for (std::size_t i = kPrivateHeader; i < bytes.size(); ++i)
            bytes[i] = static_cast<BYTE>((seed >> (i % 24)) + i * 17);
    }
    sealPrivate(p, bytes.data());
    return bytes;
}

void sealPrivate(const Printer& p, BYTE* bytes)
{
    if (p.privateBytes < kPrivateHeader)
        return;
    const WORD sum = checksum(bytes + kPrivateHeader, p.privateBytes - kPrivateHeader);
    std::memcpy(bytes, &p.privateVersion, 2);
    std::memcpy(bytes + 2, &sum, 2);
}

} // namespace vspool
