#include "runtime_error.h"

namespace fret {

std::string_view RuntimeError::description() const noexcept
{
    switch (number_) {
    case ErrorNumber::Overflow:
        return "Dépassement de capacité";
    case ErrorNumber::DivisionByZero:
        return "Division par zéro";
    }
    return "Erreur inconnue";
}

std::string RuntimeError::message() const
{
    std::string text = "Erreur d'exécution '";
    text += std::to_string(code());
    text += "' : ";
    text += description();
    return text;
}

} // namespace fret
