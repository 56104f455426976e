// Translation of a CUPS destination's IPP attributes into the driver description.
#include "platform/cups/CupsDestination.h"
#include "platform/cups/CupsPapers.h"
#include "platform/win32/codepage.h"

#include <algorithm>
#include <cstring>

namespace cupsspool {
namespace {

std::string option(const cups_dest_t& d, const char* name)
{
    const char* v = cupsGetOption(name, d.num_options, d.options);
    return v ? v : "";
}

struct Attrs {
    cups_dest_t* dest;
    cups_dinfo_t* info;
    ipp_attribute_t* supported(const char* name) const
    {
        return cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, name);
    }
    ipp_attribute_t* byDefault(const char* name) const
    {
        return cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, name);
    }
    std::string defaultString(const char* name) const
    {
        const char* v = ippGetString(byDefault(name), 0, nullptr);
        return v ? v : "";
    }
    bool supports(const char* name, const char* value) const
    {
        return ippContainsString(supported(name), value) != 0;
    }
};

std::vector<Medium> mediaOf(const Attrs& a)
{
    std::vector<Medium> media;
    const int count = cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, a.dest, a.info, CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < count; ++i) {
        cups_size_t s;
        if (!cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, a.dest, a.info, i, CUPS_MEDIA_FLAGS_DEFAULT, &s))
            continue;
        Medium m;
        m.pwg = s.media;
        m.width = s.width;
        m.length = s.length;
        m.left = s.left;
        m.top = s.top;
        m.right = s.right;
        m.bottom = s.bottom;
        media.push_back(m);
    }
    return media;
}

std::vector<std::string> strings(ipp_attribute_t* attr)
{
    std::vector<std::string> out;
    for (int i = 0; i < ippGetCount(attr); ++i)
        if (const char* s = ippGetString(attr, i, nullptr))
            out.push_back(s);
    return out;
}

POINT dpi(ipp_attribute_t* attr, int i)
{
    ipp_res_t units;
    int y = 0;
    int x = ippGetResolution(attr, i, &y, &units);
    if (units == IPP_RES_PER_CM) {
        x = (x * 254 + 50) / 100;
        y = (y * 254 + 50) / 100;
    }
    return {x, y};
}

// The paper the destination prints on by default: its media default by name, else the size of
// its media-col default, else the first.
short defaultPaper(const Attrs& a, const Driver& d)
{
    if (d.printer.papers.empty())
        return DMPAPER_A4;
    const std::string media = a.defaultString("media");
    for (std::size_t i = 0; i < d.media.size(); ++i)
        if (d.media[i] == media)
            return static_cast<short>(d.printer.papers[i].id);
    ipp_t* col = ippGetCollection(a.byDefault("media-col"), 0);
    ipp_t* size = ippGetCollection(ippFindAttribute(col, "media-size", IPP_TAG_BEGIN_COLLECTION), 0);
    const int x = ippGetInteger(ippFindAttribute(size, "x-dimension", IPP_TAG_INTEGER), 0);
    const int y = ippGetInteger(ippFindAttribute(size, "y-dimension", IPP_TAG_INTEGER), 0);
    for (const win32::spool::Paper& p : d.printer.papers)
        if (std::abs(p.width * 10 - x) <= 100 && std::abs(p.height * 10 - y) <= 100)
            return static_cast<short>(p.id);
    return static_cast<short>(d.printer.papers.front().id);
}

short defaultSource(const Attrs& a, const Driver& d)
{
    ipp_t* col = ippGetCollection(a.byDefault("media-col"), 0);
    const char* asked = ippGetString(ippFindAttribute(col, "media-source", IPP_TAG_ZERO), 0, nullptr);
    for (std::size_t i = 0; i < d.sources.size(); ++i)
        if (asked && d.sources[i] == asked)
            return static_cast<short>(d.printer.bins[i].id);
    for (const win32::spool::Bin& b : d.printer.bins)
        if (b.id == DMBIN_AUTO)
            return DMBIN_AUTO;
    return d.printer.bins.empty() ? DMBIN_AUTO : static_cast<short>(d.printer.bins.front().id);
}

std::vector<int> integers(ipp_attribute_t* attr)
{
    std::vector<int> out;
    for (int i = 0; i < ippGetCount(attr); ++i) {
        if (ippGetValueTag(attr) == IPP_TAG_RANGE) {
            int upper = 0;
            for (int n = ippGetRange(attr, i, &upper); n <= upper && n <= 100; ++n)
                out.push_back(n);
        } else {
            out.push_back(ippGetInteger(attr, i));
        }
    }
    return out;
}

