// Files handed over by a later start while the running editor is busy: they
// wait for the running command and then open in tabs of their own.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/ui/CommandLineRunner.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/HandOverQueue.h"
#include "app/ui/MainWindow.h"
#include "config/CommandLine.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/ScratchDir.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

// Set while the question of the second test is open: what happens meanwhile.
std::function<void()> g_duringQuestion;

msg::Answer answerNo(const QString&, bool) {
    if (g_duringQuestion) g_duringQuestion();
    return msg::Answer::No;
}

class HandOverQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_duringQuestion = nullptr;
        msg::setTestResponder(answerNo);
        msg::setSoundsOn(false);
        window = std::make_unique<MainWindow>(options);
        docs().newPage();
        docs().rules().setReuseEmptyPage(true);
        queue = std::make_unique<HandOverQueue>([this](const QString& cwd, const QStringList& args) {
            std::vector<std::string> list;
            for (const QString& a : args) list.push_back(a.toStdString());
            processCommandLine(*window, CommandLine::parse(list), cwd.toStdString());
        });
    }
    void TearDown() override {
        queue.reset();
        window.reset();
        msg::setTestResponder(nullptr);
        g_duringQuestion = nullptr;
    }
    DocumentSet& docs() { return window->documents(); }
    // Serves events as the main loop would until done() holds.
    template <typename F>
    void serveUntil(F done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    DocumentPage* pageOf(const std::string& name) { return docs().findByTitle(name); }

    test::ScratchDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<HandOverQueue> queue;
};

TEST_F(HandOverQueueTest, AFileHandedOverWhileABigFileLoadsIsNotLost) {
    // Big enough for the load to show its progress window and serve events.
    std::string bigText;
    while (bigText.size() < 2'000'000) bigText += "a line of the big file\r\n";
    const std::string big = dir.write("big.txt", bigText);
    const std::string small = dir.write("small.txt", "handed over\r\n");

    bool loaded = false;
    bool handedOver = false;
    // Both arrive as events of the main loop: the user's open, and during its
    // load the second start's message.
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            queue->receive(QString::fromStdString(dir.path()), {QStringLiteral("small.txt")});
            handedOver = true;
        });
        docs().openByName(big);
        loaded = true;
    });
    serveUntil([&] { return loaded && handedOver && queue->pending() == 0; });
    ASSERT_TRUE(loaded && handedOver);
    EXPECT_EQ(queue->pending(), 0u);

    ASSERT_EQ(docs().count(), 2);
    ASSERT_NE(pageOf(big), nullptr);
    ASSERT_NE(pageOf(small), nullptr);
    EXPECT_NE(pageOf(big), pageOf(small));
    EXPECT_EQ(pageOf(small)->textBytes().substr(0, 11), "handed over");
    EXPECT_EQ(pageOf(big)->textLength(), static_cast<Pos>(bigText.size()));
}

TEST_F(HandOverQueueTest, HandOversWaitForAModalQuestionAndKeepTheirOrder) {
    const std::string a = dir.write("a.txt", "a\r\n");
    const std::string b = dir.write("b.txt", "b\r\n");
    // The user is answering a question when two starts hand their files over.
    bool asked = false;
    std::size_t waitingDuringQuestion = 0;
    g_duringQuestion = [&] {
        QEventLoop nested;
        QTimer::singleShot(0, [&] {
            queue->receive(QString::fromStdString(dir.path()), {QStringLiteral("a.txt")});
            queue->receive(QString::fromStdString(dir.path()), {QStringLiteral("b.txt")});
            waitingDuringQuestion = queue->pending();
            nested.quit();
        });
        nested.exec();
        asked = true;
    };
    QTimer::singleShot(0, [&] { msg::askYesNo(QStringLiteral("Question?")); });
    serveUntil([&] { return asked && queue->pending() == 0; });
    EXPECT_EQ(waitingDuringQuestion, 2u) << "nothing opens under an open question";
    ASSERT_EQ(docs().count(), 2);
    EXPECT_EQ(docs().page(0)->title(), a);
    EXPECT_EQ(docs().page(1)->title(), b);
}

}  // namespace
}  // namespace sj
