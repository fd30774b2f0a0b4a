// The preferences dialog as a user works it: pages, keys to the focused
// fields, the filter list, and OK applying at once while Cancel keeps
// everything; the view switches taking effect at start-up too.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include "app/ui/DocumentTabs.h"
#include "support/MessageRecorder.h"
#include "workspace/ui/DocumentRuler.h"
#include "workspace/ui/PreferencesDialog.h"
#include "workspace/ui/WorkspaceWindow.h"

namespace sj {
namespace {

using test::WorkspaceWindow;

template <class W>
W* withText(QWidget* parent, const QString& text) {
    for (W* w : parent->findChildren<W*>())
        if (w->text() == text) return w;
    return nullptr;
}

QLineEdit* fieldOf(QWidget* parent, const QString& label) {
    for (QLabel* l : parent->findChildren<QLabel*>())
        if (l->text() == label) return qobject_cast<QLineEdit*>(l->buddy());
    return nullptr;
}

struct ShownDialog {
    PreferencesDialog dialog;
    explicit ShownDialog(const Preferences& p) : dialog(p) {
        dialog.QWidget::show();
        QApplication::setActiveWindow(&dialog);
        QTest::qWaitForWindowExposed(&dialog);
    }
    QTabWidget* pages() { return dialog.findChild<QTabWidget*>(); }
    void showPage(int i) { pages()->setCurrentIndex(i); }
};

// Runs the action while the modal dialog that `start` opens is up.
void whileModal(const std::function<void(QDialog&)>& act, const std::function<void()>& start) {
    QTimer::singleShot(150, [act] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        act(*d);
    });
    start();
}

TEST(PreferencesDialog, NormalModeHasFourPagesAndDocumentOnlyControlsAreOff) {
    ShownDialog d(Preferences{});
    EXPECT_EQ(d.dialog.windowTitle(), QStringLiteral("Preferences"));
    ASSERT_EQ(d.pages()->count(), 4);
    EXPECT_EQ(d.pages()->tabText(0), QStringLiteral("&1. Program"));
    EXPECT_EQ(d.pages()->tabText(3), QStringLiteral("&4. Miscellaneous"));
    EXPECT_FALSE(withText<QCheckBox>(&d.dialog, QStringLiteral("Dos &ASCII"))->isEnabled());
    d.showPage(1);
    EXPECT_FALSE(withText<QCheckBox>(&d.dialog, QStringLiteral("&Default"))->isVisible());
}

TEST(PreferencesDialog, TabSettingsRefuseOtherCharactersAndConvertOnAUnitChange) {
    Preferences p;
    p.tabUnits = 0;
    ShownDialog d(p);
    d.showPage(1);
    QLineEdit* tabs = fieldOf(&d.dialog, QStringLiteral("Tab &Settings:"));
    ASSERT_TRUE(tabs);
    tabs->setFocus();
    QTest::keyClicks(tabs, QStringLiteral("1a;0.5 ;1x"));
    EXPECT_EQ(tabs->text(), QStringLiteral("1;0.5;1"));
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ShiftModifier);  // back to "Tab Units:"
    auto* units = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_TRUE(units);
    QTest::keyClick(units, Qt::Key_Down);
    EXPECT_EQ(units->currentText(), QStringLiteral("Centimeters"));
    EXPECT_EQ(tabs->text(), QStringLiteral("1.27;2.54"));
    const Preferences r = d.dialog.preferences();
    EXPECT_EQ(r.tabUnits, 1);
    EXPECT_EQ(r.tabSettings, "1.27;2.54");
}

TEST(PreferencesDialog, IndentOfZeroIsStoredAsOneAndAutoLoadsExcludeEachOther) {
    Preferences p;
    p.autoLoadFiles = true;
    ShownDialog d(p);
    QCheckBox* files = withText<QCheckBox>(&d.dialog, QStringLiteral("Auto &Load Files"));
    QCheckBox* favorites = withText<QCheckBox>(&d.dialog, QStringLiteral("Auto Load &Favorites"));
    QTest::mouseClick(favorites, Qt::LeftButton);
    EXPECT_TRUE(favorites->isChecked());
    EXPECT_FALSE(files->isChecked());
    d.showPage(1);
    QLineEdit* indent = fieldOf(&d.dialog, QStringLiteral("Indent &Size:"));
    indent->setFocus();
    indent->selectAll();
    QTest::keyClicks(indent, QStringLiteral("0x9"));
    EXPECT_EQ(indent->text(), QStringLiteral("09"));
    indent->selectAll();
    QTest::keyClicks(indent, QStringLiteral("0"));
    EXPECT_EQ(d.dialog.preferences().indentSize, 1);
    EXPECT_TRUE(d.dialog.preferences().autoLoadFavorites);
}

