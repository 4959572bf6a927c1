#pragma once
// --csv DIR: the results of a finished run for a script, as CSV files with
// a header row naming the SI units and every number in full double
// precision (the shortest text that reads back to the same double):
//   profile.csv    x [m], T [K]      west face, the N nodes, east face
//   fluxes.csv     x [m], q [W/m^2]  the N + 1 faces, q positive towards the east
//   history_node.csv, history_average.csv, history_west.csv,
//   history_east.csv
//                  t [s], T [K]      the rows of the run's histories, when it
//                                    keeps them (more than one time step)
// A cylinder or a sphere names its positions r [m]. The rows are those of
// the result files (Steady.txt, Flux_x_Position.txt and the histories), the
// positions exact (not accumulated in single precision).

#include <filesystem>
#include <string>
#include <vector>

#include "app/batch_run.h"

namespace calorvia::batch {

struct CsvOutcome {
    std::vector<std::string> files;  // the files written, folder included
    bool ok = true;                  // false: a file could not be written
    std::string failedFile;
};

// Writes the files of a finished run into `folder`, made when missing.
CsvOutcome writeCsvFiles(const std::filesystem::path& folder, const BatchRun& run);

}  // namespace calorvia::batch
