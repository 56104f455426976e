// Plot style table files: reading a parsed PIA tree into a table and building the tree to write.
#include "davaraz/plotstyle/PlotStyleTable.h"
#include "davaraz/pia/PIAParser.h"
#include "davaraz/pia/SectionIo.h"
#include "platform/tvutils/FileName.h"

#include <climits>
#include <cwchar>

namespace {

// The runtime's _wtoi: leading blanks, a sign and digits; 0 when nothing converts.
int wtoi(const wchar_t* text)
{
    int plain = 0;
    if (scanInt(text, plain))
        return plain;
    const long v = std::wcstol(text, nullptr, 10);
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

std::wstring quoted(const wchar_t* key) { return std::wstring(L"\"") + key + L"\""; }

// How a refusal names an entry of a block, e.g. block "plot_style/3"; built only on refusal.
std::wstring entry(const wchar_t* what, const wchar_t* block, const CPItem& child)
{
    return std::wstring(what) + L" " + quoted((std::wstring(block) + L"/" + child.name().c_str()).c_str());
}

} // namespace

bool CPlotStyleTable::refuse(const std::wstring& why)
{
    if (m_readError.empty())
        m_readError = why;
    return false;
}

CPlotStyleTable* CPlotStyleTable::read(const wchar_t* path) { return read(path, nullptr); }

CPlotStyleTable* CPlotStyleTable::read(const wchar_t* path, pia::ReadResult* result)
{
    std::unique_ptr<CPlotStyleTable> table;
    const pia::ReadResult r = pia::readDocument(path, [&table](CPIAParser& parser, pia::ReadResult& fault) {
        table = std::make_unique<CPlotStyleTable>();
        if (table->init(parser))
            return true;
        fault.refuse(std::wstring(), table->m_readError);
        return false;
    });
    if (result)
        *result = r;
    return r ? table.release() : nullptr;
}

bool CPlotStyleTable::init(CPIAParser& parser)
{
    m_readError.clear();
    const CPBlock* root = parser.root();
    if (!root)
        return refuse(L"the file is empty");

    std::wstring key;
    const section::Reader r(*root, &key);
    bool aciAvailable = false;
    if (!r.str(L"description", m_description) || !r.flag(L"aci_table_available", aciAvailable) ||
        !r.real(L"scale_factor", m_scaleFactor) || !r.flag(L"apply_factor", m_applyFactor))
        return refuse(L"missing or malformed required key " + quoted(key.c_str()));
    r.optInt(L"custom_lineweight_display_units", m_clwDisplayUnits);

    const CPBlock* styleBlock = r.block(L"plot_style");
    if (!styleBlock)
        return refuse(L"missing required block " + quoted(L"plot_style"));
    const CPBlock& styles = *styleBlock;
    m_styles.clear();
    m_styles.resize(static_cast<std::size_t>(styles.count()));
    // Children may come in any order; their keys place them and must be 0 .. n - 1 once each.
    for (int c = 0; c < styles.count(); ++c) {
        const CPItem* child = styles.item(c);
        if (child->kind() != PI_BLOCK)
            return refuse(entry(L"block", L"plot_style", *child) + L" is not a style block");
        const int p = wtoi(child->name().c_str());
        if (p < 0 || p >= styles.count() || m_styles[static_cast<std::size_t>(p)])
            return refuse(entry(L"block", L"plot_style", *child) + L": the style numbers are not 0 to " +
                          std::to_wstring(styles.count() - 1) + L", each once");
        m_styles[static_cast<std::size_t>(p)] = std::make_unique<CPlotStyle>();
        std::wstring key;
        if (!m_styles[static_cast<std::size_t>(p)]->init(*static_cast<const CPBlock*>(child), &key))
            return refuse(entry(L"block", L"plot_style", *child) + L": missing or malformed required key " +
                          quoted(key.c_str()));
    }

    m_aciAvailable = aciAvailable;
    if (aciAvailable) {
        m_aci = std::make_unique<CAciTable>();
        if (const CPItem* aci = root->find(L"aci_table", PI_BLOCK)) {
            if (!initAci(*static_cast<const CPBlock*>(aci)))
                return refuse(L"block \"aci_table\" is malformed");
        } else {
            if (m_styles.size() != static_cast<std::size_t>(CAciTable::kSize))
                return refuse(L"no block \"aci_table\", and " + std::to_wstring(m_styles.size()) +
                              (m_styles.size() == 1 ? L" style" : L" styles") + L" instead of 255");
            for (int i = 0; i < CAciTable::kSize; ++i)
                m_aci->set(i, m_styles[static_cast<std::size_t>(i)].get());
            m_writeAciTable = false;
            m_useAci = true;
        }
    }

    if (const CPItem* clw = root->find(L"custom_lineweight_table", PI_BLOCK))
        return initCLW(*static_cast<const CPBlock*>(clw));
    return true;
}

bool CPlotStyleTable::initAci(const CPBlock& block)
{
    if (block.count() != CAciTable::kSize)
        return refuse(L"block \"aci_table\" has " + std::to_wstring(block.count()) + L" entries instead of 255");
    if (!m_aci)
        m_aci = std::make_unique<CAciTable>();
    m_aci->clear();
    const std::unordered_map<std::wstring, CPlotStyle*> byName = stylesByName();
    for (int c = 0; c < block.count(); ++c) {
        const CPItem* child = block.item(c);
        if (child->kind() != PI_STR)
            return refuse(entry(L"item", L"aci_table", *child) + L" is not a string");
        const int i = wtoi(child->name().c_str());
        if (i < 0 || i >= CAciTable::kSize || m_aci->at(i))
            return refuse(entry(L"item", L"aci_table", *child) + L": the entry numbers are not 0 to 254, each once");
        const auto style = byName.find(foldedName(static_cast<const CPStr*>(child)->text().c_str()));
        if (style == byName.end())
            return refuse(entry(L"item", L"aci_table", *child) + L" names a style the table does not have");
        m_aci->set(i, style->second);
    }
    m_useAci = true;
    return true;
}

bool CPlotStyleTable::initCLW(const CPBlock& block)
{
    if (block.count() != CCustomLineweightTable::kSize)
        return refuse(L"block \"custom_lineweight_table\" has " + std::to_wstring(block.count()) +
                      L" entries instead of 27");
    for (int c = 0; c < block.count(); ++c) {
        const CPItem* child = block.item(c);
        if (child->kind() != PI_NUM)
            return refuse(entry(L"item", L"custom_lineweight_table", *child) + L" is not a number");
        const int i = wtoi(child->name().c_str());
        double weight = 0;
        if (i < 0 || i >= CCustomLineweightTable::kSize)
            return refuse(entry(L"item", L"custom_lineweight_table", *child) + L": the entry numbers are not 0 to 26");
        if (!scanDouble(static_cast<const CPNum*>(child)->text().c_str(), weight))
            return refuse(entry(L"item", L"custom_lineweight_table", *child) + L" is not a number");
        m_clw.set(i, weight);
    }
    return true;
}

bool CPlotStyleTable::write(const wchar_t* path, pia::WriteResult* result)
{
    CPRoot tree;
    CPBlock& root = tree.block();
    if (path && !writeToBlock(root)) {
        if (result)
            *result = {pia::WriteStatus::content};
        return false;
    }
    return pia::writeDocument(root, path && ut::FileName(OdString(path)).hasExt(L"ctb") ? PIA_CTB : PIA_STB, path,
                              result);
}

bool CPlotStyleTable::writeToBlock(CPBlock& root)
{
    root.put<CPStr>(L"description", m_description);
    root.put<CPBool>(L"aci_table_available", m_aciAvailable);
    root.put<CPNum>(L"scale_factor", m_scaleFactor, -1);
    root.put<CPBool>(L"apply_factor", m_applyFactor);
    root.put<CPNum>(L"custom_lineweight_display_units", m_clwDisplayUnits);

    if (m_writeAciTable && m_aciAvailable && m_aci) {
        CPBlock* aci = root.put<CPBlock>(L"aci_table");
        for (int i = 0; aci && i < CAciTable::kSize; ++i)
            writeAciEntry(*aci, i);
    }

    // "mode_color" only matters once some style carries a colour or a colour policy of its own.
    bool writeModeColor = false;
    for (const auto& s : m_styles)
        if (s && (s->color_policy() != CPlotStyle::kPolicyDither || s->color() != CPlotStyle::kNoColor))
            writeModeColor = true;
    if (CPBlock* styles = root.put<CPBlock>(L"plot_style"))
        for (std::size_t i = 0; i < m_styles.size(); ++i)
            if (m_styles[i])
                m_styles[i]->write(*styles, static_cast<int>(i), writeModeColor);

    if (CPBlock* clw = root.put<CPBlock>(L"custom_lineweight_table"))
        for (int i = 0; i < CCustomLineweightTable::kSize; ++i)
            writeCLW(*clw, i);
    return true;
}

bool CPlotStyleTable::writeAciEntry(CPBlock& aciBlock, int i)
{
    const CPlotStyle* style = m_aci ? m_aci->at(i) : nullptr;
    return aciBlock.put<CPStr>(indexKey(i), style ? style->name() : L"") != nullptr;
}

bool CPlotStyleTable::writeCLW(CPBlock& clwBlock, int i)
{
    return clwBlock.put<CPNum>(indexKey(i), m_clw.at(i), -1) != nullptr;
}
