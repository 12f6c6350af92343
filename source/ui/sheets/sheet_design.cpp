#include "sheet_design.h"

#include "scale_catalogue.h"

#include <algorithm>
#include <array>

namespace corvane::ui {

namespace {

// Both sheets share one grid: four columns of boxes, rows every 480 twips.
constexpr std::array<int, 4> ColumnLeft { 120, 1680, 2400, 3960 };
constexpr std::array<SheetBoxKind, 4> ColumnKind { SheetBoxKind::Position, SheetBoxKind::Note,
    SheetBoxKind::Position, SheetBoxKind::Note };
constexpr int FirstRowTop = 480;
constexpr int RowPitch = 480;

constexpr int PositionBoxWidth = 1455;
constexpr int NoteBoxWidth = 615;

// A row of the grid as box numbers, column by column; 0 where the headings stand.
using GridRow = std::array<int, 4>;

QString BoxName(int number)
{
    return QStringLiteral("Text%1").arg(number);
}

// The boxes of a grid, sorted by number: creating them in that order is what
// makes keyboard focus follow the numbers rather than the places on the sheet.
std::vector<SheetBox> BoxesFromGrid(const std::vector<GridRow>& grid)
{
    std::vector<std::pair<int, SheetBox>> numbered;
    for (std::size_t row = 0; row < grid.size(); ++row) {
        for (std::size_t column = 0; column < ColumnLeft.size(); ++column) {
            const int number = grid[row][column];
            if (number == 0)
                continue;
            const int top = FirstRowTop + RowPitch * static_cast<int>(row);
            numbered.push_back({ number,
                SheetBox { BoxName(number), ColumnKind[column], ColumnLeft[column], top } });
        }
    }
    std::sort(numbered.begin(), numbered.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SheetBox> boxes;
    for (auto& [number, box] : numbered)
        boxes.push_back(std::move(box));
    return boxes;
}

constexpr SheetFont TitleFont { SansSerifFace, 9.75, true };
constexpr SheetFont HeadingFont { TimesFace, 12, true };

SheetLabel TitleLabel(int width)
{
    return { SheetTitleLabel, 120, 120, width, 255, TitleFont, ColourRole::InactiveBorder, {} };
}

SheetLabel LengthHeading(const QString& name)
{
    return { name, 120, 480, PositionBoxWidth, 375, HeadingFont, ColourRole::InactiveCaptionText,
        QStringLiteral(" Longueur") };
}

SheetLabel NoteHeading(const QString& name)
{
    return { name, 1680, 480, NoteBoxWidth, 375, HeadingFont, ColourRole::TooltipBackground,
        QStringLiteral(" Note") };
}

SheetDesign MakeDiatonicSheet()
{
    SheetDesign sheet;
    sheet.name = QStringLiteral("Capture1");
    sheet.caption = QStringLiteral(" Frettage Diatonique");
    sheet.clientWidth = 4695;
    sheet.clientHeight = 4335;
    sheet.labels = { TitleLabel(4455), LengthHeading(QStringLiteral("Label2")),
        NoteHeading(QStringLiteral("Label1")) };
    sheet.lines = {
        { QStringLiteral("Line1"), 0, 0, 0, 4320 },
        { QStringLiteral("Line2"), 0, 0, 4680, 0 },
        // Runs past the right edge; the window clips it.
        { QStringLiteral("Line3"), 0, 4320, 4800, 4320 },
        { QStringLiteral("Line4"), 4680, 0, 4680, 4320 },
        { QStringLiteral("Line5"), 0, 360, 4680, 360 },
    };
    // The numbering is irregular: the boxes were numbered in the order they
    // were added to the sheet, not by their place.
    // clang-format off
    sheet.boxes = BoxesFromGrid({
        {0, 0, 19, 24},
        {2, 11, 20, 25},
        {3, 12, 21, 26},
        {4, 13, 22, 27},
        {5, 14, 23, 28},
        {6, 15, 9, 18},
        {7, 16, 29, 31},
        {8, 17, 30, 32},
    });
    // clang-format on
    sheet.diapasonBox = BoxName(11);
    // The length, the fourteen positions in slot order, the fourteen note
    // names in slot order, the title. Slot 8 and slots 16 to 24 (main-window
    // boxes Text8, Text32, Text16..24, Text40..48) have no place here.
    // clang-format off
    sheet.load = {
        {"Text2", "Longvib"},
        {"Text3", "Text1"},   {"Text4", "Text2"},   {"Text5", "Text3"},   {"Text6", "Text4"},
        {"Text7", "Text5"},   {"Text8", "Text6"},   {"Text19", "Text7"},  {"Text20", "Text9"},
        {"Text21", "Text10"}, {"Text22", "Text11"}, {"Text23", "Text12"}, {"Text9", "Text13"},
        {"Text29", "Text14"}, {"Text30", "Text15"},
        {"Text12", "Text25"}, {"Text13", "Text26"}, {"Text14", "Text27"}, {"Text15", "Text28"},
        {"Text16", "Text29"}, {"Text17", "Text30"}, {"Text24", "Text31"}, {"Text25", "Text33"},
        {"Text26", "Text34"}, {"Text27", "Text35"}, {"Text28", "Text36"}, {"Text18", "Text37"},
        {"Text31", "Text38"}, {"Text32", "Text39"},
        {SheetTitleLabel, "Combo1"},
    };
    // clang-format on
    return sheet;
}

SheetDesign MakeChromaticSheet()
{
    constexpr int Slots = 24;
    constexpr int LengthBox = 49;
    constexpr int DiapasonBox = 50;

    SheetDesign sheet;
    sheet.name = QStringLiteral("Capture");
    sheet.caption = QStringLiteral(" Frettage Chromatique");
    sheet.clientWidth = 4695;
    sheet.clientHeight = 6735;
    sheet.labels = { TitleLabel(4335), LengthHeading(QStringLiteral("Label1")),
        NoteHeading(QStringLiteral("Label2")) };
    sheet.lines = {
        { QStringLiteral("Line1"), 0, 0, 0, 6720 },
        { QStringLiteral("Line2"), 0, 0, 4680, 0 },
        { QStringLiteral("Line3"), 4680, 0, 4680, 6720 },
        { QStringLiteral("Line4"), 0, 6720, 4680, 6720 },
        { QStringLiteral("Line5"), 0, 360, 4680, 360 },
    };
    // Box n is slot n's position and box n+24 its note, as in the main window.
    // Slots 12 and 13 head the right-hand pair of columns beside the headings
    // and the length; below, slots 1 to 11 run down the left, 14 to 24 the right.
    std::vector<GridRow> grid {
        { 0, 0, 12, 12 + Slots },
        { LengthBox, DiapasonBox, 13, 13 + Slots },
    };
    for (int left = 1; left <= 11; ++left) {
        const int right = left + 13;
        grid.push_back({ left, left + Slots, right, right + Slots });
    }
    sheet.boxes = BoxesFromGrid(grid);
    sheet.diapasonBox = BoxName(DiapasonBox);
    for (int box = 1; box <= 2 * Slots; ++box)
        sheet.load.push_back({ BoxName(box), BoxName(box) });
    sheet.load.push_back({ BoxName(LengthBox), QStringLiteral("Longvib") });
    sheet.load.push_back({ SheetTitleLabel, QStringLiteral("Combo1") });
    return sheet;
}

} // namespace

const SheetDesign& DiatonicSheet()
{
    static const SheetDesign sheet = MakeDiatonicSheet();
    return sheet;
}

const SheetDesign& ChromaticSheet()
{
    static const SheetDesign sheet = MakeChromaticSheet();
    return sheet;
}

const SheetDesign* SheetForScaleKind(int scaleKind)
{
    switch (scaleKind) {
    case fret::DiatonicScaleKind:
        return &DiatonicSheet();
    case fret::ChromaticScaleKind:
        return &ChromaticSheet();
    default:
        return nullptr; // no scale chosen yet
    }
}

int BoxWidthTwips(SheetBoxKind kind)
{
    return kind == SheetBoxKind::Position ? PositionBoxWidth : NoteBoxWidth;
}

} // namespace corvane::ui
