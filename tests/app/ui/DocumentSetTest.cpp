// The document set in a real main window: which page a file opens into, the
// untitled numbering, Close All with a cancelled question, tab cycling, and the
// per-file settings that survive closing and reopening a file.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QTest>

#include <string>
#include <vector>

#include "app/ui/DocumentSet.h"
#include "app/ui/EditCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageSettings.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/ScratchDir.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

std::vector<msg::Answer> g_answers;
int g_questions = 0;

msg::Answer scripted(const QString&, bool) {
    ++g_questions;
    if (g_answers.empty()) return msg::Answer::No;
    const msg::Answer a = g_answers.front();
    g_answers.erase(g_answers.begin());
    return a;
}

class DocumentSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_answers.clear();
        g_questions = 0;
        msg::setTestResponder(scripted);
        msg::setSoundsOn(false);
        window = std::make_unique<MainWindow>(options);
        files = new FileCommands(*window);
        edit = new EditCommands(*window);
        window->addCommandGroup(files);
        window->addCommandGroup(edit);
        docs().newPage();
        docs().rules().setReuseEmptyPage(true);
    }
    void TearDown() override {
        for (int i = 0; i < docs().count(); ++i) docs().page(i)->setModified(false);
        window.reset();
        msg::setTestResponder(nullptr);
    }
    DocumentSet& docs() { return window->documents(); }
    QAction* actionNamed(const QString& caption) {
        for (QAction* a : edit->findChildren<QAction*>())
            if (a->text() == caption) return a;
        return nullptr;
    }
    std::string titleAt(int i) { return docs().page(i)->title(); }

    test::ScratchDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
    FileCommands* files = nullptr;
    EditCommands* edit = nullptr;
};

TEST_F(DocumentSetTest, FirstOpenFillsThePristinePageAndTheNextOneAddsATab) {
    ASSERT_EQ(docs().count(), 1);
    const std::string a = dir.write("a.txt", "alpha\r\n");
    const std::string b = dir.write("b.txt", "beta\r\n");
    ASSERT_TRUE(docs().openByName(a));
    EXPECT_EQ(docs().count(), 1);
    EXPECT_EQ(titleAt(0), a);
    ASSERT_TRUE(docs().openByName(b));
    EXPECT_EQ(docs().count(), 2);
    EXPECT_EQ(docs().current()->title(), b);
    // Opening a file already shown only brings its tab forward.
    ASSERT_TRUE(docs().openByName(a));
    EXPECT_EQ(docs().count(), 2);
    EXPECT_EQ(docs().currentIndex(), 0);
}

TEST_F(DocumentSetTest, NewAfterAnOpenIsTheFirstUntitledPage) {
    ASSERT_TRUE(docs().openByName(dir.write("a.txt", "x")));
    files->newDocument();
    ASSERT_EQ(docs().count(), 2);
    EXPECT_EQ(docs().current()->title(), "Untitled.1");
}

TEST_F(DocumentSetTest, ClosingTheOnlyModifiedUntitledPageLeavesTheNextNumber) {
    ASSERT_EQ(titleAt(0), "Untitled.1");
    QTest::keyClicks(docs().current(), QStringLiteral("unsaved"));
    ASSERT_TRUE(docs().current()->isModified());
    QApplication::processEvents();  // the edit reaches the set
    g_answers = {msg::Answer::No};
    ASSERT_TRUE(docs().closeCurrent());
    EXPECT_EQ(g_questions, 1);
    ASSERT_EQ(docs().count(), 1);
    EXPECT_EQ(docs().current()->textLength(), 0);
    EXPECT_EQ(titleAt(0), "Untitled.2");
}

TEST_F(DocumentSetTest, CloseAllStopsAtACancelledQuestion) {
    for (const char* n : {"a.txt", "b.txt", "c.txt"}) ASSERT_TRUE(docs().openByName(dir.write(n, "text")));
    ASSERT_EQ(docs().count(), 3);
    for (int i = 0; i < 3; ++i) docs().page(i)->insertAt(QStringLiteral("changed "), 0, 0);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(docs().page(i)->isModified());
    g_answers = {msg::Answer::No, msg::Answer::Cancel};
    EXPECT_FALSE(docs().closeAll());
    EXPECT_EQ(g_questions, 2);
    ASSERT_EQ(docs().count(), 2);
    // The last tab went first; the others are untouched.
    EXPECT_EQ(titleAt(0), dir.file("a.txt"));
    EXPECT_EQ(titleAt(1), dir.file("b.txt"));
    EXPECT_TRUE(docs().page(1)->isModified());
}

