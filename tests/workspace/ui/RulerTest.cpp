// The ruler over the document: placed on the page's top edge, its step from
// the page's font, following scrolling, the unit cycling on a click, the
// position hint and its shortcut menu.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include "workspace/ui/DocumentRuler.h"
#include "workspace/ui/WorkspaceWindow.h"

namespace sj {
namespace {

using test::WorkspaceWindow;

// The average character of the font, widened as text in a proportional font runs.
double characterStep(const QFont& f) {
    QString printable;
    for (char c = 32; c <= 126; ++c) printable += QLatin1Char(c);
    return QFontMetricsF(f).horizontalAdvance(printable) / 95.0 * (QFontInfo(f).fixedPitch() ? 1.0 : 1.082);
}

QAction* viewAction(WorkspaceWindow& w, const QString& caption) {
    for (QAction* a : w.window->menu(QStringLiteral("View"))->actions())
        if (a->text() == caption) return a;
    return nullptr;
}

TEST(Ruler, LiesOnThePagesTopEdgeWithAStepOfTheFontsAverageCharacter) {
    WorkspaceWindow w;
    DocumentRuler* ruler = w.workspace->ruler();
    ASSERT_TRUE(ruler->isVisible());
    EXPECT_EQ(ruler->height(), 12);
    const QPoint viewportTop = w.page()->viewport()->mapTo(w.window.get(), QPoint(0, 0));
    const QPoint rulerBottom = ruler->mapTo(w.window.get(), QPoint(0, ruler->height()));
    EXPECT_EQ(rulerBottom, viewportTop);
    EXPECT_DOUBLE_EQ(ruler->step(), characterStep(w.page()->font()));
}

TEST(Ruler, ALargerFontWidensTheCharacterTicksAtOnce) {
    WorkspaceWindow w;
    const double before = w.workspace->ruler()->step();
    QAction* larger = nullptr;
    for (QAction* a : w.window->menu(QStringLiteral("Document"))->actions())
        if (a->text() == QStringLiteral("Larger")) larger = a;
    ASSERT_TRUE(larger);
    larger->trigger();
    EXPECT_GT(w.workspace->ruler()->step(), before);
    EXPECT_DOUBLE_EQ(w.workspace->ruler()->step(), characterStep(w.page()->font()));
}

TEST(Ruler, FollowsHorizontalScrolling) {
    WorkspaceWindow w;
    w.page()->loadText(std::string(2000, 'x'));
    QApplication::processEvents();
    const int before = w.workspace->ruler()->offset();
    QTest::keyClick(w.page(), Qt::Key_End);
    QTest::qWaitFor([&] { return w.workspace->ruler()->offset() != before; }, 2000);
    const int scrolled = static_cast<int>(w.page()->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET));
    ASSERT_GT(scrolled, 0);
    EXPECT_EQ(w.workspace->ruler()->offset(), before - scrolled);
}

TEST(Ruler, ClickCyclesTheUnitAndTheMouseTellsThePosition) {
    WorkspaceWindow w;
    DocumentRuler* ruler = w.workspace->ruler();
    EXPECT_EQ(ruler->unit(), RulerUnit::Characters);
    QTest::mouseClick(ruler, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(ruler->unit(), RulerUnit::Inches);
    EXPECT_EQ(w.options.rulerUnits, 1);
    QTest::mouseClick(ruler, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(ruler->unit(), RulerUnit::Centimetres);
    QTest::mouseMove(ruler, QPoint(ruler->offset() + 2 + 38, 5));
    QApplication::processEvents();
    bool hinted = false;
    for (QLabel* l : w.window->statusBar()->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Position: 10 millimeters")) hinted = true;
    EXPECT_TRUE(hinted);
    QTest::mouseClick(ruler, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(ruler->unit(), RulerUnit::Characters);
}

TEST(Ruler, ShortcutMenuHidesItAndTheViewMenuShowsItAgain) {
    WorkspaceWindow w;
    DocumentRuler* ruler = w.workspace->ruler();
    QMenu* menu = ruler->menu();
    QTimer::singleShot(100, menu, [menu] { QTest::keyClick(menu, Qt::Key_H); });
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(20, 5), ruler->mapToGlobal(QPoint(20, 5)));
    QApplication::sendEvent(ruler, &e);
    QTest::qWait(300);
    EXPECT_FALSE(ruler->isVisible());
    EXPECT_TRUE(w.options.hideRuler);
    // The page gives its room back.
    EXPECT_EQ(w.page()->viewport()->y(), w.page()->frameWidth());
    w.window->updateEnabled();
    QAction* toggle = viewAction(w, QStringLiteral("&Ruler"));
    ASSERT_TRUE(toggle);
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(ruler->isVisible());
    EXPECT_FALSE(w.options.hideRuler);
}

TEST(Ruler, ANewPageIsPlacedBelowTheRuler) {
    WorkspaceWindow w;
    w.window->documents().newPage();
    QApplication::processEvents();
    EXPECT_EQ(w.page()->viewport()->y(), w.page()->frameWidth() + DocumentRuler::kHeight);
    EXPECT_EQ(w.workspace->ruler()->page(), w.page());
}

}  // namespace
}  // namespace sj
