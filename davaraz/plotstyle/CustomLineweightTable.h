// The 27 custom line weights of a plot style table, in millimetres, and their range check.
#pragma once
#include <array>
#include <cstddef>

class CCustomLineweightTable {
public:
    static constexpr int kSize = 27;

    CCustomLineweightTable();

    double at(int i) const { return m_weights[static_cast<std::size_t>(i)]; }
    void set(int i, double weight) { m_weights[static_cast<std::size_t>(i)] = weight; }
    void copy(const CCustomLineweightTable& other) { m_weights = other.m_weights; }

    // Clamps a weight to 0 .. 200 mm (or its equivalent in inches); false when it had to move
    // it, except that a weight just above zero silently becomes 0.
    static bool checkLineWeightRange(double& weight, bool inches);
    // The same for a text; false when the text is not a number.
    static bool checkLineWeightRange(double& weight, const wchar_t* text, bool inches);

private:
    std::array<double, kSize> m_weights;
};