TEST_F(DocumentSetTest, NextAndPreviousWrapAround) {
    for (const char* n : {"a.txt", "b.txt", "c.txt"}) ASSERT_TRUE(docs().openByName(dir.write(n, "t")));
    docs().select(2);
    QAction* next = actionNamed(QStringLiteral("&Next"));
    QAction* previous = actionNamed(QStringLiteral("&Previous"));
    ASSERT_TRUE(next && previous);
    next->trigger();
    EXPECT_EQ(docs().currentIndex(), 0);
    previous->trigger();
    EXPECT_EQ(docs().currentIndex(), 2);
    previous->trigger();
    EXPECT_EQ(docs().currentIndex(), 1);
}

TEST_F(DocumentSetTest, SettingsOfAClosedFileComeBackWhenItReopens) {
    options.wordWrap = false;
    PageSettings settings(options, dir.file("FileProp.inf"), false);
    settings.attach(docs());
    const std::string a = dir.write("a.txt", "one\ntwo\n");
    ASSERT_TRUE(docs().openByName(a));
    DocumentPage* page = docs().current();
    EXPECT_FALSE(page->wordWrap());
    page->setWordWrap(true);
    page->setTabSettings("0.5;1.25");
    page->setDefaultSettings(false);
    ASSERT_TRUE(docs().closeCurrent());
    ASSERT_TRUE(settings.save());

    // A fresh store read from the file, as at the next start.
    PageSettings again(options, dir.file("FileProp.inf"), false);
    again.attach(docs());
    ASSERT_TRUE(docs().openByName(a));
    EXPECT_TRUE(docs().current()->wordWrap());
    EXPECT_EQ(docs().current()->tabSettings(), "0.5;1.25");
    EXPECT_FALSE(docs().current()->defaultSettings());
}

TEST_F(DocumentSetTest, DefaultSettingsPagesFollowTheWindowButKeepTheirCharacterSet) {
    PageSettings settings(options, dir.file("FileProp.inf"), false);
    settings.attach(docs());
    const std::string a = dir.write("a.txt", "plain");
    ASSERT_TRUE(docs().openByName(a));
    docs().current()->setWordWrap(true);  // not own settings: not remembered
    docs().current()->setOem(true);
    ASSERT_TRUE(docs().closeCurrent());
    FileProperties rec;
    ASSERT_TRUE(settings.store().find(a, rec));
    EXPECT_TRUE(rec.defaultSettings);
    EXPECT_TRUE(rec.oemText);
    EXPECT_FALSE(rec.wordWrap);

    options.wordWrap = false;
    ASSERT_TRUE(docs().openByName(a));
    EXPECT_FALSE(docs().current()->wordWrap());
    EXPECT_TRUE(docs().current()->oem());
}

TEST_F(DocumentSetTest, UntitledPagesAreNotStored) {
    PageSettings settings(options, dir.file("FileProp.inf"), false);
    settings.attach(docs());
    files->newDocument();
    files->newDocument();
    docs().current()->insertAt(QStringLiteral("x"), 0, 0);
    g_answers = {msg::Answer::No};
    ASSERT_TRUE(docs().closeCurrent());
    EXPECT_EQ(settings.store().size(), 0u);
}

TEST_F(DocumentSetTest, ShortcutsSeeTheStateOfTheMomentNotOfTheLastOpenedMenu) {
    const std::string a = dir.write("a.txt", "alpha\r\n");
    ASSERT_TRUE(docs().openByName(a));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    DocumentPage* page = docs().current();
    page->setFocus();
    // Save was disabled when the page came up unmodified; typing alone opens no menu.
    QTest::keyClicks(page, QStringLiteral("x"));
    ASSERT_TRUE(page->isModified());
    QTest::keyClick(page, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(page->isModified());
    EXPECT_EQ(test::readFile(a).substr(0, 1), "x");
}

}  // namespace
}  // namespace sj
