// Any bytes as a property text: text preparation, classification, the check
// of the caller, and INIT / EVALUATE / DESTROYFUNC with both engine variables.
// Besides crashes, hangs and out-of-bounds reads it traps on broken
// invariants of the engine.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "interpreter/interpreter.h"
#include "interpreter/property_text.h"
#include "interpreter/text_preparation.h"

namespace {

using namespace calorvia::interpreter;

void require(bool condition) {
    if (!condition) __builtin_trap();
}

void compileAndEvaluate(Interpreter& interpreter, std::string_view formula,
                        std::string_view variable) {
    ScopedFormula release(interpreter);
    const std::string status = interpreter.INIT(formula, {std::string(variable)});
    require(status == StatusOk || status == StatusError);
    if (status != StatusOk) return;
    require(!interpreter.codes().empty());
    for (const std::int32_t code : interpreter.codes()) {
        require(code >= code::PushConstant && code <= code::FirstVariable);
    }
    constexpr std::array<double, 6> values{0.0, -1.0, 0.5, 300.0, 1e300, -1e-310};
    for (const double value : values) interpreter.EVALUATE(std::array{value});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    std::string prepared = input;
    IDENTIFICA(prepared);
    CONVERT_B(prepared);
    require(prepared.size() <= 256);
    std::string constant = prepared;
    CONVERT(constant);

    for (const PropertyVariable variable :
         {PropertyVariable::Temperature, PropertyVariable::Position}) {
        const ClassifiedProperty classified = classifyPropertyText(input, variable);
        require(classified.text.size() <= 256);
        const CheckedProperty checked = checkPropertyText(input, variable);
        require(checked.isFormula == classified.isFormula);
    }

    std::size_t reports = 0;
    Interpreter interpreter([&reports](std::string_view, MathErrorKind) { ++reports; });
    compileAndEvaluate(interpreter, input, TemperatureVariable);
    compileAndEvaluate(interpreter, input, PositionVariable);
    compileAndEvaluate(interpreter, prepared, TemperatureVariable);
    return 0;
}
