#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "document/ui/DocumentPage.h"
#include "printing/ui/DocumentPrinter.h"
#include "printing/ui/PrintCommands.h"

namespace sj {

TEST(PrintCommands, DocumentsPrintToAPdfEachFromANewSheet) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    DocumentPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);

    DocumentPage first(PageEnvironment{}), empty(PageEnvironment{}), second(PageEnvironment{});
    std::string text;
    for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
    first.loadText(text);
    second.loadText("short\r\n");
    ASSERT_TRUE(PrintCommands::printPages(printer, {&first, &empty, &second}, false));

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // 200 lines take more than one sheet; the second document adds one more.
    const auto pages = bytes.count("/Type /Page") - bytes.count("/Type /Pages");
    EXPECT_GE(pages, 3);
}

TEST(PrintCommands, NothingToPrintReportsFailure) {
    QTemporaryDir dir;
    DocumentPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("none.pdf")));
    DocumentPage empty(PageEnvironment{});
    EXPECT_FALSE(PrintCommands::printPages(printer, {&empty}, false));
}

}  // namespace sj
