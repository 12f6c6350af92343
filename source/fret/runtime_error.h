#pragma once

#include <string>
#include <string_view>

namespace fret {

// The two run-time errors the calculator can raise. The numbers and French
// descriptions are the ones users of this program have always seen.
enum class ErrorNumber : int {
    Overflow = 6, // "Dépassement de capacité"
    DivisionByZero = 11, // "Division par zéro"
};

// A run-time error of the calculation. The engine never ends the process:
// it throws this, and the caller (window or command line) reports it and
// carries on.
class RuntimeError {
public:
    explicit RuntimeError(ErrorNumber number) noexcept
        : number_(number)
    {
    }

    ErrorNumber number() const noexcept { return number_; }
    int code() const noexcept { return static_cast<int>(number_); }

    // "Dépassement de capacité" or "Division par zéro", UTF-8.
    std::string_view description() const noexcept;

    // "Erreur d'exécution '6' : Dépassement de capacité", UTF-8.
    std::string message() const;

private:
    ErrorNumber number_;
};

} // namespace fret
