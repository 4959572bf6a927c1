#include "app/batch_csv.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <system_error>

#include "run/result_files.h"
#include "simulation/boundary_condition.h"
#include "text/number_writer.h"
#include "text/text_file.h"

namespace calorvia::batch {
namespace {

using simulation::ControlVolumeGrid;
using simulation::SimulationCase;

constexpr std::array<std::string_view, 4> kHistoryFiles{
    "history_node.csv", "history_average.csv", "history_west.csv", "history_east.csv"};

class CsvText {
public:
    explicit CsvText(std::string header) : text_(std::move(header) + '\n') {}
    void row(double a, double b) {
        text_ += text::shortestReal(a);
        text_ += ',';
        text_ += text::shortestReal(b);
        text_ += '\n';
    }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

std::string positionName(const SimulationCase& c) {
    return simulation::isRadial(c.geometry) ? "r [m]" : "x [m]";
}

// As "Steady.txt": a face whose type has no face temperature has no row.
CsvText profile(const BatchRun& run) {
    const SimulationCase& c = run.loaded->simulationCase;
    const ControlVolumeGrid grid(c);
    const auto N = static_cast<std::size_t>(c.N);
    CsvText csv(positionName(c) + ",T [K]");
    if (const auto Tw = simulation::westFaceTemperature(grid, c.west, run.T[1], run.K[1])) {
        csv.row(grid.face(0), *Tw);
    }
    for (std::size_t i = 1; i <= N; ++i) csv.row(grid.centre(static_cast<std::int32_t>(i)), run.T[i]);
    if (const auto Te = simulation::eastFaceTemperature(grid, c.east, run.T[N], run.K[N])) {
        csv.row(c.ri + c.Lx, *Te);
    }
    return csv;
}

CsvText fluxes(const BatchRun& run) {
    const SimulationCase& c = run.loaded->simulationCase;
    const ControlVolumeGrid grid(c);
    const std::vector<double> flux = run::faceFluxes({c, run.T, run.K});
    CsvText csv(positionName(c) + ",q [W/m^2]");
    for (std::size_t j = 0; j < flux.size(); ++j) {
        const bool east = j + 1 == flux.size();
        csv.row(east ? c.ri + c.Lx : grid.face(static_cast<std::int32_t>(j)), flux[j]);
    }
    return csv;
}

}  // namespace

CsvOutcome writeCsvFiles(const std::filesystem::path& folder, const BatchRun& run) {
    CsvOutcome outcome;
    if (!run.finished) return outcome;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const auto write = [&](std::string_view name, const CsvText& csv) {
        if (!outcome.ok) return;
        const std::filesystem::path file = folder / text::pathFromUtf8(name);
        if (!text::writeTextFileAtomically(file, csv.str())) {
            outcome.ok = false;
            outcome.failedFile = text::utf8FromPath(file);
            return;
        }
        outcome.files.push_back(text::utf8FromPath(file));
    };
    write("profile.csv", profile(run));
    write("fluxes.csv", fluxes(run));
    for (std::size_t which = 0; which < kHistoryFiles.size(); ++which) {
        const auto& rows = run.histories[which];
        if (rows.empty()) continue;
        CsvText csv("t [s],T [K]");
        for (const auto& [t, T] : rows) csv.row(t, T);
        write(kHistoryFiles[which], csv);
    }
    return outcome;
}

}  // namespace calorvia::batch
