// The "media" section of a plotter configuration: selected paper with its bounds, orientation,
// copies, the optional destination and the optional list of custom papers.
#pragma once
#include "davaraz/pia/PItem.h"
#include "platform/tvutils/DeepPtr.h"

#include <memory>
#include <string>
#include <vector>

class wxPrinterDC;

// The largest paper extent a file may give, in millimetres (a 100 m roll); beyond it, or not a
// finite number, a bound is a malformed key.
constexpr double kMaxExtentMm = 100000;

class CMediaNode {
public:
    class CSizeNode {
    public:
        class CMediaDescriptionNode {
        public:
            class CMediaBoundsNode {
            public:
                CMediaBoundsNode() = default;
                bool init(const CPBlock& block, std::wstring* fault = nullptr);
                bool write(CPBlock& block) const;

                double urx = 0; // full paper extent, mm
                double ury = 0;
            };

            CMediaDescriptionNode() = default;
            CMediaDescriptionNode(const CMediaDescriptionNode&) = default;
            CMediaDescriptionNode(CMediaDescriptionNode&&) = default;
            CMediaDescriptionNode& operator=(const CMediaDescriptionNode&) = default;
            CMediaDescriptionNode& operator=(CMediaDescriptionNode&&) = default;
            bool init(const CPBlock& block, std::wstring* fault = nullptr);
            bool write(CPBlock& block) const;

            double printableBoundsLlx = 0;
            double printableBoundsLly = 0;
            double printableBoundsUrx = 0;
            double printableBoundsUry = 0;
            double printableArea = 0; // mm²
            bool dimensional = true;
            CMediaBoundsNode mediaBounds;
        };

        CSizeNode() = default;
        CSizeNode(const CSizeNode&) = default;
        CSizeNode(CSizeNode&&) = default;
        CSizeNode& operator=(const CSizeNode&) = default;
        CSizeNode& operator=(CSizeNode&&) = default;
        bool init(const CPBlock& block, std::wstring* fault = nullptr);
        bool write(CPBlock& block) const;
        // True when the name changed (exact comparison).
        bool setName(const wchar_t* newName);

        std::wstring name;
        int group = 0;
        bool landscapeMode = false;
        double longplotReduction = -1.0; // -1.0: not set
        int dmScale = 100;               // percent
        CMediaDescriptionNode mediaDescription;
    };

    class CDestinationNode {
    public:
        CDestinationNode() = default;
        CDestinationNode(const CDestinationNode&) = default;
        CDestinationNode(CDestinationNode&&) = default;
        CDestinationNode& operator=(const CDestinationNode&) = default;
        CDestinationNode& operator=(CDestinationNode&&) = default;
        bool init(const CPBlock& block, std::wstring* fault = nullptr);
        bool write(CPBlock& block) const;
        // Collating type 1 "Regular" or 0 "None"; true when the type changed.
        bool setCollating(bool on);

        // Collating names by collating type.
        static const wchar_t* const cCollatingName[2];

        std::wstring name;
        int collatingType = 0;
        std::wstring collatingName;
    };

    // The user's custom paper sizes, in list order.
    class CustomPapersNode {
    public:
        class PaperSize {
        public:
            bool init(const CPBlock& block, std::wstring* fault = nullptr);
            bool write(CPBlock& block) const;
            // Names and units exact, lengths within 1e-10.
            bool operator==(const PaperSize& other) const;
            bool operator!=(const PaperSize& other) const { return !(*this == other); }

            std::wstring globalName; // canonical name
            std::wstring localName;  // display name
            int units = 1;           // 0 inches, 1 millimetres
            double width = 0;
            double height = 0;
            double left = 0; // margins
            double bottom = 0;
            double right = 0;
            double top = 0;
        };

        // Every child block yields a paper, even one that reads only in part; always true.
        // *fault names the first paper read in part and its key ("3/width"), when there is one.
        bool init(const CPBlock& block, std::wstring* fault = nullptr);
        bool write(CPBlock& block) const;

        std::size_t size() const { return papers.size(); }
        bool empty() const { return papers.empty(); }
        PaperSize& operator[](std::size_t i) { return papers[i]; }
        const PaperSize& operator[](std::size_t i) const { return papers[i]; }
        void push_back(const PaperSize& paper) { papers.push_back(paper); }
        std::vector<PaperSize>::const_iterator begin() const { return papers.begin(); }
        std::vector<PaperSize>::const_iterator end() const { return papers.end(); }

        std::vector<PaperSize> papers;
    };

    CMediaNode() = default;
    // Copies own duplicates of the destination and the custom papers.
    CMediaNode(const CMediaNode& other) = default;
    CMediaNode(CMediaNode&&) noexcept = default;
    CMediaNode& operator=(const CMediaNode& other) = default;
    CMediaNode& operator=(CMediaNode&&) noexcept = default;
    ~CMediaNode() = default;

    // Required keys first; a destination that does not read is dropped, a custom papers
    // block always reads. The first required key at fault goes to *fault.
    bool init(const CPBlock& block, std::wstring* fault = nullptr);
    bool write(CPBlock& block) const;

    // Bounds too small to use: any bound under 0.0001 mm or an area under 1e-8 mm².
    bool emptyBounds() const;
    // Bounds from a printer's resolution (dots per inch) and paper rectangle (device units,
    // relative to the printable origin); margins are taken as equal on both sides. True when
    // a printable or media bound changed.
    bool setBounds(int ppiX, int ppiY, int paperX, int paperY, int paperWidth, int paperHeight);
    // The same from a printer device context; false (nothing changed) without one.
    bool setBounds(const wxPrinterDC* dc);
    // Exchanges x and y of every bound (orientation flip).
    void swapBounds();
    // Selects a paper given by name, units (0 inches, 1 mm), size and margins; changed becomes
    // true when the name or a bound differs, and is never reset.
    void setPaper(const std::wstring& paperName, int units, double width, double height, double left,
                  double bottom, double top, bool& changed);
    // Selects custom paper number index (0 ... custom papers - 1); other indexes do nothing.
    void setCustomPaper(std::size_t index, bool& changed);
    // Selects paper number index among the custom papers followed by the built-in PDF papers;
    // an index past both does nothing.
    void set(int index, bool& changed);

    int selectionMethod = 2;
    std::wstring type;
    int dmOrientation = 1; // 1 portrait, 2 landscape
    double actualPrintableBoundsLlx = 0;
    double actualPrintableBoundsLly = 0;
    double actualPrintableBoundsUrx = 0;
    double actualPrintableBoundsUry = 0;
    int numberOfCopies = 1;
    CSizeNode size;
    ut::DeepPtr<CDestinationNode> destination;   // absent: no "destination" block
    ut::DeepPtr<CustomPapersNode> customPapers; // absent: no "custom_papers" block
};
