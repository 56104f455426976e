// Default custom line weights and the line weight range check.
#include "davaraz/plotstyle/CustomLineweightTable.h"

#include <cerrno>
#include <cwchar>

namespace {
constexpr std::array<double, CCustomLineweightTable::kSize> kDefaults = {
    0,   0.05, 0.09, 0.1,  0.13, 0.15, 0.18, 0.2, 0.25, 0.3,  0.35, 0.4,  0.45, 0.5,
    0.53, 0.6, 0.65, 0.7,  0.8,  0.9,  1.0,  1.06, 1.2, 1.4,  1.58, 2.0,  2.11};
constexpr double kEpsilon = 1.1920928955078125e-7; // single-precision epsilon
constexpr double kMaxMillimetres = 200.0;
constexpr double kMaxInches = 200.0 / 25.4;
} // namespace

CCustomLineweightTable::CCustomLineweightTable() : m_weights(kDefaults) {}

bool CCustomLineweightTable::checkLineWeightRange(double& weight, bool inches)
{
    const double maximum = inches ? kMaxInches : kMaxMillimetres;
    if (weight < kEpsilon) {
        const bool ok = weight >= 0;
        weight = 0;
        return ok;
    }
    if (weight < maximum + kEpsilon)
        return true;
    weight = maximum;
    return false;
}

bool CCustomLineweightTable::checkLineWeightRange(double& weight, const wchar_t* text, bool inches)
{
    // wxString::ToDouble: the whole text a number in the current locale, and one a double holds.
    if (!text)
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    const double value = std::wcstod(text, &end);
    if (end == text || *end != L'\0' || errno == ERANGE)
        return false;
    weight = value;
    return checkLineWeightRange(weight, inches);
}
