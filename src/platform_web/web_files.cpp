// PLACEHOLDER until the files part of the web platform lands: the program
// folder stays in memory, every dialog is cancelled. To be replaced whole.

#include "platform_web/web_files.h"

#include <filesystem>
#include <system_error>

namespace calorvia::platform_web {

void prepareProgramFolder() {
    std::error_code error;
    std::filesystem::create_directories("/calorvia", error);
}

void persistProgramFolder() {}

std::optional<platform::FileChoice> openCaseDialog(const platform::FileDialogRequest&) {
    return std::nullopt;
}

std::optional<platform::FileChoice> saveCaseDialog(const platform::FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> chooseDownloadFolder(std::string_view, std::string_view) {
    return std::nullopt;
}

void offerPendingDownloads() {}

void showTextFile(std::string_view, bool) {}

std::optional<std::string> caseToOpenAtStart() {
    return std::nullopt;
}

void setFilesLanguage(std::int32_t) {}

}  // namespace calorvia::platform_web
