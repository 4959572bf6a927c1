#pragma once
// Classification of a property text: a constant or a formula of T (engine
// variable "z") or of x. The case loader and the case entry wizard both use
// this one definition.

#include <string>
#include <string_view>

namespace calorvia::interpreter {

enum class PropertyVariable {
    Temperature,  // K, Sc, Sp, Rho, Cp: formulas of T, compiled with "z"
    Position,     // Ti: formula of x, compiled with "x"
};

struct ClassifiedProperty {
    std::string text;  // normalised: lower case, T written as "z", cut to 256
    bool isFormula = false;
};

// IDENTIFICA, CONVERT_B, the rewriting of the temperature variable and the
// marking of formula characters.
ClassifiedProperty classifyPropertyText(std::string_view text, PropertyVariable variable);

enum class PropertyOutcome {
    Constant,            // read as a number
    Formula,             // compiled without error
    UnreadableConstant,  // a constant text that is not a number
    SyntaxError,         // a formula that does not compile
};

struct CheckedProperty {
    PropertyOutcome outcome = PropertyOutcome::UnreadableConstant;
    std::string text;        // normalised text, as classifyPropertyText gives it
    bool isFormula = false;
    double constant = 0.0;   // the value, for PropertyOutcome::Constant
    bool ok() const {
        return outcome == PropertyOutcome::Constant || outcome == PropertyOutcome::Formula;
    }
};

// The whole preparation of one property text: classification, then for a
// constant CONVERT and the number reader, for a formula INIT and DESTROYFUNC.
CheckedProperty checkPropertyText(std::string_view text, PropertyVariable variable);

// The engine variable name of a property kind ("z" or "x").
std::string variableName(PropertyVariable variable);

}  // namespace calorvia::interpreter
