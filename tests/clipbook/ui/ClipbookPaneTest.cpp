// The Clipbook pane on a real main window: the menu's first item following
// the selection, clipboard round trips, moving items, the item editor's
// merge, placement, the document font, and the library file chooser.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMimeData>
#include <QPushButton>

#include <filesystem>

#include "clipbook/ClipTestDir.h"
#include "clipbook/ui/ClipPaster.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "clipbook/ui/ClipbookPane.h"
#include "clipbook/ui/DialogClipbookHost.h"
#include "clipbook/ui/DialogPromptHost.h"
#include "clipbook/ui/LibraryFileDialog.h"
#include "clipbook/ui/ProcessLauncher.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/ListField.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {
namespace {

class ClipbookPanelTest : public ::testing::Test {
protected:
    test::MessageRecorder recorder;  // first in, last out: outlives the window
    void SetUp() override {
        dir.write("Alpha.clb", "=MultiLine\r\n\r\nH=run\r\n^!true\r\n\r\nH=sig\r\nRegards\r\n");
        dir.write("Beta.clb", "=MultiLine\r\n\r\nH=one\r\n1\r\n");
        main.setCentralWidget(page);
        main.show();
        panel = new ClipbookPane(&main, paster);
        panel->openTemplates(dir.path(), "Alpha");
        panel->setMemoControl(page);
    }
    void TearDown() override {
        panel->list().setModified(false);
        delete panel->ownerForm();
    }

    test::ClipTestDir dir;
    QMainWindow main;
    DocumentPage* page = new DocumentPage(PageEnvironment{});
    DialogPromptHost prompts;
    ProcessLauncher launcher;
    ClipPaster paster{prompts, launcher};
    ClipbookPane* panel = nullptr;
};

TEST_F(ClipbookPanelTest, FirstMenuItemFollowsTheSelectedItem) {
    ASSERT_EQ(panel->list().count(), 2u);
    panel->selectItem(0);  // "run", a command clip
    EXPECT_EQ(panel->pasteAction()->text(), QStringLiteral("E&xecute Command"));
    EXPECT_TRUE(panel->pasteAction()->isEnabled());
    EXPECT_EQ(panel->listView()->item(0)->foreground().color(), QColor(Qt::red));
    panel->selectItem(1);
    EXPECT_EQ(panel->pasteAction()->text(), QStringLiteral("&Paste to Document"));
    EXPECT_TRUE(panel->pasteAction()->isEnabled());
    page->setReadOnly(true);
    panel->updateListMenu();
    EXPECT_FALSE(panel->pasteAction()->isEnabled());
}

TEST_F(ClipbookPanelTest, CutAndPasteCarryTheTitleIntoAnotherLibrary) {
    panel->selectItem(1);  // "sig"
    panel->copyToClipboard();
    panel->removeItem();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime);
    EXPECT_EQ(mime->text(), QStringLiteral("Regards"));
    EXPECT_EQ(mime->data(QString::fromLatin1(kClipboardFormat)), QByteArray("sig", 4));
    EXPECT_EQ(panel->list().findItem("sig"), -1);
    ASSERT_TRUE(panel->chooseByNumber(2));  // Beta; Alpha is saved on the way
    EXPECT_EQ(panel->templates().hotTemplate(), "Beta");
    panel->addFromClipboard();
    const int at = panel->list().findItem("sig");
    ASSERT_GE(at, 0);
    EXPECT_EQ(panel->list().item(static_cast<std::size_t>(at)).body.text(), "Regards");
    EXPECT_EQ(panel->selectedIndex(), at);
    EXPECT_TRUE(test::MessageRecorder::messages().isEmpty());  // no title dialog, no error
    EXPECT_FALSE(panel->chooseByNumber(3));
}

TEST_F(ClipbookPanelTest, MovingAnItemTurnsSortingOffAndSurvivesSaving) {
    ASSERT_TRUE(panel->list().sorted());
    panel->moveItem(1, 0);
    EXPECT_FALSE(panel->list().sorted());
    EXPECT_EQ(panel->listView()->item(0)->text(), QStringLiteral("sig"));
    panel->saveNow();
    EXPECT_NE(dir.read("Alpha.clb").find("NoSorting"), std::string::npos);
    EXPECT_LT(dir.read("Alpha.clb").find("H=sig"), dir.read("Alpha.clb").find("H=run"));
}

