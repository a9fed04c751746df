#include "ReliabilityModel.h"

#include <cmath>

namespace {

constexpr const char* kRefusal = "Znachenie dolzhno byt bolshe 0!";

}  // namespace

// The comparisons are the ordered IEEE ones: -0.0 passes >= 0.0 but not > 0.0, a NaN passes none.
bool ReliabilityModel::SetTime(double value)
{
    if (value >= 0.0) {
        T = value;
        return true;
    }
    reportRefusal(kRefusal);
    return false;
}

bool ReliabilityModel::SetMeanTime(double value)
{
    if (value > 0.0) {
        Tst = value;
        return true;
    }
    reportRefusal(kRefusal);
    return false;
}

// With every floating-point exception masked, a zero or infinite Tst gives infinities and NaNs,
// and they are stored as they come.
void ReliabilityModel::Compute()
{
    P = std::exp(-T / Tst);
}

double ReliabilityModel::GetReliability() const
{
    return P;
}
