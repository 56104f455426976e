// The model-specific sections of a plot model parameter document: media abilities ("mod"),
// calibration ("udm") and the optional hidden paper sizes ("hidden").
#pragma once
#include "davaraz/pia/PItem.h"

#include <string>
#include <vector>

class ModNode {
public:
    class MediaNode {
    public:
        bool init(const CPBlock& block, std::wstring* fault = nullptr);
        bool write(CPBlock& block) const;

        std::wstring abilities;
        std::wstring capsState;
        std::wstring uiOwner;
        double sizeMaxX = 0;
        double sizeMaxY = 0;
    };

    // "media" (block) is required.
    bool init(const CPBlock& block, std::wstring* fault = nullptr);
    bool write(CPBlock& block) const;

    MediaNode media;
};

class UdmNode {
public:
    class CalibrationNode {
    public:
        bool init(const CPBlock& block, std::wstring* fault = nullptr);
        bool write(CPBlock& block) const;

        double x = 1.0;
        double y = 1.0;
    };

    // "calibration" (block) is required.
    bool init(const CPBlock& block, std::wstring* fault = nullptr);
    bool write(CPBlock& block) const;

    CalibrationNode calibration;
};

class HiddenNode {
public:
    class MediaNode {
    public:
        // The hidden paper sizes, in file order.
        class SizeNode {
        public:
            class PaperSize {
            public:
                bool init(const CPBlock& block, std::wstring* fault = nullptr);
                bool write(CPBlock& block) const;

                int capsType = 4;
                std::wstring name;
                std::wstring localizedName;
                std::wstring mediaDescriptionName;
                int mediaGroup = 0;
                bool landscapeMode = false;
            };

            // Every child block yields a paper, even one read only in part; always true.
            // *fault names the first paper read in part and its key ("2/media_group").
            bool init(const CPBlock& block, std::wstring* fault = nullptr);
            bool write(CPBlock& block) const;

            std::size_t size() const { return papers.size(); }
            bool empty() const { return papers.empty(); }
            PaperSize& operator[](std::size_t i) { return papers[i]; }
            const PaperSize& operator[](std::size_t i) const { return papers[i]; }
            void push_back(const PaperSize& paper) { papers.push_back(paper); }

            std::vector<PaperSize> papers;
        };

        // "default_size" optional, "size" (block) required.
        bool init(const CPBlock& block, std::wstring* fault = nullptr);
        bool write(CPBlock& block) const;

        std::wstring defaultSize;
        SizeNode size;
    };

    // "media" (block) is required.
    bool init(const CPBlock& block, std::wstring* fault = nullptr);
    bool write(CPBlock& block) const;

    MediaNode media;
};
