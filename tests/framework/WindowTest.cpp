#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QtTest/QTest>
#include <optional>
#include <thread>
#include <type_traits>

#include <QAccessible>
#include <QLabel>

#include "framework/Application.h"
#include "framework/Label.h"
#include "framework/MenuBar.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

class WindowTest : public GuiTest {};

TEST_F(WindowTest, ConstructionEventsHaveRunWhenConstructorReturns) {
    auto window = MakeTestWindow();
    EXPECT_EQ(window->log,
              (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers"}));
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Title(), "Test");
}

TEST_F(WindowTest, RecordDecidesWhetherTheNewWindowShows) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.record = PropertyRecord{Int("Width", 100), Int("Height", 50), Bool("Visible", false)};
    });
    EXPECT_FALSE(window->Visible());
    window->Show();
    EXPECT_TRUE(window->Visible());
}

TEST_F(WindowTest, ShowBringsAMinimisedWindowBack) {
    auto window = MakeTestWindow();
    auto* qtWindow = window->NativeWindow();
    qtWindow->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(qtWindow->isMinimized());
    window->Show();
    EXPECT_FALSE(qtWindow->isMinimized());
    EXPECT_TRUE(window->Visible());
}

// The first placement centres the window on the screen's available area; one larger
// than that area keeps its top-left corner, with the title bar and menu bar, on it.
struct PlacementCase {
    const char* label;
    int widthBeyondScreen, heightBeyondScreen;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.label; }

class WindowPlacement : public GuiTest, public testing::WithParamInterface<PlacementCase> {};

TEST_P(WindowPlacement, CentresTheWindowAndKeepsItsTopLeftOnTheScreen) {
    const auto available = QGuiApplication::primaryScreen()->availableGeometry();
    const auto& c = GetParam();
    auto window = MakeTestWindow([&](TestWindow& w) {
        w.record = PropertyRecord{Int("Width", available.width() + c.widthBeyondScreen),
                                  Int("Height", available.height() + c.heightBeyondScreen),
                                  Bool("Resizeable", false), Bool("Visible", true)};
    });
    const auto frame = window->NativeWindow()->frameGeometry();
    EXPECT_GE(frame.left(), available.left());
    EXPECT_GE(frame.top(), available.top());
    if (c.widthBeyondScreen < 0) {
        EXPECT_LE(std::abs(frame.center().x() - available.center().x()), 2);
    }
    if (c.heightBeyondScreen < 0) {
        EXPECT_LE(std::abs(frame.center().y() - available.center().y()), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WindowPlacement,
                         testing::Values(PlacementCase{"Fits", -200, -200},
                                         PlacementCase{"TooWide", 300, -200},
                                         PlacementCase{"TooTall", -200, 300},
                                         PlacementCase{"TooLarge", 500, 500}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(WindowTest, ContentAreaHasTheRecordsSizeAndAFixedWindowCannotResize) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.record = PropertyRecord{Int("Width", 600), Int("Height", 480), Bool("Resizeable", false),
                                  Bool("Visible", true)};
    });
    EXPECT_EQ(window->ContentWidget()->size(), QSize(600, 480));
    auto* qtWindow = window->NativeWindow();
    EXPECT_EQ(qtWindow->minimumSize(), qtWindow->maximumSize());
    EXPECT_FALSE(qtWindow->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, SingleInstanceSurvivesHideAndIsGoneAfterClose) {
    auto window = MakeTestWindow();
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), window);
    window->Hide();
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), window);
    window->Close();
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), nullptr);
    EXPECT_TRUE(window->IsClosed());
    EXPECT_THROW(window->Show(), NilObjectException);
}

TEST_F(WindowTest, AFailingConstructionEventLeavesNoInstance) {
    EXPECT_THROW(MakeTestWindow([](TestWindow& w) {
                     w.onCreateControls = [](TestWindow&) { throw RuntimeException("boom"); };
                 }),
                 RuntimeException);
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), nullptr);
    EXPECT_TRUE(OpenWindows().empty());
}

// An event raised while the window is being constructed closes it. Construction stops
// there: the closed window is neither registered nor shown, and the next instance of its
// class is a new window. With an application menu bar, construction would go on to
// install its shortcuts.
struct ClosedInConstructionCase {
    const char* label;
    std::function<void(TestWindow&)> closeDuring;
    bool applicationMenuBar;
};
void PrintTo(const ClosedInConstructionCase& c, std::ostream* os) { *os << c.label; }

class WindowClosedInConstruction : public GuiTest,
                                   public testing::WithParamInterface<ClosedInConstructionCase> {};

