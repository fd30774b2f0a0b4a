#pragma once
// `PreferencesDialog` in document-properties mode ("Current Document Properties"):
// word wrap, DOS character set, UNIX format, default settings, font and tab
// stops of the current document.
#include <QDialog>

#include "workspace/DocumentSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace sj {

class LineField;

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    // defaults: what "&Default" loads (the window's word wrap, font and tab settings).
    PreferencesDialog(const DocumentSettings& settings, const DocumentSettings& defaults,
                      QWidget* parent = nullptr);

    // Reads the dialog back; the tab text in the chosen unit.
    DocumentSettings result() const;

    // Shows the dialog; true and the edited settings on OK.
    static bool show(DocumentSettings& settings, const DocumentSettings& defaults, QWidget* parent);

private:
    void fill(const DocumentSettings& s);
    void chooseFont();
    void unitChanged(int unit);
    void edited();  // a change of the document's own settings clears "&Default"

    DocumentSettings m_settings;
    DocumentSettings m_defaults;
    QCheckBox* m_wordWrap;
    QCheckBox* m_dos;
    QCheckBox* m_unix;
    QCheckBox* m_default;
    QLabel* m_sample;
    QComboBox* m_units;
    LineField* m_tabs;
    int m_shownUnit = 0;
    bool m_filling = false;
};

}  // namespace sj
