// calorvia.html: the desktop program in a browser tab.
//
// One thread: main() runs start-up and then the idle loop, and the menu
// commands run inside the idle loop's pauses (WebPlatform). The program
// folder is /calorvia, kept in the browser's storage (web_files.h); the
// shipped pictures, help documents and README are in /calorvia-data, the
// example cases in /examples, both packed with the program.
//
// The page's address may say ?lang=pt or ?lang=en (the language of this
// visit, written to "idioma" as Preferences would write it) and ?case=NAME
// (a case opened as soon as the program is up).

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app/application.h"
#include "platform_web/web_files.h"
#include "platform_web/web_platform.h"
#include "settings/settings_files.h"

extern "C" {
int calorvia_web_start_language();
void calorvia_web_ready();
void calorvia_web_ended();
}

namespace {

using calorvia::platform_web::WebPlatform;

constexpr const char* kProgramFolder = "/calorvia";
constexpr const char* kDataFolder = "/calorvia-data";
// The help documents are served beside the page as well, so that the help
// panel shows them with their links and style sheet.
constexpr const char* kServedHelpFolder = "/calorvia-data/help";
constexpr const char* kServedHelpUrl = "help/";

bool enterProgramFolder() {
    std::error_code error;
    std::filesystem::create_directories(kProgramFolder, error);
    if (!error) std::filesystem::current_path(kProgramFolder, error);
    if (!error) return true;
    std::fprintf(stderr, "calorvia: cannot work in %s: %s\n", kProgramFolder,
                 error.message().c_str());
    return false;
}

// ?lang= chooses the language as the Preferences menu does: by the setting.
void applyLanguageOfAddress() {
    const int code = calorvia_web_start_language();
    if (code != calorvia::platform::kLanguagePortuguese &&
        code != calorvia::platform::kLanguageEnglish) {
        return;
    }
    calorvia::settings::writeIntegerSetting(
        std::filesystem::path(kProgramFolder) / calorvia::settings::LanguageFileName, code);
}

// One life of the program, from start-up to File > Exit. False when
// start-up refused to go on (it has said why).
bool runOnce(WebPlatform& platform, const calorvia::shell::DataFolders& folders, bool first) {
    calorvia::app::Application application(platform, folders);
    auto& shell = application.shell();
    platform.setDocumentMapper([folders](const std::filesystem::path& requested) {
        return calorvia::shell::helpDocumentPath(requested, folders);
    });
    // Exit during a run stops the run; the idle loop then ends.
    platform.setCloseCommand([&shell] { shell.state().requestCancel(); });
    calorvia_web_ready();
    const bool started = shell.startUp();
    if (started) {
        if (first) {
            if (const auto path = calorvia::platform_web::caseToOpenAtStart()) {
                platform.answerNextOpenDialog(*path);
                platform.queueCommand([&application] { application.caseEntry().ABRIR(); });
            }
        }
        shell.idleLoop([&platform] { return !platform.closeRequested(); });
    }
    // The menus' commands speak to this application; they go with it.
    platform.resetForRestart();
    return started;
}

}  // namespace

int main() {
    calorvia::platform_web::prepareProgramFolder();
    if (!enterProgramFolder()) {
        calorvia_web_ended();
        return 1;
    }
    applyLanguageOfAddress();

    const calorvia::shell::DataFolders folders({std::filesystem::path(kDataFolder)});
    WebPlatform platform;
    platform.setServedFolder(kServedHelpFolder, kServedHelpUrl);
    // A tab is not closed by its program: File > Exit ends this life of the
    // program (its files deleted, the folder saved, its lock released) and
    // the next one starts at once, as a student restarting the desktop
    // program would see it: the home screen, in the language of "idioma".
    // When start-up itself refuses (another tab has the folder), the page
    // says the program has ended instead of starting again and again.
    try {
        for (bool first = true;; first = false) {
            const bool started = runOnce(platform, folders, first);
            calorvia::platform_web::persistProgramFolder();
            if (!started) break;
            std::error_code error;
            std::filesystem::current_path(kProgramFolder, error);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "calorvia: %s\n", error.what());
        calorvia::platform_web::persistProgramFolder();
        calorvia_web_ended();
        return 1;
    }
    calorvia_web_ended();
    return 0;
}
