#pragma once

// The words a template prints, French by default; an interface in another
// language passes its own. %1, %2… stand for the values.

#include <initializer_list>
#include <string>
#include <string_view>

namespace corvane::drawing {

struct TemplateWords {
    // Beside the nut and the saddle of a board.
    std::string nut = "Sillet";
    std::string saddle = "Chevalet";
    // A board's title block: "Gabarit 12-EDO 650 mm", "… 889 à 864 mm".
    std::string title = "Gabarit %1 %2 %3";
    std::string fannedLengths = "%1 à %2";
    std::string oneString = "1 corde";
    std::string strings = "%1 cordes";
    std::string oneFret = "1 frette";
    std::string frets = "%1 frettes";
    std::string straightBoard = "manche droit";
    std::string nutSquare = "sillet perpendiculaire";
    std::string bridgeSquare = "chevalet perpendiculaire";
    std::string fretSquare = "frette %1 perpendiculaire";
    std::string distances = "Distances depuis le sillet, en %1.";
    std::string distancesByString
        = "Distances depuis le sillet, en %1 : corde 1 en haut, corde %2 en bas.";
    // The title block of a classic scale's template.
    std::string classicModeAndLength = "Mode : %1    Longueur vibrante : %2 %3";
    std::string noMode = "aucun";
    std::string classicDistances
        = "Distances depuis le sillet, en %1. Largeur de la touche : %2 %3.";
    // Every printed page.
    std::string printAtTrueSize
        = "Imprimer à 100 % (taille réelle) : vérifiez la règle avant de scier.";
    std::string pageOf = "page %1/%2";
    // The intonation chart.
    std::string intonationTitle = "Justesse de chaque corde : %1";
    std::string fretAxis = "frette";
    std::string centsAxis = "écart (cents)";
    std::string beforeCompensation = "tirets : sans compensation";
    std::string afterCompensation = "traits pleins : avec la compensation";
    std::string stringNumber = "corde %1";
};

// The pattern with %1, %2… replaced by the values in order.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace corvane::drawing
