// The wxPaperSize <-> DMPAPER table and database lookups that go through it.
#include "davaraz/print/DmPaperIds.h"

#include <wx/paper.h>

namespace wut {
namespace {

struct PaperPair {
    wxPaperSize wx;
    short dm;
};

constexpr PaperPair kPapers[] = {
    {wxPAPER_LETTER, 1}, {wxPAPER_LETTERSMALL, 2}, {wxPAPER_TABLOID, 3}, {wxPAPER_LEDGER, 4},
    {wxPAPER_LEGAL, 5}, {wxPAPER_STATEMENT, 6}, {wxPAPER_EXECUTIVE, 7}, {wxPAPER_A3, 8},
    {wxPAPER_A4, 9}, {wxPAPER_A4SMALL, 10}, {wxPAPER_A5, 11}, {wxPAPER_B4, 12}, {wxPAPER_B5, 13},
    {wxPAPER_FOLIO, 14}, {wxPAPER_QUARTO, 15}, {wxPAPER_10X14, 16}, {wxPAPER_11X17, 17},
    {wxPAPER_NOTE, 18}, {wxPAPER_ENV_9, 19}, {wxPAPER_ENV_10, 20}, {wxPAPER_ENV_11, 21},
    {wxPAPER_ENV_12, 22}, {wxPAPER_ENV_14, 23}, {wxPAPER_CSHEET, 24}, {wxPAPER_DSHEET, 25},
    {wxPAPER_ESHEET, 26}, {wxPAPER_ENV_DL, 27}, {wxPAPER_ENV_C5, 28}, {wxPAPER_ENV_C3, 29},
    {wxPAPER_ENV_C4, 30}, {wxPAPER_ENV_C6, 31}, {wxPAPER_ENV_C65, 32}, {wxPAPER_ENV_B4, 33},
    {wxPAPER_ENV_B5, 34}, {wxPAPER_ENV_B6, 35}, {wxPAPER_ENV_ITALY, 36}, {wxPAPER_ENV_MONARCH, 37},
    {wxPAPER_ENV_PERSONAL, 38}, {wxPAPER_FANFOLD_US, 39}, {wxPAPER_FANFOLD_STD_GERMAN, 40},
    {wxPAPER_FANFOLD_LGL_GERMAN, 41}, {wxPAPER_ISO_B4, 42}, {wxPAPER_JAPANESE_POSTCARD, 43},
    {wxPAPER_9X11, 44}, {wxPAPER_10X11, 45}, {wxPAPER_15X11, 46}, {wxPAPER_ENV_INVITE, 47},
    // 48 and 49 are reserved numbers.
    {wxPAPER_LETTER_EXTRA, 50}, {wxPAPER_LEGAL_EXTRA, 51}, {wxPAPER_TABLOID_EXTRA, 52},
    {wxPAPER_A4_EXTRA, 53}, {wxPAPER_LETTER_TRANSVERSE, 54}, {wxPAPER_A4_TRANSVERSE, 55},
    {wxPAPER_LETTER_EXTRA_TRANSVERSE, 56}, {wxPAPER_A_PLUS, 57}, {wxPAPER_B_PLUS, 58},
    {wxPAPER_LETTER_PLUS, 59}, {wxPAPER_A4_PLUS, 60}, {wxPAPER_A5_TRANSVERSE, 61},
    {wxPAPER_B5_TRANSVERSE, 62}, {wxPAPER_A3_EXTRA, 63}, {wxPAPER_A5_EXTRA, 64},
    {wxPAPER_B5_EXTRA, 65}, {wxPAPER_A2, 66}, {wxPAPER_A3_TRANSVERSE, 67},
    {wxPAPER_A3_EXTRA_TRANSVERSE, 68}, {wxPAPER_DBL_JAPANESE_POSTCARD, 69}, {wxPAPER_A6, 70},
    {wxPAPER_JENV_KAKU2, 71}, {wxPAPER_JENV_KAKU3, 72}, {wxPAPER_JENV_CHOU3, 73},
    {wxPAPER_JENV_CHOU4, 74}, {wxPAPER_LETTER_ROTATED, 75}, {wxPAPER_A3_ROTATED, 76},
    {wxPAPER_A4_ROTATED, 77}, {wxPAPER_A5_ROTATED, 78}, {wxPAPER_B4_JIS_ROTATED, 79},
    {wxPAPER_B5_JIS_ROTATED, 80}, {wxPAPER_JAPANESE_POSTCARD_ROTATED, 81},
    {wxPAPER_DBL_JAPANESE_POSTCARD_ROTATED, 82}, {wxPAPER_A6_ROTATED, 83},
    {wxPAPER_JENV_KAKU2_ROTATED, 84}, {wxPAPER_JENV_KAKU3_ROTATED, 85},
    {wxPAPER_JENV_CHOU3_ROTATED, 86}, {wxPAPER_JENV_CHOU4_ROTATED, 87}, {wxPAPER_B6_JIS, 88},
    {wxPAPER_B6_JIS_ROTATED, 89}, {wxPAPER_12X11, 90}, {wxPAPER_JENV_YOU4, 91},
    {wxPAPER_JENV_YOU4_ROTATED, 92}, {wxPAPER_P16K, 93}, {wxPAPER_P32K, 94}, {wxPAPER_P32KBIG, 95},
    {wxPAPER_PENV_1, 96}, {wxPAPER_PENV_2, 97}, {wxPAPER_PENV_3, 98}, {wxPAPER_PENV_4, 99},
    {wxPAPER_PENV_5, 100}, {wxPAPER_PENV_6, 101}, {wxPAPER_PENV_7, 102}, {wxPAPER_PENV_8, 103},
    {wxPAPER_PENV_9, 104}, {wxPAPER_PENV_10, 105}, {wxPAPER_P16K_ROTATED, 106},
    {wxPAPER_P32K_ROTATED, 107}, {wxPAPER_P32KBIG_ROTATED, 108}, {wxPAPER_PENV_1_ROTATED, 109},
    {wxPAPER_PENV_2_ROTATED, 110}, {wxPAPER_PENV_3_ROTATED, 111}, {wxPAPER_PENV_4_ROTATED, 112},
    {wxPAPER_PENV_5_ROTATED, 113}, {wxPAPER_PENV_6_ROTATED, 114}, {wxPAPER_PENV_7_ROTATED, 115},
    {wxPAPER_PENV_8_ROTATED, 116}, {wxPAPER_PENV_9_ROTATED, 117}, {wxPAPER_PENV_10_ROTATED, 118},
};

} // namespace

short dmPaperFromWxPaper(wxPaperSize id)
{
    for (const PaperPair& p : kPapers)
        if (p.wx == id)
            return p.dm;
    return 0;
}

wxPaperSize wxPaperFromDmPaper(short dmPaper)
{
    for (const PaperPair& p : kPapers)
        if (p.dm == dmPaper)
            return p.wx;
    return wxPAPER_NONE;
}

wxPrintPaperType* findPaperTypeByDmPaper(short dmPaper)
{
    if (!wxThePrintPaperDatabase || dmPaper <= 0)
        return nullptr;
    // A port that fills platform ids knows best; 0 is never looked up, since on the others
    // every paper carries it.
    if (wxPrintPaperType* type = wxThePrintPaperDatabase->FindPaperTypeByPlatformId(dmPaper))
        return type;
    const wxPaperSize id = wxPaperFromDmPaper(dmPaper);
    return id == wxPAPER_NONE ? nullptr : wxThePrintPaperDatabase->FindPaperType(id);
}

short dmPaperOfType(const wxPrintPaperType& type)
{
    return type.GetPlatformId() != 0 ? static_cast<short>(type.GetPlatformId()) : dmPaperFromWxPaper(type.GetId());
}

} // namespace wut
