#pragma once

// The sheets' load steps as designed, written out independently of the
// program's own tables: (sheet control, main-window control), in order.

#include <QString>

#include <utility>
#include <vector>

namespace corvane::test {

using CopyPairs = std::vector<std::pair<QString, QString>>;

inline CopyPairs DiatonicLoad()
{
    // clang-format off
    return {
        {"Text2", "Longvib"},
        {"Text3", "Text1"},   {"Text4", "Text2"},   {"Text5", "Text3"},   {"Text6", "Text4"},
        {"Text7", "Text5"},   {"Text8", "Text6"},   {"Text19", "Text7"},  {"Text20", "Text9"},
        {"Text21", "Text10"}, {"Text22", "Text11"}, {"Text23", "Text12"}, {"Text9", "Text13"},
        {"Text29", "Text14"}, {"Text30", "Text15"}, {"Text12", "Text25"}, {"Text13", "Text26"},
        {"Text14", "Text27"}, {"Text15", "Text28"}, {"Text16", "Text29"}, {"Text17", "Text30"},
        {"Text24", "Text31"}, {"Text25", "Text33"}, {"Text26", "Text34"}, {"Text27", "Text35"},
        {"Text28", "Text36"}, {"Text18", "Text37"}, {"Text31", "Text38"}, {"Text32", "Text39"},
        {"Label3", "Combo1"},
    };
    // clang-format on
}

inline CopyPairs ChromaticLoad()
{
    CopyPairs steps;
    for (int box = 1; box <= 48; ++box)
        steps.emplace_back(QStringLiteral("Text%1").arg(box), QStringLiteral("Text%1").arg(box));
    steps.emplace_back("Text49", "Longvib");
    steps.emplace_back("Label3", "Combo1");
    return steps;
}

inline CopyPairs LoadOf(int scaleKind)
{
    return scaleKind == 1 ? DiatonicLoad() : ChromaticLoad();
}

} // namespace corvane::test
