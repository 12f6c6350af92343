#include "fret_calculator.h"

#include "arithmetic_check.h"
#include "fret_slots.h"
#include "note_names.h"
#include "read_number.h"
#include "runtime_error.h"
#include "scale_catalogue.h"

#include <utility>

namespace fret {

FretCalculator::FretCalculator(
    ControlSurface& window, std::string decimalSeparator, DecimalInput lengthInput)
    : window_(window)
    , decimalSeparator_(std::move(decimalSeparator))
    , lengthInput_(lengthInput)
{
}

void FretCalculator::Longvib_Change()
{
    const std::string text = ReadText("Longvib");
    lengthText_ = text;
    try {
        variables_.VibratingLength = ToCurrency(ReadNumber(text, lengthInput_));
        variables_.VibratingLengthValid = true;
    } catch (const RuntimeError&) {
        // Keep no stale length usable: until the text is mended, a scale
        // choice reports the same error instead of computing.
        variables_.VibratingLengthValid = false;
        throw;
    }
}

void FretCalculator::Combo2_Click()
{
    variables_.ModeCode = ReadText("Combo2") == ModeDoText ? 2 : 1;
}

void FretCalculator::Combo1_Click()
{
    const std::string choiceText = ReadText("Combo1");
    if (const ScaleChoice* choice = FindScaleChoice(choiceText)) {
        if (!variables_.VibratingLengthValid)
            throw RuntimeError(ErrorNumber::Overflow);
        // Every text is computed before the first box is written, so that
        // an overflow part-way leaves the screen as it was.
        const SlotTexts positions
            = choice->compute(variables_.VibratingLength, variables_.ModeCode, decimalSeparator_);
        variables_.ScaleKind = choice->kind;
        for (const auto& [slot, text] : positions)
            WriteText(PositionBox(slot), text);
        positionsLengthText_ = lengthText_;
    }

    ShowDiatonicSlots();
    if (variables_.ScaleKind == DiatonicScaleKind) {
        HideChromaticSlots();
        NameDiatonicNotes();
    } else if (variables_.ScaleKind == ChromaticScaleKind) {
        ShowChromaticOnlySlots();
        NameChromaticNotes();
    }
}

void FretCalculator::Command1_Click()
{
    WriteText("Longvib", "");
    lengthText_.clear();
    // A window raises the change event for the emptied box; a surface that
    // raises none (or a box that was already empty) must end up the same.
    variables_.VibratingLength = Currency {};
    variables_.VibratingLengthValid = true;

    HideChromaticSlots();
    for (FretSlot slot : DiatonicSlots)
        SetVisible(PositionBox(slot), false);
    for (FretSlot slot : DiatonicSlots)
        SetVisible(NoteBox(slot), false);
}

void FretCalculator::HideChromaticSlots()
{
    for (FretSlot slot : ChromaticOnlySlots)
        SetVisible(PositionBox(slot), false);
    for (FretSlot slot : ChromaticOnlySlots)
        SetVisible(NoteBox(slot), false);
}

void FretCalculator::ShowDiatonicSlots()
{
    for (FretSlot slot : DiatonicSlots)
        SetVisible(PositionBox(slot), true);
    for (FretSlot slot : DiatonicSlots)
        SetVisible(NoteBox(slot), true);
}

void FretCalculator::ShowChromaticOnlySlots()
{
    for (FretSlot slot : ChromaticOnlySlots)
        SetVisible(PositionBox(slot), true);
    for (FretSlot slot : ChromaticOnlySlots)
        SetVisible(NoteBox(slot), true);
}

void FretCalculator::NameDiatonicNotes()
{
    const std::int16_t mode = variables_.ModeCode;
    if (mode != 1 && mode != 2)
        return;
    for (FretSlot slot : DiatonicSlots)
        WriteText(NoteBox(slot), DiatonicNoteName(slot, mode));
}

void FretCalculator::NameChromaticNotes()
{
    const std::int16_t mode = variables_.ModeCode;
    if (mode != 1 && mode != 2)
        return;
    for (FretSlot slot = 1; slot <= SlotCount; ++slot)
        WriteText(NoteBox(slot), ChromaticNoteName(slot, mode));
}

std::string FretCalculator::ReadText(std::string_view control)
{
    std::string text = window_.Text(control);
    ClearArithmeticFlags();
    return text;
}

void FretCalculator::WriteText(std::string_view control, std::string_view text)
{
    window_.SetText(control, text);
    ClearArithmeticFlags();
}

void FretCalculator::SetVisible(std::string_view control, bool visible)
{
    window_.SetVisible(control, visible);
    ClearArithmeticFlags();
}

} // namespace fret
