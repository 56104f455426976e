// Paper and tray numbering of the CUPS driver.
#include "platform/cups/CupsPapers.h"
#include "platform/win32/codepage.h"

#include <cups/cups.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>

namespace cupsspool {
namespace {

struct KnownPaper {
    const char* pwg;
    WORD id;
    const wchar_t* name;
};

// Windows papers with a PWG name. Where Windows defines one size twice (TABLOID and 11X17, ENV_B4
// and ISO_B4, DL and PENV_5) or only rotated (LEDGER, ENV_B6, FANFOLD_US), the first portrait one.
const KnownPaper kKnown[] = {
    {"na_letter_8.5x11in", 1, L"Letter"},
    {"na_ledger_11x17in", 3, L"Tabloid"},
    {"na_legal_8.5x14in", 5, L"Legal"},
    {"na_invoice_5.5x8.5in", 6, L"Statement"},
    {"na_executive_7.25x10.5in", 7, L"Executive"},
    {"iso_a3_297x420mm", 8, L"A3"},
    {"iso_a4_210x297mm", 9, L"A4"},
    {"iso_a5_148x210mm", 11, L"A5"},
    {"jis_b4_257x364mm", 12, L"B4 (JIS)"},
    {"jis_b5_182x257mm", 13, L"B5 (JIS)"},
    {"na_foolscap_8.5x13in", 14, L"Folio"},
    {"na_quarto_8.5x10.83in", 15, L"Quarto"},
    {"na_10x14_10x14in", 16, L"10x14"},
    {"na_number-9_3.875x8.875in", 19, L"Envelope #9"},
    {"na_number-10_4.125x9.5in", 20, L"Envelope #10"},
    {"na_number-11_4.5x10.375in", 21, L"Envelope #11"},
    {"na_number-12_4.75x11in", 22, L"Envelope #12"},
    {"na_number-14_5x11.5in", 23, L"Envelope #14"},
    {"na_c_17x22in", 24, L"C size sheet"},
    {"na_d_22x34in", 25, L"D size sheet"},
    {"na_e_34x44in", 26, L"E size sheet"},
    {"iso_dl_110x220mm", 27, L"Envelope DL"},
    {"iso_c5_162x229mm", 28, L"Envelope C5"},
    {"iso_c3_324x458mm", 29, L"Envelope C3"},
    {"iso_c4_229x324mm", 30, L"Envelope C4"},
    {"iso_c6_114x162mm", 31, L"Envelope C6"},
    {"iso_c6c5_114x229mm", 32, L"Envelope C65"},
    {"iso_b5_176x250mm", 34, L"Envelope B5"},
    {"om_italian_110x230mm", 36, L"Envelope"},
    {"na_monarch_3.875x7.5in", 37, L"Envelope Monarch"},
    {"na_personal_3.625x6.5in", 38, L"6 3/4 Envelope"},
    {"na_fanfold-eur_8.5x12in", 40, L"German Std Fanfold"},
    {"iso_b4_250x353mm", 42, L"B4 (ISO)"},
    {"jpn_hagaki_100x148mm", 43, L"Japanese Postcard"},
    {"na_9x11_9x11in", 44, L"9x11"},
    {"na_10x11_10x11in", 45, L"10x11"},
    {"om_invite_220x220mm", 47, L"Envelope Invite"},
    {"na_letter-extra_9.5x12in", 50, L"Letter Extra"},
    {"na_legal-extra_9.5x15in", 51, L"Legal Extra"},
    {"iso_a4-extra_235.5x322.3mm", 53, L"A4 Extra"},
    {"na_super-a_8.94x14in", 57, L"Super A"},
    {"na_b-plus_12x19.17in", 58, L"Super B"},
    {"na_letter-plus_8.5x12.69in", 59, L"Letter Plus"},
    {"om_folio_210x330mm", 60, L"A4 Plus"},
    {"iso_a3-extra_322x445mm", 63, L"A3 Extra"},
    {"iso_a5-extra_174x235mm", 64, L"A5 Extra"},
    {"iso_b5-extra_201x276mm", 65, L"B5 (ISO) Extra"},
    {"iso_a2_420x594mm", 66, L"A2"},
    {"iso_a6_105x148mm", 70, L"A6"},
    {"jpn_kaku2_240x332mm", 71, L"Japanese Envelope Kaku #2"},
    {"jpn_kaku3_216x277mm", 72, L"Japanese Envelope Kaku #3"},
    {"jpn_chou3_120x235mm", 73, L"Japanese Envelope Chou #3"},
    {"jpn_chou4_90x205mm", 74, L"Japanese Envelope Chou #4"},
    {"jis_b6_128x182mm", 88, L"B6 (JIS)"},
    {"jpn_you4_105x235mm", 91, L"Japanese Envelope You #4"},
    {"prc_16k_146x215mm", 93, L"PRC 16K"},
    {"prc_32k_97x151mm", 94, L"PRC 32K"},
    {"prc_1_102x165mm", 96, L"PRC Envelope #1"},
    {"prc_2_102x176mm", 97, L"PRC Envelope #2"},
    {"prc_4_110x208mm", 99, L"PRC Envelope #4"},
    {"prc_7_160x230mm", 102, L"PRC Envelope #7"},
    {"prc_8_120x309mm", 103, L"PRC Envelope #8"},
};

constexpr int kOneMillimetre = 100; // hundredths
constexpr WORD kFirstDriverPaper = 257;
constexpr WORD kLastPaper = 0x7fff; // dmPaperSize is a short

bool endsWith(const std::string& s, const char* suffix)
{
    const std::size_t n = std::strlen(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

const KnownPaper* byName(const Medium& m)
{
    for (const KnownPaper& k : kKnown)
        if (m.pwg == k.pwg)
            return &k;
    return nullptr;
}

const KnownPaper* bySize(const Medium& m)
{
    if (endsWith(m.pwg, "_borderless"))
        return nullptr;
    for (const KnownPaper& k : kKnown) {
        const pwg_media_t* size = pwgMediaForPWG(k.pwg);
        if (size && std::abs(size->width - m.width) <= kOneMillimetre &&
            std::abs(size->length - m.length) <= kOneMillimetre)
            return &k;
    }
    return nullptr;
}

// FNV-1a of the PWG name: the same number for the same medium whatever else the printer lists.
WORD driverNumber(const std::string& pwg, const std::set<WORD>& used)
{
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : pwg)
        hash = (hash ^ c) * 16777619u;
    WORD id = static_cast<WORD>(kFirstDriverPaper + hash % (kLastPaper - kFirstDriverPaper + 1));
    while (used.count(id))
        id = id == kLastPaper ? kFirstDriverPaper : static_cast<WORD>(id + 1);
    return id;
}

LONG tenths(int hundredths) { return (hundredths + 5) / 10; }
LONG tenthsUp(int hundredths) { return (hundredths + 9) / 10; }

std::wstring upTo(std::wstring text, std::size_t chars)
{
    if (text.size() > chars)
        text.resize(chars);
    return text;
}

// The medium's own name within its PWG name, in words: "na_arch-d_24x36in" is "Arch D",
// "jis_b6_128x182mm" "B6 (JIS)", a borderless variant "... (Borderless)".
std::wstring nameOf(const std::string& pwg)
{
    const std::size_t first = pwg.find('_');
    const std::size_t second = first == std::string::npos ? first : pwg.find('_', first + 1);
    std::string name = second == std::string::npos ? pwg : pwg.substr(first + 1, second - first - 1);
    bool wordStart = true;
    for (char& c : name) {
        if (c == '-')
            c = ' ';
        else if (wordStart && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        wordStart = c == ' ';
    }
    if (pwg.compare(0, 4, "jis_") == 0)
        name += " (JIS)";
    if (endsWith(pwg, "_borderless"))
        name += " (Borderless)";
    return win32::fromUtf8(name);
}

} // namespace

std::vector<win32::spool::Paper> papersOf(const std::vector<Medium>& media, std::vector<std::string>* pwgNames)
{
    // Windows numbers first, by name, then by size, each to one medium; driver numbers after.
    std::vector<const KnownPaper*> windows(media.size(), nullptr);
    std::set<WORD> used;
    for (const auto match : {byName, bySize})
        for (std::size_t i = 0; i < media.size(); ++i) {
            const KnownPaper* k = windows[i] ? nullptr : match(media[i]);
            if (k && used.insert(k->id).second)
                windows[i] = k;
        }
    std::vector<win32::spool::Paper> papers;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < media.size(); ++i) {
        const Medium& m = media[i];
        if (!seen.insert(m.pwg).second)
            continue;
        win32::spool::Paper p;
        if (windows[i]) {
            p.id = windows[i]->id;
            p.name = windows[i]->name;
        } else {
            p.id = driverNumber(m.pwg, used);
            used.insert(p.id);
            p.name = nameOf(m.pwg);
        }
        p.name = upTo(p.name, 64);
        p.width = tenths(m.width);
        p.height = tenths(m.length);
        p.margins = {tenthsUp(m.left), tenthsUp(m.top), tenthsUp(m.right), tenthsUp(m.bottom)};
        papers.push_back(p);
        if (pwgNames)
            pwgNames->push_back(m.pwg);
    }
    return papers;
}

std::vector<win32::spool::Bin> binsOf(const std::vector<std::string>& sources)
{
    struct KnownBin {
        const char* source;
        WORD id;
    };
    static const KnownBin kBins[] = {
        {"auto", 7},     {"main", 1},           {"top", 1},       {"alternate", 2},      {"bottom", 2},
        {"middle", 3},   {"manual", 4},         {"by-pass-tray", 4}, {"envelope", 5},    {"large-capacity", 11},
        {"photo", 9},    {"main-roll", 10},     {"alternate-roll", 10},
    };
    std::vector<win32::spool::Bin> bins;
    std::set<WORD> used;
    WORD next = 256;
    for (const std::string& source : sources) {
        win32::spool::Bin bin;
        for (const KnownBin& k : kBins)
            if (source == k.source && !used.count(k.id))
                bin.id = k.id;
        if (!bin.id)
            bin.id = next++;
        used.insert(bin.id);
        std::string name = source;
        for (char& c : name)
            if (c == '-' || c == '_')
                c = ' ';
        if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
            name[0] = static_cast<char>(name[0] - 'a' + 'A');
        bin.name = upTo(win32::fromUtf8(name), 24);
        bins.push_back(bin);
    }
    return bins;
}

} // namespace cupsspool
