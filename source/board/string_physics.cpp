#include "string_physics.h"

#include "maths.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane::board {

namespace {

constexpr double CentsPerOctave = 1200.0;

// The stiffness factor of a clamped-pinned string's frequency.
double StiffnessFactor(double b) noexcept
{
    return 1.0 + b + (1.0 + std::numbers::pi * std::numbers::pi / 2.0) * b * b;
}

// The fret tops sag as a parabola from the nut to the saddle, deepest, by
// the relief, at the middle (the octave).
double ReliefDrop(const StringModel& string, double fromNutMm) noexcept
{
    const double u = fromNutMm / string.scaleLengthMm;
    return string.action.reliefMm * 4.0 * u * (1.0 - u);
}

} // namespace

double TensionNewtons(double unitWeightKgPerM, double lengthMm, double frequencyHz) noexcept
{
    const double wave = 2.0 * lengthMm / 1000.0 * frequencyHz;
    return unitWeightKgPerM * wave * wave;
}

double FretErrorCents(
    const StringModel& string, Setbacks setbacks, double fretFromNutMm, double ratio) noexcept
{
    const double x0 = string.scaleLengthMm;
    const double xn = x0 - fretFromNutMm; // fret to saddle
    const double ds = setbacks.saddleMm;
    const double dn = -setbacks.nutMm; // the model's sign: negative shortens
    const double b = string.action.nutClearanceMm + ReliefDrop(string, fretFromNutMm);
    const double c = string.action.saddleHeightMm;
    const double d = string.action.frettingDistanceMm;

    const double open = maths::Hypot(x0 + ds + dn, c);
    const double toSaddle = maths::Hypot(xn + ds, b + c);
    const double toNut
        = toSaddle / (xn + ds) * d + maths::Hypot(x0 - xn + dn - d, b + (b + c) / (xn + ds) * d);
    const double stretch = (toSaddle + toNut - open) / open;

    const double lengthTerm = CentsPerOctave * maths::Log2(open / (ratio * toSaddle));
    const double massTerm = CentsPerOctave / 2.0 * maths::Log2(1.0 + stretch);
    const double tensionTerm = CentsPerOctave / 2.0 * maths::Log2(1.0 + string.kappa * stretch);
    const double stiffnessTerm = CentsPerOctave
        * maths::Log2(StiffnessFactor(ratio * string.b0) / StiffnessFactor(string.b0));
    return lengthTerm + massTerm + tensionTerm + stiffnessTerm;
}

std::vector<double> FretErrors(
    const StringModel& string, Setbacks setbacks, const std::vector<double>& ratios)
{
    std::vector<double> cents;
    cents.reserve(ratios.size());
    for (const double ratio : ratios)
        cents.push_back(
            FretErrorCents(string, setbacks, string.scaleLengthMm * (1.0 - 1.0 / ratio), ratio));
    return cents;
}

double RootMeanSquare(const std::vector<double>& cents, int count) noexcept
{
    const auto n = std::min<std::size_t>(cents.size(), static_cast<std::size_t>(count));
    if (n == 0)
        return 0;
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += cents[i] * cents[i];
    return std::sqrt(sum / static_cast<double>(n));
}

double Worst(const std::vector<double>& cents, int count) noexcept
{
    const auto n = std::min<std::size_t>(cents.size(), static_cast<std::size_t>(count));
    double worst = 0;
    for (std::size_t i = 0; i < n; ++i)
        worst = std::max(worst, std::fabs(cents[i]));
    return worst;
}

