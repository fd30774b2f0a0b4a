#include "workspace/ui/PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include "document/ui/EditorFont.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"

namespace sj {
namespace {

double screenPixelsPerInch(const QWidget* w) {
    const QScreen* s = w->screen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}

}  // namespace

PreferencesDialog::PreferencesDialog(const DocumentSettings& settings, const DocumentSettings& defaults,
                                     QWidget* parent)
    : QDialog(parent), m_settings(settings), m_defaults(defaults) {
    setWindowTitle(QStringLiteral("Current Document Properties"));
    new InputFieldGroup(this);
    m_wordWrap = new QCheckBox(QStringLiteral("&Word Wrap"), this);
    m_dos = new QCheckBox(QStringLiteral("Dos &ASCII"), this);
    m_unix = new QCheckBox(QStringLiteral("UNIX Format"), this);
    m_default = new QCheckBox(QStringLiteral("&Default"), this);
    m_sample = new QLabel(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUWWXYZ\n1234567890\nTest Current Font"), this);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setMinimumHeight(80);
    auto* fontButton = new QPushButton(QStringLiteral("&Font"), this);
    m_units = new QComboBox(this);
    m_units->addItems({QStringLiteral("Inches"), QStringLiteral("Centimeters"), QStringLiteral("Pixels")});
    m_tabs = new LineField(this);
    // Digits and separators only; other characters are refused as typed.
    m_tabs->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,;]*")), m_tabs));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Tab &Units:"), m_units);
    form->addRow(QStringLiteral("Tab &Settings:"), m_tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(m_wordWrap), static_cast<QWidget*>(m_dos),
                       static_cast<QWidget*>(m_unix), static_cast<QWidget*>(m_default)})
        layout->addWidget(w);
    layout->addWidget(m_sample);
    layout->addWidget(fontButton, 0, Qt::AlignLeft);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fontButton, &QPushButton::clicked, this, &PreferencesDialog::chooseFont);
    connect(m_units, &QComboBox::currentIndexChanged, this, &PreferencesDialog::unitChanged);
    connect(m_wordWrap, &QCheckBox::toggled, this, &PreferencesDialog::edited);
    connect(m_tabs, &QLineEdit::textEdited, this, &PreferencesDialog::edited);
    connect(m_default, &QCheckBox::toggled, this, [this](bool on) {
        if (!on || m_filling) return;
        // The window's defaults come back into the dialog.
        DocumentSettings s = result();
        s.wordWrap = m_defaults.wordWrap;
        s.fontName = m_defaults.fontName;
        s.fontSize = m_defaults.fontSize;
        s.fontStyle = m_defaults.fontStyle;
        s.tabSettings = convertTabText(m_defaults.tabSettings, m_defaults.tabUnits, s.tabUnits,
                                       screenPixelsPerInch(this));
        s.useDefaults = true;
        fill(s);
    });
    fill(settings);
}

void PreferencesDialog::fill(const DocumentSettings& s) {
    m_filling = true;
    m_settings = s;
    m_wordWrap->setChecked(s.wordWrap);
    m_dos->setChecked(s.dosCharacterSet);
    m_unix->setChecked(s.unixFormat);
    m_default->setChecked(s.useDefaults);
    m_sample->setFont(fontFromParts(s.fontName, s.fontSize, s.fontStyle));
    m_shownUnit = std::clamp(s.tabUnits, 0, 2);
    m_units->setCurrentIndex(m_shownUnit);
    m_tabs->setText(QString::fromStdString(s.tabSettings));
    m_filling = false;
}

void PreferencesDialog::edited() {
    if (!m_filling) m_default->setChecked(false);
}

void PreferencesDialog::chooseFont() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, m_sample->font(), this, QStringLiteral("Font"));
    if (!ok || chosen == m_sample->font()) return;
    m_sample->setFont(chosen);
    edited();
}

void PreferencesDialog::unitChanged(int unit) {
    if (m_filling || unit < 0) return;
    m_tabs->setText(QString::fromStdString(
        convertTabText(m_tabs->text().toStdString(), m_shownUnit, unit, screenPixelsPerInch(this))));
    m_shownUnit = unit;
}

DocumentSettings PreferencesDialog::result() const {
    DocumentSettings s = m_settings;
    s.wordWrap = m_wordWrap->isChecked();
    s.dosCharacterSet = m_dos->isChecked();
    s.unixFormat = m_unix->isChecked();
    s.useDefaults = m_default->isChecked();
    const QFont f = m_sample->font();
    s.fontName = f.family().left(31).toStdString();
    s.fontSize = f.pointSize();
    s.fontStyle = fontStyleLetters(f);
    s.tabUnits = m_units->currentIndex();
    s.tabSettings = convertTabText(m_tabs->text().toStdString(), s.tabUnits, s.tabUnits, 0);
    return s;
}

bool PreferencesDialog::show(DocumentSettings& settings, const DocumentSettings& defaults, QWidget* parent) {
    PreferencesDialog dialog(settings, defaults, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.result();
    return true;
}

}  // namespace sj
