#include "entry/saved_case_reader.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <string_view>

#include "simulation/geometry.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/text_file.h"

namespace calorvia::entry {
namespace {

// One value per line, in order; every read reports whether the line was there
// and, for integers, whether it held one.
class LineCursor {
public:
    explicit LineCursor(const std::vector<std::string>& lines) : lines_(lines) {}

    std::optional<std::string> text(std::size_t width) {
        if (next_ >= lines_.size()) return std::nullopt;
        return text::cutToWidth(lines_[next_++], width);
    }
    // A property text; the first one that overflows its field is noted.
    std::optional<std::string> property(std::string_view name) {
        if (next_ < lines_.size() && tooLong_.empty() &&
            text::overflowsWidth(lines_[next_], PropertyEntryWidth)) {
            tooLong_ = name;
        }
        return text(PropertyEntryWidth);
    }
    std::optional<std::int32_t> integer() {
        if (next_ >= lines_.size()) return std::nullopt;
        return text::readInteger(lines_[next_++]);
    }
    bool atEnd() const { return next_ >= lines_.size(); }
    std::size_t position() const { return next_; }
    std::string_view tooLong() const { return tooLong_; }

private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
    std::string_view tooLong_;
};

// The type and the texts of its values, in the order of its description; an
// unknown type has no value lines.
bool readBoundary(LineCursor& in, BoundaryEntry& boundary) {
    const auto type = in.integer();
    if (!type) return false;
    boundary.condition.type = simulation::fromFileNumber<simulation::BoundaryType>(*type);
    const simulation::BoundaryTypeDescription* described =
        simulation::describe(boundary.condition.type);
    if (described == nullptr) return true;
    for (const simulation::BoundaryValue value : described->values) {
        const std::optional<std::string> typed = in.text(NumberEntryWidth);
        if (!typed) return false;
        boundary.*(simulation::describe(value).typed) = *typed;
    }
    return true;
}

struct Pass {
    bool ok = false;
    bool velocityLinePresent = false;
    bool consumedEverything = false;
    std::size_t afterVelocity = 0;  // the index of the line after the velocity line
    std::string_view tooLong;       // the first property text that overflows its field
    CaseEntry entry;
};

// The second pass, with or without the transient block.
Pass readInLayout(const std::vector<std::string>& lines, bool provisionalVelocityPositive) {
    Pass pass;
    CaseEntry& e = pass.entry;
    LineCursor in(lines);
    const auto Lx = in.text(NumberEntryWidth);
    const auto N = in.integer();
    if (!Lx || !N) return pass;
    const auto K = in.property("K");
    const auto Sc = in.property("Sc");
    const auto Sp = in.property("Sp");
    if (!K || !Sc || !Sp) return pass;
    const auto state = in.integer();
    const auto method = in.integer();
    if (!state || !method) return pass;
    e.Lx = *Lx;
    e.K = *K;
    e.Sc = *Sc;
    e.Sp = *Sp;

    const auto caseState = simulation::fromFileNumber<simulation::CaseState>(*state);
    const bool transient =
        caseState == simulation::CaseState::Unsteady || provisionalVelocityPositive;
    std::optional<std::int32_t> Nst;
    std::optional<std::int32_t> No;
    if (transient) {
        const auto Ti = in.property("Ti");
        const auto Rho = in.property("Rho");
        const auto Cp = in.property("Cp");
        const auto Delt_t = in.text(NumberEntryWidth);
        if (!Ti || !Rho || !Cp || !Delt_t) return pass;
        Nst = in.integer();
        No = in.integer();
        if (!Nst || !No) return pass;
        e.Ti = *Ti;
        e.Rho = *Rho;
        e.Cp = *Cp;
        e.Delt_t = *Delt_t;
    }
    if (!readBoundary(in, e.west) || !readBoundary(in, e.east)) return pass;
    const auto u = in.text(NumberEntryWidth);
    pass.velocityLinePresent = u.has_value();
    e.u = u.value_or("0.0");
    pass.consumedEverything = in.atEnd();
    pass.afterVelocity = in.position();
    pass.tooLong = in.tooLong();

    // The entries the file holds as integers become texts again.
    e.N = std::to_string(*N);
    e.NValue = *N;
    e.state = caseState;
    e.method = simulation::fromFileNumber<simulation::SolutionMethod>(*method);
    e.steadyChosen = caseState == simulation::CaseState::Steady;
    e.unsteadyChosen = !e.steadyChosen;
    e.gaussSidelChosen = e.method == simulation::SolutionMethod::GaussSeidel;
    if (transient) {
        e.Nst = std::to_string(*Nst);
        e.No = std::to_string(*No);
        e.NstValue = *Nst;
        e.NoValue = *No;
    }
    pass.ok = true;
    return pass;
}

// The first pass: the last line read as a single-precision number, 0.0 when
// it does not begin with one.
float provisionalVelocity(const std::vector<std::string>& lines) {
    if (lines.empty()) return 0.0f;
    const std::optional<double> value = text::readReal(lines.back());
    if (!value) return 0.0f;
    return static_cast<float>(*value);
}

// The line after the velocity, when its first word (a run of letters) is no
// body keyword.
std::optional<SavedCaseLine> unknownBodyLine(const std::vector<std::string>& lines,
                                             std::size_t index) {
    if (index >= lines.size()) return std::nullopt;
    const std::string_view line = text::trim(lines[index]);
    std::size_t letters = 0;
    while (letters < line.size() && std::isalpha(static_cast<unsigned char>(line[letters]))) {
        ++letters;
    }
    if (letters == 0 || simulation::geometryFromKeyword(line.substr(0, letters))) {
        return std::nullopt;
    }
    return SavedCaseLine{index + 1, text::cutToWidth(line, NumberEntryWidth)};
}

}  // namespace

SavedCaseReading readSavedCase(const std::vector<std::string>& fileLines) {
    // Blank lines after the last value are no part of the case, as for the
    // working case: the velocity is on the last line that holds something.
    std::vector<std::string> lines(
        fileLines.begin(),
        fileLines.begin() +
            static_cast<std::ptrdiff_t>(text::countWithoutTrailingBlankLines(fileLines)));
    SavedCaseReading reading;
    // A radial case ends with its geometry line; without it the file is laid
    // out as a plane case, the velocity on its last line.
    std::optional<simulation::GeometryLine> geometry;
    std::optional<double> ri;
    if (!lines.empty()) geometry = simulation::readGeometryLine(lines.back());
    if (geometry) {
        ri = simulation::innerRadiusOf(*geometry);
        if (!ri) {
            reading.failure = SavedCaseFailure::Malformed;
            return reading;
        }
        lines.pop_back();
        lines.resize(text::countWithoutTrailingBlankLines(lines));
    }
    const bool positive = provisionalVelocity(lines) > 0.0f;
    Pass pass = readInLayout(lines, positive);
    // A steady file saved without its velocity line ends with a boundary
    // value; when that value is positive the first pass mistakes it for the
    // velocity and the layout read above expects a transient block that is
    // not there. Such a file reads cleanly, to its very end and without a
    // velocity line, when no transient block is assumed.
    if (positive && !(pass.ok && pass.consumedEverything && pass.velocityLinePresent)) {
        Pass steady = readInLayout(lines, false);
        if (steady.ok && steady.entry.state == simulation::CaseState::Steady &&
            !steady.velocityLinePresent) {
            pass = std::move(steady);
        }
    }
    if (!pass.ok) {
        reading.failure = SavedCaseFailure::Malformed;
        return reading;
    }
    if (!pass.tooLong.empty()) {
        reading.failure = SavedCaseFailure::FormulaTooLong;
        reading.tooLongEntry = pass.tooLong;
        return reading;
    }
    if (!geometry && pass.velocityLinePresent) {
        reading.unknownBody = unknownBodyLine(lines, pass.afterVelocity);
    }
    reading.entry = std::move(pass.entry);
    if (geometry) {
        reading.entry.geometry = geometry->geometry;
        reading.entry.ri = text::cutToWidth(geometry->value, NumberEntryWidth);
        reading.entry.riValue = *ri;
    }
    return reading;
}

SavedCaseReading readSavedCaseFile(const std::filesystem::path& path) {
    const auto lines = text::readTextLines(path);
    if (!lines) {
        SavedCaseReading unopenable;
        unopenable.failure = SavedCaseFailure::Unopenable;
        return unopenable;
    }
    return readSavedCase(*lines);
}

}  // namespace calorvia::entry
