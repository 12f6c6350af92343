#pragma once

// The elementary functions every figure goes through, one implementation
// for every build: the C libraries of the desktop (glibc) and of the
// browser (emscripten's musl) round some results differently in the last
// bit, which a compensated distance can carry into its fourth decimal.
// These are musl's, compiled into both. Square roots, floors and the like
// are exact everywhere and stay the standard library's.

namespace corvane::maths {

double Pow(double base, double exponent) noexcept;
double Exp2(double x) noexcept;
double Log2(double x) noexcept;
double Hypot(double x, double y) noexcept;
double Sin(double x) noexcept;
double Cos(double x) noexcept;
double Asin(double x) noexcept;
double Acos(double x) noexcept;
double Atan(double x) noexcept;
double Atan2(double y, double x) noexcept;

} // namespace corvane::maths
