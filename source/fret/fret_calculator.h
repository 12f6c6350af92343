#pragma once

// How a typed length becomes fret positions on screen.
//
//   length box text --ReadNumber--> double --ToCurrency--> VibratingLength
//   mode list choice ---------------------------------> ModeCode
//   scale list choice --> Combo1_Click:
//       catalogue entry --> Compute... (tempered.cpp, ratio_tunings.cpp)
//           doubles rounded to four decimals in Currency, ArithmeticCheck
//           after every product and quotient, CurrencyText / DoubleText
//       --> position texts written into Text1..Text24 in a fixed order
//       --> the scale's slots shown, the others hidden
//       --> note names written into Text25..Text48 (note_names.cpp)
//
// Editing the length or choosing a mode only stores a value; what is on
// screen changes at the next scale choice. The calculator holds the three
// variables that carry state between events and reaches the window only
// through ControlSurface.

#include "control_surface.h"
#include "currency.h"
#include "read_number.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace fret {

inline constexpr std::string_view ModeSolText = " Sol";
inline constexpr std::string_view ModeDoText = " Do";

// The variables of the main window. They start at zero and are never reset.
struct BaseVariables {
    Currency VibratingLength; // the last length read from the length box
    bool VibratingLengthValid = true; // false while the box holds a length out of range
    std::int16_t ScaleKind = 0; // 0 none yet, 1 diatonic, 2 chromatic
    std::int16_t ModeCode = 0; // 0 none yet, 1 after " Sol", 2 after " Do"
};

class FretCalculator {
public:
    // decimalSeparator is what positions are written with: the user's
    // regional separator in the window, a chosen one on the command line.
    // lengthInput says whether the length box also takes a decimal comma.
    FretCalculator(ControlSurface& window, std::string decimalSeparator,
        DecimalInput lengthInput = DecimalInput::PeriodOnly);

    // Every change of the length box's text. Throws RuntimeError 6 when the
    // text holds a length out of range; the length is then marked invalid
    // until a later change reads a valid one.
    void Longvib_Change();

    // A choice in the mode list: ModeCode 2 for exactly " Do", 1 otherwise.
    void Combo2_Click();

    // A choice in the scale list: computes the scale, writes the positions,
    // shows its slots and writes the note names. A text that is not in the
    // catalogue computes nothing, but the slots of the last recognised scale
    // are shown and named again. Throws RuntimeError when the length is
    // invalid or the computation fails; then nothing on screen changes.
    void Combo1_Click();

    // The reset button: empties the length box and hides all 48 result
    // boxes, keeping their texts.
    void Command1_Click();

    const BaseVariables& variables() const noexcept { return variables_; }
    // The length box's text at the last scale choice that computed the
    // positions now in the boxes; empty before the first. A sheet pairs the
    // positions with this text, not with whatever the box holds since.
    const std::string& positionsLengthText() const noexcept { return positionsLengthText_; }
    const std::string& decimalSeparator() const noexcept { return decimalSeparator_; }

private:
    void HideChromaticSlots();
    void ShowDiatonicSlots();
    void ShowChromaticOnlySlots();
    void NameDiatonicNotes();
    void NameChromaticNotes();

    // Control access; each clears the floating-point flags afterwards.
    std::string ReadText(std::string_view control);
    void WriteText(std::string_view control, std::string_view text);
    void SetVisible(std::string_view control, bool visible);

    ControlSurface& window_;
    std::string decimalSeparator_;
    DecimalInput lengthInput_;
    BaseVariables variables_;
    std::string lengthText_; // as the last change of the length box left it
    std::string positionsLengthText_;
};

} // namespace fret
