#include "scale_catalogue.h"

#include "ratio_tunings.h"
#include "tempered.h"

namespace fret {

const std::array<ScaleChoice, 6> ScaleCatalogue { {
    { "Tempérée Diatonique", DiatonicScaleKind, &ComputeTemperedDiatonic },
    { "Tempérée Chromatique", ChromaticScaleKind, &ComputeTemperedChromatic },
    { "Naturelle   Diatonique", DiatonicScaleKind, &ComputeNaturalDiatonic },
    { "Naturelle   Chromatique", ChromaticScaleKind, &ComputeNaturalChromatic },
    { "Pythagore Diatonique", DiatonicScaleKind, &ComputePythagoreanDiatonic },
    { "Pythagore Chromatique", ChromaticScaleKind, &ComputePythagoreanChromatic },
} };

const ScaleChoice* FindScaleChoice(std::string_view text) noexcept
{
    for (const ScaleChoice& choice : ScaleCatalogue)
        if (choice.text == text)
            return &choice;
    return nullptr;
}

} // namespace fret
