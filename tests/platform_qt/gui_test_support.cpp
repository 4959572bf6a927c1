#include "gui_test_support.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QThread>
#include <QTimer>
#include <fstream>
#include <random>
#include <sstream>

namespace calorvia::platform_qt::testing {

bool processEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

void processEventsFor(std::chrono::milliseconds duration) {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < deadline) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

WhenModal::WhenModal(std::function<bool(QWidget*)> tryAction, std::chrono::milliseconds timeout)
    : tryAction_(std::move(tryAction)),
      deadline_(std::chrono::steady_clock::now() + timeout),
      timer_(new QTimer) {
    QObject::connect(timer_, &QTimer::timeout, [this] { tick(); });
    timer_->start(5);
}

WhenModal::~WhenModal() {
    delete timer_;
}

void WhenModal::tick() {
    // An action may turn the event loop itself; its own ticks wait.
    if (acting_) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!acted_ && modal && modal->isVisible()) {
        acting_ = true;
        acted_ = tryAction_(modal);
        acting_ = false;
        if (acted_) return;
    }
    if (std::chrono::steady_clock::now() < deadline_) return;
    if (!acted_ && !reported_) {
        reported_ = true;
        ADD_FAILURE() << "the expected modal window did not come up";
    }
    // Past the deadline nothing may stay modal: the test has already failed
    // or finished, and a window left open would hang the suite.
    if (modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->done(0);
        } else {
            modal->close();
        }
    }
}

TemporaryWorkingFolder::TemporaryWorkingFolder() : previous_(std::filesystem::current_path()) {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("calorvia-gui-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

TemporaryWorkingFolder::~TemporaryWorkingFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

}  // namespace calorvia::platform_qt::testing
