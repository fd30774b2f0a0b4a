#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "TextToolsWindow.h"
#include "text/Collation.h"
#include "texttools/ui/StatCommandGroup.h"
#include "texttools/ui/StatisticsDialog.h"
#include "widgets/ui/ProgressWindow.h"

namespace sj {
namespace {

using testing::TextToolsWindow;

QString box(const QDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

TEST(StatDialogTest, CountsWholeDocumentWhenOneCharacterIsSelected) {
    TextToolsWindow w;
    auto* stats = w.add<StatCommandGroup>();
    w.setText("Hello, world\r\nabc123 $5 well-known");
    w.select(0, 1);
    auto dialog = stats->makeDialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Text Statistics [Whole Document]"));
    EXPECT_EQ(box(*dialog, "edtCharacters"), QStringLiteral("32"));
    EXPECT_EQ(box(*dialog, "edtWords"), QStringLiteral("3"));
    EXPECT_EQ(box(*dialog, "edtOtherWords"), QStringLiteral("2"));
}

TEST(StatDialogTest, SelectionIsWidenedToWholeWordsInTheDocument) {
    TextToolsWindow w;
    auto* stats = w.add<StatCommandGroup>();
    w.setText("Hello world");
    w.select(2, 7);  // "llo wor"
    auto dialog = stats->makeDialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Text Statistics [Selected Text]"));
    EXPECT_EQ(w.selected(), "Hello world");
    EXPECT_EQ(box(*dialog, "edtWords"), QStringLiteral("2"));
}

TEST(StatDialogTest, MoreListsWordsOnceWithLowerCaseForm) {
    TextToolsWindow w;
    auto* stats = w.add<StatCommandGroup>();
    w.setText("The the THE end");
    auto dialog = stats->makeDialog();
    dialog->btnMoreClick();
    EXPECT_EQ(dialog->wordListText(), QStringLiteral("end\t1\nthe\t3\n\nDifferent words counted: 2"));
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("btnMore"))->isEnabled());
}

TEST(StatDialogTest, EmptyDocumentAndNoDocument) {
    TextToolsWindow w;
    auto* stats = w.add<StatCommandGroup>();
    auto dialog = stats->makeDialog();
    EXPECT_EQ(box(*dialog, "edtCharacters"), QStringLiteral("0"));
    dialog->btnMoreClick();
    EXPECT_EQ(dialog->wordListText(), QStringLiteral("\nDifferent words counted: 0"));

    LocaleCollator collator("", true);
    StatisticsDialog none("", StatisticsScope::NoDocument, collator);
    EXPECT_EQ(none.windowTitle(), QStringLiteral("Text Statistics [No Document]"));
}

TEST(StatDialogTest, CancelInProgressWindowStopsCountingAndDialogStaysUsable) {
    LocaleCollator collator("", true);
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "w" + std::to_string(i % 7) + "x word ";
    StatisticsDialog dialog(text, StatisticsScope::WholeDocument, collator);
    bool sawProgress = false;
    // The progress window serves events at each step; press its Cancel from there.
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* p = dialog.findChild<ProgressWindow*>(); p && p->isVisible()) {
            sawProgress = true;
            if (auto* cancel = p->findChild<QPushButton*>()) cancel->click();
            timer.stop();
        }
    });
    timer.start();
    dialog.btnMoreClick();
    EXPECT_TRUE(sawProgress);
    EXPECT_TRUE(dialog.listCancelled());
    // What was counted before the cancel is listed; the counts stay complete.
    EXPECT_TRUE(dialog.wordListText().contains(QStringLiteral("Different words counted: ")));
    EXPECT_EQ(dialog.counts().words, 20000u);
    EXPECT_EQ(dialog.counts().others, 20000u);
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("btnClose"))->isEnabled());
}

}  // namespace
}  // namespace sj
