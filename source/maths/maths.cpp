#include "maths.h"

extern "C" {
double corvane_musl_pow(double, double);
double corvane_musl_exp2(double);
double corvane_musl_log2(double);
double corvane_musl_hypot(double, double);
double corvane_musl_sin(double);
double corvane_musl_cos(double);
double corvane_musl_asin(double);
double corvane_musl_acos(double);
double corvane_musl_atan(double);
double corvane_musl_atan2(double, double);
}

namespace corvane::maths {

double Pow(double base, double exponent) noexcept
{
    return corvane_musl_pow(base, exponent);
}

double Exp2(double x) noexcept
{
    return corvane_musl_exp2(x);
}

double Log2(double x) noexcept
{
    return corvane_musl_log2(x);
}

double Hypot(double x, double y) noexcept
{
    return corvane_musl_hypot(x, y);
}

double Sin(double x) noexcept
{
    return corvane_musl_sin(x);
}

double Cos(double x) noexcept
{
    return corvane_musl_cos(x);
}

double Asin(double x) noexcept
{
    return corvane_musl_asin(x);
}

double Acos(double x) noexcept
{
    return corvane_musl_acos(x);
}

double Atan(double x) noexcept
{
    return corvane_musl_atan(x);
}

double Atan2(double y, double x) noexcept
{
    return corvane_musl_atan2(y, x);
}

} // namespace corvane::maths
