// Printing as the program does it: the command line's print request, PDF
// output read back with pdftotext, and Cancel in the progress window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "app/ui/AppHostSignals.h"
#include "app/ui/CommandLineRunner.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "config/CommandLine.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "printing/ui/DocumentPrinter.h"
#include "support/MessageRecorder.h"
#include "support/ScratchDir.h"
#include "widgets/ui/ProgressWindow.h"

namespace sj {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class CommandLinePrint : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(options);
        window->documents().newPage();
        window->documents().rules().setReuseEmptyPage(true);
        QObject::connect(&window->hostSignals(), &AppHostSignals::printRequested,
                         [this](DocumentPage* page) { printed << q(page->title()); });
        for (const char* name : {"w1.txt", "w2.txt", "w3.txt", "other.txt"}) dir.write(name, "text\r\n");
    }
    void run(const std::vector<std::string>& args) {
        processCommandLine(*window, CommandLine::parse(args), dir.path());
    }
    test::MessageRecorder answers{msg::Answer::No};
    test::ScratchDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
    QStringList printed;
};

}  // namespace

TEST_F(CommandLinePrint, PrintsEveryMatchOfAPatternOnce) {
    run({"/P", dir.file("w*.txt")});
    EXPECT_EQ(printed, QStringList({q(dir.file("w1.txt")), q(dir.file("w2.txt")), q(dir.file("w3.txt"))}));
}

TEST_F(CommandLinePrint, PrintsNothingForADeclinedMissingFile) {
    run({dir.file("other.txt")});
    ASSERT_TRUE(printed.isEmpty());
    run({"/P", dir.file("missing.txt")});
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_EQ(test::MessageRecorder::messages().size(), 1);  // the create question, answered No
}

TEST_F(CommandLinePrint, PrintsEachNamedFileOnceAndStopsAtTheDoubleSlash) {
    run({dir.file("other.txt"), "/P", dir.file("w1.txt"), dir.file("w1.txt"), "//", dir.file("w2.txt")});
    EXPECT_EQ(printed, QStringList({q(dir.file("w1.txt"))}));
}

namespace {

class PdfPrint : public ::testing::Test {
protected:
    PdfPrint() {
        printer.choosePrinter(DocumentPrinter::pdfPrinterName());
        settings.useDocFont = false;
        settings.fontName = "DejaVu Sans Mono";
        settings.fontSize = 10;
        settings.title = "notes.txt";
        settings.pageHeader = PageInfo::Title;
        settings.pageNumbers = PageNumberPosition::BottomRight;
    }
    test::MessageRecorder messages;
    test::ScratchDir dir;
    DocumentPrinter printer;
    PrintSettings settings;
};

}  // namespace

TEST_F(PdfPrint, PagesAndTheTextOfPageTwo) {
    const std::string pdf = dir.file("notes.pdf");
    printer.setPdfFile(q(pdf));
    const std::string longWord(100, 'x');
    const std::string text = "page one\fpage two\r\n" + longWord + "\r\nsecond line\fpage three\r\n";
    ASSERT_TRUE(printer.print(settings, text, QFont(), dir.path(), nullptr))
        << messages.messages().join("\n").toStdString();

    const QString info = runTool(QStringLiteral("pdfinfo"), {q(pdf)});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info.toStdString();
    const QString page2 =
        runTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2"),
                 QStringLiteral("-layout"), q(pdf), QStringLiteral("-")});
    EXPECT_TRUE(page2.contains(QStringLiteral("notes.txt"))) << page2.toStdString();
    EXPECT_TRUE(page2.contains(QStringLiteral("page two")));
    EXPECT_TRUE(page2.contains(QStringLiteral("second line")));
    EXPECT_TRUE(page2.contains(QStringLiteral("Page 2")));
    EXPECT_FALSE(page2.contains(QStringLiteral("page one")));
    // The word wider than the page is cut between two lines; no x is lost.
    QStringList pieces;
    for (const QString& line : page2.split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(QLatin1Char('x'))) pieces << line.trimmed();
    ASSERT_EQ(pieces.size(), 2) << page2.toStdString();
    EXPECT_EQ(pieces[0].size() + pieces[1].size(), 100);
    EXPECT_GT(pieces[0].size(), 60);
}

TEST_F(PdfPrint, CancelStopsALongJobAndLeavesNoFile) {
    std::string text;
    const std::string line = "A line of a long document, long enough to fill the width of a page well.\r\n";
    while (text.size() < 5'000'000) text += line;
    const std::string pdf = dir.file("long.pdf");
    printer.setPdfFile(q(pdf));

    QElapsedTimer sinceCancel;
    QTimer::singleShot(300, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<ProgressWindow*>(w); progress && progress->isVisible()) {
                EXPECT_EQ(progress->windowTitle(), QStringLiteral("Printing Document"));
                auto* cancel = progress->findChild<QPushButton*>();
                ASSERT_TRUE(cancel);
                sinceCancel.start();
                QTest::mouseClick(cancel, Qt::LeftButton);
            }
    });
    EXPECT_FALSE(printer.print(settings, text, QFont(), dir.path(), nullptr));
    ASSERT_TRUE(sinceCancel.isValid()) << "the progress window did not show";
    std::cout << "stopped " << sinceCancel.elapsed() << " ms after Cancel\n";
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_TRUE(messages.messages().isEmpty());
}

}  // namespace sj
