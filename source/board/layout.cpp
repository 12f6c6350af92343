#include "layout.h"

#include "board_end.h"
#include "maths.h"
#include "radius.h"
#include "straight_saddle.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvane::board {

namespace {

Point Lerp(Point a, Point b, double t) noexcept
{
    return { a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t };
}

// The point of the line through p with direction d whose ordinate is y.
Point AtOrdinate(Point p, Point d, double y) noexcept
{
    const double t = (y - p.y) / d.y;
    return { p.x + d.x * t, y };
}

// Where the line through a and b crosses the line through c and d.
Point Intersection(Point a, Point b, Point c, Point d) noexcept
{
    const double rx = b.x - a.x;
    const double ry = b.y - a.y;
    const double sx = d.x - c.x;
    const double sy = d.y - c.y;
    const double denominator = rx * sy - ry * sx;
    const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / denominator;
    return { a.x + rx * t, a.y + ry * t };
}

// Direction across the board of a line through the outer strings; straight
// across when there is only one string.
Point Across(Point bass, Point treble) noexcept
{
    if (bass == treble)
        return { 0.0, 1.0 };
    return { treble.x - bass.x, treble.y - bass.y };
}

// On a fan whose strings are spread by their gaps, the inner strings' ends
// are no longer in proportion along the nut and the saddle, and their
// fraction points leave the straight fret by a few hundredths of a
// millimetre: each inner string's fret is where the straight fret through
// the outer strings' points crosses it.
void PutInnerStringsOnTheFrets(BoardLayout& board)
{
    const int strings = board.design.strings;
    for (int i = 1; i + 1 < strings; ++i) {
        const StringLine& string = board.strings[static_cast<std::size_t>(i)];
        double previous = 0;
        for (int fret = 1; fret <= board.design.frets; ++fret) {
            FretOnString& row = board.rows[static_cast<std::size_t>((fret - 1) * strings + i)];
            if (!row.classicDigits) {
                row.at = Intersection(string.line.from, string.line.to, board.At(fret, 1).at,
                    board.At(fret, strings).at);
                row.fromNutMm = row.at.x - string.line.from.x;
                row.toSaddleMm = string.lengthMm - row.fromNutMm;
                row.compensatedFromNutMm = row.fromNutMm - string.nutSetbackMm;
                row.compensatedToSaddleMm = row.toSaddleMm + string.saddleSetbackMm;
            }
            row.fretToFretMm = row.fromNutMm - previous;
            previous = row.fromNutMm;
        }
    }
}

// The points of a line across the board, its ends on the edges and a point
// on every string between; nothing when the points are aligned (within a
// nanometre), the straight line then being the whole of it.
std::vector<Point> BentPath(const Segment& edgeToEdge, const std::vector<Point>& onStrings)
{
    const Point a = onStrings.front(), b = onStrings.back();
    const double length = maths::Hypot(b.x - a.x, b.y - a.y);
    bool bent = false;
    for (const Point& p : onStrings)
        bent = bent
            || std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / length > 1e-6;
    if (!bent)
        return {};
    std::vector<Point> path { edgeToEdge.from };
    path.insert(path.end(), onStrings.begin(), onStrings.end());
    path.push_back(edgeToEdge.to);
    return path;
}

// With a length per string, the nut, each fret and the saddle pass through
// every string's own point: a line bent at the strings unless they align.
void BendAtTheStrings(BoardLayout& board)
{
    const int strings = board.design.strings;
    std::vector<Point> points;
    const auto along = [&](auto pointOf) {
        points.clear();
        for (int i = 0; i < strings; ++i)
            points.push_back(pointOf(i));
        return points;
    };
    const auto line
        = [&](int i) -> const Segment& { return board.strings[static_cast<std::size_t>(i)].line; };
    board.nutPath = BentPath(board.nut, along([&](int i) { return line(i).from; }));
    board.saddlePath = BentPath(board.saddle, along([&](int i) { return line(i).to; }));
    board.fretPaths.assign(board.frets.size(), {});
    for (std::size_t f = 0; f < board.frets.size(); ++f)
        board.fretPaths[f] = BentPath(board.frets[f],
            along([&](int i) { return board.At(static_cast<int>(f) + 1, i + 1).at; }));
}

double PerpendicularFraction(const Design& design, const Temperament& temperament) noexcept
{
    if (design.perpendicularFret == PerpendicularAtBridge)
        return 1.0;
    if (design.perpendicularFret <= 0)
        return 0.0;
    return 1.0 - 1.0 / temperament.FretRatio(design.perpendicularFret);
}

// Where a point of the construction (bass side towards -y) lies on the
// board's face, seen nut on the left within its bounding box: a
// right-handed board's bass side at the bottom.
struct FacePlacement {
    double minX = 0;
    double minY = 0;
    double maxY = 0;
    bool leftHanded = false;

