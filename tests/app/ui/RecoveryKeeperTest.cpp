// Recovery files of a real main window: typing keeps the page, saving or
// closing it lets go, and a session that was killed gets its pages offered
// back as modified pages of their files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/RecoveryStore.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "app/ui/RecoveryKeeper.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"
#include "support/ScratchDir.h"

namespace sj {
namespace {

class RecoveryKeeperTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(options);
        docs().newPage();
        docs().rules().setReuseEmptyPage(true);
        keeper = std::make_unique<RecoveryKeeper>(docs(), recoveryDir);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        for (int i = 0; i < docs().count(); ++i) docs().page(i)->setModified(false);
        keeper.reset();
        window.reset();
    }
    DocumentSet& docs() { return window->documents(); }
    void type(const QString& text) {
        docs().current()->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    std::optional<std::string> kept(int serial) {
        return RecoveryStore::readText(keeper->store().pathFor(serial));
    }
    // The user's answers to the recovery questions, one per box, in order.
    using Answer = std::function<void(QMessageBox*)>;
    static Answer key(Qt::Key k) {
        return [k](QMessageBox* box) { QTest::keyClick(box, k); };
    }
    static Answer click(const QString& caption) {
        return [caption](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == caption) QTest::mouseClick(b, Qt::LeftButton);
        };
    }
    void answerBoxes(std::vector<Answer> answers) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, [this, answers = std::move(answers), poll]() mutable {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || answers.empty() || !box->isVisible()) return;
            questions << box->text();
            const Answer answer = answers.front();
            answers.erase(answers.begin());
            if (answers.empty()) poll->stop();
            answer(box);
        });
        poll->start(20);
    }

    test::ScratchDir dir;
    test::MessageRecorder messages;
    std::string recoveryDir = dir.file("recovery");
    Options options;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<RecoveryKeeper> keeper;
    QStringList questions;
};

TEST_F(RecoveryKeeperTest, TypingKeepsThePageUntilItIsSavedOrGivenUp) {
    const std::string file = dir.write("a.txt", "disk\r\n");
    ASSERT_TRUE(docs().openByName(file));
    type(QStringLiteral("typed "));
    EXPECT_FALSE(kept(1).has_value()) << "written after a pause, not at every keystroke";
    QTest::qWait(RecoveryKeeper::kPauseMs + 500);
    keeper->flush();
    EXPECT_EQ(kept(1), std::optional<std::string>("typed disk\r\n"));

    ASSERT_TRUE(docs().save(docs().current()));
    keeper->flush();
    EXPECT_FALSE(kept(1).has_value()) << "a saved page has nothing to recover";

    // An untitled page, closed without saving: its file goes too.
    docs().newPage();
    type(QStringLiteral("scratch"));
    QTest::qWait(RecoveryKeeper::kPauseMs + 500);
    keeper->flush();
    EXPECT_EQ(kept(2), std::optional<std::string>("scratch"));
    ASSERT_TRUE(docs().closeCurrent());  // the recorder answers No: not saved
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    keeper->flush();
    EXPECT_FALSE(kept(2).has_value());
}

TEST_F(RecoveryKeeperTest, AKilledSessionsPagesComeBackModifiedOrWaitForLater) {
    const std::string file = dir.write("notes.txt", "on disk\r\n");
    {
        RecoveryStore killed(recoveryDir);
        ASSERT_TRUE(killed.beginSession());
        RecoveryRecord titled;
        titled.fileName = file;
        titled.title = file;
        titled.charset = "UTF-8";
        titled.savedAt = 100;
        ASSERT_TRUE(killed.write(1, titled, "recovered text\r\non disk\r\n"));
        RecoveryRecord untitled;
        untitled.title = "Untitled.3";
        untitled.charset = "Windows-1252";
        untitled.lineFormat = 1;
        untitled.savedAt = 200;
        ASSERT_TRUE(killed.write(2, untitled, "never saved"));
        RecoveryRecord later = untitled;
        later.title = "Untitled.4";
        later.savedAt = 300;
        ASSERT_TRUE(killed.write(3, later, "for another day"));
    }  // killed: its lock is gone, its files stay

    // Recover (Enter: the default), recover by its button, and keep the third
    // for later (Esc).
    answerBoxes({key(Qt::Key_Return), click(QStringLiteral("&Recover")), key(Qt::Key_Escape)});
    keeper->offerRecovery(window.get());
    ASSERT_EQ(questions.size(), 3);
    EXPECT_TRUE(questions[0].startsWith(QStringLiteral("Recover unsaved changes of \"") +
                                        QString::fromStdString(file) + QStringLiteral("\"?")))
        << questions[0].toStdString();
    EXPECT_TRUE(questions[1].contains(QStringLiteral("\"Untitled.3\"")));

    DocumentPage* notes = docs().findByTitle(file);
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->textBytes(), "recovered text\r\non disk\r\n");
    EXPECT_TRUE(notes->isModified());
    notes->undo();
    EXPECT_EQ(notes->textBytes(), "on disk\r\n") << "Undo gives the file as it is on disk";
    notes->redo();
    QCoreApplication::processEvents();  // the page tells of its change

    DocumentPage* scratch = docs().current();
    EXPECT_FALSE(scratch->hasFileName());
    EXPECT_EQ(scratch->textBytes(), "never saved");
    EXPECT_TRUE(scratch->isModified());
    EXPECT_EQ(scratch->charset(), TextCharset::Windows1252);
    EXPECT_EQ(scratch->lineFormat(), 1);

    // The recovered pages are this session's now; the third file waits.
    RecoveryStore nextStart(recoveryDir);
    ASSERT_TRUE(nextStart.beginSession());
    const auto waiting = nextStart.claimOrphans();
    ASSERT_EQ(waiting.size(), 1u);
    EXPECT_EQ(waiting[0].record.title, "Untitled.4");
    nextStart.releaseClaims();
    keeper->flush();
    EXPECT_TRUE(RecoveryStore::readText(keeper->store().pathFor(1)).has_value());
}

}  // namespace
}  // namespace sj
