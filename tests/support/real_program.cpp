#include "support/real_program.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

#include "settings/settings_files.h"

namespace calorvia::testing {
namespace {

QString qtPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

QProcessEnvironment offscreenEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

QProcessEnvironment environmentWithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    return environment;
}

bool serveEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

FinishedProgram runToEnd(const std::filesystem::path& program, const QStringList& arguments,
                         const QProcessEnvironment& environment,
                         const std::filesystem::path& folder, std::chrono::milliseconds timeout) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!folder.empty()) process.setWorkingDirectory(qtPath(folder));
    process.start(qtPath(program), arguments);
    FinishedProgram result;
    result.finished = process.waitForFinished(static_cast<int>(timeout.count())) &&
                      process.exitStatus() == QProcess::NormalExit;
    if (!result.finished) {
        process.kill();
        process.waitForFinished(10000);
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

std::string startUpWritesTheSettings(const std::filesystem::path& program,
                                     const std::filesystem::path& folder) {
    QProcess process;
    process.setProcessEnvironment(offscreenEnvironment());
    process.start(qtPath(program), {qtPath(folder)});
    if (!process.waitForStarted(10000)) return "the program did not start";
    const auto written = [&folder] {
        return settings::readIntegerSetting(folder / settings::LanguageFileName).has_value() &&
               settings::readIntegerSetting(folder / settings::ColourFileName).has_value();
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!written() && std::chrono::steady_clock::now() < deadline &&
           process.state() == QProcess::Running) {
        QThread::msleep(50);
    }
    const bool started = written();
    process.kill();
    process.waitForFinished(10000);
    if (started) return {};
    const std::string said = process.readAllStandardError().toStdString();
    return said.empty() ? "no settings were written" : said;
}

}  // namespace calorvia::testing
