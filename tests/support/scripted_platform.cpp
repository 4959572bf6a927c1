#include "support/scripted_platform.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace calorvia::platform {
namespace {

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

// ------------------------------------------------------------------ records

std::string RecordedCall::toString() const {
    std::ostringstream out;
    out << operation << "(";
    const char* separator = "";
    for (auto number : numbers) {
        out << separator << number;
        separator = ", ";
    }
    for (const auto& text : texts) {
        out << separator << inQuotes(text);
        separator = ", ";
    }
    out << ")";
    return out.str();
}

// ------------------------------------------------------------------- script

ScriptedPlatform::ScriptedPlatform() = default;
ScriptedPlatform::~ScriptedPlatform() = default;

void ScriptedPlatform::expectMessageBox(int answer, std::optional<std::string> text,
                                        std::optional<std::string> title,
                                        std::optional<int> flags) {
    script_.emplace_back(MessageAnswer{answer, std::move(text), std::move(title), flags});
}

DialogScript& ScriptedPlatform::expectDialog(int templateNumber) {
    return std::get<DialogScript>(script_.emplace_back(DialogScript(templateNumber)));
}

void ScriptedPlatform::expectOpenFile(std::optional<std::string> path, bool readOnly) {
    script_.emplace_back(FileAnswer{false, std::move(path), readOnly});
}

void ScriptedPlatform::expectSaveFile(std::optional<std::string> path, bool readOnly) {
    script_.emplace_back(FileAnswer{true, std::move(path), readOnly});
}

void ScriptedPlatform::expectFolder(std::optional<std::string> path) {
    script_.emplace_back(FolderAnswer{std::move(path)});
}

void ScriptedPlatform::expectEditor(std::function<void(const std::string& path)> edit) {
    script_.emplace_back(EditorAnswer{std::move(edit)});
}

void ScriptedPlatform::verifyScriptDone() const {
    if (script_.empty()) return;
    std::ostringstream out;
    out << script_.size() << " script entries were never asked for; the first is ";
    std::visit(
        [&](const auto& entry) {
            using Entry = std::decay_t<decltype(entry)>;
            if constexpr (std::is_same_v<Entry, MessageAnswer>) {
                out << "a message box" << (entry.text ? " " + inQuotes(*entry.text) : "");
            } else if constexpr (std::is_same_v<Entry, DialogScript>) {
                out << "dialog " << entry.templateNumber();
            } else if constexpr (std::is_same_v<Entry, FileAnswer>) {
                out << (entry.save ? "a save dialog" : "an open dialog");
            } else if constexpr (std::is_same_v<Entry, FolderAnswer>) {
                out << "a folder dialog";
            } else {
                out << "an editor window";
            }
        },
        script_.front());
    fail(out.str());
}

void ScriptedPlatform::fail(const std::string& what) const {
    throw ScriptError("ScriptedPlatform: " + what);
}

ScriptedPlatform::ScriptEntry ScriptedPlatform::takeScriptEntry(const std::string& request) {
    if (script_.empty()) fail("the program asked for " + request + ", but the script is empty");
    ScriptEntry entry = std::move(script_.front());
    script_.pop_front();
    return entry;
}

void ScriptedPlatform::record(std::string operation, std::vector<std::int64_t> numbers,
                              std::vector<std::string> texts) {
    if (!recording_) return;
    calls_.push_back({std::move(operation), std::move(numbers), std::move(texts)});
}

std::vector<RecordedCall> ScriptedPlatform::callsNamed(std::string_view operation) const {
    std::vector<RecordedCall> found;
    for (const auto& call : calls_) {
        if (call.operation == operation) found.push_back(call);
    }
    return found;
}

void ScriptedPlatform::clearRecords() {
    calls_.clear();
    lines_.clear();
    rectangles_.clear();
    ellipses_.clear();
    texts_.clear();
    dialogRuns_.clear();
}

// ------------------------------------------------------------------- window

PixelSize ScriptedPlatform::configureGraphicsWindow(std::string_view title) {
    const PixelSize screen = HeadlessPlatform::configureGraphicsWindow(title);
    record("configureGraphicsWindow", {screen.width, screen.height}, {std::string(title)});
    return screen;
}

PixelSize ScriptedPlatform::frameMaximumSize() {
    const PixelSize size = HeadlessPlatform::frameMaximumSize();
    record("frameMaximumSize", {size.width, size.height});
    return size;
}

PixelSize ScriptedPlatform::frameCurrentSize() {
    const PixelSize size = HeadlessPlatform::frameCurrentSize();
    record("frameCurrentSize", {size.width, size.height});
    return size;
}

void ScriptedPlatform::setFrameSize(PixelSize size) {
    record("setFrameSize", {size.width, size.height});
    HeadlessPlatform::setFrameSize(size);
}

void ScriptedPlatform::maximizeFrame() {
    record("maximizeFrame");
    HeadlessPlatform::maximizeFrame();
}

// -------------------------------------------------------------------- menus

void ScriptedPlatform::appendMenuItem(int menu, std::string_view text, MenuItemKind kind,
                                      Command command) {
    HeadlessPlatform::appendMenuItem(menu, text, kind, std::move(command));
    record(
        "appendMenuItem",
        {menu, static_cast<std::int64_t>(menuItemCount(menu) - 1), static_cast<std::int64_t>(kind)},
        {std::string(text)});
}

void ScriptedPlatform::setMenuItemText(int menu, int item, std::string_view text) {
    record("setMenuItemText", {menu, item}, {std::string(text)});
    HeadlessPlatform::setMenuItemText(menu, item, text);
}

void ScriptedPlatform::setMenuItemCommand(int menu, int item, Command command) {
    record("setMenuItemCommand", {menu, item});
    HeadlessPlatform::setMenuItemCommand(menu, item, std::move(command));
}

void ScriptedPlatform::setMenuItemEnabled(int menu, int item, bool enabled) {
    record("setMenuItemEnabled", {menu, item, enabled ? 1 : 0});
    HeadlessPlatform::setMenuItemEnabled(menu, item, enabled);
}

// --------------------------------------------------------------- built-ins

void ScriptedPlatform::printGraphics() {
    record("printGraphics");
}
void ScriptedPlatform::copyGraphicsToClipboard() {
    record("copyGraphicsToClipboard");
}
void ScriptedPlatform::selectGraphics() {
    record("selectGraphics");
}
void ScriptedPlatform::showPlatformHelp() {
    record("showPlatformHelp");
}

void ScriptedPlatform::setAboutText(std::string_view text) {
    record("setAboutText", {}, {std::string(text)});
    HeadlessPlatform::setAboutText(text);
}

void ScriptedPlatform::showAbout() {
    record("showAbout", {}, {aboutText()});
}

void ScriptedPlatform::setInterfaceLanguage(std::int32_t languageCode) {
    record("setInterfaceLanguage", {languageCode});
    HeadlessPlatform::setInterfaceLanguage(languageCode);
}

void ScriptedPlatform::closeApplication() {
    record("closeApplication");
    HeadlessPlatform::closeApplication();
}

// ----------------------------------------------------------------- graphics
// Each call is recorded as it reaches the headless platform, which hands it
// to the sink; the shapes are kept with the colour in force.

DrawnColour ScriptedPlatform::drawnColour() const {
    const auto [index, rgb] = currentColour();
    return {index, rgb};
}

void ScriptedPlatform::remapPalette(const Palette& palette) {
    HeadlessPlatform::remapPalette(palette);
    if (recording_)
        record("remapPalette", std::vector<std::int64_t>(palette.begin(), palette.end()));
}

void ScriptedPlatform::setColorIndex(int index) {
    record("setColorIndex", {index});
    HeadlessPlatform::setColorIndex(index);
}

void ScriptedPlatform::setColorRgb(Rgb colour) {
    HeadlessPlatform::setColorRgb(colour);
    record("setColorRgb", {colour});
}

void ScriptedPlatform::setBackgroundRgb(Rgb colour) {
    HeadlessPlatform::setBackgroundRgb(colour);
    record("setBackgroundRgb", {colour});
}

void ScriptedPlatform::clearScreen() {
    HeadlessPlatform::clearScreen();
    record("clearScreen", {backgroundRgb()});
}

void ScriptedPlatform::moveTo(int x, int y) {
    HeadlessPlatform::moveTo(x, y);
    record("moveTo", {x, y});
}

void ScriptedPlatform::lineTo(int x, int y) {
    const PixelPoint from = currentPoint();
    HeadlessPlatform::lineTo(x, y);
    if (!recording_) return;
    record("lineTo", {x, y});
    lines_.push_back({from.x, from.y, x, y, drawnColour()});
}

void ScriptedPlatform::drawRectangle(FillMode fill, int x1, int y1, int x2, int y2) {
    HeadlessPlatform::drawRectangle(fill, x1, y1, x2, y2);
    if (!recording_) return;
    record("drawRectangle", {fill == FillMode::Filled ? 1 : 0, x1, y1, x2, y2});
    rectangles_.push_back({fill, x1, y1, x2, y2, drawnColour()});
}

void ScriptedPlatform::drawEllipse(FillMode fill, int x1, int y1, int x2, int y2) {
    HeadlessPlatform::drawEllipse(fill, x1, y1, x2, y2);
    if (!recording_) return;
    record("drawEllipse", {fill == FillMode::Filled ? 1 : 0, x1, y1, x2, y2});
    ellipses_.push_back({fill, x1, y1, x2, y2, drawnColour()});
}

void ScriptedPlatform::setTextRotation(int tenthsOfDegree) {
    HeadlessPlatform::setTextRotation(tenthsOfDegree);
    record("setTextRotation", {tenthsOfDegree});
}

void ScriptedPlatform::outText(std::string_view text) {
    HeadlessPlatform::outText(text);
    if (!recording_) return;
    const PixelPoint at = currentPoint();
    record("outText", {at.x, at.y}, {std::string(text)});
    texts_.push_back({at.x, at.y, std::string(text), drawnColour(), currentFont(), textRotation()});
}

PixelSize ScriptedPlatform::textExtent(std::string_view text) {
    const PixelSize extent = HeadlessPlatform::textExtent(text);
    record("textExtent", {extent.width, extent.height}, {std::string(text)});
    return extent;
}

int ScriptedPlatform::selectFont(std::string_view descriptor) {
    const int result = HeadlessPlatform::selectFont(descriptor);
    record("selectFont", {result}, {std::string(descriptor)});
    return result;
}

bool ScriptedPlatform::showBitmap(std::string_view path, int x, int y) {
    const bool shown = HeadlessPlatform::showBitmap(path, x, y);
    record("showBitmap", {x, y, shown ? 1 : 0}, {std::string(path)});
    return shown;
}

// ------------------------------------------------------------------ dialogs

DialogHandle ScriptedPlatform::createDialog(int templateNumber) {
    const DialogHandle handle = HeadlessPlatform::createDialog(templateNumber);
    record("createDialog", {templateNumber, static_cast<int>(handle)});
    return handle;
}

void ScriptedPlatform::setControlText(DialogHandle dialog, int control, std::string_view text) {
    record("setControlText", {static_cast<int>(dialog), control}, {std::string(text)});
    HeadlessPlatform::setControlText(dialog, control, text);
}

std::string ScriptedPlatform::controlText(DialogHandle dialog, int control) {
    std::string text = HeadlessPlatform::controlText(dialog, control);
    record("controlText", {static_cast<int>(dialog), control}, {text});
    return text;
}

void ScriptedPlatform::setControlState(DialogHandle dialog, int control, bool on) {
    record("setControlState", {static_cast<int>(dialog), control, on ? 1 : 0});
    HeadlessPlatform::setControlState(dialog, control, on);
}

bool ScriptedPlatform::controlState(DialogHandle dialog, int control) {
    const bool on = HeadlessPlatform::controlState(dialog, control);
    record("controlState", {static_cast<int>(dialog), control, on ? 1 : 0});
    return on;
}

void ScriptedPlatform::setControlEnabled(DialogHandle dialog, int control, bool enabled) {
    record("setControlEnabled", {static_cast<int>(dialog), control, enabled ? 1 : 0});
    HeadlessPlatform::setControlEnabled(dialog, control, enabled);
}

void ScriptedPlatform::setControlRoutine(DialogHandle dialog, int control, Command routine) {
    record("setControlRoutine", {static_cast<int>(dialog), control});
    HeadlessPlatform::setControlRoutine(dialog, control, std::move(routine));
}

int ScriptedPlatform::runDialog(DialogHandle handle) {
    if (answeredByRule()) {
        const int number = dialogToRun(handle);
        const int result = HeadlessPlatform::runDialog(handle);
        record("runDialog", {static_cast<int>(handle), number, result});
        return result;
    }
    userResponds();
    const int number = dialogToRun(handle);
    ScriptEntry entry = takeScriptEntry("dialog " + std::to_string(number));
    auto* script = std::get_if<DialogScript>(&entry);
    if (script == nullptr || script->templateNumber() != number) {
        fail("the program ran dialog " + std::to_string(number) + ", but the script expected " +
             (script ? "dialog " + std::to_string(script->templateNumber())
                     : std::string("another request")));
    }
    DialogRun run;
    run.templateNumber = number;
    run.atStart = controlStates(handle);
    run.keptClear = keptClear();
    run.result = play(handle, *script);
    run.atEnd = controlStates(handle);
    record("runDialog", {static_cast<int>(handle), number, run.result});
    const int result = run.result;
    dialogRuns_.push_back(std::move(run));
    return result;
}

void ScriptedPlatform::releaseDialog(DialogHandle dialog) {
    record("releaseDialog", {static_cast<int>(dialog)});
    HeadlessPlatform::releaseDialog(dialog);
}

void ScriptedPlatform::keepClearOfDialogs(std::optional<PixelBox> area) {
    if (area) {
        record("keepClearOfDialogs", {area->x1, area->y1, area->x2, area->y2});
    } else {
        record("keepClearOfDialogs");
    }
    HeadlessPlatform::keepClearOfDialogs(area);
}

// ------------------------------------------------- message boxes, file dialogs

int ScriptedPlatform::messageBox(std::string_view text, std::string_view title, int flags) {
    if (answeredByRule()) {
        const int answer = HeadlessPlatform::messageBox(text, title, flags);
        record("messageBox", {flags, answer}, {std::string(text), std::string(title)});
        return answer;
    }
    userResponds();
    const std::string request = "the message box " + inQuotes(text) + " titled " + inQuotes(title);
    ScriptEntry entry = takeScriptEntry(request);
    auto* answer = std::get_if<MessageAnswer>(&entry);
    if (answer == nullptr)
        fail("the program showed " + request + ", but the script expected another request");
    if (answer->text && *answer->text != text) {
        fail("the program showed " + request + ", but the script expected the text " +
             inQuotes(*answer->text));
    }
    if (answer->title && *answer->title != title) {
        fail("the program showed " + request + ", but the script expected the title " +
             inQuotes(*answer->title));
    }
    if (answer->flags && *answer->flags != flags) {
        fail("the program showed " + request + " with flags " + std::to_string(flags) +
             ", but the script expected " + std::to_string(*answer->flags));
    }
    // No user can press a button the box does not have.
    const std::vector<int> offered = messageBoxAnswers(flags);
    if (std::find(offered.begin(), offered.end(), answer->answer) == offered.end()) {
        fail("the program showed " + request + " with flags " + std::to_string(flags) +
             ", which has no button answering " + std::to_string(answer->answer));
    }
    record("messageBox", {flags, answer->answer}, {std::string(text), std::string(title)});
    return answer->answer;
}

std::optional<FileChoice> ScriptedPlatform::answerFileDialog(bool save,
                                                             const FileDialogRequest& request) {
    if (answeredByRule()) {
        return save ? HeadlessPlatform::saveFileDialog(request)
                    : HeadlessPlatform::openFileDialog(request);
    }
    userResponds();
    const std::string kind = save ? "a save dialog" : "an open dialog";
    ScriptEntry entry = takeScriptEntry(kind + " titled " + inQuotes(request.title));
    auto* answer = std::get_if<FileAnswer>(&entry);
    if (answer == nullptr || answer->save != save) {
        fail("the program showed " + kind + ", but the script expected another request");
    }
    record(save ? "saveFileDialog" : "openFileDialog",
           {request.selectedFilter, request.pathMustExist ? 1 : 0, answer->path ? 1 : 0},
           {request.title, request.initialFolder, request.fileName, request.defaultExtension,
            answer->path.value_or("")});
    if (!answer->path) return std::nullopt;
    return FileChoice{*answer->path, answer->readOnly};
}

std::optional<FileChoice> ScriptedPlatform::openFileDialog(const FileDialogRequest& request) {
    return answerFileDialog(false, request);
}

std::optional<FileChoice> ScriptedPlatform::saveFileDialog(const FileDialogRequest& request) {
    return answerFileDialog(true, request);
}

std::optional<std::string> ScriptedPlatform::chooseFolder(std::string_view title,
                                                          std::string_view initialFolder) {
    std::optional<std::string> chosen;
    if (answeredByRule()) {
        chosen = HeadlessPlatform::chooseFolder(title, initialFolder);
    } else {
        userResponds();
        ScriptEntry entry = takeScriptEntry("a folder dialog titled " + inQuotes(title));
        auto* answer = std::get_if<FolderAnswer>(&entry);
        if (answer == nullptr) {
            fail("the program showed a folder dialog, but the script expected another request");
        }
        chosen = answer->path;
    }
    record("chooseFolder", {chosen ? 1 : 0},
           {std::string(title), std::string(initialFolder), chosen.value_or("")});
    return chosen;
}

// -------------------------------------------------------------------- shell

void ScriptedPlatform::openDocument(std::string_view document, WindowShow show) {
    record("openDocument", {show == WindowShow::Minimized ? 1 : 0}, {std::string(document)});
}

void ScriptedPlatform::editTextFile(std::string_view path, bool wait) {
    record("editTextFile", {wait ? 1 : 0}, {std::string(path)});
    if (!wait || answeredByRule()) {
        HeadlessPlatform::editTextFile(path, wait);
        return;
    }
    userResponds();
    ScriptEntry entry = takeScriptEntry("an editor on " + inQuotes(path));
    auto* answer = std::get_if<EditorAnswer>(&entry);
    if (answer == nullptr) {
        fail("the program waited for an editor on " + inQuotes(path) +
             ", but the script expected another request");
    }
    if (answer->edit) answer->edit(std::string(path));
}

void ScriptedPlatform::openAddress(std::string_view address) {
    record("openAddress", {}, {std::string(address)});
}

void ScriptedPlatform::beep(int frequencyHz, int durationMs) {
    record("beep", {frequencyHz, durationMs});
}

void ScriptedPlatform::pause(int milliseconds) {
    record("pause", {milliseconds});
    HeadlessPlatform::pause(milliseconds);
}

double ScriptedPlatform::clockSeconds() {
    record("clockSeconds");
    return HeadlessPlatform::clockSeconds();
}

// -------------------------------------------------------------------- files

void ScriptedPlatform::deleteFile(std::string_view path) {
    record("deleteFile", {}, {std::string(path)});
    Platform::deleteFile(path);
}

bool ScriptedPlatform::renameFile(std::string_view from, std::string_view to) {
    const bool renamed = Platform::renameFile(from, to);
    record("renameFile", {renamed ? 1 : 0}, {std::string(from), std::string(to)});
    return renamed;
}

std::optional<std::string> ScriptedPlatform::currentDirectory() {
    auto current = Platform::currentDirectory();
    record("currentDirectory", {current ? 1 : 0});
    return current;
}

bool ScriptedPlatform::setCurrentDirectory(std::string_view path) {
    const bool changed = Platform::setCurrentDirectory(path);
    record("setCurrentDirectory", {changed ? 1 : 0}, {std::string(path)});
    return changed;
}

}  // namespace calorvia::platform
