#include "platform_web/web_platform.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>

#include "platform/dialog_templates.h"
#include "platform/font_descriptor.h"
#include "platform_web/bmp_reader.h"
#include "platform_web/web_files.h"
#include "text/text_file.h"
#include "texts/shell_texts.h"
#include "texts/text_catalogue.h"

// The page's side of every call, in platform_library.js. Texts are UTF-8;
// a text handed back was allocated with malloc and is freed here.
extern "C" {
void calorvia_web_configure(const char* title, int* width, int* height);
void calorvia_web_frame_size(int* width, int* height);
void calorvia_web_menu_item(int menu, int item, const char* text, int kind, int enabled);
int calorvia_web_next_command(int* menu, int* item);
void calorvia_web_yield();
void calorvia_web_reset();
void calorvia_web_set_language(int code);
void calorvia_web_clear(unsigned colour);
void calorvia_web_lines(unsigned colour, const int* points, int count);
void calorvia_web_rectangle(unsigned colour, int filled, int x1, int y1, int x2, int y2);
void calorvia_web_ellipse(unsigned colour, int filled, int x1, int y1, int x2, int y2);
int calorvia_web_select_font(const char* face, int height, int width, int italic);
void calorvia_web_text(unsigned colour, int x, int y, int rotation, const char* text);
void calorvia_web_text_extent(const char* text, int* width, int* height);
void calorvia_web_picture(const unsigned char* rgba, int width, int height, int x, int y);
void calorvia_web_dialog_create(int handle, int templateNumber, const char* title, int width,
                                int height);
void calorvia_web_dialog_control(int handle, int number, int kind, int x, int y, int width,
                                 int height, const char* caption, int enabled, int isDefault,
                                 int group);
void calorvia_web_dialog_set_text(int handle, int control, const char* text);
char* calorvia_web_dialog_text(int handle, int control);
void calorvia_web_dialog_set_state(int handle, int control, int on);
int calorvia_web_dialog_state(int handle, int control);
void calorvia_web_dialog_set_enabled(int handle, int control, int enabled);
void calorvia_web_dialog_set_routine(int handle, int control, int present);
void calorvia_web_dialog_show(int handle);
int calorvia_web_dialog_next_event(int handle, int* control);
void calorvia_web_dialog_release(int handle);
void calorvia_web_keep_clear(int present, int x1, int y1, int x2, int y2);
void calorvia_web_message_show(const char* text, const char* title, int flags);
int calorvia_web_message_answer();
void calorvia_web_about_show(const char* title, const char* text);
int calorvia_web_about_closed();
void calorvia_web_help_url(const char* url);
void calorvia_web_help_text(const char* title, const char* text, int isHtml);
void calorvia_web_open_address(const char* address);
void calorvia_web_beep(int frequencyHz, int durationMs);
void calorvia_web_print();
void calorvia_web_copy();
void calorvia_web_select();
}

