#pragma once
// The real programs started as a user starts them: offscreen, or with no
// display at all, in a folder of the test's choosing.

#include <QProcessEnvironment>
#include <QStringList>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace calorvia::testing {

// This process's environment with Qt's offscreen platform.
QProcessEnvironment offscreenEnvironment();
// This process's environment with no display of any kind.
QProcessEnvironment environmentWithoutDisplay();

struct FinishedProgram {
    bool finished = false;  // ended by itself, in time
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Lets this thread, Qt's GUI thread, serve events (the program's main thread
// waits on it for every window operation) until `done` holds; false when
// `timeout` passed first.
bool serveEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// Runs the program to its end, in `folder` when one is given.
FinishedProgram runToEnd(const std::filesystem::path& program, const QStringList& arguments,
                         const QProcessEnvironment& environment,
                         const std::filesystem::path& folder = {},
                         std::chrono::milliseconds timeout = std::chrono::seconds(60));

// Starts the desktop program offscreen on `folder` and waits until its
// start-up has written "idioma" and "cor" there, then ends it. What it said
// on its standard error when that did not happen; nothing when it did.
std::string startUpWritesTheSettings(const std::filesystem::path& program,
                                     const std::filesystem::path& folder);

}  // namespace calorvia::testing
