#pragma once
// Helpers of the GUI tests: waiting while the GUI thread turns, and acting on
// a modal window once it is up, without ever waiting forever.

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "support/program_folder.h"

class QTimer;

namespace calorvia::platform_qt::testing {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kPatience = 5s;

// Processes GUI events until `done` holds; false when `timeout` passed first.
bool processEventsUntil(const std::function<bool()>& done,
                        std::chrono::milliseconds timeout = kPatience);

// Processes GUI events for `duration`.
void processEventsFor(std::chrono::milliseconds duration);

// Acts once on the first modal window of type W that comes up while this
// object lives. When none comes within the timeout the test fails, and from
// then on any modal window is closed, so that nothing can hang the suite.
class WhenModal {
public:
    template <class W>
    static std::unique_ptr<WhenModal> of(std::function<void(W&)> action,
                                         std::chrono::milliseconds timeout = kPatience) {
        return std::unique_ptr<WhenModal>(new WhenModal(
            [action = std::move(action)](QWidget* widget) {
                auto* window = qobject_cast<W*>(widget);
                if (!window) return false;
                action(*window);
                return true;
            },
            timeout));
    }
    ~WhenModal();
    bool acted() const { return acted_; }

private:
    WhenModal(std::function<bool(QWidget*)> tryAction, std::chrono::milliseconds timeout);
    void tick();

    std::function<bool(QWidget*)> tryAction_;
    std::chrono::steady_clock::time_point deadline_;
    QTimer* timer_;
    bool acted_ = false;
    bool acting_ = false;
    bool reported_ = false;
};

// A fresh folder, the current directory while it lives.
struct TemporaryWorkingFolder : calorvia::testing::TemporaryFolder {
    TemporaryWorkingFolder() : TemporaryFolder(Current::Enter) {}
};

using calorvia::testing::writeFile;
// The file's bytes; none when it cannot be read.
std::string readFile(const std::filesystem::path& path);

inline QRgb rgbOf(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

}  // namespace calorvia::platform_qt::testing
