#include <gtest/gtest.h>

#include <QDesktopServices>
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

TEST(MailCommands, SendsTheWholeDocumentAsTheMessageBodyAndNothingWhenEmpty) {
    Options options;
    MainWindow window(options);
    auto* mail = new MailCommands(window);
    window.addCommandGroup(mail);
    DocumentPage* page = window.documents().newPage();
    MailCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");

    mail->sendDocument();  // empty document: nothing happens
    EXPECT_TRUE(catcher.urls.isEmpty());

    page->replaceRange(0, 0, "Hello & welcome\r\nSecond line?");
    mail->sendDocument();
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toString(QUrl::FullyEncoded).toStdString(),
              mail::mailtoAddress("Hello & welcome\r\nSecond line?"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    page->setModified(false);
}

}  // namespace
}  // namespace sj

#include "MailCommandsTest.moc"