TEST(PreferencesDialog, FilterListAddsEditsAndLeavesIncompleteEntriesOut) {
    Preferences p;
    p.fileFilters = "Text (*.txt)|*.txt";
    ShownDialog d(p);
    d.showPage(2);
    QPushButton* add = withText<QPushButton>(&d.dialog, QStringLiteral("&New"));
    QPushButton* remove = withText<QPushButton>(&d.dialog, QStringLiteral("D&elete"));
    auto* list = d.dialog.findChild<QListWidget*>();
    EXPECT_FALSE(remove->isEnabled());  // nothing selected yet
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(list->count(), 2);
    QLineEdit* description = fieldOf(&d.dialog, QStringLiteral("&Description:"));
    EXPECT_EQ(QApplication::focusWidget(), description);
    EXPECT_EQ(description->text(), QStringLiteral("New"));
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_EQ(d.dialog.preferences().fileFilters, "Text (*.txt)|*.txt");  // "New" lacks wild cards
    QTest::keyClicks(description, QStringLiteral("Markdown"));
    QTest::keyClick(description, Qt::Key_Tab);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Markdown"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("*.md"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(d.dialog.preferences().fileFilters, "Text (*.txt)|*.txt|Markdown|*.md");
    QPushButton* up = withText<QPushButton>(&d.dialog, QStringLiteral("Move &Up"));
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(d.dialog.preferences().fileFilters, "Markdown|*.md|Text (*.txt)|*.txt");
    EXPECT_EQ(QApplication::focusWidget(), withText<QPushButton>(&d.dialog, QStringLiteral("Move D&own")));
}

TEST(PreferencesDialog, AFilterEditBeyondTheLimitIsRefusedWithTheMessage) {
    test::MessageRecorder messages;
    std::string big;
    while (big.size() < 10200)
        big += (big.empty() ? "" : "|") + std::string(50, 'd') + "|" + std::string(50, 'w');
    Preferences p;
    p.fileFilters = big;
    ShownDialog d(p);
    d.showPage(2);
    auto* list = d.dialog.findChild<QListWidget*>();
    list->setCurrentRow(0);
    QLineEdit* wild = fieldOf(&d.dialog, QStringLiteral("&Wild Cards:"));
    wild->setFocus();
    wild->selectAll();
    QTest::keyClicks(wild, QString(60, QLatin1Char('x')));
    QTest::keyClick(wild, Qt::Key_Tab);
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages().first(),
              QStringLiteral("Filter size is limited to 10240 characters. This entry exceeds the limit!"));
    EXPECT_EQ(wild->text(), QString(50, QLatin1Char('w')));
    EXPECT_EQ(d.dialog.preferences().fileFilters, big);
}

TEST(Preferences, CancelChangesNothingEvenAfterEditsInTheDialog) {
    WorkspaceWindow w;
    const Options before = w.options;
    whileModal(
        [](QDialog& d) {
            QTest::mouseClick(withText<QCheckBox>(&d, QStringLiteral("Hide &Menu")), Qt::LeftButton);
            d.findChild<QTabWidget*>()->setCurrentIndex(2);
            QTest::mouseClick(withText<QPushButton>(&d, QStringLiteral("&New")), Qt::LeftButton);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Extra"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("*.x"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // back to the entry text
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // the dialog's Cancel
        },
        [&] { w.preferences->showPreferences(); });
    EXPECT_TRUE(w.options == before);
    EXPECT_TRUE(w.window->menuBar()->isVisible());
}

TEST(Preferences, OkAppliesTheViewSwitchesAtOnce) {
    WorkspaceWindow w;
    whileModal(
        [](QDialog& d) {
            for (const char* box :
                 {"Hide &Menu", "&Hide Toolbar", "Hide Stat&us Line", "Stac&k Document Tabs"})
                QTest::mouseClick(withText<QCheckBox>(&d, QString::fromLatin1(box)), Qt::LeftButton);
            d.findChild<QTabWidget*>()->setCurrentIndex(1);
            QTest::mouseClick(withText<QCheckBox>(&d, QStringLiteral("&Word Wrap")), Qt::LeftButton);
            QTest::keyClick(&d, Qt::Key_Return);
        },
        [&] { w.preferences->showPreferences(); });
    EXPECT_TRUE(w.options.hideMenu);
    EXPECT_TRUE(w.options.hideButtonBar);
    EXPECT_TRUE(w.options.hideStatusBar);
    EXPECT_TRUE(w.options.stackDocumentTabs);
    EXPECT_FALSE(w.window->menuBar()->isVisible());
    EXPECT_FALSE(w.workspace->toolbarHolder()->isVisible());
    EXPECT_FALSE(w.window->statusBar()->isVisible());
    EXPECT_FALSE(w.window->findChild<DocumentTabs*>()->usesScrollButtons());
    EXPECT_TRUE(w.options.wordWrap);
    EXPECT_TRUE(w.page()->wordWrap());  // the page follows the defaults
    EXPECT_EQ(w.window->focusWidget(), w.page());
}

TEST(Preferences, ViewSwitchesTakeEffectAtStartUp) {
    WorkspaceWindow w([](Options& o) {
        o.hideMenu = true;
        o.hideStatusBar = true;
        o.hideButtonBar = true;
        o.hideRuler = true;
        o.stackDocumentTabs = true;
    });
    EXPECT_FALSE(w.window->menuBar()->isVisible());
    EXPECT_FALSE(w.window->statusBar()->isVisible());
    EXPECT_FALSE(w.workspace->toolbarHolder()->isVisible());
    EXPECT_FALSE(w.workspace->ruler()->isVisible());
    EXPECT_FALSE(w.window->findChild<DocumentTabs*>()->usesScrollButtons());
    // Shortcuts still reach the commands of a hidden menu.
    const int pages = w.window->documents().count();
    QTest::keyClick(w.page(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(w.window->documents().count(), pages + 1);
}

}  // namespace
}  // namespace sj
