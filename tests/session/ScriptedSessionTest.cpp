// A scripted session on the whole main window, as a user at the keyboard and
// mouse has it: the Clipbook's keys, the find dialog's focus around a "not
// found" box, and the editing menu of an input field, one after the other on
// the same window. Every step goes through Qt's event delivery.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/ui/DocumentSet.h"
#include "app/ui/EditCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MainWindow.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "clipbook/ui/ClipbookPane.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/ScratchDir.h"
#include "texttools/ui/DocumentSelectorCommands.h"
#include "texttools/ui/FindCommands.h"
#include "texttools/ui/FindController.h"
#include "texttools/ui/FindDialog.h"
#include "texttools/ui/SearchTokenCombo.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

// A right click as the window system delivers it, so the context menu event follows.
void rightClick(QWidget* w) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::RightButton, Qt::NoModifier,
                      w->mapTo(w->window(), QPoint(5, 5)));
}

QWidget* focused() {
    return QApplication::focusWidget();
}
void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(focused(), static_cast<Qt::Key>(key), mods);
}
void type(const QString& text) {
    QTest::keyClicks(focused(), text);
}

// Makes w the active window once the events in flight have settled.
bool activate(QWidget* w) {
    QTest::qWait(20);
    w->activateWindow();
    return QTest::qWaitForWindowActive(w) && QApplication::activeWindow() == w;
}

// Waits for a window of type T to come up as the active modal or popup one.
template <typename T>
T* waitFor() {
    for (int i = 0; i < 200; ++i) {
        QWidget* w = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                       : QApplication::activeModalWidget();
        if (auto* t = qobject_cast<T*>(w)) return t;
        QTest::qWait(10);
    }
    return nullptr;
}

class ScriptedSession : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
        std::ofstream(dir.file("Letters.clb"), std::ios::binary)
            << "=MultiLine\r\n\r\nH=greeting\r\nDear ^&,\r\n\r\nH=sign\r\nRegards\r\n";
        options.defaultTemplate = dir.file("Letters");
        options.clipbookPosition = 1;
        window = std::make_unique<MainWindow>(options);
        window->addCommandGroup(new FileCommands(*window));
        window->addCommandGroup(new EditCommands(*window));
        find = new FindCommands(*window);
        window->addCommandGroup(find);
        window->addCommandGroup(new DocumentSelectorCommands(*window));
        clipbook = new ClipbookCommands(*window, window.get());
        window->addCommandGroup(clipbook);
        window->finishMenus();
        msg::setSoundsOn(false);
        window->documents().newPage();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        page()->setFocus();
    }
    void TearDown() override {
        if (clipbook->clipbook()) clipbook->clipbook()->list().setModified(false);
        for (int i = 0; i < window->documents().count(); ++i) window->documents().page(i)->setModified(false);
        window.reset();
    }
    DocumentPage* page() { return window->documents().current(); }

    test::ScratchDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
    FindCommands* find = nullptr;
    ClipbookCommands* clipbook = nullptr;
};

TEST_F(ScriptedSession, ClipbookKeysFindFocusAndTheFieldMenu) {
    // The Clipbook: F4 opens it with the list ready for keys.
    type(QStringLiteral("John"));
    page()->selectAll();
    press(Qt::Key_F4);
    ClipbookPane* pane = clipbook->clipbook();
    ASSERT_TRUE(pane);
    pane->listView()->setFocus();
    ASSERT_EQ(focused(), pane->listView());
    pane->selectItem(0);  // greeting
    // Ins copies the clip; the text leaves with LF breaks.
    press(Qt::Key_Insert);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Dear ^&,"));
    // Enter pastes it around the selection, and the document has the keyboard.
    press(Qt::Key_Return);
    EXPECT_EQ(page()->textBytes(), "Dear John,");
    EXPECT_EQ(focused(), page());
    // The typed word and F2 expand a clip by its title.
    page()->caretToEnd();
    press(Qt::Key_Return);
    type(QStringLiteral("sign"));
    press(Qt::Key_F2);
    EXPECT_EQ(page()->textBytes(), "Dear John,\r\nRegards");
    // Del in the list removes the selected clip; Esc closes the Clipbook.
    pane->listView()->setFocus();
    pane->selectItem(1);
    press(Qt::Key_Delete);
    EXPECT_EQ(pane->list().count(), 1u);
    pane->list().setModified(false);
    QTest::keyPress(focused(), Qt::Key_Escape);
    QTest::keyRelease(focused(), Qt::Key_Escape);
    QTest::qWait(20);
    EXPECT_FALSE(clipbook->clipbook());
    ASSERT_TRUE(activate(window.get()));
    page()->setFocus();

    // Find: a search that fails shows a real box; after it the keys still go to the dialog.
    msg::setTestResponder(nullptr);
    page()->caretToStart();
    press(Qt::Key_F, Qt::ControlModifier);
    FindDialog* dialog = find->findController().window();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(activate(dialog));
    dialog->cmbFind->setFocus();
    type(QStringLiteral("zebra"));
    QString boxText;
    QTimer::singleShot(0, [&boxText] {
        if (QMessageBox* box = waitFor<QMessageBox>()) {
            boxText = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    press(Qt::Key_Return);
    EXPECT_EQ(boxText, QStringLiteral("\"zebra\" not found!"));
    QTest::qWait(20);
    ASSERT_TRUE(focused());
    EXPECT_EQ(focused()->window(), dialog);
    EXPECT_EQ(page()->textBytes(), "Dear John,\r\nRegards");

    // The field's editing menu: its Undo goes back to the text of the last search.
    dialog->cmbFind->setFocus();
    dialog->cmbFind->lineEdit()->end(false);
    type(QStringLiteral("s"));
    EXPECT_EQ(dialog->cmbFind->currentText(), QStringLiteral("zebras"));
    QTimer::singleShot(0, [] {
        if (QMenu* menu = waitFor<QMenu>()) QTest::keyClick(menu, Qt::Key_U);  // "&Undo"
    });
    rightClick(dialog->cmbFind->lineEdit());
    QTest::qWait(50);
    EXPECT_EQ(dialog->cmbFind->currentText(), QStringLiteral("zebra"));

    // Search for a word that is there; Esc then closes the dialog and F3 finds it again.
    // (The offscreen platform gives no window the activation back after a popup.)
    ASSERT_TRUE(activate(dialog));
    dialog->cmbFind->setFocus();
    dialog->cmbFind->lineEdit()->selectAll();
    type(QStringLiteral("John"));
    press(Qt::Key_Return);
    EXPECT_EQ(page()->selectedBytes(), "John");
    press(Qt::Key_Escape);
    EXPECT_FALSE(find->findController().isOpen());
    ASSERT_TRUE(activate(window.get()));
    page()->setFocus();
    page()->caretToStart();
    press(Qt::Key_F3);
    EXPECT_EQ(page()->selectedBytes(), "John");
}

}  // namespace
}  // namespace sj
