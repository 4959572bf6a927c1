#pragma once
// calorvia-batch's run: the desktop program's start-up, File > Open, the
// case entry wizard and Begin Simulation, played on the HeadlessPlatform with
// a policy that answers every question the way a batch run must:
//  - a private copy of the case is opened without the open dialog (the
//    wizard rewrites the file it opened; the user's file is never touched);
//  - each wizard step's checks run on the record as read from the file and
//    --set; a refusal ends the wizard (the case is refused), and its closing
//    warnings are answered No;
//  - the scheme dialog gets the chosen scheme, or keeps its preselection;
//  - the steady-state question after a transient run gets the chosen answer;
//    every other question (range, initial estimate, open the files) gets No;
//  - scale dialogs accept the proposed range; the time-graph dialog gets the
//    chosen graph and, on request, the experimental data; with no graph
//    chosen the run draws no time graph at all.
// A dialog that refuses the same answer twice in a row stops the run (exit
// 3), and so does a run whose final temperatures are not all finite.
// Every message box goes to `messages` as "TITLE: TEXT", a question followed
// by the answer given. No drawing call is kept: a picture, when wanted, is
// drawn by a DrawingSink as the calls come.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless_platform.h"
#include "shell/program_folder.h"
#include "simulation/control_volume_grid.h"
#include "simulation/energy_balance.h"
#include "simulation/simulation_case.h"
#include "texts/text_catalogue.h"

namespace calorvia::batch {

enum class SchemeAnswer { Auto, CDS, Upwind };
enum class GraphAnswer { Node, Average, None };

// One entry of the saved case replaced before the wizard checks it
// (--set NAME=VALUE): the value replaces the entry of the wizard's record,
// so it meets exactly the wizard's checks and messages. A boundary entry
// also sets the type: the entries of the other kinds of condition are
// emptied.
struct EntryOverride {
    std::string name;
    std::string value;
};

// The names --set takes: Lx N K Sc Sp u geometry ri, Ti Rho Cp Delt_t Nst
// No, west.T west.Phi west.h west.Tinf and the same for east. geometry is
// plane, cylinder or sphere (the option of step 1); ri is the inner radius,
// which only a cylinder or a sphere has.
bool isSettableEntry(std::string_view name);
std::string settableEntryNames();

struct BatchOptions {
    std::filesystem::path casePath;
    // The run's language, "idioma" left as it is; nothing: the "idioma"
    // file, else English.
    std::optional<texts::Language> language;
    SchemeAnswer scheme = SchemeAnswer::Auto;
    bool steady = true;
    GraphAnswer graph = GraphAnswer::Node;
    bool experimental = false;
    platform::PixelSize size{1024, 768};
    // Where the pictures and help documents are installed.
    std::vector<std::filesystem::path> dataFolders;
    std::vector<EntryOverride> overrides;
    // Keep every history row in BatchRun::histories (for --csv); without it
    // a long run keeps none.
    bool keepHistories = false;
    // Run a transient case whose histories would not fit on the disk
    // (without it such a case is refused).
    bool force = false;
};

// What one run of a case left, for the reports of calorvia-batch.
struct BatchRun {
    int status = 1;
    bool finished = false;  // the run ended normally, its temperatures finite
    texts::Language language = texts::Language::English;
    std::optional<simulation::LoadedCase> loaded;
    simulation::NodeArray T;  // 1..N, the final field
    simulation::NodeArray K;  // 1..N, the conductivity of the last pass
    bool steadyProfile = false;
    const char* scheme = "none";
    std::int32_t steps = 0;   // time steps marched (unsteady)
    std::int32_t passes = 0;  // passes made (steady)
    double computingSeconds = 0.0;
    std::vector<std::string> filesWritten;  // in the current language
    std::vector<std::string> messages;      // every message box, "TITLE: TEXT"
    std::optional<float> deviation;         // the standard deviation, when compared
    std::optional<simulation::EnergyBalance> balance;  // of the last pass
    double balanceLimit = 0.0;                         // the residual limit it is judged by
    // Why the results are not to be trusted, one stable code each:
    // pass_limit, zero_pivot, out_of_range, unbalanced.
    std::vector<std::string> warnings;
    // The rows the run gave its histories, (t, T) in full precision, by
    // run::HistoryFiles::Which (node, average, west, east); empty when the
    // run kept no history (one step).
    std::array<std::vector<std::pair<double, double>>, 4> histories;
    std::vector<std::string> csvFiles;  // written by --csv, folder included
    // The program folder stays locked while the run's results are in use
    // (--exact writes into it after the run, --refine runs there again).
    shell::ProgramFolderLock folderLock;
};

// The answers of a batch run are a function of what a dialog shows, so a
// dialog that comes back showing exactly what it showed when it was last
// answered refused that answer. A second refusal in a row means answering
// again could only loop: the batch then stops the run.
class RefusalWatch {
public:
    // Takes what the dialog about to be answered shows; true when this is
    // the second refusal in a row.
    bool refusedTwice(const std::string& shown);

private:
    std::string lastShown_;
    int refusals_ = 0;
};

// Exit statuses of calorvia-batch.
inline constexpr int kExitWritten = 0;
inline constexpr int kExitOther = 1;
inline constexpr int kExitRefused = 2;
inline constexpr int kExitStopped = 3;
inline constexpr int kExitUntrusted = 4;  // results written but not to be trusted

// Runs the case in the current directory, which is the program directory of
// the run; every message goes to `messages` as it comes. Another program
// using the folder refuses the run (kExitRefused) before anything is
// written there.
BatchRun runCase(const BatchOptions& options, platform::DrawingSink* sink, std::ostream& messages);

// runCase, then the lines calorvia-batch prints: the result files written,
// the scheme, the passes or steps, the computing time, the energy balance
// and the standard deviation. Returns the exit status.
int runBatch(const BatchOptions& options, platform::DrawingSink* sink, std::ostream& out,
             std::ostream& messages);
int report(const BatchOptions& options, const BatchRun& run, std::ostream& out);

}  // namespace calorvia::batch
