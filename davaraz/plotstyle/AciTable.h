// The mapping of the 255 ACI colours onto styles of the same table (entry i is ACI colour i + 1).
#pragma once
#include <array>
#include <cstddef>

class CPlotStyle;

class CAciTable {
public:
    static constexpr int kSize = 255;

    // Entry i, for i from 0 to 254. The styles belong to the table's style list.
    CPlotStyle* at(int i) const { return m_entries[static_cast<std::size_t>(i)]; }
    void set(int i, CPlotStyle* style) { m_entries[static_cast<std::size_t>(i)] = style; }
    void clear() { m_entries.fill(nullptr); }

private:
    std::array<CPlotStyle*, kSize> m_entries{};
};
