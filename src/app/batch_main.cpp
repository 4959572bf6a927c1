// calorvia-batch: the program without a window.
//
//   calorvia-batch [options] CASE
//   calorvia-batch --help | --version
//
// Runs the saved case CASE in the current directory, which is the program
// directory of the run ("Loaded.txt", "tolera" and the result files live
// there), and prints the result files written, the scheme, the passes or
// steps and the computing time. Exit status: 0 the results were written, 2 the
// case was refused, 3 the run stopped, 1 anything else.

#include <CLI/CLI.hpp>
#include <QGuiApplication>
#include <QMessageLogContext>
#include <QString>
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

#include "app/batch_run.h"
#include "platform_qt/canvas_drawing_sink.h"
#include "settings/settings_files.h"
#include "shell/data_folders.h"
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

// The data folder of an installation beside the program, then the build tree's.
// The program's folder comes from the system, not from Qt, which is started
// only for a picture.
std::vector<std::filesystem::path> installedDataFolders() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    std::vector<std::filesystem::path> folders;
    if (!error) folders.push_back(shell::dataFolderBesideProgram(program.parent_path()));
    folders.emplace_back(CALORVIA_BUILD_DATA_DIR);
    return folders;
}

// Standard error carries the program's messages; Qt's own notes about the
// session (no runtime folder, say) are dropped, its errors kept.
void qtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "calorvia-batch: " << message.toStdString() << '\n';
    }
}

int usageError(const std::string& what) {
    std::cerr << "calorvia-batch: " << what << '\n' << kUsage << "\n(--help lists the options)\n";
    return batch::kExitOther;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("Runs a saved Calorvia case without a window: the case is loaded and run as "
                 "the desktop program's File > Open and Simulation > Begin Simulation would, "
                 "every question answered by rule, and the result files are written to the "
                 "current directory.",
                 "calorvia-batch");
    app.set_help_flag("-h,--help", "print this help and exit");
    app.set_version_flag("--version", "calorvia-batch " CALORVIA_VERSION,
                         "print the version and exit");
    app.footer(
        "Exit status: 0 the results were written, 2 the case was refused, 3 the run stopped, "
        "1 anything else.");
    std::string casePath;
    std::string language;
    std::string scheme = "auto";
    std::string steady = "yes";
    std::string graph = "node";
    bool experimental = false;
    std::string png;
    std::string svg;
    std::string size = "1024x768";
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
    if (language == "en") options.language = texts::Language::English;
    if (language == "pt") options.language = texts::Language::Portuguese;
    if (scheme == "cds") options.scheme = batch::SchemeAnswer::CDS;
    if (scheme == "upwind") options.scheme = batch::SchemeAnswer::Upwind;
    options.steady = steady == "yes";
    if (graph == "average") options.graph = batch::GraphAnswer::Average;
    if (graph == "none") options.graph = batch::GraphAnswer::None;
    options.experimental = experimental;
    const auto pixels = readSize(size);
    if (!pixels) return usageError("--size: \"" + size + "\" is not WIDTHxHEIGHT");
    options.size = *pixels;
    options.dataFolders = installedDataFolders();

    try {
        // A picture is drawn by the desktop canvas, which needs Qt's fonts;
        // without one no Qt is started at all.
        std::unique_ptr<QGuiApplication> qt;
        std::unique_ptr<platform_qt::CanvasDrawingSink> canvas;
        if (!png.empty() || !svg.empty()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            qInstallMessageHandler(qtMessages);
            static int qtArgc = 1;
            static char qtName[] = "calorvia-batch";
            static char* qtArgv[] = {qtName, nullptr};
            qt = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
            canvas = std::make_unique<platform_qt::CanvasDrawingSink>(
                QSize(options.size.width, options.size.height));
        }
        const int status = batch::runBatch(options, canvas.get(), std::cout, std::cerr);
        if (canvas && status == batch::kExitWritten) {
            if (!png.empty() && !canvas->savePng(QString::fromStdString(png))) {
                std::cerr << "calorvia-batch: cannot write the picture " << png << '\n';
                return batch::kExitOther;
            }
            if (!svg.empty() && !canvas->saveSvg(QString::fromStdString(svg))) {
                std::cerr << "calorvia-batch: cannot write the picture " << svg << '\n';
                return batch::kExitOther;
            }
            if (!png.empty()) std::cout << "Picture: " << png << '\n';
            if (!svg.empty()) std::cout << "Picture: " << svg << '\n';
        }
        return status;
    } catch (const std::exception& error) {
        std::cerr << "calorvia-batch: " << error.what() << '\n';
        return batch::kExitOther;
    }
}
