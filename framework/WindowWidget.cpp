#include "framework/WindowWidget.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSet>
#include <optional>
#include <vector>

#include "framework/EditTarget.h"
#include "framework/KeyMapping.h"
#include "framework/MenuBar.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace {

// Shortcut texts name the command modifier "Cmd"; it is Ctrl here, so "Cmd+Q" is
// Ctrl+Q.
QKeySequence ShortcutFor(const std::string& text) {
    auto shortcut = QString::fromStdString(text);
    if (shortcut.startsWith(QStringLiteral("Cmd+"))) {
        shortcut.replace(0, 3, QStringLiteral("Ctrl"));
    }
    return QKeySequence(shortcut);
}

// A command goes to the handler that the window registered under the entry's name;
// with none, or one that did not handle it, to the entry's default.
void Route(const std::shared_ptr<MenuItem>& item, const std::weak_ptr<Window>& front) {
    auto window = front.lock();
    if (window && !window->IsClosed() && window->InvokeMenuHandler(item->Name())) {
        return;
    }
    item->DefaultAction();
}

// The access key that "&" marks in a caption; none where it marks none ("&&" is an "&").
std::optional<QChar> AccessKeyOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return std::nullopt;
}

// The menus' titles as the bar shows them. A title that marks no access key still opens
// with Alt and a letter, as its neighbours do: its first letter that no other title takes.
std::vector<QString> TitlesWithAccessKeys(const MenuItem& bar) {
    std::vector<QString> titles;
    QSet<QChar> taken;
    for (std::size_t i = 0; i < bar.Count(); ++i) {
        titles.push_back(QString::fromStdString(bar.Item(i)->Text()));
        if (auto key = AccessKeyOf(titles.back())) {
            taken.insert(*key);
        }
    }
    for (auto& title : titles) {
        if (title.contains(QLatin1Char('&'))) {
            continue;  // it marks its own access key, or writes an "&" as it means to
        }
        for (qsizetype i = 0; i < title.size(); ++i) {
            if (title[i].isLetterOrNumber() && !taken.contains(title[i].toLower())) {
                taken.insert(title[i].toLower());
                title.insert(i, QLatin1Char('&'));
                break;
            }
        }
    }
    return titles;
}

}  // namespace

WindowWidget::WindowWidget() {
    setCentralWidget(new QWidget);
    // A click on a caption, a picture or a button must leave the focus where it is; key
    // presses still come to the window when none of its controls has the focus.
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        NoteFocusChange(old, now);
        RefreshMenuEnabling();
    });
}

QAction* WindowWidget::MakeAction(const std::shared_ptr<MenuItem>& item) {
    auto* action = new QAction(QString::fromStdString(item->Text()), this);
    if (item->ShortcutSet() && !item->Shortcut().empty()) {
        action->setShortcut(ShortcutFor(item->Shortcut()));
    }
    action->setVisible(item->Visible());
    std::weak_ptr<MenuItem> weakItem = item;
    connect(action, &QAction::triggered, this, [this, weakItem] {
        if (auto entry = weakItem.lock()) {
            CallSystemCode([&] { Route(entry, owner_); });
        }
    });
    actions_.emplace_back(action, item);
    return action;
}

void WindowWidget::AddEntries(QWidget& parent, const std::shared_ptr<MenuItem>& menu,
                              bool visible) {
    const bool menuBar = qobject_cast<QMenuBar*>(&parent) != nullptr;
    const auto titles = menuBar ? TitlesWithAccessKeys(*menu) : std::vector<QString>();
    for (std::size_t i = 0; i < menu->Count(); ++i) {
        auto entry = menu->Item(i);
        if (entry->Count() > 0) {
            auto* submenu =
                new QMenu(menuBar ? titles[i] : QString::fromStdString(entry->Text()), &parent);
            submenu->menuAction()->setVisible(entry->Visible());
            connect(submenu, &QMenu::aboutToShow, this, [this] { RefreshMenuEnabling(); });
            AddEntries(*submenu, entry, visible);
            parent.addAction(submenu->menuAction());
            if (!visible) {
                // Shortcuts of a hidden tree must live on the window itself to work.
                for (auto* action : submenu->actions()) {
                    addAction(action);
                }
            }
        } else if (entry->IsSeparator()) {
            auto* separator = new QAction(&parent);
            separator->setSeparator(true);
            parent.addAction(separator);
        } else {
            parent.addAction(MakeAction(entry));
        }
    }
}

void WindowWidget::InstallMenus(const std::shared_ptr<MenuBar>& bar, bool visible) {
    for (auto& [action, item] : actions_) {
        delete action;
    }
    actions_.clear();
    if (!bar) {
        setMenuBar(nullptr);
        return;
    }
    if (visible) {
        auto* qtBar = new QMenuBar;
        AddEntries(*qtBar, bar, true);
        setMenuBar(qtBar);
    } else {
        auto* holder = new QMenu(this);
        AddEntries(*holder, bar, false);
    }
    RefreshMenuEnabling();
}

void WindowWidget::RefreshMenuEnabling() {
    auto window = owner_.lock();
    for (auto& [action, item] : actions_) {
        if (!item->AutoEnabled()) {
            continue;
        }
        const bool handled = window && window->HasMenuHandler(item->Name());
        action->setEnabled(handled || item->DefaultActionApplies());
    }
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->accept();
    if (auto window = owner_.lock()) {
        CallSystemCode([&] { window->Close(); });
    }
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    auto window = owner_.lock();
    if (!window) {
        QMainWindow::mousePressEvent(event);
        return;
    }
    const auto position = Content()->mapFrom(this, event->position().toPoint());
    bool handled = false;
    CallSystemCode([&] { handled = window->Event_MouseDown(position.x(), position.y()); });
    if (!handled) {
        QMainWindow::mousePressEvent(event);
    }
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    auto window = owner_.lock();
    auto key = KeyTextFor(*event);
    if (!window || !key) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    bool handled = false;
    CallSystemCode([&] { handled = window->Event_KeyDown(*key); });
    if (!handled) {
        QMainWindow::keyPressEvent(event);
    }
}
