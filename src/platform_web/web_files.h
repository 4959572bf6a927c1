#pragma once
// The program folder and the files of the web page.
//
// The program folder is /calorvia in emscripten's file system, kept in the
// browser's IndexedDB between visits: settings and saved cases stay, the
// working case and result files are removed by the shell at start-up as on
// the desktop. One tab at a time owns it (a Web Lock held for the life of the
// page). The file dialogs are HTML dialogs of the page: saved cases kept in
// the browser, the bundled examples, a teacher's cases served beside the page
// and a file from the student's computer. What the desktop would leave on
// disk for the student (a saved case, a copy of the results) is handed over
// as a download.
//
// Every call runs on the page's one thread; the modal ones suspend the
// program (Asyncify) until the student answers. The file dialogs count that
// time as time spent waiting for the user (platform::addUserWaitSeconds); a
// waited-for text window leaves it to its caller, the Platform's
// editTextFile, which counts it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace calorvia::platform_web {

// Before the application starts: mounts the browser-kept folder at
// /calorvia, loads it and makes it the current directory, and takes the
// page's lock on it. When another tab holds the lock it says so in the page
// and never returns: this tab does not start. When the browser refuses
// storage it says so once and the program works on a folder kept in memory.
void prepareProgramFolder();

// Pushes the folder to IndexedDB. Cheap when nothing changed; a call made
// while a push is under way asks for one more push after it.
void persistProgramFolder();

// The open dialog of File > Open: the full path of the chosen case, nothing
// when the student cancels. It also takes the experimental data (Exp.txt).
std::optional<platform::FileChoice> openCaseDialog(const platform::FileDialogRequest& request);

// The save dialog: /calorvia/NAME, ".txt" added to a name without an
// extension. Once the program has written the case, offerPendingDownloads
// hands it over as a download.
std::optional<platform::FileChoice> saveCaseDialog(const platform::FileDialogRequest& request);

// The folder of Save Results As and of Exit's copy: a fresh, empty folder
// under /Downloads, whose files offerPendingDownloads later downloads as one
// zip archive. Nothing when the student cancels.
std::optional<std::string> chooseDownloadFolder(std::string_view title,
                                                std::string_view initialFolder);

// Downloads what is due: a saved case written since its save dialog, a
// results folder that has been filled. Called at every yield of the program,
// before every message box and before the program closes.
void offerPendingDownloads();

// A text window on `path` (relative to the current directory): editable with
// Save when `wait`, and then returns when the window is closed (the wait is
// not counted here); read-only otherwise, returning at once. A missing file
// shows an empty text.
void showTextFile(std::string_view path, bool wait);

// The case named by ?case=NAME in the page's address (a bundled example or a
// teacher's case, ".txt" optional), as a path; nothing when there is none or
// the name is unknown (the page then says so).
std::optional<std::string> caseToOpenAtStart();

// The language of these dialogs' own words: 1 Portuguese, 2 English.
void setFilesLanguage(std::int32_t languageCode);

}  // namespace calorvia::platform_web
