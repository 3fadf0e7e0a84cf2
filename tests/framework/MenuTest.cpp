#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QtTest/QTest>
#include <ostream>
#include <string_view>
#include <tuple>

#include "framework/Application.h"
#include "framework/MenuBar.h"
#include "framework/PrefsMenuItem.h"
#include "framework/QuitMenuItem.h"
#include "framework/Runtime.h"
#include "framework/TextField.h"
#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

template <class T = MenuItem>
std::shared_ptr<T> Entry(const std::string& name, const std::string& text,
                         const std::string& shortcut = "") {
    auto item = std::make_shared<T>();
    item->Constructor();
    item->Name(name);
    item->AutoEnabled(true);
    item->Text(text);
    item->Visible(true);
    if (text != "-") item->Shortcut(shortcut);
    return item;
}

std::shared_ptr<MenuBar> SmallBar() {
    auto bar = std::make_shared<MenuBar>();
    bar->AddMenu(Entry("FileMenu", "&File"));
    bar->Child("FileMenu")->AddMenu(Entry<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
    bar->Child("FileMenu")->AddMenu(Entry<PrefsMenuItem>("AboutItem", "About"));
    bar->AddMenu(Entry("EditMenu", "&Edit"));
    bar->Child("EditMenu")->AddMenu(Entry("EditCopy", "&Copy", "Cmd+C"));
    bar->Child("EditMenu")->AddMenu(Entry("UntitledMenu0", "-"));
    bar->Child("EditMenu")->AddMenu(Entry("EditSelectAll", "Select &All", "Cmd+A"));
    bar->AddMenu(Entry("InfoMenu", "Window"));
    bar->Child("InfoMenu")->AddMenu(Entry("InfoItem", "Info"));
    return bar;
}

QAction* ActionFor(Window& window, const QString& text) {
    for (auto* action : window.NativeWindow()->findChildren<QAction*>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

// As when the user opens the menu at that place in the window's menu bar.
void OpenMenu(Window& window, int index) {
    emit static_cast<QMainWindow*>(window.NativeWindow())
        ->menuBar()
        ->actions()[index]
        ->menu()
        ->aboutToShow();
}

class MenuTest : public GuiTest {
  protected:
    std::shared_ptr<TestWindow> MakeWindowWithBar(std::function<void(Window&)> handlers = {}) {
        return MakeTestWindow([this, handlers](TestWindow& w) {
            w.onLayout = [this](TestWindow& self) { self.MenuBar(bar_); };
            w.onCreateControls = [](TestWindow& self) {
                auto field = self.New<TextField>();
                field->Constructor();
                self.AddControl("field", field);
                SetProperties(*field, PropertyRecord{Text("Name", "field"), Int("Width", 80),
                                                     Int("Height", 22), Bool("TabStop", true)});
            };
            w.onAddMenuHandlers = handlers;
        });
    }
    std::shared_ptr<MenuBar> bar_ = SmallBar();
};

TEST_F(MenuTest, TheTreeIsShownAsTheWindowsMenuBar) {
    auto window = MakeWindowWithBar();
    auto* qtBar = static_cast<QMainWindow*>(window->NativeWindow())->menuBar();
    auto menus = qtBar->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&File");
    // A title without an access key of its own gets its first letter that is free.
    EXPECT_EQ(menus[2]->text(), "&Window");
    EXPECT_EQ(window->MenuItemByName<MenuItem>("InfoMenu")->Text(), "Window");
    auto edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 3);
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_EQ(edit[2]->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(menus[0]->menu()->actions()[0]->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_TRUE(menus[0]->menu()->actions()[1]->shortcut().isEmpty());
    EXPECT_EQ(window->MenuItemByName<QuitMenuItem>("FileQuit")->Text(), "&Quit");
    EXPECT_THROW(window->MenuItemByName<QuitMenuItem>("InfoItem"), TypeCastException);
}

TEST_F(MenuTest, ATitleWhoseFirstLetterIsTakenGetsItsNextFreeOne) {
    bar_ = std::make_shared<MenuBar>();
    for (const auto& [name, title] :
         {std::pair{"FileMenu", "&File"}, {"FormatMenu", "Format"}, {"FooMenu", "Foo"}}) {
        bar_->AddMenu(Entry(name, title));
        bar_->Child(name)->AddMenu(Entry(std::string(name) + "Item", "Item"));
    }
    auto window = MakeWindowWithBar();
    auto menus = static_cast<QMainWindow*>(window->NativeWindow())->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "F&ormat");
    EXPECT_EQ(menus[2]->text(), "Foo");
}

TEST_F(MenuTest, ACommandReachesOnlyTheHandlerRegisteredUnderItsExactName) {
    std::vector<std::string> calls;
    auto window = MakeWindowWithBar([&calls](Window& w) {
        w.AddMenuHandler("InfoItem", [&calls] {
            calls.push_back("InfoItem");
            return true;
        });
        w.AddMenuHandler("infoitem", [&calls] {
            calls.push_back("infoitem");
            return true;
        });
        w.AddMenuHandler("InfoItem ", [&calls] {
            calls.push_back("InfoItem ");
            return true;
        });
    });
    ActionFor(*window, "Info")->trigger();
    EXPECT_EQ(calls, std::vector<std::string>{"InfoItem"});
    EXPECT_EQ(window->MenuHandlerNames(),
              (std::vector<std::string>{"InfoItem", "infoitem", "InfoItem "}));
}

TEST_F(MenuTest, AutoEnablingFollowsHandlersAndDefaults) {
    auto window =
        MakeWindowWithBar([](Window& w) { w.AddMenuHandler("InfoItem", [] { return true; }); });
    OpenMenu(*window, 0);
    EXPECT_TRUE(ActionFor(*window, "Info")->isEnabled()) << "has a handler";
    EXPECT_TRUE(ActionFor(*window, "&Quit")->isEnabled()) << "quits by default";
    EXPECT_FALSE(ActionFor(*window, "About")->isEnabled()) << "no handler, no default";
    EXPECT_FALSE(ActionFor(*window, "&Copy")->isEnabled()) << "nothing selected";
}

// The Edit menu, opened with the mouse (the field keeps the focus) or with Alt+E (the
// menu bar takes it), offers and does the same to the field that had the focus.
enum class OpenedBy { Mouse, Keyboard };

struct EditRow {
    const char* name;
    const char* text;
    int selectFrom;  // with selectLength, what is selected before the menu opens
    int selectLength;
    const char* item;
    const char* textAfter;
    const char* selectedAfter;
    const char* clipboardAfter;  // the clipboard holds "clip" before
};

const EditRow kEditRows[] = {
    {"SelectAll", "123", 0, 0, "Select &All", "123", "123", "clip"},
    {"CopySelection", "123", 1, 2, "&Copy", "123", "23", "23"},
    {"CutSelection", "123", 0, 3, "Cu&t", "", "", "123"},
    {"DeleteSelection", "123", 0, 3, "&Delete", "", "", "clip"},
    {"PasteOverSelection", ".0025", 0, 5, "&Paste", "clip", "", "clip"},
    {"UndoAfterTyping", "", 0, 0, "&Undo", "", "", "clip"},
};

void PrintTo(const EditRow& row, std::ostream* out) { *out << row.name; }

class EditMenuTest : public MenuTest,
                     public testing::WithParamInterface<std::tuple<EditRow, OpenedBy>> {};

TEST_P(EditMenuTest, ActsOnTheFieldAsFromTheMouse) {
    const auto& [row, openedBy] = GetParam();
    for (const auto& [name, text] : {std::pair{"EditUndo", "&Undo"},
                                     {"EditCut", "Cu&t"},
                                     {"EditPaste", "&Paste"},
                                     {"EditClear", "&Delete"}}) {
        bar_->Child("EditMenu")->AddMenu(Entry(name, text));
    }
    auto window = MakeWindowWithBar();
    auto* edit = window->NativeWindow()->findChild<QLineEdit*>("field");
    QApplication::setActiveWindow(window->NativeWindow());
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QApplication::clipboard()->setText("clip");
    if (std::string_view(row.item) == "&Undo") {
        QTest::keyClicks(edit, "12");
    } else {
        edit->setText(row.text);
        edit->setSelection(row.selectFrom, row.selectLength);
    }
    if (openedBy == OpenedBy::Keyboard) {
        // What Alt does: the menu bar takes the focus until the menu closes.
        auto* qtBar = static_cast<QMainWindow*>(window->NativeWindow())->menuBar();
        qtBar->setFocus(Qt::MenuBarFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), qtBar);
    }
    OpenMenu(*window, 1);
    auto* action = ActionFor(*window, row.item);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled()) << "offered with the mouse, so from the keyboard too";
    action->trigger();
    EXPECT_EQ(edit->text().toStdString(), row.textAfter);
    EXPECT_EQ(edit->selectedText().toStdString(), row.selectedAfter);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), row.clipboardAfter);
    QApplication::clipboard()->clear();
}