TEST_F(ClipbookPanelTest, RenamingOntoAnotherTitleReplacesThatItem) {
    const int index = panel->list().applyEditor(1, "run", "new body");
    panel->refreshItems(index);
    ASSERT_EQ(panel->list().count(), 1u);
    EXPECT_EQ(panel->list().item(0).title, "run");
    EXPECT_EQ(panel->list().item(0).body.text(), "new body");
    EXPECT_EQ(panel->listView()->count(), 1);
    EXPECT_EQ(panel->listView()->item(0)->foreground().color() == QColor(Qt::red), false);
}

TEST_F(ClipbookPanelTest, DockingFollowsTheDocumentFontAndFloatingDoesNot) {
    QFont docFont(QStringLiteral("Monospace"), 17);
    page->setFont(docFont);
    panel->setClipPanelPos(cpLeftPane);
    EXPECT_EQ(main.dockWidgetArea(panel->ownerForm()), Qt::LeftDockWidgetArea);
    EXPECT_FALSE(panel->ownerForm()->isFloating());
    EXPECT_EQ(panel->listFont().pointSize(), 17);
    panel->setClipPanelPos(cpFloatForm);
    EXPECT_TRUE(panel->ownerForm()->isFloating());
    EXPECT_NE(panel->listFont().pointSize(), 17);
    panel->setClipPanelPos(cpRightPane);
    EXPECT_EQ(main.dockWidgetArea(panel->ownerForm()), Qt::RightDockWidgetArea);
    panel->hideClipbook();
    EXPECT_TRUE(panel->isHiddenPane());
    // Hidden, the library stays loaded for Expand Word.
    EXPECT_EQ(panel->list().count(), 2u);
    panel->showPane();
    EXPECT_FALSE(panel->isHiddenPane());
}

TEST_F(ClipbookPanelTest, ExplicitFontTurnsDefaultFontOffUntilToggledBack) {
    page->setFont(QFont(QStringLiteral("Monospace"), 15));
    panel->setClipPanelPos(cpLeftPane);
    panel->setListFont(QFont(QStringLiteral("Serif"), 9));
    panel->setDefaultFontFlag(false);
    panel->applyDocumentLook();
    EXPECT_EQ(panel->listFont().pointSize(), 9);
    panel->toggleDefaultFont();
    EXPECT_TRUE(panel->defaultFont());
    EXPECT_EQ(panel->listFont().pointSize(), 15);
}

TEST_F(ClipbookPanelTest, RowsAreAsHighAsTheFontsCharactersAndTabsUseTheLibrarysWidth) {
    for (int size : {8, 24}) {
        panel->setListFont(QFont(QStringLiteral("Monospace"), size));
        QApplication::processEvents();
        const int expected = QFontMetrics(panel->listView()->font()).height();
        EXPECT_EQ(panel->listView()->rowHeight(), expected);
        EXPECT_EQ(panel->listView()->visualItemRect(panel->listView()->item(1)).height(), expected) << size;
        EXPECT_EQ(panel->listView()->visualItemRect(panel->listView()->item(1)).top(), expected) << size;
    }
    EXPECT_EQ(panel->listView()->tabWidth(), 30);
    dir.write("Tabs.clb", "=MultiLine TabWidth=64\r\n\r\nH=a\tb\r\nx\r\n");
    panel->templates().updateList();
    ASSERT_TRUE(panel->templates().choose("Tabs"));
    panel->refreshItems(0);
    EXPECT_EQ(panel->listView()->tabWidth(), 64);
    const qreal avg = QFontMetricsF(panel->listView()->font()).averageCharWidth();
    EXPECT_DOUBLE_EQ(panel->listView()->tabStopPixels(), 64 * avg / 4.0);
    // A width of 0 in the header is no reason for titles to pile up on one spot.
    panel->listView()->setTabWidth(0);
    EXPECT_DOUBLE_EQ(panel->listView()->tabStopPixels(), 32 * avg / 4.0);
}

