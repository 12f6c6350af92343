#pragma once

// The words a template prints, in the reader's language: every front end
// passes them (language::TemplateWordsIn). %1, %2… stand for the values.

#include <initializer_list>
#include <string>
#include <string_view>

namespace corvane::drawing {

struct TemplateWords {
    // Beside the nut and the saddle of a board.
    std::string nut;
    std::string saddle;
    // A board's title block: "Template 12-EDO 650 mm", "… 889 to 864 mm".
    std::string title;
    std::string fannedLengths;
    std::string oneString;
    std::string strings;
    std::string oneFret;
    std::string frets;
    std::string straightBoard;
    std::string nutSquare;
    std::string bridgeSquare;
    std::string fretSquare;
    std::string distances;
    std::string distancesByString; // the unit, the top and the bottom strings
    // The title block of a classic scale's template.
    std::string classicModeAndLength;
    std::string noMode;
    std::string classicDistances;
    // Every printed page.
    std::string printAtTrueSize;
    std::string pageOf;
    // The intonation chart.
    std::string intonationTitle;
    std::string fretAxis;
    std::string centsAxis;
    std::string beforeCompensation;
    std::string afterCompensation;
    std::string stringNumber;
    // The radius gauges: their title, and each gauge's label.
    std::string radiusGaugesTitle;
    std::string radiusGauge; // the radius, then where it is measured
    std::string fretNumber;
};

// The pattern with %1, %2… replaced by the values in order.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace corvane::drawing
