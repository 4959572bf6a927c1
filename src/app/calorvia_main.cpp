// calorvia: the desktop program.
//
//   calorvia [FOLDER]
//   calorvia --help | --version
//
// The program keeps its settings, working case and result files in the folder
// it runs in: FOLDER (created when missing), or the current folder. Qt's GUI
// thread is the window thread, which runs the menu commands; the program's
// main thread is a worker that runs start-up, the idle loop and every
// simulation.

#include <QApplication>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include "app/application.h"
#include "platform_qt/qt_platform.h"
#include "settings/settings_files.h"

namespace {

using calorvia::shell::DataFolders;
using calorvia::settings::ColourFileName;
using calorvia::settings::LanguageFileName;
using calorvia::settings::ToleranceFileName;

constexpr const char* kUsage = "usage: calorvia [FOLDER]";

// What --help prints; help2man makes the manual page from it, so it keeps
// the layout that tool reads (a "Usage:" line, an "Options:" section).
const std::string kHelp =
    "Usage: calorvia [FOLDER]\n"
    "  or:  calorvia --help | --version\n"
    "Opens the Calorvia window, for learning one-dimensional heat conduction and\n"
    "diffusion-convection by the finite volume method.\n"
    "\n"
    "The program keeps its settings (" + std::string(LanguageFileName) + ", " +
    std::string(ColourFileName) + ", " + std::string(ToleranceFileName) +
    "), the working case and the\n"
    "result files in the folder it runs in: FOLDER, created when missing, or else\n"
    "the current folder. It needs a display (DISPLAY or WAYLAND_DISPLAY); without\n"
    "one, calorvia-batch runs a saved case.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME, are accepted as well.\n";

// --help and --version are answered before Qt starts, so that they work
// without a display. The exit status when one was given.
std::optional<int> answerInformationOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp.c_str(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("calorvia " CALORVIA_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

std::filesystem::path pathOf(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::filesystem::path(std::u8string(bytes.begin(), bytes.end()));
}

// Makes the folder the program's own, creating it when missing. False, with
// the reason on the standard error, when that cannot be done.
bool enterFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error) std::filesystem::current_path(folder, error);
    if (!error) return true;
    std::fprintf(stderr, "calorvia: cannot work in the folder %s: %s\n", folder.c_str(),
                 error.message().c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = answerInformationOption(argc, argv)) return *status;
    if (!hasDisplay()) {
        std::fputs(
            "calorvia: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the "
            "window cannot open.\n",
            stderr);
        return 3;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calorvia"));

    const QStringList arguments = QCoreApplication::arguments();
    // Qt has taken its own options out; any other is not the program's.
    if (arguments.size() > 2 || (arguments.size() == 2 && arguments[1].startsWith(u'-'))) {
        std::fprintf(stderr, "%s\n(--help says more)\n", kUsage);
        return 2;
    }
    if (arguments.size() == 2 && !enterFolder(pathOf(arguments[1]))) return 2;

    const DataFolders folders(calorvia::shell::installedDataFolders(CALORVIA_BUILD_DATA_DIR));
    calorvia::platform_qt::QtPlatform platform;
    calorvia::app::Application application(platform, folders);
    auto& shell = application.shell();
    platform.setDocumentMapper([folders](const std::filesystem::path& requested) {
        return calorvia::shell::helpDocumentPath(requested, folders);
    });
    // Closing the window is leaving the program by File > Exit.
    platform.setWindowCloseCommand([&shell] { shell.SAIR(); });

    std::atomic<bool> failed{false};
    std::atomic<bool> finished{false};
    std::thread mainThread([&] {
        try {
            if (shell.startUp()) shell.idleLoop([&platform] { return !platform.closed(); });
        } catch (const std::exception& error) {
            std::fprintf(stderr, "calorvia: %s\n", error.what());
            failed = true;
            platform.closeApplication();
        }
        finished = true;
    });
    const int status = QApplication::exec();
    // A run still going stops at its next check; the idle loop then sees the
    // window gone.
    shell.state().requestCancel();
    // With the window gone every dialog answers at once; should some loop
    // still keep the main thread busy, leaving must not hang the desktop.
    for (int waited = 0; !finished && waited < 100; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!finished) {
        std::fputs("calorvia: the simulation did not stop in time; leaving anyway.\n", stderr);
        mainThread.detach();
        std::quick_exit(failed ? 1 : status);
    }
    mainThread.join();
    return failed ? 1 : status;
}