TEST_F(ClipbookPanelTest, DockedListFollowsTheCurrentDocumentsOwnFontChanges) {
    panel->setClipPanelPos(cpLeftPane);
    page->setFont(QFont(QStringLiteral("Monospace"), 19));
    EXPECT_EQ(panel->listFont().pointSize(), 19);
    EXPECT_EQ(panel->chooser()->font().pointSize(), 19);
    panel->setDefaultFontFlag(false);
    page->setFont(QFont(QStringLiteral("Monospace"), 11));
    EXPECT_EQ(panel->listFont().pointSize(), 19);
    panel->setDefaultFontFlag(true);
    panel->setClipPanelPos(cpFloatForm);
    page->setFont(QFont(QStringLiteral("Monospace"), 23));
    EXPECT_NE(panel->listFont().pointSize(), 23);
    // A page that is no longer the current one is no longer followed.
    panel->setClipPanelPos(cpRightPane);
    DocumentPage other{PageEnvironment{}};
    other.setFont(QFont(QStringLiteral("Monospace"), 13));
    panel->setMemoControl(&other);
    EXPECT_EQ(panel->listFont().pointSize(), 13);
    page->setFont(QFont(QStringLiteral("Monospace"), 29));
    EXPECT_EQ(panel->listFont().pointSize(), 13);
    panel->setMemoControl(page);
}

TEST_F(ClipbookPanelTest, DraggedWidthIsReportedAtOnceButPlacementIsNot) {
    std::vector<int> widths;
    panel->onWidthChanged = [&widths](int w) { widths.push_back(w); };
    panel->setClipPanelWidth(150);
    panel->setClipPanelPos(cpLeftPane);
    QApplication::processEvents();
    // The layout may settle on another width than asked; that one is the truth.
    EXPECT_TRUE(widths.empty() || widths.back() == panel->ownerForm()->width());
    // What dragging the bar does: the dock area gets another width.
    main.resizeDocks({panel->ownerForm()}, {230}, Qt::Horizontal);
    QApplication::processEvents();
    ASSERT_FALSE(widths.empty());
    EXPECT_EQ(widths.back(), panel->ownerForm()->width());
    EXPECT_EQ(panel->clipPanelWidth(), widths.back());
    widths.clear();
    panel->setClipPanelPos(cpFloatForm);
    QApplication::processEvents();
    panel->ownerForm()->resize(300, 300);
    QApplication::processEvents();
    EXPECT_TRUE(widths.empty());
}

TEST_F(ClipbookPanelTest, FocusLostWhileThePaneMovesDoesNotTakeTheTypedName) {
    panel->chooser()->setEditText(QStringLiteral("Gamma"));
    auto loseFocus = [this] {
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(panel->chooser(), &out);
    };
    panel->onViewChanged = [&] {
        EXPECT_TRUE(panel->isDocking());
        loseFocus();
    };
    panel->setClipPanelPos(cpLeftPane);
    panel->hideClipbook();
    panel->showPane();
    EXPECT_TRUE(test::MessageRecorder::messages().isEmpty());
    EXPECT_EQ(panel->chooser()->currentText(), QStringLiteral("Gamma"));
    panel->onViewChanged = nullptr;
    EXPECT_FALSE(panel->isDocking());
    loseFocus();  // the user leaving the chooser: the create question comes
    EXPECT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_EQ(panel->templates().hotTemplate(), "Alpha");
}

TEST_F(ClipbookPanelTest, RenamedLibraryFileIsFollowedAndPastesAnnounceTheirItem) {
    panel->list().addItem("new", "unsaved", [](const std::string&) { return std::nullopt; });
    panel->refreshItems(-1);
    std::filesystem::rename(dir.file("Alpha.clb"), dir.file("Gamma.clb"));
    panel->libraryRenamed(dir.file("Alpha.clb"), dir.file("Gamma.clb"));
    EXPECT_EQ(panel->templates().hotTemplate(), "Gamma");
    EXPECT_EQ(panel->chooser()->currentText(), QStringLiteral("Gamma"));
    EXPECT_EQ(panel->chooser()->count(), 2);
    EXPECT_EQ(panel->list().count(), 3u);  // nothing reloaded
    EXPECT_TRUE(panel->list().modified());

    std::vector<std::string> announced;
    panel->onPaste = [&](const ClipItem& item) {
        announced.push_back(item.title);
        EXPECT_EQ(page->textBytes(), "");  // before the paste
    };
    panel->pasteAt(panel->list().findItem("sig"), page, false);
    EXPECT_EQ(announced, std::vector<std::string>{"sig"});
    EXPECT_EQ(page->textBytes(), "Regards");
    panel->pasteAt(99, page, false);  // no item, no event
    EXPECT_EQ(announced.size(), 1u);
}

