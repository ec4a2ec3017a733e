#pragma once
// Every computed real that becomes a pixel, alpha, colour channel or size is
// rounded to the nearest integer, halves to the even neighbour.

#include <cmath>
#include <limits>

namespace zentrova {

inline long long RoundHalfEvenWide(double value) {
    if (!std::isfinite(value)) return 0;
    double floor = std::floor(value);
    double diff = value - floor;
    double result = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) result = floor + 1.0;
    constexpr double kLimit = 9.0e18;
    if (result > kLimit) return static_cast<long long>(kLimit);
    if (result < -kLimit) return static_cast<long long>(-kLimit);
    return static_cast<long long>(result);
}

// Saturates at the int range so that absurd inputs cannot overflow.
inline int RoundHalfEven(double value) {
    long long wide = RoundHalfEvenWide(value);
    if (wide > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (wide < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(wide);
}

}  // namespace zentrova
