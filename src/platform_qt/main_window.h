#pragma once
// The main window: a menu bar of five menus over the graphics area.
//
// Menus are numbered 1..5. A menu stays out of the bar until its title (its
// item 0) is appended; later items are numbered in the order appended,
// separators included. Item commands run on the GUI thread.

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

#include "platform/platform.h"

class QAction;
class QMenu;
class QScrollArea;

namespace calorvia::platform_qt {

class Canvas;
class CanvasWidget;

class MainWindow : public QMainWindow {
public:
    static constexpr int kMenuCount = 5;

    explicit MainWindow(const Canvas& canvas);
    ~MainWindow() override;

    CanvasWidget& canvasWidget() { return *canvasWidget_; }

    // Menu `number` (1..5), or nullptr.
    QMenu* menu(int number) const;
    // Item `item` of menu `number`; item 0 is the menu's own entry in the
    // bar. nullptr when there is no such item.
    QAction* menuItem(int number, int item) const;
    int menuItemCount(int number) const;  // the title included

    void appendMenuItem(int number, const QString& text, platform::MenuItemKind kind,
                        platform::Command command);
    void setMenuItemText(int number, int item, const QString& text);
    void setMenuItemCommand(int number, int item, platform::Command command);
    void setMenuItemEnabled(int number, int item, bool enabled);

    // What closing the window from its title bar does instead of closing it;
    // without one the window closes and the application ends.
    void setCloseCommand(platform::Command command);
    // Closes the window without running the close command.
    void closeForGood();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Item {
        QAction* action = nullptr;
        std::shared_ptr<platform::Command> command;
    };
    struct Menu {
        QMenu* menu = nullptr;
        std::vector<Item> items;  // [0] the title
    };
    Item* item(int number, int index);

    QScrollArea* scrollArea_;
    CanvasWidget* canvasWidget_;
    std::array<Menu, kMenuCount> menus_;
    platform::Command closeCommand_;
    bool closingForGood_ = false;
};

}  // namespace calorvia::platform_qt
