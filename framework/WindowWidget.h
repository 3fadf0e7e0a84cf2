#pragma once

#include <QMainWindow>
#include <memory>
#include <utility>
#include <vector>

class MenuBar;
class MenuItem;
class QAction;
class Window;

// The Qt window behind a Window: passes its close box, mouse presses and key presses
// to the window's events, and shows the window's menu bar.
class WindowWidget : public QMainWindow {
  public:
    WindowWidget();

    void SetOwner(std::weak_ptr<Window> owner) { owner_ = std::move(owner); }

    // Builds the Qt menus for the tree; with visible false only the shortcuts work.
    void InstallMenus(const std::shared_ptr<MenuBar>& bar, bool visible);
    // Enables each auto-enabled entry exactly when a handler or a default applies.
    void RefreshMenuEnabling();

    QWidget* Content() const { return centralWidget(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void AddEntries(QWidget& parent, const std::shared_ptr<MenuItem>& menu, bool visible);
    QAction* MakeAction(const std::shared_ptr<MenuItem>& item);

    std::weak_ptr<Window> owner_;
    std::vector<std::pair<QAction*, std::shared_ptr<MenuItem>>> actions_;
};
