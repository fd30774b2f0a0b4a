// A 20 MB file on one line, the way a user meets it: opened, Ctrl+End, a few
// keys typed at its end, saved; every byte comes back and the typed characters
// stand side by side at the far end of the line.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFontMetricsF>
#include <QTest>

#include <string>

#include "document/ui/DocumentPage.h"
#include "support/ScratchDir.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

using Base = QsciScintillaBase;

std::string jsonLine(std::size_t size) {
    std::string text;
    text.reserve(size + 64);
    for (int n = 0; text.size() < size; ++n)
        text += "{\"id\":" + std::to_string(n) + ",\"name\":\"item\",\"tags\":[\"a\",\"b\"],\"v\":1.5},";
    text.resize(size);
    text.back() = '}';
    return text;
}

class LongLineFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        msg::setTestResponder([](const QString&, bool) { return msg::Answer::No; });
        msg::setSoundsOn(false);
    }
    void TearDown() override { msg::setTestResponder(nullptr); }

    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, k, mods);
        QApplication::processEvents();
    }

    test::ScratchDir dir;
    PageEnvironment env;
};

TEST_F(LongLineFileTest, TwentyMegabytesOnOneLineOpenEditAndSaveExactly) {
#ifndef SJ_EDITOR_COMPONENT_PATCHED
    GTEST_SKIP() << "the system's editor component takes minutes over a 20 MB line";
#endif
    const std::string original = jsonLine(20'000'000);
    const std::string name = dir.write("oneline.json", original);
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    ASSERT_FALSE(page.isReadOnly());
    page.resize(900, 400);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    page.setFocus();
    QApplication::processEvents();

    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(page.selStart(), static_cast<Pos>(original.size()));
    key(Qt::Key_X);
    key(Qt::Key_X);
    key(Qt::Key_X);
    const long end = static_cast<long>(original.size()) + 3;
    EXPECT_EQ(page.selStart(), end);
    EXPECT_EQ(page.caretLineAndColumn(), std::make_pair(1, static_cast<int>(end) + 1));

    // Some 150 million pixels from the line start, each x still takes its own
    // advance: positions there must not be rounded to a coarse grid.
    const double advance = QFontMetricsF(page.font()).horizontalAdvance(QLatin1Char('x'));
    auto xAt = [&page](long pos) { return page.SendScintilla(Base::SCI_POINTXFROMPOSITION, 0, pos); };
    for (long pos = end - 3; pos < end; ++pos) EXPECT_NEAR(xAt(pos + 1) - xAt(pos), advance, 1.0) << pos;
    // The caret is on the screen, after the last character.
    EXPECT_GT(xAt(end), 0);
    EXPECT_LT(xAt(end), page.width());

    const std::string saved = dir.file("saved.json");
    ASSERT_TRUE(page.save(saved, true));
    const std::string bytes = test::readFile(saved);
    // A whole-text save ends the last line with a line break of the page's format.
    EXPECT_TRUE(bytes == original + "xxx\r\n" || bytes == original + "xxx\n");
    EXPECT_EQ(bytes.compare(0, original.size(), original), 0);
    page.setModifiedFlag(false);
}

}  // namespace
}  // namespace sj