    void operator()(Point& p) const noexcept
    {
        p.x -= minX;
        p.y = leftHanded ? p.y - minY : maxY - p.y;
    }
    void operator()(Segment& s) const noexcept
    {
        (*this)(s.from);
        (*this)(s.to);
    }
};

} // namespace

BoardLayout ComputeLayout(const Design& design, const Temperament& temperament, NoteNaming naming)
{
    BoardLayout board;
    board.design = design;
    board.temperament = temperament;

    const int stringCount = design.strings;
    const bool several = stringCount > 1;
    const double nutSpread = several ? design.nutWidthMm - 2.0 * design.nutOverhangMm : 0.0;
    const double bridgeSpread = several ? design.bridgeSpacingMm : 0.0;

    // The outer strings, placed so that the perpendicular fret's points on
    // both lie at x = 0. A scale length is measured along the centre line.
    const double perpendicular = PerpendicularFraction(design, temperament);
    const Point bassNut { -perpendicular * design.bassLengthMm, -nutSpread / 2.0 };
    const Point bassSaddle { bassNut.x + design.bassLengthMm, -bridgeSpread / 2.0 };
    const Point trebleNut { -perpendicular * design.trebleLengthMm, nutSpread / 2.0 };
    const Point trebleSaddle { trebleNut.x + design.trebleLengthMm, bridgeSpread / 2.0 };

    board.strings.resize(static_cast<std::size_t>(stringCount));
    // Spread evenly, the ends make the length along the centre line the
    // linear interpolation itself; spread by their gaps, each string's own.
    std::vector<double> lengths = StringLengths(design);
    const std::vector<double> nutShares = SpreadStrings(design, nutSpread).shares;
    const std::vector<double> saddleShares = SpreadStrings(design, bridgeSpread).shares;
    const bool byGaps = design.spacing == StringSpacing::Gaps && several;
    const bool ownLengths = !design.stringLengthsMm.empty();
    for (int i = 0; i < stringCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const double t
            = several ? static_cast<double>(i) / static_cast<double>(stringCount - 1) : 0.0;
        StringLine& string = board.strings[at];
        string.line = { Lerp(bassNut, trebleNut, nutShares[at]),
            Lerp(bassSaddle, trebleSaddle, saddleShares[at]) };
        if (ownLengths) {
            // Each string's own length, its perpendicular fret's point at x = 0.
            string.line.from.x = -perpendicular * lengths[at];
            string.line.to.x = string.line.from.x + lengths[at];
        } else if (byGaps && i > 0 && i + 1 < stringCount) {
            lengths[at] = string.line.to.x - string.line.from.x;
        }
        string.lengthMm = lengths[at];
        string.nutSetbackMm
            = design.nutSetbackBassMm + (design.nutSetbackTrebleMm - design.nutSetbackBassMm) * t;
        string.saddleSetbackMm = design.saddleSetbackBassMm
            + (design.saddleSetbackTrebleMm - design.saddleSetbackBassMm) * t;
    }

    // With strings, each one's physics, and the setbacks it calls for.
    std::vector<double> ratios;
    for (int fret = 1; fret <= design.frets; ++fret)
        ratios.push_back(temperament.FretRatio(fret));
    // A classic scale's period spans two octaves: its fit, one octave.
    const auto degrees = static_cast<int>(temperament.DegreeCount());
    const int periodFrets = temperament.semitonesPerPeriod == 24 ? degrees / 2 : degrees;
    if (design.stringing.HasStrings()) {
        std::vector<Setbacks> manual;
        for (const StringLine& string : board.strings)
            manual.push_back({ string.saddleSetbackMm, string.nutSetbackMm });
        board.stringReports
            = ComputeStrings(design.stringing, lengths, manual, ratios, periodFrets);
    }
    for (std::size_t i = 0; i < board.strings.size(); ++i) {
        StringLine& string = board.strings[i];
        if (design.stringing.compensation == CompensationMode::None) {
            string.nutSetbackMm = string.saddleSetbackMm = 0;
        } else if (!board.stringReports.empty()) {
            string.nutSetbackMm = board.stringReports[i].setbacks.nutMm;
            string.saddleSetbackMm = board.stringReports[i].setbacks.saddleMm;
        }
        // Setbacks move along the string, measured along the centre line like every length.
        const double slope = (string.line.to.y - string.line.from.y) / string.lengthMm;
        string.compensatedNut = { string.line.from.x + string.nutSetbackMm,
            string.line.from.y + slope * string.nutSetbackMm };
        string.compensatedSaddle = { string.line.to.x + string.saddleSetbackMm,
            string.line.to.y + slope * string.saddleSetbackMm };
    }

    FitStraightSaddle(board, ratios,
        std::min(design.stringing.fitFrets.value_or(periodFrets), static_cast<int>(ratios.size())));

    // Fret points and figures, string by string.
    const int fretCount = design.frets;
    const bool classicDigits = !temperament.classicPositions.empty();
    board.rows.resize(static_cast<std::size_t>(fretCount * stringCount));
    std::vector<double> previous(static_cast<std::size_t>(stringCount), 0.0);
    for (int fret = 1; fret <= fretCount; ++fret) {
        const double ratio = ratios[static_cast<std::size_t>(fret - 1)];
        const double fraction = 1.0 - 1.0 / ratio;
        const double cents = 1200.0 * maths::Log2(ratio);
        const auto degreeCount = static_cast<int>(temperament.DegreeCount());
        const int degree = (fret - 1) % degreeCount + 1;
        const int period = (fret - 1) / degreeCount;
        const auto semitones = temperament.FretSemitones(fret);
        const std::string note = semitones
            ? std::string(NoteName(design.openNote + *semitones, naming))
            : std::to_string(degree);
        const bool classicFret = classicDigits
            && static_cast<std::size_t>(fret) <= temperament.classicPositions.size();
        for (int i = 0; i < stringCount; ++i) {
            const StringLine& string = board.strings[static_cast<std::size_t>(i)];
            FretOnString& row = board.rows[static_cast<std::size_t>((fret - 1) * stringCount + i)];
            row.fret = fret;
            row.string = i + 1;
            // The classic window holds lengths to four decimals: a string of
            // that length gets the window's positions themselves.
            row.classicDigits = classicFret
                && std::nearbyint(FromMillimetres(string.lengthMm, temperament.classicUnit) * 1e4)
                    == std::nearbyint(temperament.classicLength * 1e4);
            if (row.classicDigits)
                row.fromNutMm = ToMillimetres(
                    temperament.classicPositions[static_cast<std::size_t>(fret - 1)],
                    temperament.classicUnit);
            else
                row.fromNutMm = string.lengthMm * fraction;
            row.fretToFretMm = row.fromNutMm - previous[static_cast<std::size_t>(i)];
            previous[static_cast<std::size_t>(i)] = row.fromNutMm;
            row.toSaddleMm = string.lengthMm - row.fromNutMm;
            row.ratio = ratio;
            row.cents = cents;
            row.degree = degree;
            row.period = period;
            row.note = note;
            row.compensatedFromNutMm = row.fromNutMm - string.nutSetbackMm;
            row.compensatedToSaddleMm = row.toSaddleMm + string.saddleSetbackMm;
            row.at = Lerp(string.line.from, string.line.to, row.fromNutMm / string.lengthMm);
            if (!board.stringReports.empty()) {
                const StringReport& report = board.stringReports[static_cast<std::size_t>(i)];
                const auto index = static_cast<std::size_t>(fret - 1);
                if (index < report.centsAfter.size())
                    row.errorCents = report.centsAfter[index];
                if (index < report.fretletsFromNutMm.size()) {
                    row.fretletFromNutMm = report.fretletsFromNutMm[index];
                    row.fretletAt = Lerp(
                        string.line.from, string.line.to, *row.fretletFromNutMm / string.lengthMm);
                }
            }
        }
    }

    // The board's edges: at the nut the board is nutWidth wide; at the last
    // fret it reaches lastFretOverhang beyond the outer strings.
    const Point nutAcross = Across(bassNut, trebleNut);
    const Point bassNutCorner = AtOrdinate(bassNut, nutAcross, -design.nutWidthMm / 2.0);
    const Point trebleNutCorner = AtOrdinate(bassNut, nutAcross, design.nutWidthMm / 2.0);
    const Point lastBass = board.At(fretCount, 1).at;
    const Point lastTreble = board.At(fretCount, stringCount).at;
    const Point lastAcross = Across(lastBass, lastTreble);
    const Point bassEndCorner
        = AtOrdinate(lastBass, lastAcross, lastBass.y - design.lastFretOverhangMm);
    const Point trebleEndCorner
        = AtOrdinate(lastBass, lastAcross, lastTreble.y + design.lastFretOverhangMm);
    board.bassEdge = { bassNutCorner, bassEndCorner };
    board.trebleEdge = { trebleNutCorner, trebleEndCorner };
    board.nut = { bassNutCorner, trebleNutCorner };
    board.saddle = { bassSaddle, trebleSaddle };
    board.outline = BoardOutline(design, board.bassEdge, board.trebleEdge, 0.0);
    if (design.zeroFretMm > 0) {
        // The nut behind the zero fret, square to the centre line as far
        // as the zero fret is, the board's edges prolonged to it.
        const Point shift { -design.zeroFretMm, 0 };
        const Point bass = { bassNutCorner.x + shift.x, bassNutCorner.y };
        const Point treble = { trebleNutCorner.x + shift.x, trebleNutCorner.y };
        board.guideNut = Segment { Intersection(bass, treble, bassNutCorner, bassEndCorner),
            Intersection(bass, treble, trebleNutCorner, trebleEndCorner) };
        board.outline.front() = board.guideNut->from;
        board.outline.back() = board.guideNut->to;
        for (const StringLine& string : board.strings) {
            FretOnString row;
            row.fret = 0;
            row.string = static_cast<int>(&string - board.strings.data()) + 1;
            row.toSaddleMm = string.lengthMm;
            // The open string's note, or degree 0 where degrees stand for notes.
            row.note = temperament.semitones.empty()
                ? std::string("0")
                : std::string(NoteName(design.openNote, naming));
            row.compensatedFromNutMm = -string.nutSetbackMm;
            row.compensatedToSaddleMm = string.lengthMm + string.saddleSetbackMm;
            row.at = string.line.from;
            board.zeroFretRows.push_back(row);
        }
    }
    board.centreLine = { Lerp(bassNut, trebleNut, 0.5), Lerp(bassSaddle, trebleSaddle, 0.5) };

    board.frets.resize(static_cast<std::size_t>(fretCount));
    for (int fret = 1; fret <= fretCount; ++fret) {
        const Point bass = board.At(fret, 1).at;
        const Point treble = board.At(fret, stringCount).at;
        const Point across = Across(bass, treble);
        const Point other { bass.x + across.x, bass.y + across.y };
        board.frets[static_cast<std::size_t>(fret - 1)]
            = { Intersection(bass, other, bassNutCorner, bassEndCorner),
                  Intersection(bass, other, trebleNutCorner, trebleEndCorner) };
    }
    board.frets.back() = { bassEndCorner, trebleEndCorner };
    if (byGaps && design.IsFanned() && !ownLengths)
        PutInnerStringsOnTheFrets(board);
    if (ownLengths && stringCount > 2)
        BendAtTheStrings(board);
    // Where each string crosses the nut and the saddle, from the bass edge:
    // along the saddle from where the bass edge, prolonged, crosses it; a
    // lone string's saddle is a point, square to the edge.
    if (!board.stringReports.empty()) {
        const double edgeX = bassEndCorner.x - bassNutCorner.x;
        const double edgeY = bassEndCorner.y - bassNutCorner.y;
        const std::optional<Point> bassEdgeAtSaddle = several
            ? std::optional<Point>(
                Intersection(bassNutCorner, bassEndCorner, bassSaddle, trebleSaddle))
            : std::nullopt;
        for (std::size_t i = 0; i < board.stringReports.size(); ++i) {
            const Segment& line = board.strings[i].line;
            StringReport& report = board.stringReports[i];
            report.nutPositionMm
                = maths::Hypot(line.from.x - bassNutCorner.x, line.from.y - bassNutCorner.y);
            report.bridgePositionMm = bassEdgeAtSaddle
                ? maths::Hypot(line.to.x - bassEdgeAtSaddle->x, line.to.y - bassEdgeAtSaddle->y)
                : std::fabs(
                      edgeX * (line.to.y - bassNutCorner.y) - edgeY * (line.to.x - bassNutCorner.x))
                    / maths::Hypot(edgeX, edgeY);
        }
    }

    // Everything on the face, its bounding box starting at (0, 0).
    double minX = std::numeric_limits<double>::infinity();
    double minY = minX;
    double maxX = -minX;
    double maxY = -minX;
    const auto include = [&](Point p) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    };
    for (const Point& p : board.outline)
        include(p);
    for (const StringLine& string : board.strings) {
        include(string.line.from);
        include(string.line.to);
        include(string.compensatedNut);
        include(string.compensatedSaddle);
    }
    const FacePlacement place { minX, minY, maxY, design.leftHanded };
    for (Point& p : board.outline)
        place(p);
    for (StringLine& string : board.strings) {
        place(string.line);
        place(string.compensatedNut);
        place(string.compensatedSaddle);
    }
    for (Segment& fret : board.frets)
        place(fret);
    for (FretOnString& row : board.rows) {
        place(row.at);
        place(row.fretletAt);
    }
    place(board.nut);
    if (board.guideNut)
        place(*board.guideNut);
    for (FretOnString& row : board.zeroFretRows)
        place(row.at);
    place(board.saddle);
    for (SaddlePiece& piece : board.saddlePieces)
        place(piece.line);
    for (std::vector<Point>* path : { &board.nutPath, &board.saddlePath })
        for (Point& p : *path)
            place(p);
    for (std::vector<Point>& path : board.fretPaths)
        for (Point& p : path)
            place(p);
    place(board.bassEdge);
    place(board.trebleEdge);
    place(board.centreLine);
    board.widthMm = maxX - minX;
    board.heightMm = maxY - minY;

    if (design.IsRadiused())
        for (const FaceSection& section : FaceSections(board)) {
            if (section.fret == 0)
                continue;
            const std::optional<double> drop = DropMm(section.radiusMm, section.widthMm / 2.0);
            for (int i = 1; i <= stringCount; ++i) {
                FretOnString& row = board.rows[static_cast<std::size_t>(
                    (section.fret - 1) * stringCount + (i - 1))];
                row.radiusMm = section.radiusMm;
                row.edgeDropMm = drop;
            }
        }
    return board;
}

LayoutResult ComputeLayout(const Design& design, NoteNaming naming)
{
    Temperament temperament;
    if (auto error = ValidateDesign(design, temperament))
        return { std::nullopt, std::move(error) };
    BoardLayout board = ComputeLayout(design, temperament, naming);
    if (auto error = RadiusProblem(board))
        return { std::nullopt, std::move(error) };
    if (auto error = BoardEndProblem(board))
        return { std::nullopt, std::move(error) };
    return { std::move(board), std::nullopt };
}

} // namespace corvane::board