OptionChoices optionsOf(const Attrs& a, const std::vector<Medium>& media)
{
    OptionChoices c;
    c.numberUp = integers(a.supported("number-up"));
    c.finishings = integers(a.supported("finishings"));
    c.scaling = strings(a.supported("print-scaling"));
    c.outputBins = strings(a.supported("output-bin"));
    for (const Medium& m : media)
        c.borderless = c.borderless || (m.left == 0 && m.top == 0 && m.right == 0 && m.bottom == 0);
    if (ipp_attribute_t* n = a.byDefault("number-up"))
        c.defaults.numberUp = ippGetInteger(n, 0);
    if (ipp_attribute_t* f = a.byDefault("finishings"))
        c.defaults.finishings = ippGetInteger(f, 0);
    c.defaults.scaling = a.defaultString("print-scaling");
    c.defaults.outputBin = a.defaultString("output-bin");
    // Defaults the destination does not list stand for its own choice.
    c.defaults = validated(c.defaults, c);
    return c;
}

// The custom size range, listed as custom_min_ and custom_max_ media: the minimum rounded up,
// the maximum down, to tenths of a millimetre.
void customRange(const Attrs& a, vspool::Printer& p)
{
    for (const std::string& m : strings(a.supported("media"))) {
        const bool min = m.compare(0, 11, "custom_min_") == 0, max = m.compare(0, 11, "custom_max_") == 0;
        const pwg_media_t* size = min || max ? pwgMediaForPWG(m.c_str()) : nullptr;
        if (size && min)
            p.customMin = {(size->width + 9) / 10, (size->length + 9) / 10};
        if (size && max)
            p.customMax = {size->width / 10, size->length / 10};
    }
    if (p.customMax.x < p.customMin.x || p.customMax.y < p.customMin.y)
        p.customMin = p.customMax = {0, 0};
}

} // namespace

DestPtr findDest(const std::wstring& name)
{
    return DestPtr(cupsGetNamedDest(CUPS_HTTP_DEFAULT, win32::toUtf8(name).c_str(), nullptr));
}

HttpPtr connectServer()
{
    return HttpPtr(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr));
}

win32::spool::PrinterEntry entryOf(const cups_dest_t& d)
{
    win32::spool::PrinterEntry e;
    e.name = win32::fromUtf8(d.name);
    e.driver = win32::fromUtf8(option(d, "printer-make-and-model"));
    e.port = win32::fromUtf8(option(d, "device-uri"));
    e.comment = win32::fromUtf8(option(d, "printer-info"));
    e.location = win32::fromUtf8(option(d, "printer-location"));
    const unsigned long type = std::strtoul(option(d, "printer-type").c_str(), nullptr, 10);
    e.network = (type & CUPS_PRINTER_REMOTE) != 0;
    e.shared = option(d, "printer-is-shared") == "true";
    if (e.shared)
        e.share = e.name;
    return e;
}

bool describe(cups_dest_t* dest, Driver& out)
{
    const InfoPtr info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest));
    if (!info)
        return false;
    const Attrs a{dest, info.get()};
    out = Driver();
    vspool::Printer& p = out.printer;
    static_cast<win32::spool::PrinterEntry&>(p) = entryOf(*dest);

    const std::vector<Medium> media = mediaOf(a);
    p.papers = papersOf(media, &out.media);
    out.sources = strings(a.supported("media-source"));
    p.bins = binsOf(out.sources);

    ipp_attribute_t* res = a.supported("printer-resolution");
    if (ippGetCount(res) > 0) {
        p.resolutions.clear();
        for (int i = 0; i < ippGetCount(res); ++i)
            p.resolutions.push_back(dpi(res, i));
    }
    p.color = a.supports("print-color-mode", "color");
    p.duplex = a.supports("sides", "two-sided-long-edge");
    int upper = 1;
    ippGetRange(a.supported("copies"), 0, &upper);
    p.maxCopies = static_cast<short>(std::clamp(upper, 1, 9999));
    p.postscript = a.supports("document-format", "application/postscript");

    out.options = optionsOf(a, media);
    customRange(a, p);
    p.privateVersion = kOptionsVersion;
    p.privateBytes = static_cast<WORD>(vspool::kPrivateHeader + kOptionsPayload);
    p.privatePayload = encodeOptions(dest->name, out.options.defaults);

    vspool::Defaults& d = p.defaults;
    d.paper = defaultPaper(a, out);
    d.defaultSource = defaultSource(a, out);
    const POINT r = a.byDefault("printer-resolution") ? dpi(a.byDefault("printer-resolution"), 0) : p.resolutions.front();
    d.printQuality = static_cast<short>(r.x);
    d.yResolution = static_cast<short>(r.y);
    d.color = p.color && a.defaultString("print-color-mode") != "monochrome" ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
    const std::string sides = a.defaultString("sides");
    d.duplex = sides == "two-sided-long-edge" ? DMDUP_VERTICAL
             : sides == "two-sided-short-edge" ? DMDUP_HORIZONTAL : DMDUP_SIMPLEX;
    d.copies = 1;
    d.collate = a.defaultString("multiple-document-handling") == "separate-documents-uncollated-copies"
                    ? DMCOLLATE_FALSE : DMCOLLATE_TRUE;
    d.orientation = ippGetInteger(a.byDefault("orientation-requested"), 0) == IPP_ORIENT_LANDSCAPE
                        ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    return true;
}

} // namespace cupsspool
