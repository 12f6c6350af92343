#include "base_design.h"

#include "fret_calculator.h"
#include "fret_slots.h"
#include "scale_catalogue.h"

#include <string>
#include <string_view>

namespace corvane::ui {

namespace {

constexpr FontDesign ArialBold { ArialFace, 8.25, true };
constexpr FontDesign SansSerifBold { SansSerifFace, 8.25, true };
constexpr FontDesign SansSerifLargeBold { SansSerifFace, 9.75, true };

// The result grid: three columns of eight slots.
constexpr int SlotsPerColumn = 8;
constexpr int GridLeft = 240;
constexpr int GridColumnStep = 2040;
constexpr int NoteBoxOffset = 1200; // from a position box's left to its note box's
constexpr int GridTop = 2280;
constexpr int GridRowStep = 480;
constexpr int ResultBoxHeight = 285;
constexpr int PositionBoxWidth = 1095;
constexpr int NoteBoxWidth = 495;

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int SlotLeft(fret::FretSlot slot)
{
    return GridLeft + GridColumnStep * ((slot - 1) / SlotsPerColumn);
}
int SlotTop(fret::FretSlot slot)
{
    return GridTop + GridRowStep * ((slot - 1) % SlotsPerColumn);
}

ControlDesign PositionBox(fret::FretSlot slot)
{
    return { FromUtf8(fret::PositionBox(slot)), ControlKind::TextBox, SlotLeft(slot), SlotTop(slot),
        PositionBoxWidth, ResultBoxHeight, {}, {}, {}, BaseDefaultFont, ColourRole::Window, false };
}

ControlDesign NoteBox(fret::FretSlot slot)
{
    return { FromUtf8(fret::NoteBox(slot)), ControlKind::TextBox, SlotLeft(slot) + NoteBoxOffset,
        SlotTop(slot), NoteBoxWidth, ResultBoxHeight, {}, {}, {}, ArialBold,
        ColourRole::TooltipBackground, false };
}

QStringList ScaleItems()
{
    QStringList items;
    for (const fret::ScaleChoice& choice : fret::ScaleCatalogue)
        items << FromUtf8(choice.text);
    return items;
}

QStringList ModeItems()
{
    return { FromUtf8(fret::ModeSolText), FromUtf8(fret::ModeDoText) };
}

} // namespace

std::vector<ControlDesign> BaseControls()
{
    std::vector<ControlDesign> controls;
    controls.push_back({ "Longvib", ControlKind::TextBox, 840, 600, 1695, 285, {}, {}, {},
        BaseDefaultFont, ColourRole::Window, true });
    controls.push_back({ "Label2", ControlKind::Label, 720, 240, 1935, 255,
        "   Longueur  vibrante :", {}, {}, ArialBold, ColourRole::TooltipBackground, true });
    for (fret::FretSlot slot = 1; slot <= fret::SlotCount; ++slot)
        controls.push_back(PositionBox(slot));
    // The note box of slot 1 was added to the window last but two, and the
    // tab order has kept it there, after the print button.
    for (fret::FretSlot slot = 2; slot <= fret::SlotCount; ++slot)
        controls.push_back(NoteBox(slot));
    controls.push_back({ "Command1", ControlKind::Button, 240, 600, 495, 255, "0", {}, {},
        SansSerifBold, ColourRole::ButtonFace, true });
    controls.push_back({ "Command2", ControlKind::Button, 1440, 1800, 495, 255, "?", {}, {},
        SansSerifLargeBold, ColourRole::ButtonFace, true });
    controls.push_back({ "Picture1", ControlKind::PictureBox, 6360, 2280, 735, 3615, {},
        ":/instrument.bmp", {}, BaseDefaultFont, ColourRole::ButtonFace, true });
    controls.push_back({ "Command4", ControlKind::Button, 1440, 1440, 495, 255, {}, ":/print.ico",
        {}, SansSerifLargeBold, ColourRole::ButtonFace, true });
    controls.push_back(NoteBox(1));
    controls.push_back({ "Combo1", ControlKind::DropDownCombo, 600, 960, 2175, 315, "Gamme :", {},
        ScaleItems(), BaseDefaultFont, ColourRole::Window, true });
    controls.push_back({ "Combo2", ControlKind::DropDownCombo, 2640, 600, 855, 315, "Mode :", {},
        ModeItems(), BaseDefaultFont, ColourRole::TooltipBackground, true });
    return controls;
}

} // namespace corvane::ui
