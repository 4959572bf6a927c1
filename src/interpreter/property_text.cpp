#include "interpreter/property_text.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "interpreter/interpreter.h"
#include "interpreter/text_preparation.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"

namespace calorvia::interpreter {
namespace {

constexpr std::size_t PropertyTextWidth = 256;

// Characters that only a formula can contain. "+", "-", "e", "d", "." and the
// digits are not among them: 2+3 and 2e-3 are constants.
constexpr std::string_view FormulaCharacters = "plsa/^*()";

// Every "t" becomes the engine variable "z", except the "t" of a function
// name: the one before "(" (sqrt, aint, nint) and the one before "a" (tan,
// tanh, tand, atan). Returns whether any "t" was rewritten.
bool rewriteTemperature(std::string& text, std::size_t length) {
    bool rewritten = false;
    for (std::size_t i = 0; i + 1 < length; ++i) {
        if (text[i] == 't' && text[i + 1] != '(' && text[i + 1] != 'a') {
            text[i] = 'z';
            rewritten = true;
        }
    }
    if (length > 0 && text[length - 1] == 't') {
        text[length - 1] = 'z';
        rewritten = true;
    }
    return rewritten;
}

}  // namespace

std::string variableName(PropertyVariable variable) {
    return std::string(variable == PropertyVariable::Temperature ? TemperatureVariable
                                                                 : PositionVariable);
}

ClassifiedProperty classifyPropertyText(std::string_view text, PropertyVariable variable) {
    ClassifiedProperty result;
    result.text = text::cutToWidth(text, PropertyTextWidth);
    IDENTIFICA(result.text);
    CONVERT_B(result.text);
    result.text.resize(text::textLength(result.text));

    const std::size_t length = result.text.size();
    if (variable == PropertyVariable::Temperature) {
        result.isFormula = rewriteTemperature(result.text, length);
    } else {
        result.isFormula = result.text.find('x') != std::string::npos;
    }
    if (result.text.find_first_of(FormulaCharacters) != std::string::npos) {
        result.isFormula = true;
    }
    return result;
}

CheckedProperty checkPropertyText(std::string_view text, PropertyVariable variable) {
    const ClassifiedProperty classified = classifyPropertyText(text, variable);
    CheckedProperty checked;
    checked.text = classified.text;
    checked.isFormula = classified.isFormula;

    if (!classified.isFormula) {
        std::string constant = classified.text;
        CONVERT(constant);
        const std::optional<double> value = text::readReal(constant);
        checked.outcome = value ? PropertyOutcome::Constant : PropertyOutcome::UnreadableConstant;
        checked.constant = value.value_or(0.0);
        return checked;
    }

    Interpreter interpreter;
    const std::string status =
        interpreter.INIT(text::trim(classified.text), {variableName(variable)});
    interpreter.DESTROYFUNC();
    checked.outcome = status == StatusOk ? PropertyOutcome::Formula : PropertyOutcome::SyntaxError;
    return checked;
}

}  // namespace calorvia::interpreter
