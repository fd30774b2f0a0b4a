// Print from the main window: Ctrl+P in the editor, the dialog, print to a
// file; the settings reach the configuration file and a new run reads them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>

#include "app/ui/DocumentSet.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MainWindow.h"
#include "config/IniFile.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "printing/ui/PrintCommands.h"
#include "printing/ui/PrintDialog.h"
#include "support/MessageRecorder.h"
#include "support/ScratchDir.h"

namespace sj {

TEST(PrintWorkflow, CtrlPPrintsToAFileAndTheSettingsSurviveARestart) {
    test::MessageRecorder messages;
    test::ScratchDir dir;
    IniFile ini(dir.file("superjotleaf.ini"));
    Options options;
    auto window = std::make_unique<MainWindow>(options);
    window->setConfiguration(&ini);
    window->addCommandGroup(new FileCommands(*window));
    auto* printing = new PrintCommands(*window);
    bool askedForPdf = false;
    printing->askPdfFile = [&](const QString&) {
        askedForPdf = true;
        return QString();
    };
    window->addCommandGroup(printing);
    window->finishMenus();
    const std::string doc = dir.write("notes.txt", "first line\r\nsecond\fthird\r\n");
    ASSERT_TRUE(window->documents().openByName(doc));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    DocumentPage* page = window->documents().current();
    page->setFocus();

    bool sawDialog = false;
    // Waits for the dialog to be on screen, then works it.
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
        if (!dialog || QApplication::activeWindow() != dialog) return;
        poll.stop();
        sawDialog = true;
        EXPECT_EQ(dialog->windowTitle(), QString::fromStdString("Print [" + doc + "]"));
        auto* toFile = dialog->findChild<QCheckBox*>(QStringLiteral("printToFile"));
        QTest::mouseClick(toFile, Qt::LeftButton, {}, QPoint(8, toFile->height() / 2));
        EXPECT_TRUE(toFile->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (dialog->isVisible()) dialog->reject();
    });
    poll.start();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(sawDialog);
    EXPECT_FALSE(askedForPdf);
    EXPECT_EQ(test::readFile(dir.file("notes.prn")), "first line\r\nsecond\r\n\f\r\nthird\r\n");
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.messages().join("\n").toStdString();

    IniFile saved(ini.path());
    ASSERT_TRUE(saved.load());
    EXPECT_EQ(saved.readString("Printing", "PrintToFile", ""), "1");
    EXPECT_EQ(saved.readString("Printing", "MarginLeft", ""), "1.00");
    window.reset();

    MainWindow next(options);
    next.setConfiguration(&saved);
    PrintCommands reloaded(next);
    EXPECT_TRUE(reloaded.settings().printToFile);
    EXPECT_EQ(reloaded.settings().printRange, PrintRange::AllPages);
}

}  // namespace sj
