#pragma once
// calorvia-batch's run: the desktop program's start-up, File > Open, the
// case entry wizard and Begin Simulation, played on the ScriptedPlatform with
// a policy that answers every question the way a batch run must:
//  - the open dialog gets a private copy of the case (the wizard rewrites the
//    file it opened; the user's file is never touched);
//  - each wizard step is accepted as filled in from the file; a refusal ends
//    the wizard (the case is refused), and its closing warnings are answered No;
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

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/scripted_platform.h"
#include "texts/text_catalogue.h"

namespace calorvia::batch {

enum class SchemeAnswer { Auto, CDS, Upwind };
enum class GraphAnswer { Node, Average, None };

struct BatchOptions {
    std::filesystem::path casePath;
    std::optional<texts::Language> language;  // nothing: the "idioma" file, else English
    SchemeAnswer scheme = SchemeAnswer::Auto;
    bool steady = true;
    GraphAnswer graph = GraphAnswer::Node;
    bool experimental = false;
    platform::PixelSize size{1024, 768};
    // Where the pictures and help documents are installed.
    std::vector<std::filesystem::path> dataFolders;
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

// Runs the case in the current directory, which is the program directory of
// the run. Result lines go to `out`, messages to `messages`. Returns the exit
// status.
int runBatch(const BatchOptions& options, platform::DrawingSink* sink, std::ostream& out,
             std::ostream& messages);

}  // namespace calorvia::batch
