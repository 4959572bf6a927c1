// calorvia-platform-demo: the desktop window with its five menus and a graph
// drawn through the Platform calls from a worker thread, the way the program
// draws during a run.
//
//   calorvia-platform-demo [--interactive] [--quit-after MILLISECONDS]
//
// --quit-after closes the window that long after start, or as soon as the
// drawing is done if it takes longer.
//
// The graphs come from a small explicit finite-volume march of a slab with a
// uniform source between two fixed temperatures: its profiles after several
// times, its steady profile in blue, and the temperature of the middle
// volume against time with every tenth value marked as a dot. The scale
// dialogs of the graph pane are answered with their proposals unless
// --interactive is given.

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "graphs/graph_pane.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"
#include "settings/settings_files.h"

namespace {

using calorvia::platform::MenuItemKind;
using calorvia::platform::Platform;
namespace graphs = calorvia::graphs;

// The program's palette: like the default one but for a darker blue (9) and
// magenta (13).
constexpr calorvia::platform::Palette kProgramPalette{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x000088, 0x00FF00, 0x00FFFF, 0xFF0000, 0x880088, 0xFFFF00, 0xFFFFFF,
};

void buildMenus(Platform& platform) {
    auto item = [&](int menu, const char* text) {
        platform.appendMenuItem(menu, text, MenuItemKind::Enabled, {});
    };
    auto separator = [&](int menu) {
        platform.appendMenuItem(menu, "", MenuItemKind::Separator, {});
    };
    item(1, "&File");
    item(1, "&New");
    separator(1);
    item(1, "&Open");
    separator(1);
    platform.appendMenuItem(1, "&Exit", MenuItemKind::Enabled,
                            [&platform] { platform.closeApplication(); });
    item(2, "&Simulation");
    item(2, "&Begin Simulation");
    item(3, "&Results");
    platform.appendMenuItem(3, "&Select Graph", MenuItemKind::Enabled,
                            [&platform] { platform.selectGraphics(); });
    separator(3);
    platform.appendMenuItem(3, "&Copy Graph", MenuItemKind::Enabled,
                            [&platform] { platform.copyGraphicsToClipboard(); });
    separator(3);
    platform.appendMenuItem(3, "Pr&int Screen", MenuItemKind::Enabled,
                            [&platform] { platform.printGraphics(); });
    item(4, "&Preferences");
    platform.appendMenuItem(4, "&Color of the Graphs", MenuItemKind::Grayed, {});
    item(5, "&Information");
    platform.appendMenuItem(5, "&Windows Help", MenuItemKind::Enabled,
                            [&platform] { platform.showPlatformHelp(); });
    separator(5);
    platform.appendMenuItem(5, "&About", MenuItemKind::Enabled, [&platform] {
        platform.beep(100, 100);
        platform.showAbout();
    });
    platform.setAboutText(
        "This software is destined to the one-dimensional heat transfer study.\n\n"
        "Calorvia platform demo");
}

// A slab of length 0.1 m, k = 1, rho·cp = 1e6, source 2e4 W/m3, west at
// 300 and east at 350, starting at 300. Explicit steps of 2 s, well inside
// the stability limit (the boundary volumes' coefficient sum is 0.24).
struct SlabMarch {
    static constexpr int kVolumes = 20;
    static constexpr float kLength = 0.1f;
    std::vector<float> x;  // the west face, the volume centres, the east face
    std::vector<float> T;

    SlabMarch() : x(kVolumes + 2), T(kVolumes + 2, 300.0f) {
        const float dx = kLength / kVolumes;
        x[0] = 0.0f;
        for (int i = 1; i <= kVolumes; ++i)
            x[static_cast<std::size_t>(i)] = (static_cast<float>(i) - 0.5f) * dx;
        x[kVolumes + 1] = kLength;
        T[kVolumes + 1] = 350.0f;
    }

