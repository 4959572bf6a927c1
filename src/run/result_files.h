#pragma once
// The plain-text result files of a run, in the language of the run.
//
// Every value written is first rounded to single precision. The face
// temperatures are those of boundary_condition.h, and the fluxes, positive
// towards the east, are
//     west face        q = -2·K(1)·(T(1) - Tw)/dx
//     face j | j+1     q = -K_f·(T(j+1) - T(j))/dx,
//                      K_f = 2·K(j)·K(j+1)/(K(j) + K(j+1))
//     east face        q = -2·K(N)·(Te - T(N))/dx
// K_f is the harmonic mean the assembly's face conductance D = K_f/dx uses,
// so the fluxes of every volume balance its source as the solved system does;
// where both neighbours have the same K it is that K itself.
//
// The builders return the lines of a file (without line ends); the writers put
// them on disk and say whether that worked, so that the run can tell the user
// about a file that could not be written.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/exact_comparison.h"
#include "simulation/control_volume_grid.h"
#include "simulation/energy_balance.h"
#include "simulation/simulation_case.h"
#include "texts/result_file_names.h"
#include "texts/text_catalogue.h"

namespace calorvia::run {

// The final state of a run that the end-of-run files are written from.
struct FinalProfile {
    const simulation::SimulationCase& simulationCase;
    const simulation::NodeArray& T;  // 1..N
    const simulation::NodeArray& K;  // conductivity of the last pass, 1..N
};

// The conductivity of the face between volumes with K(P) and K(E): their
// harmonic mean, or the common value when they are equal.
double faceConductivity(double KP, double KE);

// Face fluxes 0..N: element 0 the west face, element j the face between
// volumes j and j+1, element N the east face. A boundary whose type has no
// face temperature is taken at its node temperature (no flux).
std::vector<double> faceFluxes(const FinalProfile& profile);

// "Steady.txt": the title when `titled`, else the warning; the column line;
// the rows F12.5, 4X, F14.7 for the west face, the N centres and the east face.
std::vector<std::string> steadyProfileLines(const FinalProfile& profile, bool titled,
                                            texts::Language language);

// "Exact.txt": the title, the column line, one row per face and node
// (F12.5, 4X, F14.7, 4X, F14.7, then the difference numerical - exact in the
// general form of 15 characters), then the largest and the root mean square
// difference.
std::vector<std::string> exactComparisonLines(const ExactComparison& comparison,
                                              texts::Language language);

// "Balance.txt": the heading line with the unit of `geometry` and the
// verdict (the residual relative to the largest term, balanced or not by
// `limit`, balanceLimit), then one list line per term, the value (single precision) before its
// annotation, as in the inspection copy: the heat entering through each face by conduction and by
// the flow, generated, stored, the residual and the residual divided by the largest term (0 when
// every term is 0).
std::vector<std::string> energyBalanceLines(const simulation::EnergyBalance& balance, double limit,
                                            simulation::Geometry geometry,
                                            texts::Language language);

// "Data.txt": the case as loaded, for inspection; a cylinder's or a sphere's
// speaks of ri, ro and its inner and outer surfaces where a wall's says x,
// west and east.
std::vector<std::string> inspectionCopyLines(const simulation::SimulationCase& simulationCase,
                                             std::string_view caseName, texts::Language language);

// "Flux_x_Position.txt": N+1 rows, face position then face flux.
std::vector<std::string> fluxPositionLines(const FinalProfile& profile, bool titled,
                                           texts::Language language);

// "Flux.txt": N rows, west and east face flux of each volume and its number;
// in a cylinder or a sphere the inner and outer face, positive outward.
std::vector<std::string> fluxVolumeLines(const FinalProfile& profile, bool titled,
                                         texts::Language language);

// One history row: a list line of time and temperature in single precision.
std::string historyRow(double t, double T);

// The case name shown and written: what follows the last "\" or "/" of the
// saved case's path (at most 60 characters), blanks at the end removed.
std::string caseNameOf(std::string_view casePath);

// Writes the lines, each followed by a line end, replacing the file.
bool writeResultFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// The four history files of a run. With more than one step they are emptied
// and receive their headings and one row per step; with one step the node
// and average histories are only created when missing (an existing one keeps
// its contents) and the boundary histories are left alone.
class HistoryFiles {
public:
    enum Which : int { Node = 0, Average = 1, West = 2, East = 3 };

    // Opens the files of `language` in `folder`. False when one of them could
    // not be opened; `failedFiles` then names it.
    bool open(const std::filesystem::path& folder, texts::Language language, bool withRows);
    bool writeLines(Which file, const std::vector<std::string>& lines);
    bool append(Which file, double t, double T);
    // Writes what is still buffered and closes the files; false when a file
    // could not be written to the end.
    bool close();
    // Every history that did not take all it was given (a full disk cuts each
    // stream at its own point), in the order the failures were seen.
    const std::vector<std::string>& failedFiles() const { return failedFiles_; }

private:
    // Whether `file` took everything so far; one that did not is kept.
    bool good(Which file);

    std::ofstream files_[4];
    std::string names_[4];
    std::vector<std::string> failedFiles_;
};

// The four heading lines of a history: its title and its columns, each with
// a blank line after it; the node history's title names No and its x (its r
// in a cylinder or a sphere, whose boundary histories are those of the
// inner and outer surfaces).
std::vector<std::string> historyHeading(HistoryFiles::Which file, std::int32_t No, float xNo,
                                        simulation::Geometry geometry, texts::Language language);

}  // namespace calorvia::run
