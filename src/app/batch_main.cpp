// calorvia-batch: the program without a window.
//
//   calorvia-batch [options] CASE
//   calorvia-batch --help | --version
//
// Runs the saved case CASE in the current directory, which is the program
// directory of the run ("Loaded.txt", "tolera" and the result files live
// there), and prints the result files written, the scheme, the passes or
// steps and the computing time. Exit status: 0 the results were written, 4
// they were written but are not to be trusted, 2 the case was refused, 3 the
// run stopped, 1 anything else.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/batch_checks.h"
#include "app/batch_csv.h"
#include "app/batch_pictures.h"
#include "app/batch_run.h"
#include "settings/settings_files.h"
#include "shell/data_folders.h"
#include "shell/program_folder.h"
#include "simulation/geometry.h"
#include "text/text_file.h"

namespace {

using namespace calorvia;

constexpr const char* kUsage = "usage: calorvia-batch [options] CASE";

// "WxH", both at least 1.
std::optional<platform::PixelSize> readSize(const std::string& text) {
    platform::PixelSize size;
    const char* const end = text.data() + text.size();
    auto [afterWidth, widthError] = std::from_chars(text.data(), end, size.width);
    if (widthError != std::errc() || afterWidth == end || *afterWidth != 'x') return std::nullopt;
    auto [afterHeight, heightError] = std::from_chars(afterWidth + 1, end, size.height);
    if (heightError != std::errc() || afterHeight != end) return std::nullopt;
    if (size.width < 1 || size.height < 1 || size.width > 16384 || size.height > 16384) {
        return std::nullopt;
    }
    return size;
}

// The first of --json, --csv, --png and --svg that names the case itself.
std::optional<std::string> outputOverCase(const std::filesystem::path& casePath,
                                          const std::vector<std::string>& outputs) {
    std::error_code error;
    for (const std::string& output : outputs) {
        if (!output.empty() &&
            std::filesystem::equivalent(text::pathFromUtf8(output), casePath, error)) {
            return output;
        }
    }
    return std::nullopt;
}

int usageError(const std::string& what) {
    std::cerr << "calorvia-batch: " << what << '\n' << kUsage << "\n(--help lists the options)\n";
    return batch::kExitOther;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app(
        "Runs a saved Calorvia case without a window: the case is loaded and run as "
        "the desktop program's File > Open and Simulation > Begin Simulation would, "
        "every question answered by rule, and the result files are written to the "
        "current directory.",
        "calorvia-batch");
    app.set_help_flag("-h,--help", "print this help and exit");
    app.set_version_flag("--version", "calorvia-batch " CALORVIA_VERSION,
                         "print the version and exit");
    app.footer(
        "Exit status: 0 the results were written, 4 they were written but are not to be "
        "trusted (a pass limit, a vanishing pivot, temperatures out of range or an energy "
        "balance that does not close; --json lists them under \"warnings\"), 2 the case was "
        "refused, 3 the run stopped, 1 anything else.");
    std::string casePath;
    std::string language;
    std::string scheme = "auto";
    std::string steady = "yes";
    std::string graph = "node";
    bool experimental = false;
    std::string png;
    std::string svg;
    std::string size = "1024x768";
    bool exact = false;
    std::vector<std::string> settings;
    int refineLevels = 0;
    std::string json;
    std::string csv;
    app.add_option("CASE", casePath, "the saved case file")->required();
    app.add_option("--lang", language,
                   "language of messages and result file names (default: the \"" +
                       std::string(settings::LanguageFileName) + "\" file, else English)")
        ->check(CLI::IsMember({"en", "pt"}));
    app.add_option("--scheme", scheme, "answer to the scheme dialog (auto keeps the preselection)")
        ->check(CLI::IsMember({"auto", "cds", "upwind"}));
    app.add_option("--steady", steady, "add the steady state after a transient run")
        ->check(CLI::IsMember({"yes", "no"}));
    app.add_option("--graph", graph, "the time graph after a transient run")
        ->check(CLI::IsMember({"node", "average", "none"}));
    app.add_flag("--exp", experimental,
                 "include the experimental data of Exp.txt and print the standard deviation");
    app.add_option("--png", png, "save the graphics area after the run as a PNG picture");
    app.add_option("--svg", svg, "save the graphics area after the run as an SVG picture");
    app.add_option("--size", size, "size of the graphics area, WxH (default 1024x768)");
    app.add_flag("--exact", exact,
                 "compare the steady profile with the exact solution of the case (constant "
                 "properties): writes Exact.txt and prints the largest and RMS difference");
    app.add_option("--set", settings,
                   "NAME=VALUE: replace one entry of the case before the wizard checks it "
                   "(repeatable); NAME is one of " +
                       batch::settableEntryNames())
        ->allow_extra_args(false);
    app.add_option("--refine", refineLevels,
                   "run the case at N, 3N, 9N ... (LEVELS levels, at most 1000 volumes) and print "
                   "the error against the exact solution, or the change between levels, and "
                   "the observed order of accuracy")
        ->check(CLI::Range(2, 7));
    bool force = false;
    app.add_flag("--force", force,
                 "run a transient case even when its history files would not fit on the disk "
                 "(refused otherwise, with exit status 2)");
    app.add_option("--json", json,
                   "write the case as run, the outcome, the result files and the checks as one "
                   "JSON object to FILE");
    app.add_option("--csv", csv,
                   "write the profile, the face fluxes and the histories as CSV files (SI units "
                   "in the header, full double precision) into the folder DIR");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return batch::kExitWritten;
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << '\n';
        return batch::kExitWritten;
    } catch (const CLI::ParseError& error) {
        return usageError(error.what());
    }