TEST(ClipFileChooserTest, OpenModeRefusesMissingFilesAndSaveModeAsksBeforeOverwriting) {
    test::ClipTestDir dir;
    dir.write("Zeta.clb", "");
    dir.write("alpha.clb", "");
    test::MessageRecorder recorder;
    LibraryFileDialog open(QString::fromStdString(dir.path()), false);
    ASSERT_EQ(open.listField()->count(), 2);
    EXPECT_EQ(open.listField()->item(0)->text(), QStringLiteral("alpha"));
    EXPECT_FALSE(open.okButton()->isEnabled());
    open.listField()->setCurrentRow(1);
    EXPECT_TRUE(open.okButton()->isEnabled());
    std::filesystem::remove(dir.file("Zeta.clb"));
    open.tryAccept();
    EXPECT_TRUE(open.fileName().isEmpty());
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_EQ(test::MessageRecorder::messages()[0], QStringLiteral("\"Zeta\" does not exist!"));

    LibraryFileDialog save(QString::fromStdString(dir.path()), true);
    EXPECT_FALSE(save.okButton()->isEnabled());
    save.nameField()->setText(QStringLiteral("alpha"));
    save.tryAccept();  // the responder says No to overwriting
    EXPECT_TRUE(save.fileName().isEmpty());
    EXPECT_EQ(test::MessageRecorder::messages().last(),
              QStringLiteral("\"alpha\" already exists! Overwrite file?"));
    save.nameField()->setText(QStringLiteral("new.one"));
    save.tryAccept();
    EXPECT_EQ(save.fileName().toStdString(), dir.file("new.one.clb"));
}

TEST(SampleLibraryInstallTest, CopiedOnlyIntoADirectoryWithoutLibraries) {
    test::ClipTestDir src, target;
    src.write("Sample.clb", "=MultiLine\r\n");
    const std::string lib = target.file("lib");
    EXPECT_TRUE(ClipbookCommands::installSampleLibrary(lib, src.file("Sample.clb")));
    EXPECT_TRUE(target.exists("lib/Sample.clb"));
    // A user who deleted it keeps other libraries untouched.
    std::filesystem::rename(target.file("lib/Sample.clb"), target.file("lib/Mine.clb"));
    EXPECT_FALSE(ClipbookCommands::installSampleLibrary(lib, src.file("Sample.clb")));
    EXPECT_FALSE(target.exists("lib/Sample.clb"));
    EXPECT_FALSE(ClipbookCommands::installSampleLibrary(lib, src.file("missing.clb")));
}

}  // namespace
}  // namespace sj

namespace sj {
namespace {

TEST_F(ClipbookPanelTest, FloatingWindowTakesItsStoredPlaceOnItsFirstFloat) {
    panel->storedFloatGeometry = QRect(40, 50, 210, 320);
    panel->setClipPanelPos(cpFloatForm);
    EXPECT_TRUE(panel->ownerForm()->isFloating());
    EXPECT_EQ(panel->ownerForm()->size(), QSize(210, 320));

    // A place no screen shows is not used: the window comes up centred instead.
    auto* other = new ClipbookPane(&main, paster);
    other->openTemplates(dir.path(), "Beta");
    other->storedFloatGeometry = QRect(90000, 90000, 210, 320);
    other->setClipPanelPos(cpFloatForm);
    EXPECT_EQ(other->ownerForm()->size(), QSize(134, 375));
    delete other->ownerForm();
}

}  // namespace
}  // namespace sj