    void step(double dt) {
        const double dx = kLength / kVolumes, k = 1.0, rhoCp = 1.0e6, source = 2.0e4;
        std::vector<float> next = T;
        for (std::size_t i = 1; i <= kVolumes; ++i) {
            // Half a volume to a boundary face, a whole one between centres.
            const double west = (i == 1) ? dx / 2 : dx;
            const double east = (i == kVolumes) ? dx / 2 : dx;
            const double flux = k * (T[i - 1] - T[i]) / west + k * (T[i + 1] - T[i]) / east;
            next[i] = static_cast<float>(T[i] + dt * (flux + source * dx) / (rhoCp * dx));
        }
        T = next;
    }
};

void drawDemo(Platform& platform, const std::string& languageFile) {
    const auto size = platform.configureGraphicsWindow("1-Dimensional");
    platform.setBackgroundRgb(calorvia::platform::rgb(160, 160, 160));
    platform.clearScreen();
    const auto maximum = platform.frameMaximumSize();
    platform.setFrameSize({maximum.width * 89 / 100, maximum.height * 98 / 100});
    platform.maximizeFrame();
    platform.remapPalette(kProgramPalette);

    // The title, in black with a light copy beside it.
    const std::string_view titleFonts[] = {"t'Arial'h45w30i", "t'times new roman'h45"};
    calorvia::platform::selectFirstFont(platform, titleFonts);
    platform.setColorRgb(0x000000);
    platform.moveTo(40, 30);
    platform.outText("Calorvia");
    platform.setColorRgb(calorvia::platform::rgb(208, 208, 208));
    platform.moveTo(43, 33);
    platform.outText("Calorvia");

    const bool wide = size.width > 800;
    graphs::GraphPane pane(platform, std::filesystem::path(languageFile));
    graphs::GraphBoundaries boundaries;
    const std::string profileTitle = "Profile (Tab. LU)";
    const int profileX0 = wide ? 10 : -10, profileY0 = wide ? 250 : 150;

    SlabMarch slab;
    std::vector<float> times{0.0f}, middle{slab.T[SlabMarch::kVolumes / 2]};
    const double dt = 2.0;
    const int steps = 600;
    pane.scaleDefined = 0;
    pane.graphMode = graphs::kProfileGraph;
    const auto n = static_cast<std::int32_t>(slab.x.size() - 1);
    for (int s = 1; s <= steps; ++s) {
        slab.step(dt);
        times.push_back(static_cast<float>(s * dt));
        middle.push_back(slab.T[SlabMarch::kVolumes / 2]);
        if (s % 100 == 0) {
            pane.GRAF_2D(n, slab.x, slab.T, 12, profileX0, profileY0, "X", "T", profileTitle,
                         boundaries, graphs::kLinePlot);
        }
    }
    for (int s = 0; s < 60000; ++s) slab.step(dt);
    pane.GRAF_2D(n, slab.x, slab.T, 9, profileX0, profileY0, "X", "T", profileTitle, boundaries,
                 graphs::kLinePlot);
    platform.setColorIndex(0);
    platform.moveTo(profileX0 + 320, profileY0 + 120);
    platform.outText("Blue: steady state");

    // Temperature of the middle volume against time, every tenth value
    // marked.
    pane.scaleDefined = 0;
    pane.graphMode = graphs::kTimeGraph;
    const int timeX0 = wide ? 520 : 350, timeY0 = wide ? 180 : 80;
    pane.GRAF_2D(static_cast<std::int32_t>(times.size() - 1), times, middle, 12, timeX0, timeY0,
                 "t", "T", "Temperature versus time", boundaries, graphs::kLinePlot);
    std::vector<float> markTimes, markValues;
    for (std::size_t i = 0; i < times.size(); i += 60) {
        markTimes.push_back(times[i]);
        markValues.push_back(middle[i]);
    }
    pane.GRAF_2D(static_cast<std::int32_t>(markTimes.size() - 1), markTimes, markValues, 0, timeX0,
                 timeY0, "t", "T", "", boundaries, graphs::kDotsOverlay);
}

// Presses the default button of a template dialog once it is up.
void answerDialogs() {
    auto* dialog =
        qobject_cast<calorvia::platform_qt::TemplateDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (button->isDefault()) {
            button->click();
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calorvia"));
    bool interactive = false;
    int quitAfter = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--interactive") {
            interactive = true;
        } else if (argument == "--quit-after" && i + 1 < argc) {
            quitAfter = std::stoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--interactive] [--quit-after MILLISECONDS]\n",
                         argv[0]);
            return 2;
        }
    }

    // The graph pane keeps the interface language in a settings file; the
    // demo's lives in a folder of its own.
    QTemporaryDir settings;
    const std::string languageFile =
        settings.filePath(QString::fromUtf8(calorvia::settings::LanguageFileName)).toStdString();
    std::ofstream(languageFile) << " 2\n";

    calorvia::platform_qt::QtPlatform platform;
    buildMenus(platform);

    QTimer answerer;
    if (!interactive) {
        QObject::connect(&answerer, &QTimer::timeout, &app, answerDialogs);
        answerer.start(300);
    }
    // The window closes no sooner than the drawing is done: a worker still
    // waiting on a call carried to the GUI thread would never be answered
    // once the event loop has ended, and joining it would hang.
    std::atomic<bool> drawn{false};
    QTimer closer;
    if (quitAfter > 0) {
        QObject::connect(&closer, &QTimer::timeout, &app, [&] {
            if (drawn) platform.closeApplication();
        });
        QTimer::singleShot(quitAfter, &app, [&closer] { closer.start(50); });
    }
    std::thread worker([&] {
        drawDemo(platform, languageFile);
        drawn = true;
    });
    const int status = QApplication::exec();
    worker.join();
    return drawn ? status : 1;
}