    batch::BatchOptions options;
    options.casePath = text::pathFromUtf8(casePath);
    // The input file is never changed: refused before start-up deletes anything.
    if (const auto own = shell::programFolderFileAt(".", options.casePath)) {
        std::cerr << "calorvia-batch: the case \"" << casePath << "\" is this folder's own \""
                  << *own << "\", which a run deletes or rewrites; rename the case, or run it "
                  << "from another folder\n";
        return batch::kExitRefused;
    }
    if (const auto output = outputOverCase(options.casePath, {json, csv, png, svg})) {
        std::cerr << "calorvia-batch: \"" << *output
                  << "\" is the case itself, which is never overwritten; choose another name\n";
        return batch::kExitRefused;
    }
    if (language == "en") options.language = texts::Language::English;
    if (language == "pt") options.language = texts::Language::Portuguese;
    if (scheme == "cds") options.scheme = batch::SchemeAnswer::CDS;
    if (scheme == "upwind") options.scheme = batch::SchemeAnswer::Upwind;
    options.steady = steady == "yes";
    if (graph == "average") options.graph = batch::GraphAnswer::Average;
    if (graph == "none") options.graph = batch::GraphAnswer::None;
    options.experimental = experimental;
    options.keepHistories = !csv.empty();
    options.force = force;
    const auto pixels = readSize(size);
    if (!pixels) return usageError("--size: \"" + size + "\" is not WIDTHxHEIGHT");
    options.size = *pixels;
    options.dataFolders = shell::installedDataFolders(CALORVIA_BUILD_DATA_DIR);
    for (const std::string& setting : settings) {
        const std::size_t equals = setting.find('=');
        const std::string name = setting.substr(0, equals);
        if (equals == std::string::npos || !batch::isSettableEntry(name)) {
            return usageError("--set \"" + setting + "\": NAME=VALUE, NAME one of " +
                              batch::settableEntryNames());
        }
        const std::string value = setting.substr(equals + 1);
        if (name == "geometry" && !simulation::geometryFromKeyword(value)) {
            return usageError("--set \"" + setting + "\": geometry is plane, cylinder or sphere");
        }
        options.overrides.push_back({name, value});
    }
    if (refineLevels > 0 &&
        (!png.empty() || !svg.empty() || !json.empty() || !csv.empty() || exact)) {
        return usageError(
            "--refine runs the case several times; it takes no --png, --svg, "
            "--json, --csv or --exact");
    }
    if (refineLevels > 0)
        return batch::refinementStudy(options, refineLevels, std::cout, std::cerr);

    try {
        // A picture is drawn by the desktop canvas, which needs Qt's fonts;
        // without one no Qt is loaded at all.
        std::unique_ptr<batch::PictureCanvas> canvas;
        if (!png.empty() || !svg.empty()) {
            std::string why;
            canvas = batch::openPictureCanvas(options.size, why);
            if (!canvas) {
                std::cerr << "calorvia-batch: no pictures: " << why << '\n';
                return batch::kExitOther;
            }
        }
        batch::BatchRun run =
            batch::runCase(options, canvas ? &canvas->sink() : nullptr, std::cerr);
        int status = batch::report(options, run, std::cout);
        if (exact) status = std::max(status, batch::reportExact(run, std::cout, std::cerr));
        if (!csv.empty() && run.finished) {
            const batch::CsvOutcome written = batch::writeCsvFiles(text::pathFromUtf8(csv), run);
            for (const std::string& file : written.files) std::cout << file << '\n';
            if (!written.ok) {
                std::cerr << "calorvia-batch: cannot write " << written.failedFile << '\n';
                status = std::max(status, batch::kExitOther);
            }
            run.csvFiles = written.files;
        }
        if (!json.empty() && !batch::writeJsonSummary(text::pathFromUtf8(json), options, run)) {
            std::cerr << "calorvia-batch: cannot write " << json << '\n';
            status = std::max(status, batch::kExitOther);
        }
        if (canvas && status == batch::kExitWritten) {
            if (!png.empty() && !batch::savePicture(*canvas, png, batch::PictureFormat::Png)) {
                std::cerr << "calorvia-batch: cannot write the picture " << png << '\n';
                return batch::kExitOther;
            }
            if (!svg.empty() && !batch::savePicture(*canvas, svg, batch::PictureFormat::Svg)) {
                std::cerr << "calorvia-batch: cannot write the picture " << svg << '\n';
                return batch::kExitOther;
            }
            if (!png.empty()) std::cout << "Picture: " << png << '\n';
            if (!svg.empty()) std::cout << "Picture: " << svg << '\n';
        }
        // What a script reads from standard output is part of the result.
        if (!std::cout.flush()) {
            std::cerr << "calorvia-batch: cannot write standard output\n";
            return batch::kExitOther;
        }
        return status;
    } catch (const std::exception& error) {
        std::cerr << "calorvia-batch: " << error.what() << '\n';
        return batch::kExitOther;
    }
}
