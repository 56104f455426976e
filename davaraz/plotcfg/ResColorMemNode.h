// The "res_color_mem" section of a plotter configuration: colour, memory and the nested
// "resolution" block.
#pragma once
#include "davaraz/pia/PItem.h"

#include <optional>
#include <string>

class wxDC;
namespace wut {
class PrintData;
}

class CResColorMemNode {
public:
    class CResolutionNode {
    public:
        CResolutionNode() = default;
        CResolutionNode(const CResolutionNode&) = default;
        CResolutionNode(CResolutionNode&&) = default;
        CResolutionNode& operator=(const CResolutionNode&) = default;
        CResolutionNode& operator=(CResolutionNode&&) = default;

        bool init(const CPBlock& block, std::wstring* fault = nullptr);
        bool write(CPBlock& block) const;

        // A square resolution named "<dpi>x<dpi>" (no tag); effective resolutions stay.
        void set(long dpi);

        // The print-data side without print data: dmQuality is the DEVMODE resolution code
        // (-4 high ... -1 draft, or dots per inch); dcPpiX the device context's horizontal
        // resolution, absent without a context; yResolution the native Y resolution.
        // True when any field changed; a symbolic quality without a context changes nothing.
        bool setFromDevice(short dmQuality, std::optional<int> dcPpiX, short yResolution);
        // What the block puts into print data: the wxPrintData quality (-1 high ... -4 draft, or
        // dots per inch) and the native Y resolution, each absent when it is left alone.
        struct PrintResolution {
            std::optional<int> quality;
            std::optional<short> yResolution;
        };
        PrintResolution printResolution() const;

        // The same two conversions on print data whose native data is the library's; dc gives
        // the dots per inch behind a symbolic quality and may be null.
        bool set(const wut::PrintData& data, const wxDC* dc);
        void get(wut::PrintData& data) const;

        std::wstring name;
        double physResolutionX = 1.0;
        double physResolutionY = 1.0;
        double addrResolutionX = 1.0;
        double addrResolutionY = 1.0;
        double effectiveResolutionX = 1.0;
        double effectiveResolutionY = 1.0;
    };

    CResColorMemNode() = default;
    CResColorMemNode(const CResColorMemNode&) = default;
    CResColorMemNode& operator=(const CResColorMemNode&) = default;

    bool init(const CPBlock& block, std::wstring* fault = nullptr);
    bool write(CPBlock& block) const;

    std::wstring name;
    int numColors = 256;
    int colorDepth = 8;
    int numUnditheredColors = 256;
    int colorSystem = 0;
    int dmColor = 1; // 1 monochrome, 2 colour
    int icmMethod = 0;
    int icmIntent = 0;
    int ismMax = 6;
    int oleMax = 6;
    int hardSoft = 0;
    int preference = 50;
    std::optional<bool> linesOverwrite;
    std::optional<bool> colorMono;
    CResolutionNode resolution;
};
