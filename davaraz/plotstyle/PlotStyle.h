// One pen-settings entry of a plot style table: fields, colour encoding, block and binary forms.
#pragma once
#include <string>

class CPBlock;
class CIBinStream;
class COBinStream;
class CPlotStyleTable;

class CPlotStyle {
public:
    // Method bytes of a colour value (bits 24 to 31); -1 means "use the object's colour".
    static constexpr int kTrueColorMethod = 0xC2;
    static constexpr int kAciColorMethod = 0xC3;
    static constexpr int kNoColor = -1;
    // Stored for "no colour" when the colour policy is not plain dithering.
    static constexpr int kAciNoColor = static_cast<int>(0xC3FFFFFFu);
    // Colour policy bits.
    static constexpr int kPolicyDither = 1;
    static constexpr int kPolicyGrayScale = 2;
    static constexpr int kPolicyColorSet = 4;

    CPlotStyle() = default;
    CPlotStyle(const CPlotStyle&) = default;
    CPlotStyle& operator=(const CPlotStyle&) = default;
    ~CPlotStyle() = default;

    const wchar_t* name() const { return m_name.c_str(); }
    const wchar_t* locName() const { return m_locName.c_str(); }
    const wchar_t* desc() const { return m_desc.c_str(); }
    int color() const { return m_color; }
    int mode_color() const { return m_modeColor; }
    int color_policy() const { return m_colorPolicy; }
    int pen() const { return m_physicalPen; }
    int virtualPen() const { return m_virtualPen; }
    int screen() const { return m_screen; }
    double linepattern_size() const { return m_linePatternSize; }
    int lineType() const { return m_lineType; }
    bool isAdaptiveLinetype() const { return m_adaptiveLinetype; }
    int lineWeight() const { return m_lineWeight; }
    int fillStyle() const { return m_fillStyle; }
    int endStyle() const { return m_endStyle; }
    int joinStyle() const { return m_joinStyle; }
    bool isDither() const { return (m_colorPolicy & kPolicyDither) != 0; }
    bool isGrayScale() const { return (m_colorPolicy & kPolicyGrayScale) != 0; }

    void setDesc(const wchar_t* desc) { m_desc = desc ? desc : L""; }
    void setPen(int v) { m_physicalPen = v; }
    void setVirtualPen(int v) { m_virtualPen = v; }
    void setScreen(int v) { m_screen = v; }
    void setLineType(int v) { m_lineType = v; }
    void setLineWeight(int v) { m_lineWeight = v; }
    void setFillStyle(int v) { m_fillStyle = v; }
    void setEndStyle(int v) { m_endStyle = v; }
    void setJoinStyle(int v) { m_joinStyle = v; }
    void setAdaptiveLinetype(bool v) { m_adaptiveLinetype = v; }
    void setDither(bool on) { setPolicyBit(kPolicyDither, on); }
    void setGrayScale(bool on) { setPolicyBit(kPolicyGrayScale, on); }
    // Store as given, outside the rules of updateName and updateColor: for restoring a style
    // field by field as a file had it (a file's names and colours need not follow those rules).
    void setNames(const wchar_t* name, const wchar_t* locName)
    {
        m_name = name ? name : L"";
        m_locName = locName ? locName : L"";
    }
    void setColorValues(int color, int modeColor)
    {
        m_color = color;
        m_modeColor = modeColor;
    }
    void setColorPolicy(int v) { m_colorPolicy = v; }
    void setLinePatternSize(double v) { m_linePatternSize = v; }

    // Assigns a colour given in COLORREF order (red in the low byte), or -1 to remove it.
    // True when color or mode color changed.
    bool updateColor(int c);
    // The colour to draw with, red in bits 16 to 23, or -1 for the object's colour.
    int color2rgb() const;
    // Index 1 to 255 of the palette entry closest to a COLORREF; the lowest index wins a tie.
    static int nearestAci(int c);
    // Index 1 to 255 of the first palette entry equal to a COLORREF, or 0.
    static int exactAci(int c);

    // The localized name becomes newName, the name internalName(newName).
    void updateName(const wchar_t* newName);
    // The name stored for a localized name: white space as '_'.
    static std::wstring internalName(const wchar_t* locName);
    // All pen settings equal; names never count, the description only when asked.
    bool isEqual(const CPlotStyle& other, bool compareDescription) const;

    bool write(COBinStream& out) const;
    bool read(CIBinStream& in);

protected:
    friend class CPlotStyleTable;

    // Appends the block "<index>" with the style's items to parent.
    bool write(CPBlock& parent, int index, bool writeModeColor) const;
    // Reads a style block; on false, *fault (when given) names the key that failed.
    bool init(const CPBlock& block, std::wstring* fault = nullptr);

private:
    void setPolicyBit(int bit, bool on) { m_colorPolicy = on ? (m_colorPolicy | bit) : (m_colorPolicy & ~bit); }

    std::wstring m_name;
    std::wstring m_locName;
    std::wstring m_desc;
    int m_color = kNoColor;
    int m_modeColor = kNoColor;
    int m_colorPolicy = kPolicyDither;
    int m_physicalPen = 0;
    int m_virtualPen = 0;
    int m_screen = 100;
    double m_linePatternSize = 0.5;
    int m_lineType = 31;
    bool m_adaptiveLinetype = true;
    int m_lineWeight = 0;
    int m_fillStyle = 73;
    int m_endStyle = 4;
    int m_joinStyle = 5;
};
