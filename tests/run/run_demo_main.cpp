// calorvia-run-demo FOLDER: the desktop program wired exactly as calorvia is,
// which after start-up puts a prepared transient case in place, chooses Begin
// Simulation and answers the dialogs itself (OK to the scales, Yes to the
// steady state, the node graph with the experimental points of FOLDER/Exp.txt,
// No to opening the files). It leaves the finished run on screen; used to
// take the picture of a transient run for the documentation.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "app/application.h"
#include "platform/dialog_templates.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"
#include "shell/shell.h"
#include "simulation/case_writer.h"
#include "run/simulation_run.h"

namespace {

using namespace calorvia;

// Lx = 1, N = 20, K = Rho = Cp = 1, Ti = 20, 50 steps of 0.01, node 5;
// 380 at the west face, convection to 20 (h = 5) at the east face.
simulation::CaseFileContent demoCase() {
    simulation::CaseFileContent c;
    c.Lx = {"1", 1.0};
    c.N = 20;
    c.K = "1";
    c.Sc = "0";
    c.Sp = "0";
    c.state = simulation::CaseState::Unsteady;
    c.method = simulation::SolutionMethod::TabLU;
    c.Ti = "20";
    c.Rho = "1";
    c.Cp = "1";
    c.Delt_t = {"0.01", 0.01};
    c.Nst = 50;
    c.No = 5;
    using simulation::BoundaryType;
    c.west = {.T = "380", .condition = {.type = BoundaryType::Temperature, .T = 380.0}};
    c.east = {.h = "5",
              .Tinf = "20",
              .condition = {.type = BoundaryType::Convection, .h = 5.0, .Tinf = 20.0}};
    c.u = {"0", 0.0};
    return c;
}

void answer(QWidget* modal) {
    namespace graph = platform::unsteady_graph_dialog;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const bool steadyQuestion = box->text().contains(QStringLiteral("steady state?"));
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        QAbstractButton* no = box->button(QMessageBox::No);
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        (steadyQuestion && yes ? yes : (no ? no : ok))->click();
        return;
    }
    auto* dialog = qobject_cast<platform_qt::TemplateDialog*>(modal);
    if (!dialog) return;
    if (dialog->templateNumber() == graph::kTemplate) {
        if (auto* node = qobject_cast<QRadioButton*>(dialog->control(graph::kNodeRadio))) {
            node->click();
        }
        if (auto* check = qobject_cast<QCheckBox*>(dialog->control(graph::kExperimentalCheck))) {
            if (!check->isChecked()) check->click();
        }
    }
    if (auto* ok = qobject_cast<QPushButton*>(dialog->control(platform::kButtonOk))) ok->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: calorvia-run-demo FOLDER\n", stderr);
        return 2;
    }
    std::filesystem::current_path(argv[1]);

    platform_qt::QtPlatform platform;
    run::RunOptions options;
    options.savedCasePath = [] { return std::string("cases/Heated slab.txt"); };
    app::Application application(platform, shell::DataFolders({CALORVIA_DATA_DIR}), options);
    shell::Shell& shell = application.shell();

    std::atomic<bool> stop{false};
    std::thread mainThread([&] {
        if (!shell.startUp()) return;
        simulation::writeCaseFile("Loaded.txt", demoCase(), simulation::CaseFileLayout::Working);
        shell.beginSimulation();
        shell.idleLoop([&] { return !stop.load() && !platform.closed(); });
    });
    QTimer user;
    user.setInterval(150);
    QObject::connect(&user, &QTimer::timeout, [] { answer(QApplication::activeModalWidget()); });
    user.start();

    const int status = QApplication::exec();
    stop = true;
    shell.state().requestCancel();
    mainThread.join();
    return status;
}
