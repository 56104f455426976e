// A plot style table document (.ctb colour-dependent, .stb named): settings, styles, the optional
// ACI mapping and the custom line weights, with reading, writing and editing.
#pragma once
#include "davaraz/pia/Document.h"
#include "davaraz/plotstyle/AciTable.h"
#include "davaraz/plotstyle/CustomLineweightTable.h"
#include "davaraz/plotstyle/PlotStyle.h"

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CPBlock;
class CPIAParser;

class CPlotStyleTable {
public:
    CPlotStyleTable();
    ~CPlotStyleTable();
    // Copies are deep: the copy owns copies of the styles, and its ACI entries point to its own
    // styles at the same positions. So each table deletes only what it owns, and editing a
    // copy never reaches the original.
    CPlotStyleTable(const CPlotStyleTable& other);
    CPlotStyleTable& operator=(const CPlotStyleTable& other);
    CPlotStyleTable(CPlotStyleTable&&) noexcept;
    CPlotStyleTable& operator=(CPlotStyleTable&&) noexcept;

    // A new table from a PIA file, or null. The second form also tells why a file was refused.
    static CPlotStyleTable* read(const wchar_t* path);
    static CPlotStyleTable* read(const wchar_t* path, pia::ReadResult* result);
    // CTB header for a ".ctb" path, STB otherwise; result, when given, tells how it went.
    bool write(const wchar_t* path, pia::WriteResult* result = nullptr);
    // A colour-dependent table of 255 styles "<base>_1" .. "<base>_255" with the identity
    // mapping (base: the translation of "Color" when null), or a named table holding "Normal".
    static CPlotStyleTable* create(bool colorDependent, const wchar_t* baseName);

    const wchar_t* description() const { return m_description.c_str(); }
    void setDescription(const wchar_t* text) { m_description = text ? text : L""; }
    double scaleFactor() const { return m_scaleFactor; }
    void setScaleFactor(double v) { m_scaleFactor = v; }
    bool applyFactor() const { return m_applyFactor; }
    void setApplyFactor(bool v) { m_applyFactor = v; }
    int customLineweightDisplayUnits() const { return m_clwDisplayUnits; }
    void setCustomLineweightDisplayUnits(int v) { m_clwDisplayUnits = v; }
    const CCustomLineweightTable& customLineweights() const { return m_clw; }
    CCustomLineweightTable& customLineweights() { return m_clw; }

    std::size_t size() const { return m_styles.size(); }
    CPlotStyle* style(int i) { return m_styles[static_cast<std::size_t>(i)].get(); }
    const CPlotStyle* style(int i) const { return m_styles[static_cast<std::size_t>(i)].get(); }
    const CAciTable* ACI() const { return m_aci.get(); }
    bool useACI() const { return m_useAci; }
    bool hasACI() const { return m_aciAvailable; }
    // Whether a file written from the table carries the "aci_table" block; false for a table
    // read from a file that left its identity mapping implicit.
    bool writesAciTable() const { return m_writeAciTable; }
    // Leaves the mapping implicit in the files written, as such files do. Refused (false,
    // nothing changes) unless the table has 255 styles and maps each colour to its position.
    bool omitAciTable();
    // Position of a style of this table, or -1.
    int indexOf(const CPlotStyle* style) const;

    // Letter case ignored.
    CPlotStyle* find(const wchar_t* name) const;
    int findLocName(const wchar_t* locName) const;

    bool renameStyle(int i, const wchar_t* newName);
    // Inserts after position `after` (negative: append); refused while an ACI mapping exists.
    bool addStyle(const wchar_t* newName, int after, const CPlotStyle* model);
    // Refused (nothing happens) while an ACI mapping exists or for a position out of range.
    void deleteStyle(int i);
    bool deleteACI();
    // ACI entry i becomes the style at position indices[i]. Nothing happens when the mapping is
    // in force, or when the array is null or names a position the table does not have.
    void addACI(int* const indices);

protected:
    bool init(CPIAParser& parser);
    bool initAci(const CPBlock& block);
    bool initCLW(const CPBlock& block);
    bool writeToBlock(CPBlock& root);
    bool writeAciEntry(CPBlock& aciBlock, int i);
    bool writeCLW(CPBlock& clwBlock, int i);

private:
    bool refuse(const std::wstring& why);
    // Another style than the one at except has this localized name or its internal form.
    bool nameTaken(const wchar_t* locName, int except) const;
    // Each style under its name folded to lower case (the first of equal names, as find
    // answers), for finding many names at once.
    std::unordered_map<std::wstring, CPlotStyle*> stylesByName() const;
    static std::wstring foldedName(const wchar_t* name);

    std::wstring m_description;
    double m_scaleFactor = 1.0;
    bool m_applyFactor = false;
    int m_clwDisplayUnits = 0;
    CCustomLineweightTable m_clw;
    bool m_writeAciTable = true;
    bool m_useAci = false;
    bool m_aciAvailable = false;
    std::vector<std::unique_ptr<CPlotStyle>> m_styles;
    std::unique_ptr<CAciTable> m_aci;
    // Why the last init refused the tree; read() hands it out.
    std::wstring m_readError;
};
