// Plot style table: construction, deep copies, creation, queries and the editing operations.
#include "davaraz/plotstyle/PlotStyleTable.h"
#include "platform/od/OdCase.h"
#include "platform/tvutils/Translate.h"

#include <unordered_map>

CPlotStyleTable::CPlotStyleTable() = default;
CPlotStyleTable::~CPlotStyleTable() = default;
CPlotStyleTable::CPlotStyleTable(CPlotStyleTable&&) noexcept = default;
CPlotStyleTable& CPlotStyleTable::operator=(CPlotStyleTable&&) noexcept = default;

CPlotStyleTable::CPlotStyleTable(const CPlotStyleTable& o)
    : m_description(o.m_description), m_scaleFactor(o.m_scaleFactor), m_applyFactor(o.m_applyFactor),
      m_clwDisplayUnits(o.m_clwDisplayUnits), m_clw(o.m_clw), m_writeAciTable(o.m_writeAciTable),
      m_useAci(o.m_useAci), m_aciAvailable(o.m_aciAvailable)
{
    std::unordered_map<const CPlotStyle*, CPlotStyle*> copyOf;
    m_styles.reserve(o.m_styles.size());
    for (const auto& s : o.m_styles) {
        m_styles.push_back(s ? std::make_unique<CPlotStyle>(*s) : nullptr);
        copyOf[s.get()] = m_styles.back().get();
    }
    if (o.m_aci) {
        m_aci = std::make_unique<CAciTable>();
        for (int i = 0; i < CAciTable::kSize; ++i) {
            const auto it = copyOf.find(o.m_aci->at(i));
            m_aci->set(i, it == copyOf.end() ? nullptr : it->second);
        }
    }
}

CPlotStyleTable& CPlotStyleTable::operator=(const CPlotStyleTable& o)
{
    if (this != &o) {
        CPlotStyleTable copy(o);
        *this = std::move(copy);
    }
    return *this;
}

CPlotStyleTable* CPlotStyleTable::create(bool colorDependent, const wchar_t* baseName)
{
    auto table = std::make_unique<CPlotStyleTable>();
    if (!colorDependent) {
        table->m_styles.push_back(std::make_unique<CPlotStyle>());
        table->m_styles.back()->updateName(L"Normal");
        return table.release();
    }
    const std::wstring base = baseName ? std::wstring(baseName) : ut::translate(L"Color");
    table->m_aciAvailable = table->m_useAci = true;
    table->m_aci = std::make_unique<CAciTable>();
    table->m_styles.reserve(CAciTable::kSize);
    for (int n = 1; n <= CAciTable::kSize; ++n) {
        auto style = std::make_unique<CPlotStyle>();
        const std::wstring number = std::to_wstring(n);
        style->m_locName = base + L" " + number;
        style->m_name = base + L"_" + number;
        table->m_aci->set(n - 1, style.get());
        table->m_styles.push_back(std::move(style));
    }
    return table.release();
}

int CPlotStyleTable::indexOf(const CPlotStyle* style) const
{
    for (std::size_t i = 0; i < m_styles.size(); ++i)
        if (m_styles[i].get() == style)
            return static_cast<int>(i);
    return -1;
}

CPlotStyle* CPlotStyleTable::find(const wchar_t* name) const
{
    if (!name)
        return nullptr;
    for (const auto& s : m_styles)
        if (s && odEqualNoCase(s->name(), name))
            return s.get();
    return nullptr;
}

std::wstring CPlotStyleTable::foldedName(const wchar_t* name)
{
    std::wstring folded(name ? name : L"");
    for (wchar_t& c : folded)
        c = odToLower(c);
    return folded;
}

std::unordered_map<std::wstring, CPlotStyle*> CPlotStyleTable::stylesByName() const
{
    std::unordered_map<std::wstring, CPlotStyle*> index(m_styles.size());
    for (const auto& s : m_styles)
        if (s)
            index.emplace(foldedName(s->name()), s.get());
    return index;
}

int CPlotStyleTable::findLocName(const wchar_t* locName) const
{
    if (!locName)
        return -1;
    for (std::size_t i = 0; i < m_styles.size(); ++i)
        if (m_styles[i] && odEqualNoCase(m_styles[i]->locName(), locName))
            return static_cast<int>(i);
    return -1;
}

bool CPlotStyleTable::nameTaken(const wchar_t* locName, int except) const
{
    // Both forms count: "Pen Wide" and "Pen_Wide" are stored under the same name, and the ACI
    // mapping finds styles by it.
    const std::wstring name = CPlotStyle::internalName(locName);
    for (std::size_t k = 0; k < m_styles.size(); ++k) {
        const CPlotStyle* s = m_styles[k].get();
        if (static_cast<int>(k) != except && s && (odEqualNoCase(s->locName(), locName) || odEqualNoCase(s->name(), name.c_str())))
            return true;
    }
    return false;
}

bool CPlotStyleTable::renameStyle(int i, const wchar_t* newName)
{
    if (i < 0 || static_cast<std::size_t>(i) >= m_styles.size() || !newName || !*newName)
        return false;
    if (nameTaken(newName, i))
        return false;
    m_styles[static_cast<std::size_t>(i)]->updateName(newName);
    return true;
}

bool CPlotStyleTable::addStyle(const wchar_t* newName, int after, const CPlotStyle* model)
{
    if (m_aci || m_aciAvailable)
        return false;
    if ((after >= 0 && static_cast<std::size_t>(after) >= m_styles.size()) || !newName || !*newName ||
        nameTaken(newName, -1))
        return false;
    auto style = model ? std::make_unique<CPlotStyle>(*model) : std::make_unique<CPlotStyle>();
    style->updateName(newName);
    const std::size_t at = after < 0 ? m_styles.size() : static_cast<std::size_t>(after) + 1;
    m_styles.insert(m_styles.begin() + static_cast<std::ptrdiff_t>(at), std::move(style));
    return true;
}

void CPlotStyleTable::deleteStyle(int i)
{
    if (m_aci || m_aciAvailable || i < 0 || static_cast<std::size_t>(i) >= m_styles.size())
        return;
    m_styles.erase(m_styles.begin() + i);
}

bool CPlotStyleTable::deleteACI()
{
    if (m_useAci || !m_aci)
        return false;
    m_aci.reset();
    m_aciAvailable = false;
    return true;
}

void CPlotStyleTable::addACI(int* const indices)
{
    if (m_useAci || !indices)
        return;
    for (int i = 0; i < CAciTable::kSize; ++i)
        if (indices[i] < 0 || static_cast<std::size_t>(indices[i]) >= m_styles.size())
            return;
    m_aciAvailable = true;
    if (!m_aci)
        m_aci = std::make_unique<CAciTable>();
    for (int i = 0; i < CAciTable::kSize; ++i)
        m_aci->set(i, m_styles[static_cast<std::size_t>(indices[i])].get());
}

bool CPlotStyleTable::omitAciTable()
{
    if (!m_aciAvailable || !m_aci || m_styles.size() != static_cast<std::size_t>(CAciTable::kSize))
        return false;
    for (int i = 0; i < CAciTable::kSize; ++i)
        if (m_aci->at(i) != m_styles[static_cast<std::size_t>(i)].get())
            return false;
    m_writeAciTable = false;
    return true;
}
