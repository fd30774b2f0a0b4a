// The print dialog as a user works it: keys to the focused field, Tab, clicks
// and the default button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "printing/ui/DocumentPrinter.h"
#include "printing/ui/PrintDialog.h"
#include "support/MessageRecorder.h"

namespace sj {
namespace {

class PrintDialogTest : public ::testing::Test {
protected:
    PrintDialogTest() { printer.choosePrinter(DocumentPrinter::pdfPrinterName()); }

    PrintDialog& open() {
        dialog = std::make_unique<PrintDialog>(settings, printer);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    template <typename T>
    T* child(const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QWidget* focused() { return QApplication::focusWidget(); }
    void typeInto(const char* name, const QString& keys) {
        QWidget* w = child<QWidget>(name);
        QTest::mouseClick(w, Qt::LeftButton);
        ASSERT_EQ(focused(), w) << name;
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), keys);
    }
    void showPage(int index) { child<QTabWidget>("")->setCurrentIndex(index); }

    test::MessageRecorder messages;
    DocumentPrinter printer;
    PrintSettings settings;
    std::unique_ptr<PrintDialog> dialog;
};

}  // namespace

TEST_F(PrintDialogTest, FieldsTakeOnlyTheirKeysAndPageFieldsChoosePages) {
    open();
    EXPECT_TRUE(child<QRadioButton>("all")->isChecked());
    typeInto("fromPage", QStringLiteral("1a2.-"));
    EXPECT_EQ(child<QLineEdit>("fromPage")->text(), QStringLiteral("12"));
    EXPECT_TRUE(child<QRadioButton>("pages")->isChecked());
    typeInto("copies", QStringLiteral("x3"));
    EXPECT_EQ(child<QLineEdit>("copies")->text(), QStringLiteral("3"));
    showPage(1);
    typeInto("marginLeft", QStringLiteral("1,5cm"));
    EXPECT_EQ(child<QLineEdit>("marginLeft")->text(), QStringLiteral("1,5"));
}

TEST_F(PrintDialogTest, TabWalksThePrintPageInOrder) {
    open();
    child<QComboBox>("printer")->setFocus();
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        order << focused()->objectName();
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"printer", "all", "fromPage", "toPage", "duplex", "copies", "collate",
                                  "printToFile", "landscape", "print", "cancel", "setup"}))
        << order.join(",").toStdString();
}

TEST_F(PrintDialogTest, ClickingPagesMovesToFromAndAnEarlierEndMeansToTheEnd) {
    settings.fromPage = 9;
    open();
    QTest::mouseClick(child<QRadioButton>("pages"), Qt::LeftButton);
    EXPECT_EQ(focused(), child<QWidget>("fromPage"));
    typeInto("toPage", QStringLiteral("7"));
    QTest::keyClick(focused(), Qt::Key_Return);  // Print is the default button
    ASSERT_TRUE(dialog->printPressed());
    PrintSettings back = settings;
    dialog->readBack(back);
    EXPECT_EQ(back.printRange, PrintRange::PageNumbers);
    EXPECT_EQ(back.fromPage, 9);
    EXPECT_EQ(back.toPage, 0);
}

TEST_F(PrintDialogTest, PrintingUntouchedTakesOnlyTheDuplexChoice) {
    settings.marginLeft = 0.5;
    open();
    QComboBox* duplex = child<QComboBox>("duplex");
    duplex->setFocus();
    QTest::keyClick(duplex, Qt::Key_Down);
    EXPECT_EQ(duplex->currentIndex(), 1);
    PrintSettings back = settings;
    back.marginLeft = 3;  // stands for anything the dialog must not touch
    QTest::mouseClick(child<QPushButton>("print"), Qt::LeftButton);
    dialog->readBack(back);
    EXPECT_FALSE(dialog->changed());
    EXPECT_EQ(back.printPages, PageParity::Odd);
    EXPECT_DOUBLE_EQ(back.marginLeft, 3);
}

TEST_F(PrintDialogTest, NumberFormatGainsItsFieldOnPrint) {
    open();
    showPage(3);
    typeInto("numberFormat", QStringLiteral("Page"));
    QTest::keyClick(focused(), Qt::Key_Return);
    PrintSettings back = settings;
    dialog->readBack(back);
    EXPECT_EQ(back.numberFormat, "Page %d");
}

