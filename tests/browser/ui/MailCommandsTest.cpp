#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QMenu>
#include <QTest>
#include <QUrl>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "browser/MailMessage.h"
#include "browser/ui/MailCommands.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"

namespace sj {
namespace {

class MailCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

QAction* sendItem(MainWindow& window) {
    QMenu* file = window.menu(QStringLiteral("File"));
    file->popup(window.mapToGlobal(QPoint(10, 10)));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(file));
    for (QAction* a : file->actions())
        if (a->text() == QStringLiteral("S&end")) return a;
    return nullptr;
}

TEST(MailCommands, SendIsOfferedForADocumentWithTextAndMailsTheWholeText) {
    Options options;
    MainWindow window(options);
    window.addCommandGroup(new MailCommands(window));
    window.finishMenus();
    DocumentPage* page = window.documents().newPage();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    MailCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");

    QAction* send = sendItem(window);
    ASSERT_NE(send, nullptr);
    EXPECT_FALSE(send->isEnabled());  // an empty document sends nothing
    window.menu(QStringLiteral("File"))->close();

    page->setFocus();
    QTest::keyClicks(page, QStringLiteral("Hello & welcome"));
    QTest::keyClick(page, Qt::Key_Return);
    QTest::keyClicks(page, QStringLiteral("Second line?"));
    send = sendItem(window);
    ASSERT_TRUE(send->isEnabled());
    QMenu* file = window.menu(QStringLiteral("File"));
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(send).center());
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toString(QUrl::FullyEncoded).toStdString(),
              mail::mailtoAddress(page->textBytes()));
    EXPECT_NE(page->textBytes().find("Second line?"), std::string::npos);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    page->setModified(false);
}

}  // namespace
}  // namespace sj

#include "MailCommandsTest.moc"
