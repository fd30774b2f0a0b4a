// The Clipbook on a real main window, reached by keys, mouse clicks and its
// popup menus: typing in the library chooser, the name dialogs' filter,
// libraries with upper-case extensions, the waiting title, the focus after a
// paste from the floating window, Add to Clipbook's highlight, F2's beep, the
// dialogs' hints and their Tab order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "clipbook/ClipTestDir.h"
#include "clipbook/ui/ClipEditorDialog.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "clipbook/ui/ClipbookPane.h"
#include "clipbook/ui/LibraryFileDialog.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/ListField.h"

namespace sj {
namespace {

// A right click as the window system delivers it, so the context menu event follows.
void rightClick(QWidget* w) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::RightButton, Qt::NoModifier,
                      w->mapTo(w->window(), QPoint(5, 5)));
}

// Runs f on the first widget of type T that comes up as the active modal or popup.
template <typename T>
void whenShown(std::function<void(T&)> f) {
    QTimer::singleShot(0, [f] {
        for (int i = 0; i < 200; ++i) {
            QWidget* w = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::activeModalWidget();
            if (auto* t = qobject_cast<T*>(w)) {
                f(*t);
                return;
            }
            QTest::qWait(10);
        }
        ADD_FAILURE() << "the expected window did not come up";
    });
}

QList<QWidget*> tabChain(int steps) {
    QList<QWidget*> seen;
    for (int i = 0; i < steps; ++i) {
        seen << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return seen;
}

class ClipbookUseTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
        dir.write("Alpha.clb", "=MultiLine\r\n\r\nH=banana\r\nyellow\r\n\r\nH=cherry\r\nred\r\n");
        dir.write("Old.CLB", "=MultiLine\r\n\r\nH=kept\r\nfrom an old copy\r\n");
        dir.write("Wait.clb", "=MultiLine\r\n\r\nH=wait\r\n^!sleep 0.4\r\n^!WAIT\r\n");
        options.defaultTemplate = dir.file("Alpha");
        options.clipbookPosition = 1;  // docked left
        window = std::make_unique<MainWindow>(options);
        commands = new ClipbookCommands(*window, window.get());
        window->addCommandGroup(commands);
        window->finishMenus();
        window->documents().newPage();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        page()->setFocus();
    }
    void TearDown() override {
        if (pane()) pane()->list().setModified(false);
        for (int i = 0; i < window->documents().count(); ++i) window->documents().page(i)->setModified(false);
        window.reset();
    }
    DocumentPage* page() { return window->documents().current(); }
    ClipbookPane* pane() { return commands->clipbook(); }
    void openClipbook() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        ASSERT_TRUE(pane());
    }
    QStringList chooserNames() {
        QStringList names;
        for (int i = 0; i < pane()->chooser()->count(); ++i) names << pane()->chooser()->itemText(i);
        return names;
    }

    test::MessageRecorder recorder{msg::Answer::No};
    test::ClipTestDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
    ClipbookCommands* commands = nullptr;
};

TEST_F(ClipbookUseTest, TypingInTheChooserDropsRefusedCharactersAndAsksToCreate) {
    openClipbook();
    QComboBox* chooser = pane()->chooser();
    chooser->setFocus();
    chooser->lineEdit()->selectAll();
    QTest::keyClicks(chooser, QStringLiteral("x.y*z/w"));
    EXPECT_EQ(chooser->currentText(), QStringLiteral("xyzw"));
    QTest::keyClick(chooser, Qt::Key_Return);
    ASSERT_EQ(recorder.messages().size(), 1);
    EXPECT_EQ(recorder.messages()[0], QStringLiteral("Create new Clipbook template \"xyzw\"?"));
    // No leaves everything as it was.
    EXPECT_EQ(chooser->currentText(), QStringLiteral("Alpha"));

    // Leaving the chooser is taking the typed name too.
    recorder.messages().clear();
    chooser->setFocus();
    chooser->lineEdit()->selectAll();
    QTest::keyClicks(chooser, QStringLiteral("Notes"));
    QTest::mouseClick(pane()->listView()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(recorder.messages().size(), 1);
    EXPECT_EQ(recorder.messages()[0], QStringLiteral("Create new Clipbook template \"Notes\"?"));
}

TEST_F(ClipbookUseTest, NewLibraryDialogFiltersWhileTyping) {
    openClipbook();
    QString typed;
    whenShown<QMenu>([&typed](QMenu& menu) {
        whenShown<InputQueryDialog>([&typed](InputQueryDialog& d) {
            auto* field = d.findChild<LineField*>();
            d.activateWindow();
            field->setFocus();
            QTest::keyClicks(field, QStringLiteral("my.notes*1/2"));
            typed = d.text();
            d.reject();
        });
        QTest::keyClick(&menu, Qt::Key_N);  // "&New..."
    });
    rightClick(pane()->chooser()->lineEdit());
    QTest::qWait(50);
    EXPECT_EQ(typed, QStringLiteral("mynotes12"));
}

TEST_F(ClipbookUseTest, UpperCaseLibraryFilesAreListedAndOpen) {
    openClipbook();
    EXPECT_TRUE(chooserNames().contains(QStringLiteral("Old")));
    pane()->listView()->setFocus();
    const int old = static_cast<int>(chooserNames().indexOf(QStringLiteral("Old")));
    QTest::keyClick(pane()->listView(), static_cast<Qt::Key>(Qt::Key_1 + old), Qt::AltModifier);
    ASSERT_EQ(pane()->list().count(), 1u);
    EXPECT_EQ(pane()->list().item(0).title, "kept");

    // Open Template's own dialog lists it and opens it.
    LibraryFileDialog open(QString::fromStdString(dir.path()), false);
    open.show();
    const QList<QListWidgetItem*> items =
        open.listField()->findItems(QStringLiteral("Old"), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    open.listField()->setCurrentItem(items[0]);
    QTest::mouseClick(open.okButton(), Qt::LeftButton);
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_EQ(open.fileName(), QString::fromStdString(dir.file("Old.CLB")));
}

TEST_F(ClipbookUseTest, WaitingForALaunchedProgramShowsInTheTitle) {
    openClipbook();
    const QString before = window->windowTitle();
    pane()->listView()->setFocus();
    const int wait = static_cast<int>(chooserNames().indexOf(QStringLiteral("Wait")));
    QTest::keyClick(pane()->listView(), static_cast<Qt::Key>(Qt::Key_1 + wait), Qt::AltModifier);
    pane()->selectItem(0);
    QString during;
    QTimer::singleShot(150, [&] { during = window->windowTitle(); });
    QTest::keyClick(pane()->listView(), Qt::Key_Return);
    EXPECT_EQ(during, QStringLiteral("Waiting for launched application to close..."));
    EXPECT_EQ(window->windowTitle(), before);
}

TEST_F(ClipbookUseTest, PasteFromTheFloatingWindowLeavesTheKeyboardWithTheDocument) {
    openClipbook();
    commands->setPlacement(cpFloatForm);
    QWidget* floating = pane()->ownerForm();
    floating->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(floating));
    pane()->listView()->setFocus();
    pane()->selectItem(0);  // banana
    QTest::keyClick(pane()->listView(), Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(page()->textBytes(), "yellow");
    EXPECT_TRUE(window->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), page());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("!"));
    EXPECT_EQ(page()->textBytes(), "yellow!");
}