TEST_P(WindowClosedInConstruction, StopsThereAndTheNextInstanceIsNew) {
    if (GetParam().applicationMenuBar) {
        auto bar = std::make_shared<MenuBar>();
        auto menu = std::make_shared<MenuItem>();
        menu->Text("&File");
        auto item = std::make_shared<MenuItem>();
        item->Text("&Quit");
        item->Shortcut("Cmd+Q");
        menu->AddMenu(item);
        bar->AddMenu(menu);
        auto application = std::make_shared<Application>();
        application->MenuBar(bar);
        RuntimeRegisterAppObject(application);
    }
    auto keep = MakeTestWindow({}, "Other.Other");
    auto closed = MakeTestWindow(GetParam().closeDuring);
    EXPECT_TRUE(closed->IsClosed());
    EXPECT_FALSE(closed->Visible());
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), nullptr);
    EXPECT_EQ(OpenWindows(), std::vector<std::shared_ptr<Window>>{keep});
    EXPECT_THROW(closed->New<TextField>(), NilObjectException);

    auto next = ImplicitInstance<TestWindow>("TestWindow.TestWindow");
    EXPECT_NE(next, closed);
    EXPECT_FALSE(next->IsClosed());
    EXPECT_TRUE(next->Visible());
}

const auto kCloseInLayout = [](TestWindow& w) {
    w.onLayout = [](TestWindow& self) { self.Close(); };
};
const auto kCloseInOpen = [](TestWindow& w) {
    w.onCreateControls = [](TestWindow& self) {
        self.AddNewControl<TextArea>("area")->Open.Attach([&self](TextArea&) { self.Close(); });
        self.AddNewControl<TextArea>("later");
    };
};
const auto kCloseInMenuHandlers = [](TestWindow& w) {
    w.onAddMenuHandlers = [](Window& self) { self.Close(); };
};

INSTANTIATE_TEST_SUITE_P(
    Table, WindowClosedInConstruction,
    testing::Values(ClosedInConstructionCase{"Layout", kCloseInLayout, false},
                    ClosedInConstructionCase{"LayoutWithApplicationMenuBar", kCloseInLayout, true},
                    ClosedInConstructionCase{"ControlOpen", kCloseInOpen, false},
                    ClosedInConstructionCase{"ControlOpenWithApplicationMenuBar", kCloseInOpen,
                                             true},
                    ClosedInConstructionCase{"AddMenuHandlersWithApplicationMenuBar",
                                             kCloseInMenuHandlers, true}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(WindowTest, CloseRaisesCloseOnceAndTheLastWindowEndsTheApplication) {
    auto first = MakeTestWindow({}, "First.First");
    auto second = MakeTestWindow({}, "Second.Second");
    second->Hide();
    first->Close();
    first->Close();
    EXPECT_EQ(std::count(first->log.begin(), first->log.end(), "Close"), 1);
    // A hidden window still counts as one of the application's windows.
    EXPECT_FALSE(IsQuitting());
    second->Close();
    EXPECT_TRUE(IsQuitting());
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST_F(WindowTest, TheCloseBoxClosesTheWindow) {
    auto window = MakeTestWindow();
    auto keep = MakeTestWindow({}, "Other.Other");
    window->NativeWindow()->close();
    EXPECT_TRUE(window->IsClosed());
    EXPECT_EQ(window->log.back(), "Close");
    EXPECT_FALSE(IsQuitting());
}

// Only a window makes its controls: one made otherwise would never hear its widget.
static_assert(!std::is_default_constructible_v<ControlKey>);
static_assert(!std::is_constructible_v<TextField, Window&>);

TEST_F(WindowTest, ControlsAreFoundByNameWithACheckedClass) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.onCreateControls = [](TestWindow& self) {
            auto field = self.New<TextField>();
            field->Constructor();
            self.AddControl("kFld", field);
        };
    });
    auto field = window->ControlByName<TextField>("kFld");
    EXPECT_EQ(field->Name(), "kFld");
    EXPECT_EQ(field->ownerWindow(), window);
    EXPECT_EQ(window->ControlByName("missing"), nullptr);
    EXPECT_THROW(window->ControlByName<Label>("kFld"), TypeCastException);
    EXPECT_THROW(window->ControlByName<TextField>("missing"), NilObjectException);
}

TEST_F(WindowTest, ARecordOnAControlNamesItsWidgetForAccessibilityTools) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.onCreateControls = [](TestWindow& self) {
            auto field = self.New<TextField>();
            field->Constructor();
            self.AddControl("nFld", field);
            SetProperties(*field,
                          PropertyRecord{Text("Name", "nFld"), Int("Left", 5), Int("Top", 6),
                                         Int("Width", 80), Int("Height", 22), Text("Text", "42")});
        };
    });
    auto* edit = window->NativeWindow()->findChild<QLineEdit*>("nFld");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(), QRect(5, 6, 80, 22));
    EXPECT_EQ(edit->text(), "42");
    EXPECT_THROW(SetProperties(*window->ControlByName<TextField>("nFld"),
                               PropertyRecord{Text("Caption", "x")}),
                 RuntimeException);
}

