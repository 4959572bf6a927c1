#include "run/result_files.h"

#include <algorithm>
#include <utility>

#include "text/fixed_text.h"
#include "text/number_writer.h"
#include "text/text_file.h"
#include "texts/boundary_words.h"
#include "texts/run_texts.h"

namespace calorvia::run {

using namespace simulation;  // the run speaks the simulation's vocabulary
using texts::Language;
using texts::ResultFile;
using texts::RunText;
using texts::Text;
using texts::textFor;
using texts::withValue;

namespace {

// Every number of a result file goes through single precision first.
float single(double value) {
    return static_cast<float>(value);
}

std::string listText(std::string_view item) {
    return text::ListLine().text(item).str();
}

const std::string blankLine = " ";

std::string profileRow(float x, float T) {
    return text::fixedReal(x, 12, 5) + "    " + text::fixedReal(T, 14, 7);
}

std::string titleLine(bool titled, Text title, Language language) {
    return listText(textFor(titled ? title : RunText::SteadyWarning, language));
}

// The annotation of a boundary's value line in the inspection copy: the
// value's words for the west, east, inner or outer face.
enum class Face : std::size_t { West, East, Inner, Outer };

// z is the engine's name for T; the copy shows the user's letter.
std::string temperatureText(const PropertyExpression& property) {
    std::string shown(text::trimRight(property.text));
    std::replace(shown.begin(), shown.end(), 'z', 'T');
    return shown;
}

}  // namespace

double faceConductivity(double KP, double KE) {
    if (KP == KE) return KE;
    return KP * 2.0 * KE / (KP + KE);
}

std::vector<double> faceFluxes(const FinalProfile& profile) {
    const ControlVolumeGrid grid(profile.simulationCase);
    const SimulationCase& c = profile.simulationCase;
    const std::int32_t N = c.N;
    const double dx = grid.dx;
    const NodeArray& T = profile.T;
    const NodeArray& K = profile.K;
    std::vector<double> flux(static_cast<std::size_t>(N) + 1, 0.0);
    flux[0] = westFaceFlux(grid, c.west, T[1], K[1]);
    for (std::int32_t j = 1; j < N; ++j) {
        flux[j] = -faceConductivity(K[j], K[j + 1]) * (T[j + 1] - T[j]) / dx;
    }
    flux[static_cast<std::size_t>(N)] = eastFaceFlux(grid, c.east, T[N], K[N]);
    return flux;
}

std::vector<std::string> steadyProfileLines(const FinalProfile& profile, bool titled,
                                            Language language) {
    const SimulationCase& c = profile.simulationCase;
    const ControlVolumeGrid grid(c);
    const std::int32_t N = c.N;
    const Text columns = grid.isRadial() ? RunText::SteadyRadiusColumns : RunText::SteadyColumns;
    std::vector<std::string> lines{titleLine(titled, RunText::SteadyTitle, language), blankLine,
                                   listText(textFor(columns, language)), blankLine};
    // The west face, the N centres and the east face: positions, or radii.
    const std::vector<float> positions = grid.displayPositions();
    if (const auto Tw = westFaceTemperature(grid, c.west, profile.T[1], profile.K[1])) {
        lines.push_back(profileRow(positions.front(), single(*Tw)));
    }
    for (std::int32_t i = 1; i <= N; ++i) {
        lines.push_back(profileRow(positions[static_cast<std::size_t>(i)], single(profile.T[i])));
    }
    if (const auto Te = eastFaceTemperature(grid, c.east, profile.T[N], profile.K[N])) {
        lines.push_back(profileRow(positions.back(), single(*Te)));
    }
    return lines;
}

std::vector<std::string> exactComparisonLines(const ExactComparison& comparison,
                                              Language language) {
    const Text columns = comparison.radial ? RunText::ExactRadiusColumns : RunText::ExactColumns;
    std::vector<std::string> lines{listText(textFor(RunText::ExactTitle, language)), blankLine,
                                   listText(textFor(columns, language)), blankLine};
    for (const ComparedPoint& point : comparison.points) {
        lines.push_back(profileRow(point.shownPosition, single(point.numerical)) + "    " +
                        text::fixedReal(single(point.exact), 14, 7) +
                        text::generalFloat(single(point.difference())));
    }
    const auto value = [](double number) {
        return std::string(text::trim(text::generalFloat(single(number))));
    };
    lines.push_back(blankLine);
    lines.push_back(
        listText(withValue(textFor(RunText::ExactLargest, language), value(comparison.largest))));
    lines.push_back(
        listText(withValue(textFor(RunText::ExactRms, language), value(comparison.rms))));
    return lines;
}

std::vector<std::string> energyBalanceLines(const EnergyBalance& balance, double limit,
                                            Geometry geometry, Language language) {
    const Text verdict =
        balance.balanced(limit) ? RunText::BalanceVerdict : RunText::BalanceNotBalanced;
    const Text limitText = limit == simulation::LinearBalanceLimit ? RunText::BalanceLinearLimit
                                                                   : RunText::BalanceIteratedLimit;
    const std::string relative(
        text::trim(text::generalFloat(static_cast<float>(balance.relativeResidual()))));
    const std::string judged =
        withValue(withValue(textFor(verdict, language), relative), textFor(limitText, language));
    std::vector<std::string> lines{
        listText(withValue(
            withValue(textFor(RunText::BalanceHeading, language), heatRateUnit(geometry)), judged)),
        blankLine};
    const bool radial = simulation::isRadial(geometry);
    for (const auto& [value, annotation] :
         {std::pair{balance.west.conduction,
                    radial ? RunText::BalanceInnerConduction : RunText::BalanceWestConduction},
          std::pair{balance.west.convection,
                    radial ? RunText::BalanceInnerConvection : RunText::BalanceWestConvection},
          std::pair{balance.east.conduction,
                    radial ? RunText::BalanceOuterConduction : RunText::BalanceEastConduction},
          std::pair{balance.east.convection,
                    radial ? RunText::BalanceOuterConvection : RunText::BalanceEastConvection},
          std::pair{balance.generated, RunText::BalanceGenerated},
          std::pair{balance.stored, RunText::BalanceStored},
          std::pair{balance.residual, RunText::BalanceResidual},
          std::pair{balance.relativeResidual(), RunText::BalanceRelativeResidual}}) {
        lines.push_back(text::ListLine().real(single(value)).text(textFor(annotation, language)).str());
    }
    return lines;
}

std::vector<std::string> inspectionCopyLines(const SimulationCase& c, std::string_view caseName,
                                             Language language) {
    auto note = [language](Text annotation) { return textFor(annotation, language); };
    auto real = [&](double value, Text annotation) {
        return text::ListLine().real(value).text(note(annotation)).str();
    };
    auto integer = [&](std::int64_t value, Text annotation) {
        return text::ListLine().integer(value).text(note(annotation)).str();
    };
    auto property = [&](std::string shown, Text annotation) {
        return shown + std::string(note(annotation));
    };
    // A cylinder or a sphere speaks of r and of its inner and outer surfaces.
    const bool radial = isRadial(c.geometry);
    std::vector<std::string> lines{
        std::string(note(RunText::InspectionName)) + std::string(text::trimRight(caseName)),
        listText(note(RunText::InspectionPurpose)), blankLine};
    // Each entry on its line, a blank line after it.
    auto entries = [&](std::initializer_list<std::string> list) {
        for (const std::string& entry : list) lines.insert(lines.end(), {entry, blankLine});
    };
    entries({real(c.Lx, radial ? RunText::InspectionRadialLx : RunText::InspectionLx),
             integer(c.N, RunText::InspectionN),
             property(temperatureText(c.K), RunText::InspectionK),
             property(temperatureText(c.Sc), RunText::InspectionSc),
             property(temperatureText(c.Sp), RunText::InspectionSp),
             integer(fileNumber(c.state), RunText::InspectionState),
             integer(fileNumber(c.method), RunText::InspectionMethod)});
    if (c.hasTransientBlock()) {
        entries({property(std::string(text::trimRight(c.Ti.text)), RunText::InspectionTi),
                 property(temperatureText(c.Rho), RunText::InspectionRho),
                 property(temperatureText(c.Cp), RunText::InspectionCp),
                 real(c.Delt_t, RunText::InspectionDeltT), integer(c.Nst, RunText::InspectionNst),
                 integer(c.No, RunText::InspectionNo)});
    }
    // The type, then the values of the type; the east type has an empty line
    // after it.
    auto boundaryLines = [&](const BoundaryCondition& b, const std::string& afterType, Face face) {
        const BoundaryTypeDescription* type = describe(b.type);
        const Text typeWords =
            type
                ? texts::kBoundaryTypeWords[static_cast<std::size_t>(type->type) - 1].inspectionType
                : RunText::InspectionBoundaryType;
        lines.insert(lines.end(), {integer(fileNumber(b.type), typeWords), afterType});
        if (type != nullptr) {
            bool first = true;
            for (const BoundaryValue value : type->values) {
                if (!first) lines.push_back(blankLine);
                first = false;
                const Text words = texts::kBoundaryValueWords[static_cast<std::size_t>(value)]
                                       .inspection[static_cast<std::size_t>(face)];
                lines.push_back(real(b.*describe(value).number, words));
            }
        }
        lines.push_back(blankLine);
    };
    boundaryLines(c.west, blankLine, radial ? Face::Inner : Face::West);
    boundaryLines(c.east, "", radial ? Face::Outer : Face::East);
    lines.push_back(real(c.u, RunText::InspectionVelocity));
    // A cylinder or a sphere adds its body and inner radius; a plane wall's
    // copy ends as it always did.
    if (radial) {
        lines.push_back(blankLine);
        lines.push_back(real(c.ri, c.geometry == Geometry::Cylinder ? RunText::InspectionCylinder
                                                                    : RunText::InspectionSphere));
    }
    return lines;
}

std::vector<std::string> fluxPositionLines(const FinalProfile& profile, bool titled,
                                           Language language) {
    const ControlVolumeGrid grid(profile.simulationCase);
    const std::vector<double> flux = faceFluxes(profile);
    const Text columns =
        grid.isRadial() ? RunText::FluxRadiusColumns : RunText::FluxPositionColumns;
    std::vector<std::string> lines{titleLine(titled, RunText::FluxPositionTitle, language),
                                   blankLine, listText(textFor(columns, language)), blankLine};
    const std::vector<float> faces = grid.facePositions();
    for (std::size_t face = 0; face < flux.size(); ++face) {
        lines.push_back(text::fixedReal(faces[face], 12, 5) + "    " +
                        text::fixedReal(single(flux[face]), 14, 7));
    }
    return lines;
}

std::vector<std::string> fluxVolumeLines(const FinalProfile& profile, bool titled,
                                         Language language) {
    const std::vector<double> flux = faceFluxes(profile);
    // In a cylinder or a sphere the east of a volume is its outer face.
    const bool radial = isRadial(profile.simulationCase.geometry);
    const Text sign = radial ? RunText::FluxRadialSignNote : RunText::FluxSignNote;
    const Text columns = radial ? RunText::FluxVolumesRadialColumns : RunText::FluxVolumesColumns;
    std::vector<std::string> lines{titleLine(titled, RunText::FluxVolumesTitle, language),
                                   listText(textFor(sign, language)), blankLine,
                                   listText(textFor(columns, language)), blankLine};
    for (std::int32_t i = 1; i <= profile.simulationCase.N; ++i) {
        const auto west = static_cast<std::size_t>(i - 1);
        std::string row = text::fixedReal(single(flux[west]), 14, 7) + "    " +
                          text::fixedReal(single(flux[west + 1]), 14, 7);
        row += i == 1 ? std::string("        1") : "     " + text::fixedInteger(i, 4);
        lines.push_back(std::move(row));
    }
    return lines;
}

std::vector<std::string> historyHeading(HistoryFiles::Which file, std::int32_t No, float xNo,
                                        Geometry geometry, Language language) {
    const bool radial = isRadial(geometry);
    const Text titles[] = {
        RunText::NodeHistoryHeading, RunText::AverageHistoryHeading,
        radial ? RunText::InnerSurfaceHistoryHeading : RunText::WestHistoryHeading,
        radial ? RunText::OuterSurfaceHistoryHeading : RunText::EastHistoryHeading};
    const std::string title = file == HistoryFiles::Node
                                  ? std::string(textFor(titles[file], language)) +
                                        text::fixedInteger(No, 4) + (radial ? " (r = " : " (x = ") +
                                        text::fixedReal(xNo, 11, 5) + ")"
                                  : listText(textFor(titles[file], language));
    const Text columns =
        file == HistoryFiles::Average ? RunText::AverageColumns : RunText::TimeTemperatureColumns;
    return {title, blankLine, listText(textFor(columns, language)), blankLine};
}

std::string historyRow(double t, double T) {
    return text::ListLine().real(single(t)).real(single(T)).str();
}

std::string caseNameOf(std::string_view casePath) {
    const std::size_t separator = casePath.find_last_of("\\/");
    std::string_view name =
        separator == std::string_view::npos ? casePath : casePath.substr(separator + 1);
    name = text::trimRight(name.substr(0, std::min<std::size_t>(name.size(), 60)));
    return std::string(name.substr(0, name.size() > 4 ? name.size() - 4 : 0));
}

bool writeResultFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += '\n';
    }
    return text::writeTextFileAtomically(path, content);
}

