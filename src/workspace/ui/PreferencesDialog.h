#pragma once
// `PreferencesDialog`: in its normal mode ("Preferences") the program-wide
// preferences on four pages; in document-properties mode ("Current Document
// Properties") only the documents page, for the current document: word wrap,
// DOS character set, UNIX format, default settings, font and tab stops.
#include <QDialog>

#include <utility>
#include <vector>

#include "workspace/DocumentSettings.h"
#include "workspace/Preferences.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;

namespace sj {

class FilterListPage;
class LineField;

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    // Document-properties mode. defaults: what "&Default" loads (the window's
    // word wrap, font and tab settings).
    PreferencesDialog(const DocumentSettings& settings, const DocumentSettings& defaults,
                      QWidget* parent = nullptr);
    // Normal mode.
    explicit PreferencesDialog(const Preferences& preferences, QWidget* parent = nullptr);

    bool documentMode() const { return m_documentMode; }
    // Reads the documents page back; the tab text in the chosen unit.
    DocumentSettings result() const;
    // Reads every page back (normal mode).
    Preferences preferences() const;

    // Shows the dialog; true and the edited record on OK, nothing changed on Cancel.
    static bool editDocument(DocumentSettings& settings, const DocumentSettings& defaults, QWidget* parent);
    static bool edit(Preferences& preferences, QWidget* parent);

public slots:
    void accept() override;

private:
    void build();
    QWidget* buildProgramPage();
    QWidget* buildDocumentsPage();
    QWidget* buildMiscellaneousPage();
    QCheckBox* check(const QString& text, bool Preferences::*field, QWidget* parent);
    void fill(const DocumentSettings& s);
    void fillPreferences();
    void chooseFont();
    void unitChanged(int unit);
    void edited();  // a change of the document's own settings clears "&Default"
    void chooseColour(bool page);
    void showColours();
    void searchBrowser();

    bool m_documentMode;
    DocumentSettings m_settings;
    DocumentSettings m_defaults;
    Preferences m_preferences;
    std::vector<std::pair<QCheckBox*, bool Preferences::*>> m_checks;
    QTabWidget* m_pages;
    QCheckBox* m_wordWrap;
    QCheckBox* m_dos;
    QCheckBox* m_unix;
    QCheckBox* m_default;
    QLabel* m_sample;
    QComboBox* m_units;
    LineField* m_tabs;
    LineField* m_indent = nullptr;
    QCheckBox* m_tray = nullptr;
    QCheckBox* m_loadFiles = nullptr;
    QCheckBox* m_loadFavorites = nullptr;
    FilterListPage* m_filters = nullptr;
    LineField* m_dateFilter = nullptr;
    LineField* m_browser = nullptr;
    QLabel* m_colourPreview = nullptr;
    QCheckBox* m_defaultColours = nullptr;
    int m_pageColor = 0;
    int m_textColor = 0;
    int m_shownUnit = 0;
    bool m_tabsEdited = false;
    bool m_filling = false;
};

}  // namespace sj