// A screen reader announces a text field by its caption, the nearest label to its left on
// its row, in the caption's own words; after construction too, as controls are added,
// moved or retitled. A name given explicitly wins.
struct CaptionCase {
    const char* label;
    std::function<void(TestWindow&)> after;
    std::vector<std::pair<std::string, std::string>> names;
};
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.label; }

class FieldCaptions : public GuiTest, public testing::WithParamInterface<CaptionCase> {
  public:
    static PropertyRecord Placed(const std::string& name, int left, int top, int width) {
        return PropertyRecord{Text("Name", name), Int("Left", left), Int("Top", top),
                              Int("Width", width), Int("Height", 22)};
    }
    static void AddLabel(Window& w, const std::string& name, int top, const std::string& text) {
        auto label = w.AddNewControl<Label>(name, Placed(name, 10, top, 100));
        SetProperties(*label, PropertyRecord{Text("Text", text)});
    }
};

TEST_P(FieldCaptions, NameEachFieldByTheCaptionOnItsRow) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.onCreateControls = [](TestWindow& self) {
            AddLabel(self, "saveLabel", 10, "Save & Go:");
            self.AddNewControl<TextField>("a", Placed("a", 120, 10, 60));
            self.AddNewControl<TextField>("b", Placed("b", 190, 10, 60));
            AddLabel(self, "otherLabel", 50, "Other:");
        };
    });
    if (GetParam().after) GetParam().after(*window);
    for (const auto& [field, name] : GetParam().names) {
        auto* widget = window->ControlByName<TextField>(field)->NativeWidget();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                  QString::fromStdString(name))
            << field;
    }
    // A caption is only text: no "&" mnemonic, no Alt+letter taken from the window.
    auto* caption = window->NativeWindow()->findChild<QLabel*>("saveLabel");
    EXPECT_EQ(caption->buddy(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FieldCaptions,
    testing::Values(CaptionCase{"TwoFieldsShareTheirRowsCaption",
                                {},
                                {{"a", "Save & Go:"}, {"b", "Save & Go:"}}},
                    CaptionCase{"AMovedFieldTakesItsNewRowsCaption",
                                [](TestWindow& w) {
                                    SetProperties(*w.ControlByName<TextField>("a"),
                                                  PropertyRecord{Int("Top", 50)});
                                },
                                {{"a", "Other:"}, {"b", "Save & Go:"}}},
                    CaptionCase{"ARetitledCaptionRenamesItsFields",
                                [](TestWindow& w) {
                                    SetProperties(*w.ControlByName<Label>("saveLabel"),
                                                  PropertyRecord{Text("Text", "Open:")});
                                },
                                {{"a", "Open:"}, {"b", "Open:"}}},
                    CaptionCase{"AFieldMadeLaterIsNamed",
                                [](TestWindow& w) {
                                    w.AddNewControl<TextField>(
                                        "c", FieldCaptions::Placed("c", 120, 50, 60));
                                },
                                {{"c", "Other:"}}},
                    CaptionCase{"ANameInTheRecordWins",
                                [](TestWindow& w) {
                                    SetProperties(*w.ControlByName<TextField>("a"),
                                                  PropertyRecord{Text("AccessibleName", "Amount")});
                                },
                                {{"a", "Amount"}, {"b", "Save & Go:"}}},
                    CaptionCase{"AnEmptyNameGivesTheFieldBackToItsCaption",
                                [](TestWindow& w) {
                                    auto field = w.ControlByName<TextField>("a");
                                    field->AccessibleName("Amount");
                                    field->AccessibleName("");
                                },
                                {{"a", "Save & Go:"}}}),
    [](const auto& info) { return std::string(info.param.label); });

// A window's background colour reaches its controls, whose outlines the style draws from
// it, only when the window shows it, whichever of the two entries comes first. Otherwise
// they draw with the application's own palette: a palette of their own, even one of the
// same colours, would make the style cache a set of pixmaps for each window opened.
struct BackgroundCase {
    const char* label;
    PropertyRecord record;
    std::optional<QColor> shown;
};
void PrintTo(const BackgroundCase& c, std::ostream* os) { *os << c.label; }

class WindowBackground : public GuiTest, public testing::WithParamInterface<BackgroundCase> {};

constexpr Color kTeal{0x20, 0x80, 0x80, 0x00};

TEST_P(WindowBackground, ReachesTheControlsOnlyWhenTheWindowShowsIt) {
    const auto& c = GetParam();
    auto window = MakeTestWindow([&](TestWindow& w) {
        w.record = c.record;
        w.onCreateControls = [](TestWindow& self) {
            self.AddNewControl<TextField>("field", PropertyRecord{Text("Name", "field")});
        };
    });
    auto* field = window->ControlByName<TextField>("field")->NativeWidget();
    EXPECT_EQ(window->ContentWidget()->autoFillBackground(), c.shown.has_value());
    if (c.shown) {
        EXPECT_EQ(field->palette().color(QPalette::Window), *c.shown);
    } else {
        EXPECT_TRUE(field->palette().isCopyOf(QApplication::palette()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowBackground,
    testing::Values(
        BackgroundCase{"ShownColourFirst",
                       {Colour("BackgroundColor", kTeal), Bool("HasBackgroundColor", true)},
                       QColor(0x20, 0x80, 0x80)},
        BackgroundCase{"ShownColourLast",
                       {Bool("HasBackgroundColor", true), Colour("BackgroundColor", kTeal)},
                       QColor(0x20, 0x80, 0x80)},
        BackgroundCase{"UnshownColourFirst",
                       {Colour("BackgroundColor", kTeal), Bool("HasBackgroundColor", false)},
                       std::nullopt},
        BackgroundCase{"UnshownColourLast",
                       {Bool("HasBackgroundColor", false), Colour("BackgroundColor", kTeal)},
                       std::nullopt},
        BackgroundCase{"ShownThenNoLonger",
                       {Bool("HasBackgroundColor", true), Colour("BackgroundColor", kTeal),
                        Bool("HasBackgroundColor", false)},
                       std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

// A control's text and field colours are drawn as its record gives them, in whichever
// order; the colours it has already, as the records' black text on white, make no palette
// of its own, for the reason above.
struct ControlColourCase {
    const char* label;
    PropertyRecord record;
    QColor text, base;
    bool asTheApplication = false;  // the colours the application draws with
};
void PrintTo(const ControlColourCase& c, std::ostream* os) { *os << c.label; }

class ControlColours : public GuiTest, public testing::WithParamInterface<ControlColourCase> {};

TEST_P(ControlColours, AreDrawnAsTheRecordGivesThem) {
    const auto& c = GetParam();
    auto window = MakeTestWindow([&](TestWindow& w) {
        w.onCreateControls = [&](TestWindow& self) {
            auto field =
                self.AddNewControl<TextField>("field", PropertyRecord{Text("Name", "field")});
            SetProperties(*field, c.record);
        };
    });
    const auto palette = window->ControlByName<TextField>("field")->NativeWidget()->palette();
    EXPECT_EQ(palette.color(QPalette::Text), c.text);
    EXPECT_EQ(palette.color(QPalette::WindowText), c.text);
    EXPECT_EQ(palette.color(QPalette::Base), c.base);
    if (c.asTheApplication) {
        EXPECT_TRUE(palette.isCopyOf(QApplication::palette()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ControlColours,
    testing::Values(
        ControlColourCase{"BlackOnWhite",
                          {Colour("BackgroundColor", kWhite), Colour("TextColor", kBlack)},
                          Qt::black,
                          Qt::white,
                          true},
        ControlColourCase{
            "TealText", {Colour("TextColor", kTeal)}, QColor(0x20, 0x80, 0x80), Qt::white},
        ControlColourCase{
            "TealField", {Colour("BackgroundColor", kTeal)}, Qt::black, QColor(0x20, 0x80, 0x80)},
        ControlColourCase{"TealTextThenBlack",
                          {Colour("TextColor", kTeal), Colour("TextColor", kBlack)},
                          Qt::black,
                          Qt::white}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(WindowTest, UiOperationsOffTheUiThreadRaise) {
    auto window = MakeTestWindow();
    bool raised = false;
    std::thread worker([&] {
        try {
            window->Hide();
        } catch (const ThreadAccessingUIException&) {
            raised = true;
        }
    });
    worker.join();
    EXPECT_TRUE(raised);
    EXPECT_TRUE(window->Visible());
}

TEST_F(WindowTest, MouseAndKeyPressesOnTheWindowReachItsEvents) {
    auto window = MakeTestWindow();
    QTest::mousePress(window->ContentWidget(), Qt::LeftButton, {}, QPoint(7, 9));
    EXPECT_EQ(window->log.back(), "MouseDown 7,9");
    QTest::keyClick(window->NativeWindow(), Qt::Key_X);
    EXPECT_EQ(window->log.back(), "KeyDown x");
    // Key combinations with Ctrl are shortcuts, never key-downs.
    QTest::keyClick(window->NativeWindow(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->log.back(), "KeyDown x");
}

}  // namespace
