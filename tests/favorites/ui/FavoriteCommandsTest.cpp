// The Favorites menu and the "Favorite Files" dialog, reached by the user's
// keys, real menu popups and clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "app/ui/AppHostSignals.h"
#include "app/ui/CommandLineRunner.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "config/CommandLine.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "favorites/ui/FavoriteCommands.h"
#include "favorites/ui/FavoritesDialog.h"
#include "support/MessageRecorder.h"
#include "support/ScratchDir.h"
#include "widgets/ui/InputQueryDialog.h"

namespace sj {
namespace {

// Acts in the next modal dialog once it is up and has the focus.
void inNextDialog(std::function<void(QWidget* dialog)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isActiveWindow() || !QApplication::focusWidget()) return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

struct FavoritesWindow {
    test::ScratchDir dir;
    std::string lists = dir.path() + "/lists";
    Options options;
    MainWindow window{options};
    FavoriteCommands* commands;
    test::MessageRecorder messages;

    FavoritesWindow() {
        std::filesystem::create_directory(lists);
        commands = new FavoriteCommands(window, lists);
        window.addCommandGroup(commands);
        window.finishMenus();
        window.documents().newPage();
        window.show();
        window.activateWindow();
    }
    ~FavoritesWindow() {
        for (int i = 0; i < window.documents().count(); ++i) window.documents().page(i)->setModified(false);
    }
    DocumentSet& docs() { return window.documents(); }
    std::string list(const std::string& name, const std::string& bytes) {
        return dir.write("lists/" + name + ".fvr", bytes);
    }
    void start(bool furtherInstance = false) {
        emit window.hostSignals().commandLineProcessed(furtherInstance);
    }
    QMenu* openMenu() {
        QMenu* menu = window.menu(QStringLiteral("Favorites"));
        menu->popup(window.mapToGlobal(QPoint(20, 20)));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        return menu;
    }
    static QAction* item(QMenu* menu, const QString& caption) {
        for (QAction* a : menu->actions())
            if (a->text() == caption) return a;
        return nullptr;
    }
    static QStringList captions(QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    void click(QMenu* menu, QAction* action) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    QStringList openTitles() {
        QStringList out;
        for (int i = 0; i < docs().count(); ++i) out << QString::fromStdString(docs().page(i)->fileName());
        return out;
    }
};

TEST(FavoriteCommands, TheMenuShowsTheListAfterStartAndOpensAnEntry) {
    FavoritesWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    const std::string a = w.dir.write("a & b.txt", "alpha\r\n");
    w.list("Favorite", a + "\r\n:Work\r\n" + w.dir.path() + "/\r\n");
    w.start();
    QMenu* menu = w.openMenu();
    EXPECT_EQ(w.captions(menu), (QStringList{"&Add Favorite", "Go to &Favorites...", "-", "a && b.txt",
                                             QString::fromStdString(w.dir.path() + "/")}));
    QAction* entry = w.item(menu, QStringLiteral("a && b.txt"));
    EXPECT_EQ(entry->statusTip().toStdString(), a);
    w.click(menu, entry);
    EXPECT_TRUE(w.openTitles().contains(QString::fromStdString(a)));
}

TEST(FavoriteCommands, AddFavoriteIsOfferedOnlyForAFileNotYetInTheList) {
    FavoritesWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    const std::string a = w.dir.write("a.txt", "alpha\r\n");
    const std::string upper = w.dir.write("A.txt", "other\r\n");
    w.list("Favorite", a + "\r\n");
    w.start();
    QMenu* menu = w.openMenu();
    EXPECT_FALSE(w.item(menu, QStringLiteral("&Add Favorite"))->isEnabled());  // untitled
    menu->close();

    ASSERT_TRUE(w.docs().openByName(a));
    menu = w.openMenu();
    EXPECT_FALSE(w.item(menu, QStringLiteral("&Add Favorite"))->isEnabled());  // already listed
    menu->close();

    // A name differing only in letter case is another file.
    ASSERT_TRUE(w.docs().openByName(upper));
    menu = w.openMenu();
    QAction* add = w.item(menu, QStringLiteral("&Add Favorite"));
    ASSERT_TRUE(add->isEnabled());
    w.click(menu, add);
    EXPECT_EQ(test::readFile(w.lists + "/Favorite.fvr"), a + "\r\n" + upper + "\r\n");
    menu = w.openMenu();
    EXPECT_TRUE(w.item(menu, QStringLiteral("A.txt")) != nullptr);
    EXPECT_FALSE(w.item(menu, QStringLiteral("&Add Favorite"))->isEnabled());
    menu->close();
}

TEST(FavoriteCommands, AFavouriteClosedStaysOffTheReopenListAndFollowsARename) {
    FavoritesWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    const std::string a = w.dir.write("a.txt", "alpha\r\n");
    const std::string other = w.dir.write("other.txt", "x\r\n");
    w.list("Favorite", a + "\r\n");
    w.start();
    ASSERT_TRUE(w.docs().openByName(other));
    ASSERT_TRUE(w.docs().openByName(a));
    inNextDialog([](QWidget*) {
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(field, nullptr);
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("renamed"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    w.docs().renameCurrent();
    const std::string renamed = w.dir.file("renamed.txt");
    EXPECT_EQ(test::readFile(w.lists + "/Favorite.fvr"), renamed + "\r\n");

    ASSERT_TRUE(w.docs().closeCurrent());
    w.docs().select(w.docs().count() - 1);
    ASSERT_TRUE(w.docs().closeCurrent());
    EXPECT_EQ(w.docs().reopenList().entries(), (std::vector<std::string>{other}));
}

TEST(FavoriteCommands, StartUpTakesTheSwitchesListAndOpensItsFilesUnlessAnotherInstanceRuns) {
    const auto run = [](bool furtherInstance) {
        FavoritesWindow w;
        const std::string a = w.dir.write("a.txt", "alpha\r\n");
        w.list("Favorite", "");
        w.list("Work", a + "\r\n:Favorite\r\n" + w.dir.file("missing.txt") + "\r\n" + w.dir.path() + "/\r\n");
        w.options.autoLoadFavorites = true;
        processCommandLine(w.window, CommandLine::parse({"/F=" + w.dir.path() + "/Work.fvr"}), w.dir.path());
        w.start(furtherInstance);
        EXPECT_EQ(w.options.favoriteName, "Work");
        EXPECT_EQ(w.commands->entries().size(), 4u);
        return w.openTitles().contains(QString::fromStdString(a));
    };
    EXPECT_TRUE(run(false));
    EXPECT_FALSE(run(true));
}

TEST(FavoritesDialog, ShiftF2OpensAReferencedListsFilesButNotItsReferences) {
    FavoritesWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    const std::string a = w.dir.write("a.txt", "a\r\n");
    const std::string b = w.dir.write("b.txt", "b\r\n");
    w.list("Favorite", ":Work\r\n");
    w.list("Work", a + "\r\n:Favorite\r\n" + b + "\r\n");
    w.start();
    QString caption;
    inNextDialog([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        auto* list = qobject_cast<QListWidget*>(QApplication::focusWidget());
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->currentItem()->text(), QStringLiteral(":Work"));
        QTest::keyClick(list, Qt::Key_Return);
    });
    w.docs().current()->setFocus();
    QTest::keyClick(w.docs().current(), Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(caption, QStringLiteral("Favorite Files"));
    EXPECT_TRUE(w.openTitles().contains(QString::fromStdString(a)));
    EXPECT_TRUE(w.openTitles().contains(QString::fromStdString(b)));
}

TEST(FavoritesDialog, AMissingDirectoryKeepsTheDialogOpenAndAnEmptyChoiceIsSaid) {
    FavoritesWindow w;
    const std::string gone = w.dir.file("gone") + "/";
    w.list("Favorite", gone + "\r\n:Empty\r\n");
    w.options.favoriteName = "Favorite";
    FavoritesDialog::Setup setup{w.lists, "Favorite", w.dir.path(), "txt", w.options.fileBoxFilter, true};
    FavoritesDialog dialog(setup);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QPushButton* open = dialog.findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("&Open")) open = b;
    QTest::mouseClick(open, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_EQ(test::MessageRecorder::messages()[0].toStdString(),
              "Directory '" + w.dir.file("gone") + "' does not exist!");

    QTest::keyClick(dialog.entryList(), Qt::Key_Down);  // the reference to a missing list
    QTest::mouseClick(open, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(test::MessageRecorder::messages().back(), QStringLiteral("File list is empty!"));
}

TEST(FavoritesDialog, EditingTheEntriesAndSwitchingListsSavesWithoutAQuestion) {
    FavoritesWindow w;
    w.list("One", "/x/a\r\n/x/b\r\n/x/c\r\n");
    w.list("Two", "/y\r\n");
    FavoritesDialog::Setup setup{w.lists, "One", w.dir.path(), "txt", w.options.fileBoxFilter, true};
    FavoritesDialog dialog(setup);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QListWidget* list = dialog.entryList();
    ASSERT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(dialog.entryField()->text(), QStringLiteral("/x/a"));
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(dialog.entryField()->text(), QStringLiteral("[3 files selected]"));
    EXPECT_TRUE(dialog.entryField()->isReadOnly());

    // The last entry is edited in the field; typed empty, it goes when the field is left.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_FALSE(dialog.entryField()->isReadOnly());
    QTest::keyClick(list, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog.entryField());
    dialog.entryField()->selectAll();
    QTest::keyClicks(dialog.entryField(), QStringLiteral("/x/z"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("/x/z"));
    dialog.entryField()->selectAll();
    QTest::keyClick(dialog.entryField(), Qt::Key_Backspace);
    QTest::keyClick(dialog.entryField(), Qt::Key_Tab);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 1);

    QComboBox* chooser = dialog.chooser();
    chooser->setFocus();
    chooser->lineEdit()->selectAll();
    QTest::keyClicks(chooser->lineEdit(), QStringLiteral("t*w.o/"));
    EXPECT_EQ(chooser->currentText(), QStringLiteral("two"));
    QTest::keyClick(chooser->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.lists().current(), "Two");
    EXPECT_EQ(test::readFile(w.lists + "/One.fvr"), "/x/a\r\n/x/b\r\n");
    EXPECT_TRUE(test::MessageRecorder::messages().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(FavoritesDialog, TheEntryMenuSelectsUnderTheMouseAndSortsWithoutCase) {
    FavoritesWindow w;
    w.list("One", "/b\r\n/C\r\n/a\r\n");
    FavoritesDialog::Setup setup{w.lists, "One", w.dir.path(), "txt", w.options.fileBoxFilter, true};
    FavoritesDialog dialog(setup);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QListWidget* list = dialog.entryList();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(list->currentRow(), 2);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* sort = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == QStringLiteral("&Sort List")) sort = a;
    ASSERT_TRUE(sort && sort->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(sort).center());
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"/a", "/b", "/C"}));
    dialog.reject();
    EXPECT_EQ(test::readFile(w.lists + "/One.fvr"), "/a\r\n/b\r\n/C\r\n");
}

}  // namespace
}  // namespace sj
