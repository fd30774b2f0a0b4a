// Pictures of the main window with its toolbar and ruler, of every
// preferences page, of the print dialog's pages and of the toolbar's
// properties, for the documentation. Taken only when SJ_SCREENSHOT_DIR
// names the directory to write them to (scripts/screenshots does that on a
// virtual screen at 96 dpi and at twice the scale).
#include <gtest/gtest.h>

#include <QDir>
#include <QTabWidget>

#include "printing/ui/DocumentPrinter.h"
#include "printing/ui/PrintDialog.h"
#include "workspace/Preferences.h"
#include "workspace/ui/DocumentPropertiesCommands.h"
#include "workspace/ui/PreferencesDialog.h"
#include "workspace/ui/ToolbarPanel.h"
#include "workspace/ui/ToolbarPropertiesDialog.h"
#include "workspace/ui/WorkspaceWindow.h"

namespace sj {
namespace {

QString screenshotPath(const QString& name) {
    const QString dir = qEnvironmentVariable("SJ_SCREENSHOT_DIR");
    const QString suffix = qEnvironmentVariable("SJ_SCREENSHOT_SUFFIX");
    return QDir(dir).filePath(name + suffix + QStringLiteral(".png"));
}

TEST(Screenshots, MainWindowAndPreferencesPages) {
    if (qEnvironmentVariableIsEmpty("SJ_SCREENSHOT_DIR")) GTEST_SKIP() << "SJ_SCREENSHOT_DIR not set";
    test::WorkspaceWindow w;
    w.window->resize(900, 420);
    w.page()->loadText(
        "Super Jotleaf\r\n\r\nThe ruler above counts characters of the document font;\r\n"
        "click it for tenths of an inch or millimetres.\r\n\tA tab stop\r\n");
    w.page()->setSel(0, 13);
    w.settle();
    QTest::qWait(200);
    ASSERT_TRUE(w.window->grab().save(screenshotPath(QStringLiteral("main-window"))));

    Preferences p = Preferences::fromOptions(w.options, false);
    p.dateFilter = "dddd, mmmm d, yyyy";
    PreferencesDialog dialog(p, w.window.get());
    dialog.QWidget::show();
    QTest::qWaitForWindowExposed(&dialog);
    auto* pages = dialog.findChild<QTabWidget*>();
    const char* names[] = {"preferences-1-program", "preferences-2-documents", "preferences-3-file-filters",
                           "preferences-4-miscellaneous"};
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(100);
        ASSERT_TRUE(dialog.grab().save(screenshotPath(QString::fromLatin1(names[i]))));
    }
}

TEST(Screenshots, PrintDialogPagesAndToolbarProperties) {
    if (qEnvironmentVariableIsEmpty("SJ_SCREENSHOT_DIR")) GTEST_SKIP() << "SJ_SCREENSHOT_DIR not set";
    test::WorkspaceWindow w;
    DocumentPrinter printer;
    PrintSettings settings;
    settings.title = "notes.txt";
    settings.pageHeader = PageInfo::TitleDate;
    settings.pageNumbers = PageNumberPosition::BottomCenter;
    PrintDialog print(settings, printer, w.window.get());
    print.show();
    QTest::qWaitForWindowExposed(&print);
    auto* pages = print.findChild<QTabWidget*>();
    const char* names[] = {"print-1-print", "print-2-margins", "print-3-font", "print-4-other"};
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(100);
        ASSERT_TRUE(print.grab().save(screenshotPath(QString::fromLatin1(names[i]))));
    }
    print.close();

    PrintSettings settingsOnly = settings;
    settingsOnly.noPrinting = true;
    settingsOnly.title.clear();
    PrintDialog properties(settingsOnly, printer, w.window.get());
    properties.show();
    QTest::qWaitForWindowExposed(&properties);
    QTest::qWait(100);
    ASSERT_TRUE(properties.grab().save(screenshotPath(QStringLiteral("printing-properties"))));
    properties.close();

    PreferencesDialog document(DocumentPropertiesCommands::settingsOf(*w.page(), w.options),
                               DocumentPropertiesCommands::windowDefaults(w.options), w.window.get());
    document.QWidget::show();
    QTest::qWaitForWindowExposed(&document);
    QTest::qWait(100);
    ASSERT_TRUE(document.grab().save(screenshotPath(QStringLiteral("document-properties"))));
    document.close();

    ToolbarPanel* bar = w.workspace->toolbar();
    ToolbarPropertiesDialog toolbar(
        bar->settings(), bar->captionFont(), [bar](const ToolbarEntry& e) { return bar->hasCommand(e); },
        w.window.get());
    toolbar.show();
    QTest::qWaitForWindowExposed(&toolbar);
    QTest::qWait(100);
    ASSERT_TRUE(toolbar.grab().save(screenshotPath(QStringLiteral("toolbar-properties"))));
}

TEST(Screenshots, ToolbarWithCaptionsRegularButtonsAndWrapping) {
    if (qEnvironmentVariableIsEmpty("SJ_SCREENSHOT_DIR")) GTEST_SKIP() << "SJ_SCREENSHOT_DIR not set";
    test::WorkspaceWindow w;
    ToolbarPanel* bar = w.workspace->toolbar();
    ToolbarSettings s = bar->settings();
    s.showCaptions = true;
    s.flatButtons = false;
    s.wrapButtons = true;
    bar->setSettings(s);
    w.window->resize(560, 300);
    w.page()->loadText("A narrow window: the buttons wrap onto more rows.\r\n");
    w.settle();
    QTest::qWait(200);
    ASSERT_TRUE(w.window->grab().save(screenshotPath(QStringLiteral("toolbar-captions-wrapped"))));
}

}  // namespace
}  // namespace sj
