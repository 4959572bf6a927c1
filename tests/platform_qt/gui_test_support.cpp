#include "gui_test_support.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QThread>
#include <QTimer>

#include "support/real_program.h"

namespace calorvia::platform_qt::testing {

bool processEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    return calorvia::testing::serveEventsUntil(done, timeout);
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

std::string readFile(const std::filesystem::path& path) {
    return calorvia::testing::readFile(path).value_or(std::string());
}

}  // namespace calorvia::platform_qt::testing
