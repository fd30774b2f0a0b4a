// Which widget a key reaches in a running main window whose Edit menu binds
// Ctrl+C, Ctrl+V and Ctrl+X: the Clipbook's item list keeps its own keys,
// docked and floating, and the editor keeps its own when it has the focus.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <cstdlib>
#include <memory>

#include "app/ui/DocumentSet.h"
#include "app/ui/EditCommands.h"
#include "app/ui/MainWindow.h"
#include "clipbook/ClipTestDir.h"
#include "clipbook/ui/ClipListView.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "clipbook/ui/ClipbookDock.h"
#include "clipbook/ui/ClipbookPane.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"

namespace sj {
namespace {

constexpr const char* kDocumentText = "document text";

class ClipbookKeysTest : public ::testing::TestWithParam<ClipbookPlacement> {
protected:
    test::MessageRecorder recorder;  // first in, last out: outlives the window
    void SetUp() override {
        dir.write("Alpha.clb", "=MultiLine\r\n\r\nH=one\r\n1\r\n\r\nH=sig\r\nRegards\r\n");
        // The commands look for the user's libraries: keep them away from the real ones.
        setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
        options.defaultTemplate = dir.file("Alpha");
        options.clipbookPosition = GetParam();
        window = std::make_unique<MainWindow>(options);
        window->addCommandGroup(new EditCommands(*window));
        commands = new ClipbookCommands(*window, window.get());
        window->addCommandGroup(commands);
        window->finishMenus();
        window->documents().newPage();
        page()->replaceRange(0, 0, kDocumentText);
        page()->selectAll();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        commands->openClipbook(false, true);
        ASSERT_NE(pane(), nullptr);
        pane()->selectItem(pane()->list().findItem("sig"));
        if (GetParam() == cpFloatForm) {
            ASSERT_TRUE(pane()->ownerForm()->isFloating());
            QApplication::setActiveWindow(pane()->ownerForm());
            ASSERT_TRUE(QTest::qWaitForWindowActive(pane()->ownerForm()));
        }
        list()->setFocus();
        ASSERT_TRUE(list()->hasFocus());
        QApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void TearDown() override {
        if (pane()) pane()->list().setModified(false);
        page()->setModified(false);
        window.reset();
    }

    DocumentPage* page() { return window->documents().current(); }
    ClipbookPane* pane() { return commands->clipbook(); }
    ClipListView* list() { return pane()->listView(); }
    // To whichever widget has the focus, as a user's key press goes.
    void sendKey(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
        QApplication::processEvents();  // the list's Ctrl keys act after the key handling
    }
    std::string documentText() { return std::string(page()->textView()); }

    test::ClipTestDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
    ClipbookCommands* commands = nullptr;
};

TEST_P(ClipbookKeysTest, CtrlCCopiesTheClipNotTheDocumentsSelection) {
    sendKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Regards"));
    EXPECT_EQ(documentText(), kDocumentText);
    EXPECT_EQ(pane()->list().count(), 2u);
}

TEST_P(ClipbookKeysTest, CtrlXAndCtrlVMoveTheClipAndLeaveTheDocumentAlone) {
    sendKey(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Regards"));
    EXPECT_EQ(pane()->list().findItem("sig"), -1);
    EXPECT_EQ(documentText(), kDocumentText);

    sendKey(Qt::Key_V, Qt::ControlModifier);
    const int at = pane()->list().findItem("sig");
    ASSERT_GE(at, 0);
    EXPECT_EQ(pane()->list().item(static_cast<std::size_t>(at)).body.text(), "Regards");
    EXPECT_EQ(documentText(), kDocumentText);
    EXPECT_TRUE(test::MessageRecorder::messages().isEmpty());
}

TEST_P(ClipbookKeysTest, DelRemovesTheClip) {
    sendKey(Qt::Key_Delete);
    EXPECT_EQ(pane()->list().findItem("sig"), -1);
    EXPECT_EQ(pane()->list().count(), 1u);
    EXPECT_EQ(documentText(), kDocumentText);
}

TEST_P(ClipbookKeysTest, TheEditorKeepsItsKeysWhenItHasTheFocus) {
    QTest::qWait(50);  // the floating pane's own activation settles first
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    page()->setFocus();
    ASSERT_TRUE(page()->hasFocus());
    sendKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromLatin1(kDocumentText));
    sendKey(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(documentText(), "");
    sendKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(documentText(), kDocumentText);
    EXPECT_EQ(pane()->list().count(), 2u);
}

INSTANTIATE_TEST_SUITE_P(DockedAndFloating, ClipbookKeysTest, ::testing::Values(cpLeftPane, cpFloatForm),
                         [](const ::testing::TestParamInfo<ClipbookPlacement>& info) {
                             return info.param == cpFloatForm ? std::string("Floating")
                                                              : std::string("Docked");
                         });

}  // namespace
}  // namespace sj
