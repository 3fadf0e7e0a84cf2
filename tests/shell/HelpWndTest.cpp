#include <malloc.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest/QTest>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "calculator/ControlWnd.h"
#include "framework/Runtime.h"
#include "framework/StyledText.h"
#include "framework/TextArea.h"
#include "resources/HelpText.h"
#include "shell/MenuBar1.h"
#include "shell/helpWnd.h"
#include "tests/shell/ShellTest.h"
#include "tests/support/GuiTest.h"

using namespace shelltest;

namespace {

constexpr int kTitleLength = 17;  // "Veltranoquisenary"

#if defined(__SANITIZE_ADDRESS__)
// From AddressSanitizer's interface, whose header GCC does not install.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes allocated and not yet freed. AddressSanitizer's allocator serves the program in
// its build and counts them itself. glibc's count also takes in the blocks that its
// per-thread caches keep after they are freed; CTest turns those caches off here.
std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

class HelpWindow : public GuiTest {
  protected:
    static QTextEdit* Edit(const class helpWnd& window) {
        return window.NativeWindow()->findChild<QTextEdit*>("EditField1");
    }

    // The title bold, everything after it plain, character by character.
    static void ExpectOnlyTitleBold(class helpWnd& window) {
        auto styled = window.EditField1()->StyledText();
        const auto characters = QString::fromStdString(window.EditField1()->Text()).size();
        ASSERT_GT(characters, kTitleLength);
        int boldOutsideTitle = 0;
        for (int i = 0; i < kTitleLength; ++i) {
            EXPECT_TRUE(styled->Bold(i)) << "title character " << i;
        }
        for (int i = kTitleLength; i < characters; ++i) {
            boldOutsideTitle += styled->Bold(i) ? 1 : 0;
        }
        EXPECT_EQ(boldOutsideTitle, 0);
    }
};

TEST_F(HelpWindow, RecordsHaveTheStoredSizes) {
    EXPECT_EQ(helpWnd::WindowRecord().Count(), 22u);
    EXPECT_EQ(helpWnd::WindowRecord().Bytes().size(), 371u);
    EXPECT_EQ(helpWnd::EditField1Record().Count(), 47u);
    EXPECT_EQ(helpWnd::EditField1Record().Bytes().size(), 699u + HelpText().size());
}

TEST_F(HelpWindow, ShowsTheStoredTextWithOnlyItsTitleBold) {
    auto help = helpWnd();
    ASSERT_TRUE(help->Visible());
    EXPECT_EQ(help->EditField1()->Text(), HelpText());
    ASSERT_EQ(HelpText().substr(0, kTitleLength + 1), "Veltranoquisenary\r");
    EXPECT_FALSE(help->EditField1()->StyledText()->Bold(kTitleLength)) << "the CR ending the title";
    ExpectOnlyTitleBold(*help);
}

TEST_F(HelpWindow, StylesTheCharactersAtTheTextsOwnPositions) {
    auto help = helpWnd();
    const QString word = QStringLiteral("Discovering");  // after every number of the text
    const std::int64_t at = QString::fromStdString(std::string(HelpText())).indexOf(word);
    auto styled = help->EditField1()->StyledText();
    styled->Bold(at, word.size(), true);
    EXPECT_FALSE(styled->Bold(at - 1));
    EXPECT_TRUE(styled->Bold(at));
    EXPECT_FALSE(styled->Bold(at + word.size()));
    const QTextCursor shown = Edit(*help)->document()->find(word);
    QTextCursor first(shown);
    first.setPosition(shown.selectionStart() + 1);
    EXPECT_EQ(first.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(shown.charFormat().fontWeight(), QFont::Bold) << "its last character";
}

TEST_F(HelpWindow, EveryCarriageReturnStartsAParagraph) {
    auto help = helpWnd();
    const std::string_view text = HelpText();
    const auto crs = std::count(text.begin(), text.end(), '\r');
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 0);
    EXPECT_EQ(Edit(*help)->document()->blockCount(), crs + 1);
}

// The help text writes its small numbers without a leading zero (".00001"). However
// wide the area, from the window's own width down, no line breaks inside a number:
// between its point and its digits or between two digits.
TEST_F(HelpWindow, NoLineEndsInsideANumber) {
    auto help = helpWnd();
    QTextDocument* document = Edit(*help)->document();
    const auto isFormat = [](QChar c) { return c.category() == QChar::Other_Format; };
    for (const qreal width : {document->textWidth(), 500.0, 450.0, 400.0, 350.0, 300.0, 250.0}) {
        document->setTextWidth(width);
        for (auto block = document->begin(); block != document->end(); block = block.next()) {
            document->documentLayout()->blockBoundingRect(block);  // lays the block out
            const QTextLayout& layout = *block.layout();
            const QString text = block.text();
            for (int line = 1; line < layout.lineCount(); ++line) {
                int before = layout.lineAt(line).textStart() - 1;
                int after = before + 1;
                while (before > 0 && isFormat(text[before])) --before;
                while (after + 1 < text.size() && isFormat(text[after])) ++after;
                EXPECT_FALSE(text[after].isDigit() &&
                             (text[before].isDigit() || text[before] == QLatin1Char('.')))
                    << "at width " << width << ": \"" << text.mid(before - 19, 20).toStdString()
                    << "\" / \"" << text.mid(after, 20).toStdString() << "\"";
            }
        }
    }
}

// Whatever keeps those numbers whole is the layout's alone: a copy holds the text as
// written, the caret stops at each of its characters and nowhere else, and Backspace
// and Delete take one of them at a press.
TEST_F(HelpWindow, CopiesAndEditsTheTextAsWrittenAroundItsNumbers) {
    auto help = helpWnd();
    QTextEdit* edit = Edit(*help);
    QApplication::setActiveWindow(help->NativeWindow());
    edit->setFocus();
    const QString stored = QString::fromStdString(std::string(HelpText()));
    const QString written = QString(stored).replace('\r', '\n');
    const auto text = [&help] { return QString::fromStdString(help->EditField1()->Text()); };

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), written);
    QApplication::clipboard()->clear();

    // Where the caret stops, pressing the key from one end of the text to the other.
    const auto stops = [edit](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        edit->moveCursor(key == Qt::Key_Right ? QTextCursor::Start : QTextCursor::End);
        std::set<int> at;
        while (at.insert(edit->textCursor().position()).second) {
            QTest::keyClick(edit, key, modifiers);
        }
        return at;
    };
    const auto arrowStops = stops(Qt::Key_Right, Qt::NoModifier);
    ASSERT_EQ(arrowStops.size(), static_cast<std::size_t>(written.size()) + 1);
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left}) {
        for (const int stop : stops(key, Qt::ControlModifier)) {
            EXPECT_TRUE(arrowStops.contains(stop)) << "a word move stopped between characters";
        }
    }

    const auto number = written.indexOf(QStringLiteral(".00001"));
    const std::vector<int> ordered(arrowStops.begin(), arrowStops.end());
    const auto pressAt = [edit](int position, Qt::Key key, int times) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(edit, key);
        }
    };
    pressAt(ordered[number + 1], Qt::Key_Backspace, 1);
    EXPECT_EQ(text(), QString(stored).remove(number, 1));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), stored);
    pressAt(ordered[number], Qt::Key_Delete, 6);
    EXPECT_EQ(text(), QString(stored).remove(number, 6));
}