INSTANTIATE_TEST_SUITE_P(Rows, EditMenuTest,
                         testing::Combine(testing::ValuesIn(kEditRows),
                                          testing::Values(OpenedBy::Mouse, OpenedBy::Keyboard)),
                         [](const testing::TestParamInfo<EditMenuTest::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == OpenedBy::Mouse
                                         ? "FromTheMouse"
                                         : "FromTheKeyboard");
                         });

// Counts every look at its contents, as a clipboard owned by another program would
// answer them: slowly, or never when that program has stopped.
class WatchedClipboardData : public QMimeData {
  public:
    explicit WatchedClipboardData(std::shared_ptr<int> reads) : reads_(std::move(reads)) {
        setText("5");
    }

  protected:
    QStringList formats() const override {
        ++*reads_;
        return QMimeData::formats();
    }
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        ++*reads_;
        return QMimeData::retrieveData(mimeType, type);
    }

  private:
    std::shared_ptr<int> reads_;
};

TEST_F(MenuTest, PasteIsOfferedWithoutReadingTheClipboardAndStillPastes) {
    bar_->Child("EditMenu")->AddMenu(Entry("EditPaste", "&Paste", "Cmd+V"));
    auto window = MakeWindowWithBar();
    auto* edit = window->NativeWindow()->findChild<QLineEdit*>("field");
    auto reads = std::make_shared<int>(0);
    QApplication::clipboard()->setMimeData(new WatchedClipboardData(reads));
    QApplication::setActiveWindow(window->NativeWindow());
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    OpenMenu(*window, 1);
    EXPECT_EQ(*reads, 0) << "a focus change or an opening menu read the clipboard";
    auto* paste = ActionFor(*window, "&Paste");
    EXPECT_TRUE(paste->isEnabled());
    paste->trigger();
    EXPECT_EQ(edit->text(), "5");
    QApplication::clipboard()->clear();
}

TEST_F(MenuTest, AnUnhandledHandlerFallsBackToTheDefault) {
    auto window =
        MakeWindowWithBar([](Window& w) { w.AddMenuHandler("FileQuit", [] { return false; }); });
    ActionFor(*window, "&Quit")->trigger();
    EXPECT_TRUE(IsQuitting());
}

TEST_F(MenuTest, TheQuitDefaultEndsTheEventLoopWithStatusZero) {
    auto window = MakeWindowWithBar();
    QTimer::singleShot(0, [&] { ActionFor(*window, "&Quit")->trigger(); });
    RuntimeRun();
    EXPECT_TRUE(IsQuitting());
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST_F(MenuTest, AWindowWithoutMenuBarStillTakesTheApplicationsShortcuts) {
    auto application = std::make_shared<Application>();
    application->MenuBar(bar_);
    RuntimeRegisterAppObject(application);
    auto window = MakeTestWindow();
    auto* quit = ActionFor(*window, "&Quit");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence("Ctrl+Q"));
    quit->trigger();
    EXPECT_TRUE(IsQuitting());
}

}  // namespace
