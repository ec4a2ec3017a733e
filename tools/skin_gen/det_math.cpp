#include "det_math.h"

#include <cmath>

namespace zentrova::skin_gen {

namespace {

constexpr double kLn2 = 0.69314718055994530942;
constexpr double kHalfPi = kPi / 2;
constexpr double kTwoPi = kPi * 2;

// sin on [-pi/2, pi/2] by its Taylor series; the 19th power term is below 1e-13.
double SinReduced(double x) {
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 9; ++n) {
        term *= -x2 / ((2.0 * n) * (2.0 * n + 1));
        sum += term;
    }
    return sum;
}

}  // namespace

double Exp(double x) {
    if (x < -700) return 0.0;
    if (x > 700) x = 700;
    // x = k ln2 + r with |r| <= ln2 / 2; ldexp scales by 2^k exactly.
    const double k = std::floor(x / kLn2 + 0.5);
    const double r = x - k * kLn2;
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 14; ++n) {
        term *= r / n;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

double Log(double x) {
    if (x <= 0) return -1e300;
    int exponent = 0;
    double m = std::frexp(x, &exponent);  // exact: m in [0.5, 1)
    if (m < 0.70710678118654752) {
        m *= 2;
        --exponent;
    }
    // log m = 2 atanh(s) with |s| <= 0.172.
    const double s = (m - 1) / (m + 1);
    const double s2 = s * s;
    double power = s;
    double sum = 0;
    for (int n = 1; n <= 27; n += 2) {
        sum += power / n;
        power *= s2;
    }
    return exponent * kLn2 + 2 * sum;
}

double Sin(double x) {
    x -= kTwoPi * std::floor((x + kPi) / kTwoPi);  // now in [-pi, pi)
    if (x > kHalfPi) x = kPi - x;
    if (x < -kHalfPi) x = -kPi - x;
    return SinReduced(x);
}

double Cos(double x) { return Sin(x + kHalfPi); }

double Pow(double base, double exponent) {
    if (base <= 0) return 0.0;
    return Exp(exponent * Log(base));
}

double Atan2(double y, double x) {
    if (x == 0 && y == 0) return 0.0;
    // atan of the smaller over the larger magnitude, in [0, 1]; two
    // half-angle steps bring it under 0.2 where the series is short.
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    double t = ax >= ay ? ay / ax : ax / ay;
    for (int i = 0; i < 2; ++i) t = t / (1 + std::sqrt(1 + t * t));
    const double t2 = t * t;
    double power = t;
    double sum = 0;
    for (int n = 1; n <= 23; n += 2) {
        sum += ((n / 2) % 2 == 0 ? power : -power) / n;
        power *= t2;
    }
    double angle = 4 * sum;
    if (ay > ax) angle = kHalfPi - angle;
    if (x < 0) angle = kPi - angle;
    return y < 0 ? -angle : angle;
}

double Clamp(double x, double lo, double hi) { return x < lo ? lo : (x > hi ? hi : x); }

double Clamp01(double x) { return Clamp(x, 0.0, 1.0); }

double Mix(double a, double b, double t) { return a + (b - a) * t; }

double Smoothstep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

}  // namespace zentrova::skin_gen
