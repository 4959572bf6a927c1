// calorvia-batch-pictures.so: the desktop canvas as the batch program's
// picture canvas, with the Qt GUI application its fonts need (batch_pictures.h).

#include <QGuiApplication>
#include <QMessageLogContext>
#include <QSize>
#include <QString>
#include <iostream>
#include <memory>

#include "app/batch_pictures.h"
#include "platform_qt/canvas_drawing_sink.h"

namespace {

// Standard error carries the program's messages; Qt's own notes about the
// session (no runtime folder, say) are dropped, its errors kept.
void qtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "calorvia-batch: " << message.toStdString() << '\n';
    }
}

std::unique_ptr<QGuiApplication> startQt() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMessages);
    static int argc = 1;
    static char name[] = "calorvia-batch";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The application comes first and goes last: the canvas's fonts need it.
class QtPictureCanvas final : public calorvia::batch::PictureCanvas {
public:
    QtPictureCanvas(int width, int height) : qt_(startQt()), sink_(QSize(width, height)) {}

    calorvia::platform::DrawingSink& sink() override { return sink_; }
    bool savePng(const std::string& path) override {
        return sink_.savePng(QString::fromStdString(path));
    }
    bool saveSvg(const std::string& path) override {
        return sink_.saveSvg(QString::fromStdString(path));
    }

private:
    std::unique_ptr<QGuiApplication> qt_;
    calorvia::platform_qt::CanvasDrawingSink sink_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) calorvia::batch::PictureCanvas*
calorvia_make_picture_canvas(int width, int height) {
    try {
        return new QtPictureCanvas(width, height);
    } catch (...) {
        return nullptr;
    }
}