Fit FitSetbacks(const StringModel& string, const std::vector<double>& ratios, int fitFrets)
{
    // The errors are very nearly linear in both setbacks on any real string,
    // and Gauss-Newton settles in two or three steps. Frets crowded near the
    // nut (72-EDO) make them far less so: Levenberg-Marquardt's damping keeps
    // every step one that lowers the error, and a fit that cannot is said.
    const std::vector<double> fitted(ratios.begin(),
        ratios.begin()
            + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(ratios.size()), fitFrets));
    constexpr double Step = 1e-3; // mm, for the Jacobian
    constexpr double Settled = 1e-6; // mm: the errors' rounding moves a step by 1e-8
    const auto squares = [&](Setbacks setbacks) {
        double sum = 0;
        for (const double e : FretErrors(string, setbacks, fitted))
            sum += e * e;
        return sum;
    };
    Fit fit;
    double current = squares(fit.setbacks);
    double damping = 1e-6;
    for (int iteration = 0; iteration < 200 && std::isfinite(current); ++iteration) {
        const Setbacks& s = fit.setbacks;
        const std::vector<double> e = FretErrors(string, s, fitted);
        const std::vector<double> es = FretErrors(string, { s.saddleMm + Step, s.nutMm }, fitted);
        const std::vector<double> en = FretErrors(string, { s.saddleMm, s.nutMm + Step }, fitted);
        double jss = 0, jsn = 0, jnn = 0, gs = 0, gn = 0;
        for (std::size_t i = 0; i < e.size(); ++i) {
            const double js = (es[i] - e[i]) / Step;
            const double jn = (en[i] - e[i]) / Step;
            jss += js * js;
            jsn += js * jn;
            jnn += jn * jn;
            gs += js * e[i];
            gn += jn * e[i];
        }
        // The damped step; more damping, a shorter step, until one lowers the
        // error or is too short to matter.
        for (;; damping *= 10) {
            const double a = jss * (1 + damping), d = jnn * (1 + damping);
            const double determinant = a * d - jsn * jsn;
            const Setbacks step { -(d * gs - jsn * gn) / determinant,
                -(a * gn - jsn * gs) / determinant };
            if (!std::isfinite(step.saddleMm) || !std::isfinite(step.nutMm))
                return fit;
            const bool tiny = std::fabs(step.saddleMm) < Settled && std::fabs(step.nutMm) < Settled;
            const Setbacks next { s.saddleMm + step.saddleMm, s.nutMm + step.nutMm };
            const double after = squares(next);
            if (std::isfinite(after) && after <= current) {
                fit.setbacks = next;
                current = after;
                damping = std::max(damping / 10, 1e-9);
                if (tiny)
                    fit.settled = true;
                break;
            }
            if (tiny) {
                fit.settled = true; // no shorter step lowers the error: its least
                break;
            }
        }
        if (fit.settled)
            return fit;
    }
    return fit;
}

std::optional<double> FretletFromNutMm(
    const StringModel& string, Setbacks setbacks, double ratio) noexcept
{
    // Newton's method from the plain fret; a cent is about 0.06 % of the
    // stopped length, so the error's slope is nearly constant.
    double x = string.scaleLengthMm * (1.0 - 1.0 / ratio);
    for (int iteration = 0;; ++iteration) {
        const double error = FretErrorCents(string, setbacks, x, ratio);
        if (!std::isfinite(error))
            return std::nullopt;
        if (std::fabs(error) < 1e-9 || iteration == 12)
            return std::fabs(error) < 1e-6 ? std::optional<double>(x) : std::nullopt;
        constexpr double Step = 1e-4;
        const double slope = (FretErrorCents(string, setbacks, x + Step, ratio) - error) / Step;
        const double next = x - error / slope;
        if (!(next > 0 && next < string.scaleLengthMm))
            return std::nullopt; // no place on this string puts the note in tune
        x = next;
    }
}

StringConstants SteelCoreConstants(
    double coreDiameterMm, double tensionNewtons, double scaleLengthMm) noexcept
{
    const double radius = coreDiameterMm / 2000.0; // m
    const double kappa = std::numbers::pi * radius * radius * SteelModulusPa / tensionNewtons;
    return { kappa, std::sqrt(kappa) * radius / (2.0 * scaleLengthMm / 1000.0) };
}

StringConstants CarriedConstants(StringConstants published, double publishedTensionN,
    double publishedLengthMm, double tensionN, double lengthMm) noexcept
{
    return { published.kappa * publishedTensionN / tensionN,
        published.b0 * std::sqrt(publishedTensionN / tensionN) * publishedLengthMm / lengthMm };
}

} // namespace corvane::board