TEST_F(ClipbookUseTest, AddToClipbookKeepsTheHighlightOnTheSameItem) {
    openClipbook();
    pane()->selectItem(1);  // cherry
    page()->setFocus();
    QTest::keyClicks(page(), QStringLiteral("apple"));
    page()->selectAll();
    InputQueryDialog::setTestResponder([](const InputQueryDialog::Request&, QString& text) {
        text = QStringLiteral("apple");
        return true;
    });
    QTest::keyClick(page(), Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    InputQueryDialog::setTestResponder(nullptr);
    ASSERT_EQ(pane()->list().count(), 3u);
    ASSERT_GE(pane()->selectedIndex(), 0);
    EXPECT_EQ(pane()->list().item(static_cast<std::size_t>(pane()->selectedIndex())).title, "cherry");
}

TEST_F(ClipbookUseTest, F2BeepsWithoutAClipbookAndOnAReadOnlyDocument) {
    QTest::keyClicks(page(), QStringLiteral("banana"));
    int beeps = msg::beepCount();
    QTest::keyClick(page(), Qt::Key_F2);
    EXPECT_EQ(msg::beepCount(), beeps + 1);
    EXPECT_EQ(page()->textBytes(), "banana");

    openClipbook();
    page()->setFocus();
    page()->setReadOnly(true);
    beeps = msg::beepCount();
    QTest::keyClick(page(), Qt::Key_F2);
    EXPECT_GT(msg::beepCount(), beeps);
    EXPECT_EQ(page()->textBytes(), "banana");

    // And where it can act, it expands.
    page()->setReadOnly(false);
    page()->caretToEnd();
    QTest::keyClick(page(), Qt::Key_F2);
    EXPECT_EQ(page()->textBytes(), "yellow");
}

TEST(ClipbookDialogs, HintsShowAsToolTipsAndTabFollowsTheReadingOrder) {
    ClipEditorDialog editor;
    editor.setContent(QStringLiteral("t"), QStringLiteral("body"));
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    auto* ok = editor.findChildren<QPushButton*>().value(0);
    auto* cancel = editor.findChildren<QPushButton*>().value(1);
    auto* title = editor.findChild<ClipTitleEdit*>();
    auto* content = editor.findChild<ClipContentEdit*>();
    ASSERT_TRUE(ok && cancel && title && content);
    for (QWidget* w : {static_cast<QWidget*>(title), static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel),
                       static_cast<QWidget*>(content)})
        EXPECT_FALSE(w->toolTip().isEmpty());
    title->setFocus();
    EXPECT_EQ(tabChain(4), (QList<QWidget*>{title, ok, cancel, content}));

    test::ClipTestDir dir;
    dir.write("A.clb", "x\r\n");
    LibraryFileDialog save(QString::fromStdString(dir.path()), true);
    save.show();
    save.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&save));
    EXPECT_EQ(save.nameField()->toolTip(), QStringLiteral("Clipbook template name"));
    EXPECT_EQ(save.listField()->toolTip(), QStringLiteral("List of available clipbook templates"));
    save.nameField()->setFocus();
    QTest::keyClicks(save.nameField(), QStringLiteral("n"));
    const QList<QWidget*> chain = tabChain(4);
    EXPECT_EQ(chain.mid(0, 3), (QList<QWidget*>{save.nameField(), save.listField(), save.okButton()}));
}

}  // namespace
}  // namespace sj
