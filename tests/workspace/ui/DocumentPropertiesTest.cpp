#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "workspace/ui/DocumentPropertiesCommands.h"
#include "workspace/ui/PreferencesDialog.h"

namespace sj {
namespace {

QCheckBox* box(PreferencesDialog& d, const QString& text) {
    for (QCheckBox* b : d.findChildren<QCheckBox*>())
        if (b->text() == text) return b;
    return nullptr;
}

TEST(DocumentProperties, ApplyingSetsTheDocument) {
    Options options;
    DocumentPage page{PageEnvironment{}};
    page.loadText("text\r\n");
    DocumentSettings s = DocumentPropertiesCommands::settingsOf(page, options);
    EXPECT_TRUE(s.useDefaults);
    s.unixFormat = true;
    s.wordWrap = true;
    s.dosCharacterSet = true;
    s.useDefaults = false;
    s.tabUnits = 1;
    s.tabSettings = "2.54";
    DocumentPropertiesCommands::apply(page, s, options);
    EXPECT_EQ(page.lineFormat(), 1);
    EXPECT_TRUE(page.wordWrap());
    EXPECT_TRUE(page.oem());
    EXPECT_FALSE(page.defaultSettings());
    EXPECT_FALSE(page.isModified());  // the same bytes, read in another character set
    EXPECT_EQ(page.tabSettings(), "2.54");
    EXPECT_EQ(options.tabUnits, 1);
    EXPECT_EQ(page.textBytes(), "text\r\n");  // ASCII reads the same in both sets
}

TEST(DocumentProperties, DialogEditsClearDefaultAndDefaultLoadsTheWindowSettings) {
    DocumentSettings doc;
    doc.useDefaults = true;
    doc.tabSettings = "0.5";
    DocumentSettings defaults;
    defaults.wordWrap = true;
    defaults.tabSettings = "1";
    PreferencesDialog dialog(doc, defaults);
    QCheckBox* wrap = box(dialog, QStringLiteral("&Word Wrap"));
    QCheckBox* useDefault = box(dialog, QStringLiteral("&Default"));
    ASSERT_TRUE(wrap && useDefault);
    wrap->setChecked(true);
    EXPECT_FALSE(dialog.result().useDefaults);
    wrap->setChecked(false);
    useDefault->setChecked(true);
    const DocumentSettings r = dialog.result();
    EXPECT_TRUE(r.useDefaults);
    EXPECT_TRUE(r.wordWrap);
    EXPECT_EQ(r.tabSettings, "1");
    // A unit change converts the shown text.
    dialog.findChild<QComboBox*>()->setCurrentIndex(1);
    EXPECT_EQ(dialog.result().tabSettings, "2.54");
}

}  // namespace
}  // namespace sj
