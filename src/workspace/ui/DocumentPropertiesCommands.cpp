#include "workspace/ui/DocumentPropertiesCommands.h"

#include <QMenu>

#include "app/ui/AppHost.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "document/ui/EditorFont.h"
#include "workspace/ui/PreferencesDialog.h"

namespace sj {

DocumentPropertiesCommands::DocumentPropertiesCommands(AppHost& host) : CommandGroup(host) {
    m_properties = action(QStringLiteral("&Properties..."), {},
                          QStringLiteral("|Define properties for current document"));
    m_tabProperties = action(QStringLiteral("Doc&ument Properties..."), {},
                             QStringLiteral("|Change current document settings"));
    connect(m_properties, &QAction::triggered, this, &DocumentPropertiesCommands::showDocumentProperties);
    connect(m_tabProperties, &QAction::triggered, this, &DocumentPropertiesCommands::showDocumentProperties);
}

void DocumentPropertiesCommands::addToMenus(MenuSet& menus) {
    QMenu* doc = menus.menu(QStringLiteral("Document"));
    QAction* first = doc->actions().isEmpty() ? nullptr : doc->actions().first();
    doc->insertAction(first, m_properties);
    doc->insertSeparator(first);
    menus.menu(QStringLiteral("Tab"))->addAction(m_tabProperties);
}

void DocumentPropertiesCommands::updateEnabled() {
    const bool has = m_host.currentPage() != nullptr;
    m_properties->setEnabled(has);
    m_tabProperties->setEnabled(has);
}

DocumentSettings DocumentPropertiesCommands::windowDefaults(const Options& options) {
    DocumentSettings d;
    d.wordWrap = options.wordWrap;
    d.unixFormat = options.fileFormat == 1;
    d.fontName = options.fontName;
    d.fontSize = options.fontSize;
    d.fontStyle = options.fontStyle;
    d.tabUnits = options.tabUnits;
    d.tabSettings = options.tabSettings;
    return d;
}

DocumentSettings DocumentPropertiesCommands::settingsOf(const DocumentPage& page, const Options& options) {
    DocumentSettings s;
    s.wordWrap = page.wordWrap();
    s.dosCharacterSet = page.oem();
    s.useDefaults = page.defaultSettings();
    // A file's own breaks, or the user's choice, decide; else the option does.
    s.unixFormat = page.defaultSettings() && !page.lineFormatFromFile() && !page.lineFormatChosen()
                       ? options.fileFormat == 1 || page.lineFormat() == 1
                       : page.lineFormat() == 1;
    const QFont f = page.font();
    s.fontName = f.family().toStdString();
    s.fontSize = f.pointSize();
    s.fontStyle = fontStyleLetters(f);
    s.tabUnits = page.tabUnits();
    s.tabSettings = page.tabSettings();
    return s;
}

void DocumentPropertiesCommands::apply(DocumentPage& page, const DocumentSettings& s, Options& options) {
    const bool dosChanged = s.dosCharacterSet != page.oem();
    if (s.unixFormat != settingsOf(page, options).unixFormat) page.setLineFormatChosen(true);
    page.setWordWrap(s.wordWrap);
    page.setLineFormat(s.unixFormat ? 1 : 0);
    page.setFont(fontFromParts(s.fontName, s.fontSize, s.fontStyle));
    page.setTabUnits(s.tabUnits);
    page.setTabSettings(s.tabSettings);
    page.setDefaultSettings(s.useDefaults);
    options.tabUnits = s.tabUnits;
    // The file's bytes are read in the other character set; a text with
    // characters the file could not have had keeps its set, after a message.
    if (dosChanged) page.rereadAsOem(s.dosCharacterSet);
}

void DocumentPropertiesCommands::showDocumentProperties() {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    DocumentSettings s = settingsOf(*page, m_host.options());
    if (!PreferencesDialog::editDocument(s, windowDefaults(m_host.options()), m_host.window())) return;
    apply(*page, s, m_host.options());
    m_host.refreshStatus();
}

}  // namespace sj
