// The Clipbook pane on a real main window: the menu's first item following
// the selection, clipboard round trips, moving items, the item editor's
// merge, placement, the document font, and the library file chooser.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMimeData>
#include <QPushButton>

#include <filesystem>

#include "clipbook/ClipTestDir.h"
#include "clipbook/ui/ClipDialogs.h"
#include "clipbook/ui/ClipPaster.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "clipbook/ui/ProcessLauncher.h"
#include "clipbook/ui/TClipbookPanel.h"
#include "clipbook/ui/TfrmEditClipFile.h"
#include "shell/ui/FilePage.h"
#include "shell/ui/MessageBoxes.h"

namespace sj {
namespace {

QStringList g_messages;
msg::Answer recordMessage(const QString& text, bool) {
    g_messages << text;
    return msg::Answer::No;
}

class ClipbookPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_messages.clear();
        msg::setTestResponder(recordMessage);
        msg::setSoundsOn(false);
        dir.write("Alpha.clb", "=MultiLine\r\n\r\nH=run\r\n^!true\r\n\r\nH=sig\r\nRegards\r\n");
        dir.write("Beta.clb", "=MultiLine\r\n\r\nH=one\r\n1\r\n");
        main.setCentralWidget(page);
        main.show();
        panel = new TClipbookPanel(&main, paster);
        panel->openTemplates(dir.path(), "Alpha");
        panel->setMemoControl(page);
    }
    void TearDown() override {
        panel->list().setModified(false);
        delete panel->ownerForm();
        msg::setTestResponder(nullptr);
    }

    test::ClipTestDir dir;
    QMainWindow main;
    TFilePage* page = new TFilePage(PageEnvironment{});
    DialogPromptHost prompts;
    ProcessLauncher launcher;
    ClipPaster paster{prompts, launcher};
    TClipbookPanel* panel = nullptr;
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
    EXPECT_TRUE(g_messages.isEmpty());  // no title dialog, no error
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

TEST(ClipFileChooserTest, OpenModeRefusesMissingFilesAndSaveModeAsksBeforeOverwriting) {
    test::ClipTestDir dir;
    dir.write("Zeta.clb", "");
    dir.write("alpha.clb", "");
    g_messages.clear();
    msg::setTestResponder(recordMessage);
    TfrmEditClipFile open(QString::fromStdString(dir.path()), false);
    ASSERT_EQ(open.listField()->count(), 2);
    EXPECT_EQ(open.listField()->item(0)->text(), QStringLiteral("alpha"));
    EXPECT_FALSE(open.okButton()->isEnabled());
    open.listField()->setCurrentRow(1);
    EXPECT_TRUE(open.okButton()->isEnabled());
    std::filesystem::remove(dir.file("Zeta.clb"));
    open.tryAccept();
    EXPECT_TRUE(open.fileName().isEmpty());
    ASSERT_EQ(g_messages.size(), 1);
    EXPECT_EQ(g_messages[0], QStringLiteral("\"Zeta\" does not exist!"));

    TfrmEditClipFile save(QString::fromStdString(dir.path()), true);
    EXPECT_FALSE(save.okButton()->isEnabled());
    save.nameField()->setText(QStringLiteral("alpha"));
    save.tryAccept();  // the responder says No to overwriting
    EXPECT_TRUE(save.fileName().isEmpty());
    EXPECT_EQ(g_messages.last(), QStringLiteral("\"alpha\" already exists! Overwrite file?"));
    save.nameField()->setText(QStringLiteral("new.one"));
    save.tryAccept();
    EXPECT_EQ(save.fileName().toStdString(), dir.file("new.one.clb"));
    msg::setTestResponder(nullptr);
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
