#include "straight_saddle.h"

#include "maths.h"
#include <cmath>
#include <numbers>

namespace corvane::board {

namespace {

// A string of a piece: its physics and where it stands across the piece.
struct Member {
    std::size_t index = 0;
    StringModel model;
    double nutSetbackMm = 0;
    double share = 0; // 0 at the piece's bass string, 1 at its treble string
    double setbackMm = 0; // where the line crosses it
};

double RmsOn(const Member& m, double setbackMm, const std::vector<double>& ratios, int fit)
{
    return RootMeanSquare(FretErrors(m.model, { setbackMm, m.nutSetbackMm }, ratios), fit);
}

// The line a + b * share nearest every string's best setback, each weighed
// by how fast its squared error grows away from it; the error of each
// string is modelled by a parabola sampled around where the line crossed
// it last, so a few rounds settle it.
bool FitLine(std::vector<Member>& members, const std::vector<double>& ratios, int fit)
{
    constexpr double Step = 0.5; // mm, either side of the current setback
    for (int round = 0; round < 20; ++round) {
        double sw = 0, swu = 0, swuu = 0, sws = 0, swus = 0;
        for (const Member& m : members) {
            const double s = m.setbackMm;
            const double low = maths::Pow(RmsOn(m, s - Step, ratios, fit), 2);
            const double mid = maths::Pow(RmsOn(m, s, ratios, fit), 2);
            const double high = maths::Pow(RmsOn(m, s + Step, ratios, fit), 2);
            const double curvature = (high + low - 2 * mid) / (2 * Step * Step);
            if (!(curvature > 0) || !std::isfinite(curvature))
                return false;
            const double best = s - (high - low) / (2 * Step) / (2 * curvature);
            sw += curvature;
            swu += curvature * m.share;
            swuu += curvature * m.share * m.share;
            sws += curvature * best;
            swus += curvature * m.share * best;
        }
        const double determinant = sw * swuu - swu * swu;
        const bool oneString = members.size() == 1 || !(std::fabs(determinant) > 0);
        const double b = oneString ? 0 : (sw * swus - swu * sws) / determinant;
        const double a = oneString ? sws / sw : (sws - b * swu) / sw;
        double moved = 0;
        for (Member& m : members) {
            const double next = a + b * m.share;
            if (!std::isfinite(next))
                return false;
            moved = std::max(moved, std::fabs(next - m.setbackMm));
            m.setbackMm = next;
        }
        if (moved < 1e-7)
            return true;
    }
    return false;
}

Problem OfSaddle(ProblemKind kind, std::vector<ProblemValue> values = {})
{
    return Problem { kind, std::move(values), {} };
}

} // namespace

void FitStraightSaddle(BoardLayout& board, const std::vector<double>& fretRatios, int fitFrets)
{
    const Stringing& stringing = board.design.stringing;
    board.saddlePieces.clear();
    board.saddleProblem.reset();
    if (stringing.saddle == SaddleShape::PerString || board.stringReports.empty())
        return;
    const auto refuse = [&](Problem problem) {
        board.saddlePieces.clear();
        for (StringReport& report : board.stringReports) {
            report.straightSaddleSetbackMm.reset();
            report.straightSaddleRmsCents.reset();
            report.straightSaddleWorstCents.reset();
        }
        board.saddleProblem = std::move(problem);
    };
    const std::size_t count = board.stringReports.size();
    // The pieces: one, or the wound strings (bass side) and the plain ones.
    std::vector<std::pair<std::size_t, std::size_t>> pieces { { 0, count - 1 } };
    if (stringing.saddle == SaddleShape::TwoPiece) {
        std::size_t wound = 0;
        while (wound < count && IsWound(stringing, wound))
            ++wound;
        for (std::size_t i = wound; i < count; ++i)
            if (IsWound(stringing, i))
                return refuse(OfSaddle(ProblemKind::SaddlePiecesMixed, { std::to_string(i + 1) }));
        if (wound > 0 && wound < count)
            pieces = { { 0, wound - 1 }, { wound, count - 1 } };
    }
    for (const auto& [first, last] : pieces) {
        std::vector<Member> members;
        const Point from = board.strings[first].line.to, to = board.strings[last].line.to;
        const double across = maths::Hypot(to.x - from.x, to.y - from.y);
        for (std::size_t i = first; i <= last; ++i) {
            const StringReport& report = board.stringReports[i];
            if (!report.kappa || !report.b0)
                return refuse(
                    OfSaddle(ProblemKind::SaddleStringUnknown, { std::to_string(i + 1) }));
            Action action = stringing.action;
            action.nutClearanceMm = stringing.set[i].nutClearanceMm.value_or(action.nutClearanceMm);
            action.saddleHeightMm = stringing.set[i].saddleHeightMm.value_or(action.saddleHeightMm);
            const Point at = board.strings[i].line.to;
            members.push_back(
                { i, { report.lengthMm, *report.kappa, *report.b0, action }, report.setbacks.nutMm,
                    across > 0 ? maths::Hypot(at.x - from.x, at.y - from.y) / across : 0.0,
                    report.setbacks.saddleMm });
        }
        if (!FitLine(members, fretRatios, fitFrets))
            return refuse(OfSaddle(ProblemKind::SaddleUnsettled));
        for (const Member& m : members)
            if (!(m.setbackMm >= MinComputedSaddleSetbackMm
                    && m.setbackMm <= MaxComputedSaddleSetbackMm))
                return refuse(OfSaddle(ProblemKind::SaddleBeyond,
                    { std::to_string(m.index + 1), ProblemValue::Length(m.setbackMm),
                        ProblemValue::Length(MinComputedSaddleSetbackMm),
                        ProblemValue::Length(MaxComputedSaddleSetbackMm) }));
        for (const Member& m : members) {
            StringReport& report = board.stringReports[m.index];
            const std::vector<double> errors
                = FretErrors(m.model, { m.setbackMm, m.nutSetbackMm }, fretRatios);
            report.straightSaddleSetbackMm = m.setbackMm;
            report.straightSaddleRmsCents = RootMeanSquare(errors, fitFrets);
            report.straightSaddleWorstCents = Worst(errors, fitFrets);
        }
        // The line through the end strings' saddle points, moved along them.
        const auto moved = [&](const Member& m) {
            const Segment& line = board.strings[m.index].line;
            const double slope = (line.to.y - line.from.y) / board.strings[m.index].lengthMm;
            return Point { line.to.x + m.setbackMm, line.to.y + slope * m.setbackMm };
        };
        SaddlePiece piece;
        piece.firstString = static_cast<int>(first) + 1;
        piece.lastString = static_cast<int>(last) + 1;
        piece.bassSetbackMm = members.front().setbackMm;
        piece.trebleSetbackMm = members.back().setbackMm;
        piece.line = { moved(members.front()), moved(members.back()) };
        const double dy = std::fabs(piece.line.to.y - piece.line.from.y);
        piece.angleDeg = dy > 0
            ? maths::Atan((piece.line.from.x - piece.line.to.x) / dy) * 180.0 / std::numbers::pi
            : 0.0;
        board.saddlePieces.push_back(piece);
    }
}

} // namespace corvane::board
