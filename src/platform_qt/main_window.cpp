#include "platform_qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

#include "platform_qt/canvas_widget.h"

namespace calorvia::platform_qt {
namespace {

// A command runs from a copy: it may replace its own item's command (the
// Simulation menu's first item does), which must not destroy the function
// that is running.
void runCommand(const std::shared_ptr<platform::Command>& command) {
    const platform::Command copy = *command;
    if (copy) copy();
}

}  // namespace

MainWindow::MainWindow(const Canvas& canvas) {
    setObjectName(QStringLiteral("calorviaMainWindow"));
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setBackgroundRole(QPalette::Dark);
    canvasWidget_ = new CanvasWidget(canvas, scrollArea_);
    scrollArea_->setWidget(canvasWidget_);
    setCentralWidget(scrollArea_);

    // All five menus are in the bar from the start, in their order, hidden
    // until titled, so titling them in any order keeps that order.
    for (int number = 1; number <= kMenuCount; ++number) {
        auto& entry = menus_[static_cast<std::size_t>(number - 1)];
        entry.menu = menuBar()->addMenu(QString());
        entry.menu->setObjectName(QStringLiteral("calorviaMenu%1").arg(number));
        entry.menu->menuAction()->setVisible(false);
    }
}

MainWindow::~MainWindow() = default;

QMenu* MainWindow::menu(int number) const {
    if (number < 1 || number > kMenuCount) return nullptr;
    return menus_[static_cast<std::size_t>(number - 1)].menu;
}

MainWindow::Item* MainWindow::item(int number, int index) {
    if (number < 1 || number > kMenuCount || index < 0) return nullptr;
    auto& items = menus_[static_cast<std::size_t>(number - 1)].items;
    if (static_cast<std::size_t>(index) >= items.size()) return nullptr;
    return &items[static_cast<std::size_t>(index)];
}

QAction* MainWindow::menuItem(int number, int index) const {
    if (index < 0 || index >= menuItemCount(number)) return nullptr;
    return menus_[static_cast<std::size_t>(number - 1)]
        .items[static_cast<std::size_t>(index)]
        .action;
}

int MainWindow::menuItemCount(int number) const {
    if (number < 1 || number > kMenuCount) return 0;
    return static_cast<int>(menus_[static_cast<std::size_t>(number - 1)].items.size());
}

void MainWindow::appendMenuItem(int number, const QString& text, platform::MenuItemKind kind,
                                platform::Command command) {
    if (number < 1 || number > kMenuCount) return;
    auto& entry = menus_[static_cast<std::size_t>(number - 1)];
    Item added;
    added.command = std::make_shared<platform::Command>(std::move(command));
    if (entry.items.empty()) {
        // The first item is the title; it takes no command.
        added.action = entry.menu->menuAction();
        entry.menu->setTitle(text);
        added.action->setVisible(true);
        entry.items.push_back(std::move(added));
        return;
    }
    if (kind == platform::MenuItemKind::Separator) {
        added.action = entry.menu->addSeparator();
    } else {
        added.action = entry.menu->addAction(text);
        added.action->setEnabled(kind == platform::MenuItemKind::Enabled);
        connect(added.action, &QAction::triggered, this,
                [command = added.command] { runCommand(command); });
    }
    entry.items.push_back(std::move(added));
}

void MainWindow::setMenuItemText(int number, int index, const QString& text) {
    Item* found = item(number, index);
    if (!found) return;
    if (index == 0) {
        menu(number)->setTitle(text);
    } else {
        found->action->setText(text);
    }
}

void MainWindow::setMenuItemCommand(int number, int index, platform::Command command) {
    Item* found = item(number, index);
    if (!found || index == 0) return;
    *found->command = std::move(command);
}

void MainWindow::setMenuItemEnabled(int number, int index, bool enabled) {
    if (index == 0) {
        // The whole menu, whether or not its title was appended yet.
        if (QMenu* whole = menu(number)) whole->menuAction()->setEnabled(enabled);
        return;
    }
    if (Item* found = item(number, index)) found->action->setEnabled(enabled);
}

void MainWindow::setCloseCommand(platform::Command command) {
    closeCommand_ = std::move(command);
}

void MainWindow::closeForGood() {
    closingForGood_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeCommand_ && !closingForGood_) {
        event->ignore();
        const platform::Command copy = closeCommand_;
        copy();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace calorvia::platform_qt