TEST_F(HelpWindow, OnlyOneExistsAtATime) {
    auto first = helpWnd();
    auto second = helpWnd();
    EXPECT_EQ(first, second);
    ::ControlWnd()->InvokeMenuHandler("InfoItem");
    EXPECT_EQ(helpWnd(), first);
    int helpWindows = 0;
    for (const auto& window : OpenWindows()) {
        helpWindows += window->ClassName() == "helpWnd.helpWnd" ? 1 : 0;
    }
    EXPECT_EQ(helpWindows, 1);
}

TEST_F(HelpWindow, KeepsEditsWhileOpenAndComesBackAsStoredAfterClose) {
    auto calculator = ::ControlWnd();
    auto first = helpWnd();
    QTextEdit* edit = Edit(*first);
    edit->setFocus();
    edit->moveCursor(QTextCursor::Start);
    QTest::keyClicks(edit, "edited ");
    first->EditField1()->StyledText()->Bold(0, kTitleLength, false);
    ASSERT_EQ(first->EditField1()->Text(), "edited " + std::string(HelpText()));

    ASSERT_TRUE(calculator->InvokeMenuHandler("InfoItem"));
    EXPECT_EQ(helpWnd()->EditField1()->Text(), "edited " + std::string(HelpText()));

    CloseBox(*first);
    EXPECT_FALSE(IsQuitting()) << "closing the help window must not quit";
    EXPECT_TRUE(calculator->Visible());

    ASSERT_TRUE(calculator->InvokeMenuHandler("InfoItem"));
    auto second = helpWnd();
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->Visible());
    EXPECT_EQ(second->EditField1()->Text(), HelpText());
    ExpectOnlyTitleBold(*second);
}

// Setting the title bold is part of how the window opens, not an edit to undo.
TEST_F(HelpWindow, UndoInANewWindowKeepsTheBoldTitleAndTakesBackOnlyTheUsersEdits) {
    auto help = helpWnd();
    QTextEdit* edit = Edit(*help);
    EXPECT_FALSE(edit->document()->isUndoAvailable());
    QApplication::setActiveWindow(help->NativeWindow());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    ExpectOnlyTitleBold(*help);

    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, "x");
    ASSERT_EQ(help->EditField1()->Text(), std::string(HelpText()) + "x");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(help->EditField1()->Text(), HelpText());
    ExpectOnlyTitleBold(*help);
    EXPECT_FALSE(edit->document()->isUndoAvailable());
}

// What the clipboard holds, and the text that every way of pasting it must insert.
struct PasteCase {
    const char* name;
    std::function<QMimeData*()> data;
    QString inserted;
};
void PrintTo(const PasteCase& c, std::ostream* out) { *out << c.name; }

class HelpWindowPaste : public HelpWindow, public testing::WithParamInterface<PasteCase> {};

