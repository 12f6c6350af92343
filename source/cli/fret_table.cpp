#include "fret_table.h"

#include "control_table.h"
#include "fret_calculator.h"
#include "fret_slots.h"
#include "number_text.h"
#include "scale_catalogue.h"

namespace corvane::cli {

FretTable ComputeFretTable(const std::string& lengthText, const std::string& scaleText, Mode mode,
                           const std::string& decimalSeparator, fret::DecimalInput lengthInput)
{
    fret::ControlTable window;
    fret::FretCalculator calculator(window, decimalSeparator, lengthInput);

    window.SetText("Longvib", lengthText);
    calculator.Longvib_Change();
    if (mode != Mode::None) {
        window.SetText("Combo2", mode == Mode::Sol ? fret::ModeSolText : fret::ModeDoText);
        calculator.Combo2_Click();
    }
    window.SetText("Combo1", scaleText);
    calculator.Combo1_Click();

    FretTable table{fret::CurrencyText(calculator.variables().VibratingLength, decimalSeparator),
                    scaleText, mode, {}};
    const fret::ScaleChoice* scale = fret::FindScaleChoice(scaleText);
    const bool diatonic = scale != nullptr && scale->kind == fret::DiatonicScaleKind;
    // The slots a scale writes are exactly the ones it leaves visible.
    for (fret::FretSlot slot = 1; slot <= fret::SlotCount; ++slot) {
        const auto& position = window.control(fret::PositionBox(slot));
        if (position.visible)
            table.rows.push_back(
                FretRow{slot, position.text, window.control(fret::NoteBox(slot)).text,
                        fret::PlayerFretNumber(diatonic, slot)});
    }
    return table;
}

} // namespace corvane::cli
