#pragma once
// Elementary functions made only of IEEE-754 add, subtract, multiply, divide
// and square root, which every conforming machine rounds alike. The C
// library's exp, sin or pow may differ in the last bit between platforms, and
// such a bit can flip a quantised pixel, so the recipes use these instead.

namespace zentrova::skin_gen {

constexpr double kPi = 3.14159265358979323846;

double Exp(double x);
double Log(double x);  // x > 0
double Sin(double x);
double Cos(double x);
double Pow(double base, double exponent);  // base > 0, or 0 for exponent > 0
double Atan2(double y, double x);           // in (-pi, pi]

double Clamp(double x, double lo, double hi);
double Clamp01(double x);
double Mix(double a, double b, double t);
// Hermite step from 0 at edge0 to 1 at edge1 (edge0 > edge1 runs downhill).
double Smoothstep(double edge0, double edge1, double x);

}  // namespace zentrova::skin_gen
