#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QUrl>

#include "browser/MailMessage.h"
#include "browser/ui/MailCommands.h"
#include "shell/Options.h"
#include "shell/ui/DocumentSet.h"
#include "shell/ui/FilePage.h"
#include "shell/ui/MainWindow.h"

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
    TQVA_FrmNotepad window(options);
    auto* mail = new MailCommands(window);
    window.addCommandGroup(mail);
    TFilePage* page = window.documents().newPage();
    MailCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");

    mail->Send1Click();  // empty document: nothing happens
    EXPECT_TRUE(catcher.urls.isEmpty());

    page->replaceRange(0, 0, "Hello & welcome\r\nSecond line?");
    mail->Send1Click();
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toString(QUrl::FullyEncoded).toStdString(),
              mail::mailtoAddress("Hello & welcome\r\nSecond line?"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    page->setModified(false);
}

}  // namespace
}  // namespace sj

#include "MailCommandsTest.moc"
