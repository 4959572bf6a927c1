// The main of the GUI tests: a QApplication on Qt's offscreen platform, and a
// watchdog that ends the run with a failure rather than let it hang.

#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

// The whole suite takes a few seconds; this is far beyond any slow machine.
constexpr auto kWatchdogLimit = std::chrono::seconds(120);

class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              std::unique_lock lock(mutex_);
              if (!finished_.wait_for(lock, kWatchdogLimit, [this] { return done_; })) {
                  std::fputs("GUI tests stalled: ended by the watchdog\n", stderr);
                  std::_Exit(EXIT_FAILURE);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        finished_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Watchdog watchdog;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calorvia"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