TEST_F(PrintDialogTest, SwitchingUnitsConvertsTheMarginsAndBack) {
    settings.marginLeft = 1;
    settings.marginTop = 0.5;
    open();
    showPage(1);
    QComboBox* units = child<QComboBox>("units");
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down);
    EXPECT_EQ(child<QLineEdit>("marginLeft")->text(), QStringLiteral("2.54"));
    QTest::keyClick(units, Qt::Key_Down);
    EXPECT_EQ(child<QLineEdit>("marginLeft")->text(), QString::number(printer.dpiX()));
    EXPECT_EQ(child<QLineEdit>("marginTop")->text(), QString::number(printer.dpiY() / 2));
    QTest::keyClick(units, Qt::Key_Up);
    QTest::keyClick(units, Qt::Key_Up);
    EXPECT_EQ(child<QLineEdit>("marginLeft")->text(), QStringLiteral("1.00"));
    EXPECT_EQ(child<QLineEdit>("marginTop")->text(), QStringLiteral("0.50"));
}

TEST_F(PrintDialogTest, SettingsOnlyModeSavesAndLocksThePrintChoices) {
    settings.noPrinting = true;
    settings.printRange = PrintRange::PageNumbers;
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print"));
    EXPECT_FALSE(child<QPushButton>("print")->isVisible());
    EXPECT_TRUE(child<QPushButton>("save")->isVisible());
    EXPECT_TRUE(child<QRadioButton>("all")->isChecked());
    for (const char* name : {"all", "pages", "fromPage", "toPage", "selection", "title"})
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
    EXPECT_FALSE(child<QWidget>("duplex")->isVisible());
    QCheckBox* toFile = child<QCheckBox>("printToFile");
    QTest::mouseClick(toFile, Qt::LeftButton, {}, QPoint(8, toFile->height() / 2));  // on the box
    EXPECT_TRUE(toFile->isChecked());
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_TRUE(dialog->savePressed());
    EXPECT_FALSE(dialog->printPressed());
    PrintSettings back = settings;
    dialog->readBack(back);
    EXPECT_TRUE(back.printToFile);
}

TEST_F(PrintDialogTest, CaptionCarriesTheTitle) {
    settings.title = "/home/me/notes.txt";
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print [/home/me/notes.txt]"));
}

TEST_F(PrintDialogTest, ChoosingAFontKeepsAListedSizeOrEmptiesTheBox) {
    settings.useDocFont = true;
    open();
    showPage(2);
    QComboBox* size = child<QComboBox>("fontSize");
    typeInto("fontSize", QStringLiteral("13"));
    EXPECT_FALSE(child<QCheckBox>("useDocumentFont")->isChecked());
    QComboBox* fonts = child<QComboBox>("fontName");
    fonts->setFocus();
    QTest::keyClick(fonts, Qt::Key_Down);
    EXPECT_EQ(size->currentText(), QString());
    typeInto("fontSize", QStringLiteral("14"));
    fonts->setFocus();
    QTest::keyClick(fonts, Qt::Key_Down);
    EXPECT_EQ(size->currentText(), QStringLiteral("14"));
    EXPECT_EQ(size->count(), 17);
}

TEST_F(PrintDialogTest, AMissingFontShowsTheFamilyThatPrintsInItsPlace) {
    settings.useDocFont = false;
    settings.fontName = "No Such Family Here";
    settings.fontSize = 10;
    open();
    showPage(2);
    const QString standIn = QFontInfo(QFont(QStringLiteral("No Such Family Here"))).family();
    ASSERT_FALSE(standIn.isEmpty());
    EXPECT_EQ(child<QComboBox>("fontName")->currentText(), standIn);
    EXPECT_EQ(child<QComboBox>("fontSize")->currentText(), QStringLiteral("10"));
    // The sample shows, in black.
    auto* sample = child<QPlainTextEdit>("fontPreview");
    EXPECT_NE(sample->palette().color(QPalette::Text), sample->palette().color(QPalette::Base));
    QTest::keyClick(child<QWidget>("print"), Qt::Key_Space);
    PrintSettings back = settings;
    dialog->readBack(back);
    EXPECT_EQ(back.fontName, "No Such Family Here");  // untouched: nothing is rewritten
}

}  // namespace sj
