#include "simulation/case_loader.h"

#include <array>

#include "interpreter/interpreter.h"
#include "interpreter/property_text.h"
#include "simulation/steady_iteration.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/text_file.h"

namespace calorvia::simulation {
namespace {

using interpreter::PropertyVariable;

// Reads the working case file one line after the other. Every numeric line
// holds one free-form value; a text line fits its 256 characters, blanks
// beyond them cut off.
class CaseFileReader {
public:
    explicit CaseFileReader(const std::vector<std::string>& lines) : lines_(lines) {}

    std::optional<double> number() {
        const std::string* line = nextLine();
        return line ? text::readReal(*line) : std::nullopt;
    }

    std::optional<std::int32_t> integer() {
        const std::string* line = nextLine();
        return line ? text::readInteger(*line) : std::nullopt;
    }

    // A file that ends where a text is expected is as corrupted as one that
    // ends at a number: the case cannot be complete. So is a text that goes
    // on past its field: cut short, a formula can read as another one.
    std::optional<std::string> textLine() {
        const std::string* line = nextLine();
        if (!line || text::overflowsWidth(*line, PropertyTextWidth)) return std::nullopt;
        return text::cutToWidth(*line, PropertyTextWidth);
    }

private:
    const std::string* nextLine() { return next_ < lines_.size() ? &lines_[next_++] : nullptr; }

    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

// The velocity on the file's last line decides whether the transient block is
// present, so it is looked at before anything else is read. Trailing blank
// lines (an editor may add one) are not the last line of the case.
double provisionalVelocity(const std::vector<std::string>& lines) {
    const std::size_t count = text::countWithoutTrailingBlankLines(lines);
    if (count == 0) return 0.0;
    return text::readReal(lines[count - 1]).value_or(0.0);
}

// Normalises, classifies and checks one property text; false when a constant
// is not a number or a formula does not compile.
bool readProperty(const std::string& typed, PropertyVariable variable, PropertyExpression& into) {
    const interpreter::CheckedProperty checked = interpreter::checkPropertyText(typed, variable);
    into.text = checked.text;
    into.isFormula = checked.isFormula;
    into.constant = checked.isFormula ? 0.0 : checked.constant;
    return checked.ok();
}

enum class FieldResult { Done, Corrupted, Cancelled };

// The initial temperature of every volume: the constant Ti, or the formula of
// x evaluated at the single-precision accumulated volume centres.
FieldResult fillInitialTemperature(const SimulationCase& simulationCase,
                                   const CaseLoadContext& context, std::vector<double>& field) {
    const auto N = static_cast<std::size_t>(simulationCase.N);
    if (!simulationCase.Ti.isFormula) {
        field.assign(N, simulationCase.Ti.constant);
        return FieldResult::Done;
    }
    interpreter::Interpreter engine(context.mathErrorHook);
    const interpreter::ScopedFormula release(engine);
    const std::string formula(text::trimRight(simulationCase.Ti.text));
    if (engine.INIT(formula, {std::string(interpreter::PositionVariable)}) !=
        interpreter::StatusOk) {
        return FieldResult::Corrupted;
    }
    field.assign(N, 0.0);
    // In a radial body x is the radius: ri plus the accumulated centre (ri is
    // 0 for the plane wall, which adds nothing).
    const std::vector<float> centres = accumulatedCentres(simulationCase.Lx, simulationCase.N);
    for (std::size_t i = 0; i < N; ++i) {
        const std::array<double, 1> position{simulationCase.ri + static_cast<double>(centres[i])};
        field[i] = engine.EVALUATE(position);
        if (context.cancelRequested && context.cancelRequested()) return FieldResult::Cancelled;
    }
    return FieldResult::Done;
}

// A steady run marches one step from a field of ones with a unit time step.
void applySteadyNormalisation(LoadedCase& loaded) {
    SimulationCase& c = loaded.simulationCase;
    loaded.transientSwitch = 0.0f;
    c.Nst = 1;
    loaded.stepsToMarch = 1;
    loaded.initialTemperature.assign(static_cast<std::size_t>(c.N), 1.0);
    c.Delt_t = 1.0;
}

// Reads a boundary type and the value lines that belong to it, in the order
// of its description. An unknown type has no value lines; its values stay 0.0.
bool readBoundary(CaseFileReader& reader, BoundaryCondition& boundary) {
    const std::optional<std::int32_t> type = reader.integer();
    if (!type) return false;
    boundary = BoundaryCondition{};
    boundary.type = fromFileNumber<BoundaryType>(*type);
    const BoundaryTypeDescription* described = describe(boundary.type);
    if (described == nullptr) return true;
    for (const BoundaryValue value : described->values) {
        const std::optional<double> number = reader.number();
        if (!number) return false;
        boundary.*(describe(value).number) = *number;
    }
    return true;
}

CaseLoadResult failed(CaseLoadFailure failure) { return CaseLoadResult{failure, std::nullopt}; }

// The geometry line of a radial case, when the last line that holds
// something is one: it is taken off, so that the velocity is again on the
// last line of what remains. False when the line is there but holds no inner
// radius of zero or more.
bool takeGeometryLine(std::vector<std::string>& lines, SimulationCase& c) {
    const std::size_t count = text::countWithoutTrailingBlankLines(lines);
    if (count == 0) return true;
    const std::optional<GeometryLine> line = readGeometryLine(lines[count - 1]);
    if (!line) return true;
    const std::optional<double> ri = innerRadiusOf(*line);
    if (!ri) return false;
    c.geometry = line->geometry;
    c.ri = *ri;
    lines.resize(count - 1);
    return true;
}

}  // namespace

CaseLoadResult loadCaseFromLines(const std::vector<std::string>& fileLines,
                                 const CaseLoadContext& context) {
    const CaseLoadResult corrupted = failed(CaseLoadFailure::CorruptedFile);
    LoadedCase loaded;
    SimulationCase& c = loaded.simulationCase;
    std::vector<std::string> lines = fileLines;
    if (!takeGeometryLine(lines, c)) return corrupted;
    const double velocityOnLastLine = provisionalVelocity(lines);
    CaseFileReader reader(lines);

    const std::optional<double> Lx = reader.number();
    if (!Lx) return corrupted;
    c.Lx = *Lx;
    const std::optional<std::int32_t> N = reader.integer();
    // Every per-volume array holds at most 1000 volumes, and the assembly
    // needs at least three; the wizard never writes anything else.
    if (!N || *N < MinControlVolumes || *N > MaxControlVolumes) return corrupted;
    c.N = *N;

    for (PropertyExpression* property : {&c.K, &c.Sc, &c.Sp}) {
        const std::optional<std::string> typed = reader.textLine();
        if (!typed || !readProperty(*typed, PropertyVariable::Temperature, *property)) {
            return corrupted;
        }
    }

    const std::optional<std::int32_t> state = reader.integer();
    if (!state) return corrupted;
    c.state = fromFileNumber<CaseState>(*state);
    loaded.stateInForce = c.state;
    const std::optional<std::int32_t> method = reader.integer();
    if (!method) return corrupted;
    c.method = fromFileNumber<SolutionMethod>(*method);

    if (c.state == CaseState::Unsteady || velocityOnLastLine > 0.0) {
        const std::optional<std::string> Ti = reader.textLine();
        if (!Ti || !readProperty(*Ti, PropertyVariable::Position, c.Ti)) return corrupted;
        switch (fillInitialTemperature(c, context, loaded.initialTemperature)) {
            case FieldResult::Done: break;
            case FieldResult::Corrupted: return corrupted;
            case FieldResult::Cancelled: return failed(CaseLoadFailure::Cancelled);
        }
        for (PropertyExpression* property : {&c.Rho, &c.Cp}) {
            const std::optional<std::string> typed = reader.textLine();
            if (!typed || !readProperty(*typed, PropertyVariable::Temperature, *property)) {
                return corrupted;
            }
        }
        const std::optional<double> Delt_t = reader.number();
        const std::optional<std::int32_t> Nst = Delt_t ? reader.integer() : std::nullopt;
        const std::optional<std::int32_t> No = Nst ? reader.integer() : std::nullopt;
        if (!No) return corrupted;
        c.Delt_t = *Delt_t;
        c.Nst = *Nst;
        c.No = *No;
        if (c.state == CaseState::Unsteady && c.Nst < 2) return corrupted;
        // The followed volume indexes the temperature field.
        if (c.No < 1 || c.No > c.N) return corrupted;
        loaded.transientSwitch = 1.0f;
        loaded.stepsToMarch = c.Nst;
        if (c.state == CaseState::Steady) applySteadyNormalisation(loaded);
    } else {
        c.Rho = PropertyExpression{};
        c.Cp = PropertyExpression{};
        applySteadyNormalisation(loaded);
    }

    if (!readBoundary(reader, c.west) || !readBoundary(reader, c.east)) return corrupted;

    // A file without the velocity line is a case without convection.
    c.u = reader.number().value_or(0.0);
    // Heat is not carried by a flow in a radial body; a working file that
    // says otherwise was not written by the wizard.
    if (isRadial(c.geometry) && c.u != 0.0) return corrupted;
    loaded.outerIterationLimit = steadyPassLimit(c);
    return CaseLoadResult{CaseLoadFailure::None, std::move(loaded)};
}

CaseLoadResult loadCase(const std::filesystem::path& path, const CaseLoadContext& context) {
    const std::optional<std::vector<std::string>> lines = text::readTextLines(path);
    if (!lines) return failed(CaseLoadFailure::MissingCase);
    return loadCaseFromLines(*lines, context);
}

}  // namespace calorvia::simulation
