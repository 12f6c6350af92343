#pragma once

// The fret tables of a 650 string, as printed in the fret-placement tables
// instrument makers have always worked from: every position text and every
// note name, for the six scales and the modes Sol (1), Do (2) and none (0).
// The engine tests and the command-line tests both check against them.

#include <array>
#include <string_view>
#include <vector>

namespace worked {

struct Scale {
    std::string_view listText; // the scale list item
    std::string_view commandName; // its corvane-frets name
    bool chromatic;
};

inline constexpr std::array<Scale, 6> Scales { {
    { "Tempérée Diatonique", "tempered-diatonic", false },
    { "Tempérée Chromatique", "tempered-chromatic", true },
    { "Naturelle   Diatonique", "natural-diatonic", false },
    { "Naturelle   Chromatique", "natural-chromatic", true },
    { "Pythagore Diatonique", "pythagorean-diatonic", false },
    { "Pythagore Chromatique", "pythagorean-chromatic", true },
} };

inline constexpr std::array<int, 14> DiatonicSlots { 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14,
    15 };
inline constexpr std::array<int, 10> ChromaticOnlySlots { 8, 16, 17, 18, 19, 20, 21, 22, 23, 24 };

// Positions of one tuning at 650. Diatonic columns list slots 1-7, 9-15.
struct Tuning {
    std::array<std::string_view, 14> diatonicSol;
    std::array<std::string_view, 14> diatonicDo; // also mode none
    std::array<std::string_view, 24> chromatic; // any mode
};

// In the order of Scales: tempered, natural, Pythagorean.
inline constexpr std::array<Tuning, 3> Tunings { {
    { { "70.9158", "134.0947", "163.0502", "216.177", "263.5077", "285.1998", "325", "360.4579",
          "392.0473", "406.5251", "433.0885", "456.7538", "467.5999", "487.5" },
        { "70.9158", "134.0947", "163.0502", "216.177", "263.5077", "305.6745", "325", "360.4579",
            "392.0473", "406.5251", "433.0885", "456.7538", "477.8372", "487.5" },
        { "36.4817", "70.9158", "103.4173", "134.0947", "163.0502", "190.3806", "216.177",
            "240.5257", "263.5077", "285.1998", "305.6745", "325", "343.2408", "360.4579",
            "376.7087", "392.0473", "406.5251", "420.1903", "433.0885", "445.2628", "456.7538",
            "467.5999", "477.8372", "487.5" } },
    { { "72.2222", "130", "162.4878", "216.6667", "260", "281.66665", "325", "361.1111", "390",
          "406.2439", "433.3333", "455", "465.83335", "487.5" },
        { "72.2222", "130", "162.4878", "216.6667", "260", "303.3333", "325", "361.1111", "390",
            "406.2439", "433.3333", "455", "476.6667", "487.5" },
        { "36.1111", "72.2222", "101.1111", "130", "162.4878", "189.57725", "216.6667", "238.33335",
            "260", "281.66665", "303.3333", "325", "343.05555", "361.1111", "375.55555", "390",
            "406.2439", "419.7886", "433.3333", "444.16665", "455", "465.83335", "476.6667",
            "487.5" } },
    { { "72.2222", "136.4198", "162.4878", "216.6667", "264.8148", "286.214", "325", "361.1111",
          "393.2099", "406.2439", "433.3333", "457.4074", "468.107", "487.5" },
        { "72.2222", "136.4198", "162.4878", "216.6667", "264.8148", "307.6132", "325", "361.1111",
            "393.2099", "406.2439", "433.3333", "457.4074", "478.8066", "487.5" },
        { "36.1111", "72.2222", "104.321", "136.4198", "162.4878", "189.57725", "216.6667",
            "240.74075", "264.8148", "286.214", "307.6132", "325", "343.05555", "361.1111",
            "377.1605", "393.2099", "406.2439", "419.7886", "433.3333", "445.37035", "457.4074",
            "468.107", "478.8066", "487.5" } },
} };

inline constexpr std::array<std::string_view, 7> DiatonicNamesSol { " La", " Si", " Do", " Ré",
    " Mi", " Fa", " Sol" };
inline constexpr std::array<std::string_view, 7> DiatonicNamesDo { " Ré", " Mi", " Fa", " Sol",
    " La", " Si", " Do" };
inline constexpr std::array<std::string_view, 12> ChromaticNamesSol { " Sol#", " La", " La#", " Si",
    " Do", " Do#", " Ré", " Ré#", " Mi", " Fa", " Fa#", " Sol" };
inline constexpr std::array<std::string_view, 12> ChromaticNamesDo { " Do#", " Ré", " Ré#", " Mi",
    " Fa", " Fa#", " Sol", " Sol#", " La", " La#", " Si", " Do" };

struct Row {
    int slot;
    std::string_view position;
    std::string_view note; // empty in mode none
};

// The rows a scale fills at 650, in ascending slot order.
inline std::vector<Row> Rows650(std::size_t scaleIndex, int modeCode)
{
    const Scale& scale = Scales[scaleIndex];
    const Tuning& tuning = Tunings[scaleIndex / 2];
    std::vector<Row> rows;
    if (scale.chromatic) {
        for (std::size_t i = 0; i < 24; ++i) {
            std::string_view note;
            if (modeCode == 1)
                note = ChromaticNamesSol[i % 12];
            else if (modeCode == 2)
                note = ChromaticNamesDo[i % 12];
            rows.push_back(Row { static_cast<int>(i) + 1, tuning.chromatic[i], note });
        }
        return rows;
    }
    const auto& positions = modeCode == 1 ? tuning.diatonicSol : tuning.diatonicDo;
    for (std::size_t i = 0; i < 14; ++i) {
        std::string_view note;
        if (modeCode == 1)
            note = DiatonicNamesSol[i % 7];
        else if (modeCode == 2)
            note = DiatonicNamesDo[i % 7];
        rows.push_back(Row { DiatonicSlots[i], positions[i], note });
    }
    return rows;
}

} // namespace worked
