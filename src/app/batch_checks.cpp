#include "app/batch_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "entry/saved_case_reader.h"
#include "run/result_files.h"
#include "simulation/boundary_condition.h"
#include "simulation/exact_solution.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"

namespace calorvia::batch {
namespace {

using simulation::BoundaryCondition;
using simulation::BoundaryType;
using simulation::SimulationCase;
using texts::RunText;
using texts::Text;

std::string sentence(Text text, texts::Language language) {
    return std::string(texts::textFor(text, language));
}

// The order of accuracy a ratio of errors three times as fine shows.
// p = log(coarse/fine)/log 3, from two errors or changes; nothing when
// either is below 1e-9 of `largestT`, where it measures round-off and the
// iteration's tolerance rather than the grid.
std::optional<double> observedOrder(double coarse, double fine, double largestT) {
    const double noise = 1.0E-9 * largestT;
    if (!(coarse > noise && fine > noise)) return std::nullopt;
    return std::log(coarse / fine) / std::log(3.0);
}

// The largest |T| of a level's final field.
double largestTemperature(const BatchRun& run) {
    const std::int32_t N = run.loaded->simulationCase.N;
    double largest = 0.0;
    for (std::int32_t i = 1; i <= N; ++i) {
        largest = std::max(largest, std::fabs(run.T[static_cast<std::size_t>(i)]));
    }
    return largest;
}

std::string orderText(std::optional<double> order) {
    if (!order || !std::isfinite(*order)) return "      -";
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << std::setw(7) << *order;
    return text.str();
}

std::string errorText(double value) {
    std::ostringstream text;
    text << std::scientific << std::setprecision(4) << std::setw(13) << value;
    return text.str();
}

// What a level of a study without an exact solution is compared by: the two
// face temperatures and the two face fluxes.
std::array<double, 4> boundaryFigures(const BatchRun& run) {
    const SimulationCase& c = run.loaded->simulationCase;
    const simulation::ControlVolumeGrid grid(c);
    const auto N = static_cast<std::size_t>(c.N);
    const simulation::NodeArray& T = run.T;
    const simulation::NodeArray& K = run.K;
    return {simulation::westFaceTemperature(grid, c.west, T[1], K[1]).value_or(T[1]),
            simulation::eastFaceTemperature(grid, c.east, T[N], K[N]).value_or(T[N]),
            simulation::westFaceFlux(grid, c.west, T[1], K[1]),
            simulation::eastFaceFlux(grid, c.east, T[N], K[N])};
}

// The options of one level: every --set as given, N replaced.
BatchOptions levelOptions(const BatchOptions& options, std::int32_t N) {
    BatchOptions level = options;
    std::erase_if(level.overrides, [](const EntryOverride& entry) { return entry.name == "N"; });
    level.overrides.push_back({"N", std::to_string(N)});
    return level;
}

// N of the case as it will be run: a --set N, else the saved case's.
std::optional<std::int32_t> baseVolumes(const BatchOptions& options) {
    for (auto entry = options.overrides.rbegin(); entry != options.overrides.rend(); ++entry) {
        if (entry->name == "N") return text::readInteger(entry->value);
    }
    const entry::SavedCaseReading reading = entry::readSavedCaseFile(options.casePath);
    if (!reading.ok()) return std::nullopt;
    return reading.entry.NValue;
}

// The type's name and its values under their keys; the number of a type no
// description names.
nlohmann::ordered_json boundaryJson(const BoundaryCondition& b) {
    nlohmann::ordered_json json;
    const simulation::BoundaryTypeDescription* type = simulation::describe(b.type);
    if (type == nullptr) {
        json["type"] = simulation::fileNumber(b.type);
        return json;
    }
    json["type"] = type->name;
    for (const simulation::BoundaryValue value : type->values) {
        const simulation::BoundaryValueDescription& held = simulation::describe(value);
        json[std::string(held.key)] = b.*held.number;
    }
    return json;
}

nlohmann::ordered_json propertyJson(const simulation::PropertyExpression& property) {
    std::string shown(text::trimRight(property.text));
    std::replace(shown.begin(), shown.end(), 'z', 'T');
    if (property.isFormula) return shown;
    return property.constant;
}

nlohmann::ordered_json caseJson(const BatchOptions& options, const SimulationCase& c) {
    nlohmann::ordered_json json;
    json["file"] = text::utf8FromPath(options.casePath);
    json["Lx"] = c.Lx;
    json["N"] = c.N;
    json["K"] = propertyJson(c.K);
    json["Sc"] = propertyJson(c.Sc);
    json["Sp"] = propertyJson(c.Sp);
    json["state"] = c.state == simulation::CaseState::Steady ? "steady" : "unsteady";
    json["method"] =
        c.method == simulation::SolutionMethod::GaussSeidel ? "Gauss-Sidel" : "Tab. LU";
    if (c.hasTransientBlock()) {
        std::string Ti(text::trimRight(c.Ti.text));
        json["Ti"] =
            c.Ti.isFormula ? nlohmann::ordered_json(Ti) : nlohmann::ordered_json(c.Ti.constant);
        json["Rho"] = propertyJson(c.Rho);
        json["Cp"] = propertyJson(c.Cp);
        json["Delt_t"] = c.Delt_t;
        json["Nst"] = c.Nst;
        json["No"] = c.No;
    }
    json["west"] = boundaryJson(c.west);
    json["east"] = boundaryJson(c.east);
    json["u"] = c.u;
    json["geometry"] = simulation::geometryKeyword(c.geometry);
    if (simulation::isRadial(c.geometry)) json["ri"] = c.ri;
    return json;
}

nlohmann::ordered_json faceHeatJson(const simulation::FaceHeat& heat) {
    nlohmann::ordered_json json;
    json["conduction"] = heat.conduction;
    json["convection"] = heat.convection;
    return json;
}

nlohmann::ordered_json balanceJson(const simulation::EnergyBalance& balance, double limit,
                                   simulation::Geometry geometry) {
    nlohmann::ordered_json json;
    json["unit"] = simulation::heatRateUnit(geometry);
    json["west"] = faceHeatJson(balance.west);
    json["east"] = faceHeatJson(balance.east);
    json["generated"] = balance.generated;
    json["stored"] = balance.stored;
    json["residual"] = balance.residual;
    json["relative_residual"] = balance.relativeResidual();
    json["limit"] = limit;
    json["balanced"] = balance.balanced(limit);
    return json;
}

}  // namespace

ExactCheck checkAgainstExact(const BatchRun& run) {
    ExactCheck check;
    if (!run.finished) return check;
    if (!run.steadyProfile) {
        check.refusal = sentence(RunText::ExactNeedsSteadyProfile, run.language);
        return check;
    }
    const SimulationCase& c = run.loaded->simulationCase;
    const simulation::ExactSteadyOutcome exact = simulation::exactSteadySolution(c);
    if (!exact.solution) {
        check.refusal = sentence(run::refusalText(exact.refusal), run.language);
        return check;
    }
    check.comparison = run::compareWithExact(c, run.T, run.K, *exact.solution);
    return check;
}

int reportExact(const BatchRun& run, std::ostream& out, std::ostream& messages) {
    if (!run.finished) return run.status;
    const ExactCheck check = checkAgainstExact(run);
    if (!check.comparison) {
        messages << "calorvia-batch: --exact: " << check.refusal << '\n';
        return run.status;
    }
    const std::string_view name = texts::resultFileName(texts::ResultFile::Exact, run.language);
    if (!run::writeResultFile(text::pathFromUtf8(name),
                              run::exactComparisonLines(*check.comparison, run.language))) {
        messages << "calorvia-batch: cannot write " << name << '\n';
        return kExitOther;
    }
    out << name << '\n'
        << "Largest difference: " << check.comparison->largest << '\n'
        << "RMS difference: " << check.comparison->rms << '\n';
    return run.status;
}

int refinementStudy(const BatchOptions& options, int levels, std::ostream& out,
                    std::ostream& messages) {
    const std::optional<std::int32_t> base = baseVolumes(options);
    if (!base || *base < 1 || *base > simulation::MaxControlVolumes) {
        // The first level's wizard says what is wrong with the case.
        const BatchRun first = runCase(options, nullptr, messages);
        return first.status;
    }
    // From at most 1000 volumes, 3^6 times as many still fit in 32 bits.
    std::vector<std::int32_t> volumes{*base};
    for (int level = 1; level < levels; ++level) volumes.push_back(volumes.back() * 3);
    if (volumes.back() > simulation::MaxControlVolumes) {
        messages << "calorvia-batch: --refine " << levels << ": the level N = " << volumes.back()
                 << " would need more than " << simulation::MaxControlVolumes << " volumes\n";
        return kExitRefused;
    }

    std::vector<BatchRun> runs;
    for (const std::int32_t N : volumes) {
        BatchRun level = runCase(levelOptions(options, N), nullptr, messages);
        if (!level.finished) return level.status;
        runs.push_back(std::move(level));
    }

    const ExactCheck first = checkAgainstExact(runs.front());
    if (first.comparison) {
        out << "Refinement against the exact solution (order p = log(e_coarse/e_fine)/log 3):\n"
            << "      N  largest diff.     RMS diff.  p(largest)   p(RMS)\n";
        std::optional<run::ExactComparison> previous;
        for (const BatchRun& level : runs) {
            const run::ExactComparison errors = *checkAgainstExact(level).comparison;
            std::optional<double> pLargest;
            std::optional<double> pRms;
            if (previous) {
                const double largestT = largestTemperature(level);
                pLargest = observedOrder(previous->largest, errors.largest, largestT);
                pRms = observedOrder(previous->rms, errors.rms, largestT);
            }
            out << std::setw(7) << level.loaded->simulationCase.N << errorText(errors.largest)
                << ' ' << errorText(errors.rms) << "     " << orderText(pLargest) << "  "
                << orderText(pRms) << '\n';
            previous = errors;
        }
        return kExitWritten;
    }

    // No exact solution: how much the faces change from level to level.
    out << "No exact solution (" << first.refusal << ")\n"
        << "Refinement by the change between levels (p = log(d_coarse/d_fine)/log 3):\n"
        << "      N       T west       T east       q west       q east  largest change  p\n";
    std::optional<std::array<double, 4>> previous;
    std::optional<double> previousChange;
    for (const BatchRun& level : runs) {
        const std::array<double, 4> figures = boundaryFigures(level);
        out << std::setw(7) << level.loaded->simulationCase.N;
        for (const double figure : figures) {
            out << ' ' << std::setw(12) << std::setprecision(7) << figure;
        }
        std::optional<double> change;
        if (previous) {
            change = 0.0;
            for (std::size_t i = 0; i < figures.size(); ++i) {
                change = std::max(*change, std::fabs(figures[i] - (*previous)[i]));
            }
            out << "  " << errorText(*change);
        } else {
            out << "  " << std::setw(13) << "-";
        }
        std::optional<double> order;
        if (change && previousChange) {
            order = observedOrder(*previousChange, *change, largestTemperature(level));
        }
        out << "  " << orderText(order) << '\n';
        previous = figures;
        previousChange = change;
    }
    return kExitWritten;
}

bool writeJsonSummary(const std::filesystem::path& file, const BatchOptions& options,
                      const BatchRun& run) {
    nlohmann::ordered_json json;
    if (run.loaded) json["case"] = caseJson(options, run.loaded->simulationCase);
    json["scheme"] = run.scheme;
    nlohmann::ordered_json outcome;
    outcome["exit_status"] = run.status;
    outcome["finished"] = run.finished;
    if (run.loaded && run.loaded->simulationCase.state == simulation::CaseState::Unsteady) {
        outcome["steps"] = run.steps;
    } else {
        outcome["passes"] = run.passes;
    }
    outcome["computing_time_s"] = run.computingSeconds;
    outcome["messages"] = run.messages;
    json["outcome"] = outcome;
    json["warnings"] = run.warnings;
    json["result_files"] = run.filesWritten;
    if (!run.csvFiles.empty()) json["csv_files"] = run.csvFiles;
    if (run.balance && run.loaded) {
        json["energy_balance"] =
            balanceJson(*run.balance, run.balanceLimit, run.loaded->simulationCase.geometry);
    }
    if (run.finished) {
        const ExactCheck check = checkAgainstExact(run);
        nlohmann::ordered_json exact;
        if (check.comparison) {
            exact["largest_difference"] = check.comparison->largest;
            exact["rms_difference"] = check.comparison->rms;
        } else {
            exact["refused"] = check.refusal;
        }
        json["exact"] = exact;
    }
    if (run.deviation) json["standard_deviation"] = *run.deviation;
    // A path that is not UTF-8 (a Latin-1 é) is written with U+FFFD in place
    // of the bytes JSON cannot hold.
    return text::writeTextFileAtomically(
        file, json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
}

}  // namespace calorvia::batch