bool HistoryFiles::open(const std::filesystem::path& folder, Language language, bool withRows) {
    using texts::ResultFile;
    const ResultFile roles[4] = {ResultFile::Unsteady, ResultFile::Average, ResultFile::West,
                                 ResultFile::East};
    failedFiles_.clear();
    bool ok = true;
    for (int which = 0; which < 4; ++which) {
        names_[which] = std::string(texts::resultFileName(roles[which], language));
        if (!withRows && which >= West) continue;
        const auto mode =
            withRows ? std::ios::out | std::ios::trunc : std::ios::out | std::ios::app;
        files_[which].open(folder / text::pathFromUtf8(names_[which]), mode | std::ios::binary);
        ok &= good(static_cast<Which>(which));
    }
    return ok;
}

bool HistoryFiles::writeLines(Which file, const std::vector<std::string>& lines) {
    std::ofstream& out = files_[file];
    if (!out.is_open()) return false;
    for (const std::string& line : lines) out << line << '\n';
    out.flush();
    return good(file);
}

// A row stays in the stream's buffer until the buffer is full or the file is
// closed: one write to the system per few hundred rows instead of one a row.
bool HistoryFiles::append(Which file, double t, double T) {
    std::ofstream& out = files_[file];
    if (!out.is_open()) return false;
    out << historyRow(t, T) << '\n';
    return good(file);
}

bool HistoryFiles::close() {
    bool ok = true;
    for (int which = 0; which < 4; ++which) {
        if (!files_[which].is_open()) continue;
        files_[which].close();  // fails when the last rows cannot be written
        ok &= good(static_cast<Which>(which));
    }
    return ok;
}

bool HistoryFiles::good(Which file) {
    if (files_[file]) return true;
    if (std::find(failedFiles_.begin(), failedFiles_.end(), names_[file]) == failedFiles_.end()) {
        failedFiles_.push_back(names_[file]);
    }
    return false;
}

}  // namespace calorvia::run
