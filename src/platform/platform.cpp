#include "platform/platform.h"

#include <utility>

namespace calorvia::platform {

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

void requestTutorial(Platform& platform) {
    platform.openDocument(kTutorialDocument, WindowShow::Minimized);
}

}  // namespace calorvia::platform
