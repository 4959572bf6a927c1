#pragma once
// The program folder in the browser and the file dialogs of the page: the
// folder /calorvia kept in IndexedDB, one tab per folder, the browser's file
// picker and downloads, the text window.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace calorvia::platform_web {

// Mounts /calorvia, loads it and takes the folder for this tab; main() calls
// it before the application is made.
void prepareProgramFolder();
// Writes the folder back to the browser's storage (the idle loop, at most
// every two seconds, and after the program has closed).
void persistProgramFolder();
std::optional<platform::FileChoice> openCaseDialog(const platform::FileDialogRequest& request);
std::optional<platform::FileChoice> saveCaseDialog(const platform::FileDialogRequest& request);
std::optional<std::string> chooseDownloadFolder(std::string_view title,
                                                std::string_view initialFolder);
// Hands the browser the downloads the last command prepared.
void offerPendingDownloads();
// The text window on `path`; with `wait` the call returns once it is closed.
void showTextFile(std::string_view path, bool wait);
// The case the page's address asks for (?case=NAME), as a path, or nothing.
std::optional<std::string> caseToOpenAtStart();
void setFilesLanguage(std::int32_t languageCode);

}  // namespace calorvia::platform_web