// Ctrl+V, Shift+Insert and Edit > Paste each insert the data's plain text, unstyled,
// and never beep.
TEST_P(HelpWindowPaste, InsertsThePlainTextOnly) {
    DialogRecorder dialogs;
    auto help = helpWnd();
    QTextEdit* edit = Edit(*help);
    QApplication::setActiveWindow(help->NativeWindow());
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setMimeData(GetParam().data());
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    help->EditPaste()->DefaultAction();
    const QString inserted = GetParam().inserted.repeated(3);
    const auto stored = QString::fromStdString(std::string(HelpText()));
    const auto text = QString::fromStdString(help->EditField1()->Text());
    EXPECT_TRUE(text.startsWith(stored));
    EXPECT_EQ(text.mid(stored.size()).toStdString(), inserted.toStdString());
    QTextCursor cursor(edit->document());
    const int end = edit->document()->characterCount() - 1;
    for (int i = end - static_cast<int>(inserted.size()) + 1; i <= end; ++i) {
        cursor.setPosition(i);
        EXPECT_FALSE(cursor.charFormat().fontWeight() > QFont::Normal ||
                     cursor.charFormat().fontItalic())
            << "character " << i << " is styled";
    }
    EXPECT_EQ(dialogs.beeps, 0);
    QApplication::clipboard()->clear();
}

INSTANTIATE_TEST_SUITE_P(Rows, HelpWindowPaste,
                         testing::Values(
                             // What a clipboard whose owner has gone hands out.
                             PasteCase{"NoFormats", [] { return new QMimeData; }, ""},
                             PasteCase{"MarkdownFirst",
                                       [] {
                                           auto* data = new QMimeData;
                                           data->setData(QStringLiteral("text/markdown"),
                                                         "**bold** _it_");
                                           data->setText(QStringLiteral("**bold** _it_"));
                                           return data;
                                       },
                                       QStringLiteral("**bold** _it_")}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpWindow, ControlCommandBringsTheSameCalculatorForward) {
    auto calculator = ::ControlWnd();
    auto help = helpWnd();
    ProcessEvents();
    ASSERT_EQ(QApplication::activeWindow(), help->NativeWindow());

    EXPECT_TRUE(help->InvokeMenuHandler("ControlItem"));
    ProcessEvents();
    EXPECT_EQ(::ControlWnd(), calculator);
    EXPECT_EQ(QApplication::activeWindow(), calculator->NativeWindow());
    EXPECT_TRUE(help->Visible()) << "the help window stays open";
}

TEST_F(HelpWindow, ControlCommandCreatesTheCalculatorWhenNoneExists) {
    auto help = helpWnd();
    ASSERT_FALSE(CalculatorExists());
    EXPECT_TRUE(help->InvokeMenuHandler("ControlItem"));
    ASSERT_TRUE(CalculatorExists());
    EXPECT_TRUE(::ControlWnd()->Visible());
}

TEST_F(HelpWindow, HandlesOnlyTheControlCommand) {
    auto help = helpWnd();
    EXPECT_EQ(help->MenuHandlerNames(), std::vector<std::string>{"ControlItem"});
    EXPECT_FALSE(help->InvokeMenuHandler("InfoItem"));
}

TEST_F(HelpWindow, RegisteringForAnotherWindowClassFails) {
    auto help = helpWnd();
    auto calculator = ::ControlWnd();
    EXPECT_THROW(help->AddMenuHandlers(*calculator), TypeCastException);
    EXPECT_EQ(help->MenuHandlerNames(), std::vector<std::string>{"ControlItem"});
}

// The help window may be opened and closed any number of times in one run; each must
// leave nothing behind, the pixmaps that the style cached to draw it included.
TEST_F(HelpWindow, OpeningAndClosingItKeepsNoMemory) {
    // Open, so that closing the help window does not end the program.
    auto calculator = ::ControlWnd();
    auto openAndClose = [] {
        helpWnd();
        ProcessEvents();
        helpWnd()->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // The first windows load the fonts and fill Qt's caches for good.
    for (int i = 0; i < 20; ++i) {
        openAndClose();
    }
    constexpr int kWindows = 50;
    const auto before = HeapInUse();
    for (int i = 0; i < kWindows; ++i) {
        openAndClose();
    }
    const double perWindow = (static_cast<double>(HeapInUse()) - before) / kWindows;
    // Counted exactly, a window keeps nothing, and one that keeps its style pixmaps keeps
    // over 2 KB; the bound leaves room for glibc's caches in a run outside CTest.
    EXPECT_LT(perWindow, 1000.0) << "bytes kept per window opened and closed";
}

TEST_F(HelpWindow, IsAFixedInfoWindowWithTheSharedMenuBar) {
    auto help = helpWnd();
    EXPECT_EQ(help->Title(), "Info");
    EXPECT_EQ(help->ContentWidget()->size(), QSize(550, 500));
    EXPECT_EQ(help->ContentWidget()->minimumSize(), help->ContentWidget()->maximumSize());
    EXPECT_FALSE(help->NativeWindow()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(help->MenuBar(), MenuBar1());
    EXPECT_FALSE(Edit(*help)->isReadOnly());
}

}  // namespace
