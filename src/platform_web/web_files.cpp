// The program folder and the file dialogs of the web page. The page's side
// (IndexedDB, the lock, the HTML dialogs, downloads) is files_library.js; this
// file hands it what the program knows (its own file names, its texts) and
// turns its answers into the Platform's.

#include "platform_web/web_files.h"

#include <emscripten.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "settings/settings_files.h"
#include "shell/program_folder.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"
#include "texts/shell_texts.h"
#include "texts/text_catalogue.h"

extern "C" void calorvia_files_library();

namespace {

EM_JS(void, calorvia_files_set_language, (int code), { CalorviaFiles.language = code; });

// Lists go to the page as lines. 0: the folder is loaded and this tab's;
// 1: the browser keeps no files, the folder lives in memory; 2: another tab
// owns it.
EM_ASYNC_JS(int, calorvia_files_prepare, (const char* ownNames, const char* resultNames), {
    return await CalorviaFiles.prepare(UTF8ToString(ownNames).split('\n'),
                                       UTF8ToString(resultNames).split('\n'));
});

EM_JS(void, calorvia_files_notice, (const char* text, const char* kind),
      { CalorviaFiles.notice(UTF8ToString(text), UTF8ToString(kind)); });

EM_JS(void, calorvia_files_notice_storage_refused, (),
      { CalorviaFiles.notice(CalorviaFiles.storageRefused, 'files-storage-refused'); });

// A promise that never settles: the tab that does not own the folder stays
// on its message and never starts the program.
EM_ASYNC_JS(void, calorvia_files_stop_here, (), {
    document.body.dataset.calorviaStopped = 'program-folder-in-use';
    await new Promise(function(){});
});

EM_JS(void, calorvia_files_persist, (), { CalorviaFiles.persist(); });

EM_JS(void, calorvia_files_offer_downloads, (), { CalorviaFiles.offerDownloads(); });

// The answers that are paths come back in memory of malloc, freed by the
// caller; null when the student cancelled.
EM_ASYNC_JS(char*, calorvia_files_open_dialog, (const char* title), {
    var path = await CalorviaFiles.openDialog(UTF8ToString(title));
    return path ? allocateUTF8(path) : 0;
});

EM_ASYNC_JS(char*, calorvia_files_save_dialog,
            (const char* title, const char* fileName, const char* extension), {
                var path = await CalorviaFiles.saveDialog(
                    UTF8ToString(title), UTF8ToString(fileName), UTF8ToString(extension));
                return path ? allocateUTF8(path) : 0;
            });

EM_ASYNC_JS(char*, calorvia_files_folder_dialog, (const char* title), {
    var path = await CalorviaFiles.folderDialog(UTF8ToString(title));
    return path ? allocateUTF8(path) : 0;
});

EM_ASYNC_JS(void, calorvia_files_edit_window, (const char* path),
            { await CalorviaFiles.textWindow(UTF8ToString(path), true); });

EM_JS(void, calorvia_files_view_window, (const char* path),
      { CalorviaFiles.textWindow(UTF8ToString(path), false); });

EM_ASYNC_JS(char*, calorvia_files_case_at_start, (), {
    var path = await CalorviaFiles.caseAtStart();
    return path ? allocateUTF8(path) : 0;
});

}  // namespace

namespace calorvia::platform_web {

namespace {

constexpr const char* kProgramFolder = "/calorvia";

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        if (!joined.empty()) joined += '\n';
        joined += line;
    }
    return joined;
}

// A path the page answered, taken over and freed.
std::optional<std::string> takePath(char* answer) {
    if (answer == nullptr) return std::nullopt;
    std::string path(answer);
    std::free(answer);
    return path;
}

// The time the program stood still for the student.
template <class Wait>
auto countedAsUserWait(Wait wait) {
    const double start = emscripten_get_now();
    auto answer = wait();
    platform::addUserWaitSeconds((emscripten_get_now() - start) / 1000.0);
    return answer;
}

std::optional<platform::FileChoice> asChoice(std::optional<std::string> path) {
    if (!path) return std::nullopt;
    platform::FileChoice choice;
    choice.path = std::move(*path);
    return choice;
}

// The stored language, as start-up will read it, for what is said before
// the program runs.
texts::Language storedLanguage() {
    const std::filesystem::path file =
        std::filesystem::path(kProgramFolder) / text::pathFromUtf8(settings::LanguageFileName);
    return settings::readLanguage(file, settings::WriteBack::Never).value;
}

}  // namespace

void prepareProgramFolder() {
    calorvia_files_library();
    const int outcome = calorvia_files_prepare(joinedLines(shell::programFolderFileNames()).c_str(),
                                               joinedLines(shell::resultFileNames()).c_str());
    const texts::Language language = storedLanguage();
    setFilesLanguage(static_cast<std::int32_t>(language));
    if (outcome == 2) {
        // The desktop's words for a second program on one folder: here the
        // other program is another tab.
        const std::string message = texts::withValue(
            texts::textFor(texts::ShellText::ProgramFolderInUse, language), kProgramFolder);
        calorvia_files_notice(message.c_str(), "files-in-use");
        calorvia_files_stop_here();
        return;
    }
    if (outcome == 1) calorvia_files_notice_storage_refused();
    ::chdir(kProgramFolder);
}

void persistProgramFolder() {
    calorvia_files_persist();
}

std::optional<platform::FileChoice> openCaseDialog(const platform::FileDialogRequest& request) {
    return asChoice(countedAsUserWait(
        [&] { return takePath(calorvia_files_open_dialog(request.title.c_str())); }));
}

std::optional<platform::FileChoice> saveCaseDialog(const platform::FileDialogRequest& request) {
    return asChoice(countedAsUserWait([&] {
        return takePath(calorvia_files_save_dialog(request.title.c_str(), request.fileName.c_str(),
                                                   request.defaultExtension.c_str()));
    }));
}

std::optional<std::string> chooseDownloadFolder(std::string_view title, std::string_view) {
    const std::string heading(title);
    return countedAsUserWait(
        [&] { return takePath(calorvia_files_folder_dialog(heading.c_str())); });
}

void offerPendingDownloads() {
    calorvia_files_offer_downloads();
}

void showTextFile(std::string_view path, bool wait) {
    std::error_code error;
    std::filesystem::path file = text::pathFromUtf8(path);
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (!error) file = absolute.lexically_normal();
    const std::string shown = text::utf8FromPath(file);
    if (wait) {
        calorvia_files_edit_window(shown.c_str());
    } else {
        calorvia_files_view_window(shown.c_str());
    }
}

std::optional<std::string> caseToOpenAtStart() {
    return takePath(calorvia_files_case_at_start());
}

void setFilesLanguage(std::int32_t languageCode) {
    calorvia_files_set_language(languageCode == platform::kLanguagePortuguese
                                    ? platform::kLanguagePortuguese
                                    : platform::kLanguageEnglish);
}

}  // namespace calorvia::platform_web
