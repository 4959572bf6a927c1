#pragma once
// Writing a case in its two layouts. The working case file ("Loaded.txt")
// holds numbers; a saved case file holds the entry texts as the student typed
// them (each 50 characters wide) so that the wizard can be filled again.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "simulation/simulation_case.h"

namespace calorvia::simulation {

enum class CaseFileLayout { Working, Saved };

// A numeric entry: its text as typed (saved layout) and its value (working layout).
struct CaseFileNumber {
    std::string text;
    double value = 0.0;
};

// Everything a case file holds. Property texts are kept as typed; they are
// written without trailing blanks in both layouts.
struct CaseFileContent {
    CaseFileNumber Lx;
    std::int32_t N = 0;
    std::string K;
    std::string Sc;
    std::string Sp;
    CaseState state{};
    SolutionMethod method{};
    std::string Ti;
    std::string Rho;
    std::string Cp;
    CaseFileNumber Delt_t;
    std::int32_t Nst = 0;
    std::int32_t No = 0;
    // The texts of a boundary's values in the saved layout, its condition's
    // values in the working one.
    BoundaryEntry west;
    BoundaryEntry east;
    CaseFileNumber u;
    // A radial case adds its geometry line after the velocity: the keyword
    // and ri (its value in the working layout, its text, 50 characters wide,
    // in the saved one). A plane case is written without it, as it always was.
    Geometry geometry = Geometry::Plane;
    CaseFileNumber ri;
};

// The lines of the file, in order, without line ends.
std::vector<std::string> caseFileLines(const CaseFileContent& content, CaseFileLayout layout);

// Writes the file through a temporary file and a rename; false when it could
// not be written (the previous file, if any, is then unchanged).
bool writeCaseFile(const std::filesystem::path& path, const CaseFileContent& content,
                   CaseFileLayout layout);

}  // namespace calorvia::simulation
