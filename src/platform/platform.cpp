#include "platform/platform.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "text/text_file.h"

namespace calorvia::platform {

void Platform::lineThrough(std::span<const PixelPoint> points) {
    for (const PixelPoint& point : points) lineTo(point.x, point.y);
}

void Platform::deleteFile(std::string_view path) {
    const auto target = text::pathFromUtf8(path);
    std::error_code ignored;
    if (std::filesystem::is_directory(std::filesystem::symlink_status(target, ignored))) return;
    std::filesystem::remove(target, ignored);
}

bool Platform::renameFile(std::string_view from, std::string_view to) {
    const auto source = text::pathFromUtf8(from);
    const auto target = text::pathFromUtf8(to);
    std::error_code error;
    if (!std::filesystem::exists(source, error) || error) return false;
    if (std::filesystem::exists(target, error) || error) return false;
    std::filesystem::rename(source, target, error);
    return !error;
}

std::optional<std::string> Platform::currentDirectory() {
    std::error_code error;
    const auto current = std::filesystem::current_path(error);
    if (error) return std::nullopt;
    return text::utf8FromPath(current);
}

bool Platform::setCurrentDirectory(std::string_view path) {
    std::error_code error;
    std::filesystem::current_path(text::pathFromUtf8(path), error);
    return !error;
}

std::vector<int> messageBoxAnswers(int flags) {
    switch (flags & 0xF) {
        case 1:
            return {kAnswerOk, kAnswerCancel};
        case 2:
            return {3, 4, 5};
        case 3:
            return {kAnswerYes, kAnswerNo, kAnswerCancel};
        case 4:
            return {kAnswerYes, kAnswerNo};
        case 5:
            return {4, kAnswerCancel};
        default:
            return {kAnswerOk};
    }
}

FileDialogRequest caseFileDialogRequest(std::string title, std::string initialFolder,
                                        std::string fileName) {
    FileDialogRequest request;
    request.title = std::move(title);
    request.initialFolder = std::move(initialFolder);
    request.fileName = std::move(fileName);
    request.filters = {{"Text Files", "*.txt"}, {"All Files", "*.*"}};
    request.selectedFilter = 0;
    request.defaultExtension = "txt";
    request.pathMustExist = true;
    return request;
}

int selectFirstFont(Platform& platform, std::span<const std::string_view> descriptors) {
    for (std::size_t i = 0; i < descriptors.size(); ++i) {
        if (platform.selectFont(descriptors[i]) >= 0) return static_cast<int>(i);
    }
    return -1;
}

namespace {
thread_local double userWait = 0.0;
}  // namespace

double userWaitSeconds() {
    return userWait;
}

void addUserWaitSeconds(double seconds) {
    userWait += seconds;
}

namespace {

// The text without its last character (a whole UTF-8 sequence).
std::string_view withoutLastCharacter(std::string_view text) {
    std::size_t end = text.size();
    if (end == 0) return text;
    --end;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u) --end;
    return text.substr(0, end);
}

}  // namespace

void outTextFitted(Platform& platform, int x, int y, PixelSize limit, std::string_view text,
                   std::span<const std::string> descriptors) {
    const PixelSize room{limit.width - x, limit.height - y};
    for (const std::string& descriptor : descriptors) {
        if (platform.selectFont(descriptor) < 0) continue;
        const PixelSize extent = platform.textExtent(text);
        if (extent.width <= room.width && extent.height <= room.height) break;
    }
    // Too wide in every font (or none was accepted): the text loses its end.
    std::string_view shown = text;
    while (!shown.empty() && platform.textExtent(shown).width > room.width) {
        shown = withoutLastCharacter(shown);
    }
    platform.moveTo(x, y);
    platform.outText(shown);
}

void requestTutorial(Platform& platform) {
    platform.openDocument(kTutorialDocument, WindowShow::Minimized);
}

}  // namespace calorvia::platform