namespace calorvia::platform_web {
namespace {

// How long a computation may keep the page waiting before it gives it a
// turn: short enough for a smooth profile and a prompt Cancel, long enough
// that the turns cost little of a run's time.
constexpr double kYieldIntervalMs = 30.0;
// The step of the sleeps of a modal wait, and how often the idle loop writes
// the program folder back to the browser's storage (besides after every
// command): a tab reloaded just after a run still finds its files. Writing
// back costs nothing when no file changed.
constexpr int kModalPollMs = 20;
constexpr double kPersistIntervalMs = 250.0;

std::string cString(std::string_view text) {
    return std::string(text);
}

std::string takeText(char* text) {
    if (!text) return {};
    std::string copy(text);
    std::free(text);
    return copy;
}

int handleNumber(platform::DialogHandle dialog) {
    return static_cast<int>(dialog);
}

texts::Language languageOf(std::int32_t code) {
    return texts::languageFromCode(code);
}

bool lowerEndsWith(std::string name, std::string_view ending) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.size() >= ending.size() &&
           name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

bool isHtml(const std::filesystem::path& file) {
    return lowerEndsWith(file.string(), ".html") || lowerEndsWith(file.string(), ".htm");
}

// The kinds the help panel shows: HTML, and Markdown or plain text as text.
bool helpPanelShows(const std::filesystem::path& file) {
    const std::string name = file.string();
    return isHtml(file) || lowerEndsWith(name, ".md") || lowerEndsWith(name, ".txt");
}

}  // namespace

WebPlatform::WebPlatform()
    : documentMapper_([](const std::filesystem::path& path) { return path; }) {}

WebPlatform::~WebPlatform() = default;

void WebPlatform::resetForRestart() {
    menus_.clear();
    for (const auto& [handle, dialog] : dialogs_) calorvia_web_dialog_release(handle);
    dialogs_.clear();
    queued_.clear();
    closeRequested_ = false;
    closeCommand_ = {};
    keptClear_.reset();
    nextOpenAnswer_.reset();
    calorvia_web_reset();
}

// ------------------------------------------------------- turns of the page

void WebPlatform::queueCommand(platform::Command command) {
    queued_.push_back(std::move(command));
}

void WebPlatform::runQueuedCommands() {
    if (commandRunning_) return;
    commandRunning_ = true;
    // Commands queued by the program first, then the clicks in the order made.
    while (true) {
        platform::Command command;
        if (!queued_.empty()) {
            command = std::move(queued_.front());
            queued_.erase(queued_.begin());
        } else {
            int menu = 0;
            int item = 0;
            if (!calorvia_web_next_command(&menu, &item)) break;
            const auto found = menus_.find(menu);
            if (found == menus_.end() || item <= 0 ||
                item >= static_cast<int>(found->second.size())) {
                continue;
            }
            const MenuItem& chosen = found->second[static_cast<std::size_t>(item)];
            // A click made before the item was greyed does not count.
            if (!chosen.enabled || !found->second.front().enabled ||
                chosen.kind != platform::MenuItemKind::Enabled) {
                continue;
            }
            // A copy: the command may replace itself (Begin becomes Cancel).
            command = chosen.command;
        }
        if (command) command();
        offerPendingDownloads();
        // A preference or a saved case is kept at once, not at the next turn.
        persistProgramFolder();
        lastPersist_ = emscripten_get_now();
    }
    commandRunning_ = false;
}

void WebPlatform::yieldToPage() {
    calorvia_web_yield();
    lastYield_ = emscripten_get_now();
    offerPendingDownloads();
    runQueuedCommands();
}

void WebPlatform::yieldWhenDue() {
    if (emscripten_get_now() - lastYield_ > kYieldIntervalMs) yieldToPage();
}

int WebPlatform::waitForPage(const std::function<int()>& poll) {
    const double start = emscripten_get_now();
    int answer = 0;
    while ((answer = poll()) == 0) emscripten_sleep(kModalPollMs);
    const double end = emscripten_get_now();
    lastYield_ = end;
    platform::addUserWaitSeconds((end - start) / 1000.0);
    return answer;
}

// ------------------------------------------------------------------ window

platform::PixelSize WebPlatform::configureGraphicsWindow(std::string_view title) {
    int width = 0;
    int height = 0;
    calorvia_web_configure(cString(title).c_str(), &width, &height);
    return {width, height};
}

// The tab is the frame: as large as it can be, and already that large.
platform::PixelSize WebPlatform::frameMaximumSize() {
    int width = 0;
    int height = 0;
    calorvia_web_frame_size(&width, &height);
    return {width, height};
}

platform::PixelSize WebPlatform::frameCurrentSize() {
    return frameMaximumSize();
}

// A page cannot size the browser's window; the drawing scales to the tab.
void WebPlatform::setFrameSize(platform::PixelSize /*size*/) {}
void WebPlatform::maximizeFrame() {}

// ------------------------------------------------------------------- menus

void WebPlatform::syncMenu(int menu) {
    const auto found = menus_.find(menu);
    if (found == menus_.end()) return;
    const auto& items = found->second;
    for (std::size_t i = 0; i < items.size(); ++i) {
        calorvia_web_menu_item(menu, static_cast<int>(i), items[i].text.c_str(),
                               static_cast<int>(items[i].kind), items[i].enabled ? 1 : 0);
    }
}

void WebPlatform::appendMenuItem(int menu, std::string_view text, platform::MenuItemKind kind,
                                 platform::Command command) {
    auto& items = menus_[menu];
    // The first item is the title, which takes no command.
    if (items.empty()) command = {};
    items.push_back(
        {std::string(text), kind, kind != platform::MenuItemKind::Grayed, std::move(command)});
    const auto& added = items.back();
    calorvia_web_menu_item(menu, static_cast<int>(items.size()) - 1, added.text.c_str(),
                           static_cast<int>(kind), added.enabled ? 1 : 0);
}

void WebPlatform::setMenuItemText(int menu, int item, std::string_view text) {
    auto found = menus_.find(menu);
    if (found == menus_.end() || item < 0 || item >= static_cast<int>(found->second.size())) return;
    found->second[static_cast<std::size_t>(item)].text = std::string(text);
    syncMenu(menu);
}

void WebPlatform::setMenuItemCommand(int menu, int item, platform::Command command) {
    auto found = menus_.find(menu);
    if (found == menus_.end() || item <= 0 || item >= static_cast<int>(found->second.size()))
        return;
    found->second[static_cast<std::size_t>(item)].command = std::move(command);
}

void WebPlatform::setMenuItemEnabled(int menu, int item, bool enabled) {
    auto found = menus_.find(menu);
    if (found == menus_.end() || item < 0 || item >= static_cast<int>(found->second.size())) return;
    found->second[static_cast<std::size_t>(item)].enabled = enabled;
    syncMenu(menu);
}

// -------------------------------------------------------- built-in commands

void WebPlatform::printGraphics() {
    calorvia_web_print();
}

void WebPlatform::copyGraphicsToClipboard() {
    calorvia_web_copy();
}

void WebPlatform::selectGraphics() {
    calorvia_web_select();
}

// The help on the window itself, in the language in force.
void WebPlatform::showPlatformHelp() {
    openDocument(texts::textFor(texts::ShellText::WindowHelpDocument, languageOf(language_)),
                 platform::WindowShow::Normal);
}

void WebPlatform::setAboutText(std::string_view text) {
    aboutText_ = std::string(text);
}

void WebPlatform::showAbout() {
    const std::string title(texts::textFor(texts::ShellText::AboutBoxTitle, languageOf(language_)));
    calorvia_web_about_show(title.c_str(), aboutText_.c_str());
    waitForPage([] { return calorvia_web_about_closed(); });
}

void WebPlatform::setInterfaceLanguage(std::int32_t languageCode) {
    language_ = languageCode == platform::kLanguagePortuguese ? platform::kLanguagePortuguese
                                                              : platform::kLanguageEnglish;
    calorvia_web_set_language(language_);
    setFilesLanguage(language_);
}

// A page is not closed by its program: the request ends the idle loop once
// the command that asked has returned, and main() starts the program afresh
// in the same tab (see web_main.cpp).
void WebPlatform::closeApplication() {
    closeRequested_ = true;
    if (closeCommand_) closeCommand_();
}

// ---------------------------------------------------------------- graphics

std::uint32_t WebPlatform::drawingColour() const {
    return colourByIndex_ ? palette_[static_cast<std::size_t>(colourIndex_)] : colourRgb_;
}

void WebPlatform::remapPalette(const platform::Palette& palette) {
    palette_ = palette;
}

void WebPlatform::setColorIndex(int index) {
    colourByIndex_ = true;
    // Only the low four bits choose an entry, as on the desktop.
    colourIndex_ = index & (platform::kPaletteSize - 1);
}

void WebPlatform::setColorRgb(platform::Rgb colour) {
    colourByIndex_ = false;
    colourRgb_ = colour & 0xFFFFFFu;
}

void WebPlatform::setBackgroundRgb(platform::Rgb colour) {
    background_ = colour & 0xFFFFFFu;
}

void WebPlatform::clearScreen() {
    calorvia_web_clear(background_);
    yieldWhenDue();
}

void WebPlatform::moveTo(int x, int y) {
    current_ = {x, y};
}

void WebPlatform::lineTo(int x, int y) {
    const int points[4] = {current_.x, current_.y, x, y};
    calorvia_web_lines(drawingColour(), points, 2);
    current_ = {x, y};
    yieldWhenDue();
}

// One call to the page for the whole series, the current point first.
void WebPlatform::lineThrough(std::span<const platform::PixelPoint> points) {
    if (points.empty()) return;
    std::vector<int> ends;
    ends.reserve(2 * (points.size() + 1));
    ends.push_back(current_.x);
    ends.push_back(current_.y);
    for (const platform::PixelPoint& point : points) {
        ends.push_back(point.x);
        ends.push_back(point.y);
    }
    calorvia_web_lines(drawingColour(), ends.data(), static_cast<int>(points.size()) + 1);
    current_ = points.back();
    yieldWhenDue();
}

void WebPlatform::drawRectangle(platform::FillMode fill, int x1, int y1, int x2, int y2) {
    calorvia_web_rectangle(drawingColour(), fill == platform::FillMode::Filled ? 1 : 0, x1, y1, x2,
                           y2);
    yieldWhenDue();
}

void WebPlatform::drawEllipse(platform::FillMode fill, int x1, int y1, int x2, int y2) {
    calorvia_web_ellipse(drawingColour(), fill == platform::FillMode::Filled ? 1 : 0, x1, y1, x2,
                         y2);
    yieldWhenDue();
}

void WebPlatform::setTextRotation(int tenthsOfDegree) {
    rotation_ = tenthsOfDegree;
}

void WebPlatform::outText(std::string_view text) {
    calorvia_web_text(drawingColour(), current_.x, current_.y, rotation_, cString(text).c_str());
    yieldWhenDue();
}

platform::PixelSize WebPlatform::textExtent(std::string_view text) {
    if (text.empty()) return {0, 0};
    int width = 0;
    int height = 0;
    calorvia_web_text_extent(cString(text).c_str(), &width, &height);
    return {width, height};
}

int WebPlatform::selectFont(std::string_view descriptor) {
    const auto wanted = platform::parseFontDescriptor(descriptor);
    if (!wanted) return -1;
    return calorvia_web_select_font(wanted->face.c_str(), wanted->height, wanted->width,
                                    wanted->italic ? 1 : 0);
}

bool WebPlatform::showBitmap(std::string_view path, int x, int y) {
    const auto bytes = text::readTextFile(std::filesystem::path(std::string(path)));
    if (!bytes) return false;
    const auto picture = decodeBmp(*bytes);
    if (!picture) return false;
    calorvia_web_picture(picture->rgba.data(), picture->width, picture->height, x, y);
    yieldWhenDue();
    return true;
}

// ------------------------------------------------------------ template dialogs

platform::DialogHandle WebPlatform::createDialog(int templateNumber) {
    const platform::DialogTemplate* layout = platform::findDialogTemplate(templateNumber);
    // 0 names no dialog; every operation on it does nothing.
    if (!layout) return platform::DialogHandle{0};
    const int handle = nextDialog_++;
    dialogs_[handle] = Dialog{templateNumber, {}};
    calorvia_web_dialog_create(handle, templateNumber, cString(templateTitle(*layout)).c_str(),
                               layout->width, layout->height);
    for (const platform::ControlTemplate& control : layout->controls) {
        calorvia_web_dialog_control(
            handle, control.number, static_cast<int>(control.kind), control.rect.x, control.rect.y,
            control.rect.width, control.rect.height,
            cString(platform::templateCaption(control)).c_str(), control.enabled ? 1 : 0,
            control.defaultButton ? 1 : 0, control.radioGroup);
    }
    return platform::DialogHandle{handle};
}

void WebPlatform::setControlText(platform::DialogHandle dialog, int control,
                                 std::string_view text) {
    if (!dialogs_.contains(handleNumber(dialog))) return;
    calorvia_web_dialog_set_text(handleNumber(dialog), control, cString(text).c_str());
}

std::string WebPlatform::controlText(platform::DialogHandle dialog, int control) {
    if (!dialogs_.contains(handleNumber(dialog))) return {};
    return takeText(calorvia_web_dialog_text(handleNumber(dialog), control));
}

void WebPlatform::setControlState(platform::DialogHandle dialog, int control, bool on) {
    if (!dialogs_.contains(handleNumber(dialog))) return;
    calorvia_web_dialog_set_state(handleNumber(dialog), control, on ? 1 : 0);
}

bool WebPlatform::controlState(platform::DialogHandle dialog, int control) {
    if (!dialogs_.contains(handleNumber(dialog))) return false;
    return calorvia_web_dialog_state(handleNumber(dialog), control) != 0;
}

void WebPlatform::setControlEnabled(platform::DialogHandle dialog, int control, bool enabled) {
    if (!dialogs_.contains(handleNumber(dialog))) return;
    calorvia_web_dialog_set_enabled(handleNumber(dialog), control, enabled ? 1 : 0);
}

void WebPlatform::setControlRoutine(platform::DialogHandle dialog, int control,
                                    platform::Command routine) {
    const auto found = dialogs_.find(handleNumber(dialog));
    if (found == dialogs_.end()) return;
    // The page needs to know only whether a push button closes the dialog.
    calorvia_web_dialog_set_routine(found->first, control, routine ? 1 : 0);
    found->second.routines[control] = std::move(routine);
}

// The page queues what the student does in the dialog; the routines run
// here, one at a time, between the sleeps of the wait.
int WebPlatform::runDialog(platform::DialogHandle dialog) {
    const int handle = handleNumber(dialog);
    if (!dialogs_.contains(handle)) return platform::kButtonCancel;
    calorvia_web_dialog_show(handle);
    const double start = emscripten_get_now();
    double inRoutines = 0.0;
    int pressed = platform::kButtonCancel;
    while (true) {
        int control = 0;
        const int event = calorvia_web_dialog_next_event(handle, &control);
        if (event < 0) {
            emscripten_sleep(kModalPollMs);
            continue;
        }
        if (event == 1) {
            pressed = control;
            break;
        }
        const auto found = dialogs_.find(handle);
        if (found == dialogs_.end()) break;
        const auto routine = found->second.routines.find(control);
        if (routine == found->second.routines.end() || !routine->second) continue;
        // A copy: the routine may attach another routine to its own control.
        const platform::Command run = routine->second;
        // A routine's own modal calls count their waits themselves.
        const double waitedBefore = platform::userWaitSeconds();
        const double routineStart = emscripten_get_now();
        run();
        inRoutines += (emscripten_get_now() - routineStart) / 1000.0 -
                      (platform::userWaitSeconds() - waitedBefore);
    }
    const double end = emscripten_get_now();
    lastYield_ = end;
    // What the routines computed is not the user's time; the modal waits
    // inside them have been counted already.
    platform::addUserWaitSeconds(std::max(0.0, (end - start) / 1000.0 - inRoutines));
    return pressed;
}

void WebPlatform::releaseDialog(platform::DialogHandle dialog) {
    const int handle = handleNumber(dialog);
    if (dialogs_.erase(handle) > 0) calorvia_web_dialog_release(handle);
}

void WebPlatform::keepClearOfDialogs(std::optional<platform::PixelBox> area) {
    keptClear_ = area;
    if (area) {
        calorvia_web_keep_clear(1, area->x1, area->y1, area->x2, area->y2);
    } else {
        calorvia_web_keep_clear(0, 0, 0, 0, 0);
    }
}

// ------------------------------------------------- message boxes, file dialogs

int WebPlatform::messageBox(std::string_view text, std::string_view title, int flags) {
    offerPendingDownloads();
    calorvia_web_message_show(cString(text).c_str(), cString(title).c_str(), flags);
    return waitForPage([] { return calorvia_web_message_answer(); });
}

std::optional<platform::FileChoice> WebPlatform::openFileDialog(
    const platform::FileDialogRequest& request) {
    if (nextOpenAnswer_) {
        platform::FileChoice choice{*nextOpenAnswer_, false};
        nextOpenAnswer_.reset();
        return choice;
    }
    return openCaseDialog(request);
}

std::optional<platform::FileChoice> WebPlatform::saveFileDialog(
    const platform::FileDialogRequest& request) {
    return saveCaseDialog(request);
}

std::optional<std::string> WebPlatform::chooseFolder(std::string_view title,
                                                     std::string_view initialFolder) {
    return chooseDownloadFolder(title, initialFolder);
}

void WebPlatform::answerNextOpenDialog(std::string path) {
    nextOpenAnswer_ = std::move(path);
}

// ------------------------------------------------------------------- shell

void WebPlatform::setDocumentMapper(DocumentMapper mapper) {
    documentMapper_ = std::move(mapper);
}

void WebPlatform::setServedFolder(std::filesystem::path folder, std::string url) {
    servedFolder_ = std::move(folder);
    servedUrl_ = std::move(url);
}

// A document of the served folder is shown from the server (its links and
// style sheet are relative to it); another one is read from the virtual
// file system and shown as it is.
void WebPlatform::showHelpDocument(const std::filesystem::path& file, std::string_view section) {
    const std::filesystem::path normal = file.lexically_normal();
    if (!servedFolder_.empty()) {
        const std::filesystem::path relative = normal.lexically_relative(servedFolder_);
        if (!relative.empty() && *relative.begin() != "..") {
            const std::string url = servedUrl_ + relative.generic_string() + std::string(section);
            calorvia_web_help_url(url.c_str());
            return;
        }
    }
    const auto content = text::readTextFile(normal);
    if (!content) return;
    calorvia_web_help_text(normal.filename().string().c_str(), content->c_str(),
                           isHtml(normal) ? 1 : 0);
}

void WebPlatform::openDocument(std::string_view document, platform::WindowShow /*show*/) {
    std::error_code error;
    const std::filesystem::path requested =
        std::filesystem::absolute(std::filesystem::path(std::string(document)), error);
    if (error) return;
    const std::filesystem::path found = documentMapper_(requested);
    std::error_code missing;
    // A missing document, or one no page can show, does nothing.
    if (found.empty() || !std::filesystem::is_regular_file(found, missing)) return;
    if (helpPanelShows(found)) showHelpDocument(found, "");
}

void WebPlatform::editTextFile(std::string_view path, bool wait) {
    if (!wait) {
        showTextFile(path, false);
        return;
    }
    const double start = emscripten_get_now();
    showTextFile(path, true);
    lastYield_ = emscripten_get_now();
    platform::addUserWaitSeconds((lastYield_ - start) / 1000.0);
}

// A local file the help panel shows opens there, at its section; any other
// address (web, mailto) goes to the browser, in a new tab.
void WebPlatform::openAddress(std::string_view address) {
    constexpr std::string_view kFileScheme = "file://";
    if (address.substr(0, kFileScheme.size()) == kFileScheme) {
        std::string_view rest = address.substr(kFileScheme.size());
        std::string_view section;
        if (const auto hash = rest.find('#'); hash != std::string_view::npos) {
            section = rest.substr(hash);
            rest = rest.substr(0, hash);
        }
        const std::filesystem::path file(percentDecoded(rest));
        std::error_code error;
        if (helpPanelShows(file) && std::filesystem::is_regular_file(file, error)) {
            showHelpDocument(file, section);
        }
        return;
    }
    calorvia_web_open_address(cString(address).c_str());
}

void WebPlatform::beep(int frequencyHz, int durationMs) {
    calorvia_web_beep(frequencyHz, durationMs);
}

// The idle loop's pause: the page runs, the queued commands run, and now and
// then the program folder goes back to the browser's storage.
void WebPlatform::pause(int milliseconds) {
    const double end = emscripten_get_now() + std::max(milliseconds, 0);
    do {
        const double left = end - emscripten_get_now();
        emscripten_sleep(static_cast<unsigned>(std::clamp(left, 0.0, 20.0)));
        lastYield_ = emscripten_get_now();
        offerPendingDownloads();
        runQueuedCommands();
        if (!commandRunning_ && lastYield_ - lastPersist_ > kPersistIntervalMs) {
            persistProgramFolder();
            lastPersist_ = emscripten_get_now();
        }
    } while (emscripten_get_now() < end);
}

double WebPlatform::clockSeconds() {
    yieldWhenDue();
    return emscripten_get_now() / 1000.0;
}

}  // namespace calorvia::platform_web
