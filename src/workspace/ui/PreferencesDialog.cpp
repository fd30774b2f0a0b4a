#include "workspace/ui/PreferencesDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/Options.h"
#include "document/ui/EditorFont.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/TrayIcon.h"
#include "workspace/ui/FilterListPage.h"

namespace sj {
namespace {

double screenPixelsPerInch(const QWidget* w) {
    const QScreen* s = w->screen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Refuses, with the warning beep, the characters a tab-settings text cannot hold.
class TabKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                for (const char32_t c : k->text().toUcs4())
                    if (refusedInTabText(c)) {
                        msg::beep();
                        return true;
                    }
        }
        return QObject::eventFilter(watched, e);
    }
};

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

PreferencesDialog::PreferencesDialog(const DocumentSettings& settings, const DocumentSettings& defaults,
                                     QWidget* parent)
    : QDialog(parent), m_documentMode(true), m_settings(settings), m_defaults(defaults) {
    build();
    fill(settings);
}

PreferencesDialog::PreferencesDialog(const Preferences& preferences, QWidget* parent)
    : QDialog(parent), m_documentMode(false), m_preferences(preferences) {
    build();
    fillPreferences();
}

void PreferencesDialog::build() {
    setWindowTitle(m_documentMode ? QStringLiteral("Current Document Properties")
                                  : QStringLiteral("Preferences"));
    new InputFieldGroup(this);
    m_pages = new QTabWidget(this);
    // Every page's tab stays in sight: the dialog grows to show them all.
    m_pages->setUsesScrollButtons(false);
    if (m_documentMode) {
        m_pages->addTab(buildDocumentsPage(), QStringLiteral("Properties"));
    } else {
        m_pages->addTab(buildProgramPage(), QStringLiteral("&1. Program"));
        m_pages->addTab(buildDocumentsPage(), QStringLiteral("&2. Documents"));
        m_filters = new FilterListPage(m_preferences.fileFilters, m_preferences.defaultExtension, m_pages);
        m_pages->addTab(m_filters, QStringLiteral("&3. File Filters"));
        m_pages->addTab(buildMiscellaneousPage(), QStringLiteral("&4. Miscellaneous"));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QCheckBox* PreferencesDialog::check(const QString& text, bool Preferences::*field, QWidget* parent) {
    auto* b = new QCheckBox(text, parent);
    m_checks.emplace_back(b, field);
    return b;
}

QWidget* PreferencesDialog::buildProgramPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    m_tray = check(QStringLiteral("Use System T&ray"), &Preferences::useTray, page);
    // Without a notification area the window could not come back from it.
    m_tray->setEnabled(TrayIcon::trayAvailable());
    m_loadFiles = check(QStringLiteral("Auto &Load Files"), &Preferences::autoLoadFiles, page);
    m_loadFavorites = check(QStringLiteral("Auto Load &Favorites"), &Preferences::autoLoadFavorites, page);
    const QList<QCheckBox*> left{
        m_tray,
        check(QStringLiteral("Auto &Save Files"), &Preferences::autoSaveFiles, page),
        m_loadFiles,
        m_loadFavorites,
        check(QStringLiteral("Auto Save &Position"), &Preferences::keepPosition, page),
        check(QStringLiteral("&No Splash Screen"), &Preferences::noSplash, page),
    };
    const QList<QCheckBox*> right{
        check(QStringLiteral("Stay On &Top"), &Preferences::stayOnTop, page),
        check(QStringLiteral("Hide &Menu"), &Preferences::hideMenu, page),
        check(QStringLiteral("&Hide Toolbar"), &Preferences::hideToolbar, page),
        check(QStringLiteral("Hide Stat&us Line"), &Preferences::hideStatusLine, page),
        check(QStringLiteral("Stac&k Document Tabs"), &Preferences::stackDocumentTabs, page),
        check(QStringLiteral("Multiple &Instances"), &Preferences::multipleInstances, page),
    };
    for (int i = 0; i < left.size(); ++i) grid->addWidget(left[i], i, 0);
    for (int i = 0; i < right.size(); ++i) grid->addWidget(right[i], i, 1);
    grid->setRowStretch(static_cast<int>(left.size()), 1);
    // The boxes keep their own width: a click beside a label does not tick it.
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(24);
    // Loading the last files and loading the favourites exclude each other.
    connect(m_loadFiles, &QCheckBox::toggled, this, [this](bool on) {
        if (on) m_loadFavorites->setChecked(false);
    });
    connect(m_loadFavorites, &QCheckBox::toggled, this, [this](bool on) {
        if (on) m_loadFiles->setChecked(false);
    });
    return page;
}

QWidget* PreferencesDialog::buildDocumentsPage() {
    auto* page = new QWidget(this);
    m_wordWrap = new QCheckBox(QStringLiteral("&Word Wrap"), page);
    m_dos = new QCheckBox(QStringLiteral("Dos &ASCII"), page);
    m_unix = new QCheckBox(QStringLiteral("UNIX Format"), page);
    m_default = new QCheckBox(QStringLiteral("&Default"), page);
    m_dos->setEnabled(m_documentMode);
    m_default->setVisible(m_documentMode);
    m_sample = new QLabel(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUWWXYZ\n1234567890\nTest Current Font"), page);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setAutoFillBackground(true);
    m_sample->setMinimumHeight(80);
    m_sample->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* fontButton = new QPushButton(QStringLiteral("&Font"), page);
    m_units = new QComboBox(page);
    m_units->addItems({QStringLiteral("Inches"), QStringLiteral("Centimeters"), QStringLiteral("Pixels")});
    m_tabs = new LineField(page);
    m_tabs->installEventFilter(new TabKeyFilter(m_tabs));
    // Pasted text keeps only what could have been typed.
    m_tabs->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,;]*")), m_tabs));

    auto* grid = new QGridLayout(page);
    grid->addWidget(m_wordWrap, 0, 0);
    grid->addWidget(m_unix, 0, 1);
    grid->addWidget(m_dos, 1, 0);
    grid->addWidget(m_default, 1, 1);
    grid->addWidget(m_sample, 2, 0, 1, 2);
    grid->addWidget(fontButton, 3, 0, Qt::AlignLeft);
    grid->addWidget(buddyLabel(QStringLiteral("Tab &Units:"), m_units, page), 4, 0);
    grid->addWidget(m_units, 4, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Tab &Settings:"), m_tabs, page), 5, 0);
    grid->addWidget(m_tabs, 5, 1);
    if (!m_documentMode) {
        m_indent = new LineField(page);
        m_indent->setMaxLength(2);
        m_indent->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_indent));
        grid->addWidget(buddyLabel(QStringLiteral("Indent &Size:"), m_indent, page), 6, 0);
        grid->addWidget(m_indent, 6, 1, Qt::AlignLeft);
        m_indent->setFixedWidth(m_indent->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);

    connect(fontButton, &QPushButton::clicked, this, &PreferencesDialog::chooseFont);
    connect(m_units, &QComboBox::currentIndexChanged, this, &PreferencesDialog::unitChanged);
    connect(m_wordWrap, &QCheckBox::toggled, this, &PreferencesDialog::edited);
    connect(m_tabs, &QLineEdit::textEdited, this, [this] {
        m_tabsEdited = true;
        edited();
    });
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
        m_tabsEdited = true;
    });
    return page;
}

QWidget* PreferencesDialog::buildMiscellaneousPage() {
    auto* page = new QWidget(this);
    m_dateFilter = new LineField(page);
    m_dateFilter->setMaxLength(static_cast<int>(Options::kMaxDateFilterChars));
    m_browser = new LineField(page);
    auto* search = new QToolButton(page);
    search->setText(QStringLiteral("..."));
    search->setToolTip(QStringLiteral("Search..."));
    search->setStatusTip(QStringLiteral("Browse disk to find program"));
    auto* pageColour = new QPushButton(QStringLiteral("&Page Color..."), page);
    auto* textColour = new QPushButton(QStringLiteral("&Text Color..."), page);
    m_colourPreview = new QLabel(QStringLiteral("Preview page\nand text colors"), page);
    m_colourPreview->setAlignment(Qt::AlignCenter);
    m_colourPreview->setFrameShape(QFrame::StyledPanel);
    m_colourPreview->setAutoFillBackground(true);
    m_colourPreview->setMinimumHeight(m_colourPreview->sizeHint().height() + 12);
    m_defaultColours = new QCheckBox(QStringLiteral("Default"), page);

    auto* grid = new QGridLayout(page);
    const QList<QCheckBox*> switches{
        check(QStringLiteral("Make &Backups"), &Preferences::makeBackups, page),
        check(QStringLiteral("Backups use .BA&K"), &Preferences::backupsWithBak, page),
        check(QStringLiteral("&Undo After Save"), &Preferences::undoAfterSave, page),
        check(QStringLiteral("&Directory Tracking"), &Preferences::directoryTracking, page),
        check(QStringLiteral("&Convert Binaries"), &Preferences::convertBinaries, page),
    };
    for (int i = 0; i < switches.size(); ++i) grid->addWidget(switches[i], i / 2, i % 2);
    grid->addWidget(buddyLabel(QStringLiteral("Date &Filter:"), m_dateFilter, page), 3, 0);
    grid->addWidget(m_dateFilter, 3, 1, 1, 2);
    grid->addWidget(buddyLabel(QStringLiteral("Web &Browser:"), m_browser, page), 4, 0);
    grid->addWidget(m_browser, 4, 1);
    grid->addWidget(search, 4, 2);
    auto* colours = new QVBoxLayout;
    colours->addWidget(pageColour);
    colours->addWidget(textColour);
    colours->addWidget(m_defaultColours);
    grid->addWidget(m_colourPreview, 5, 0, 1, 2);
    grid->addLayout(colours, 5, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    connect(search, &QToolButton::clicked, this, &PreferencesDialog::searchBrowser);
    connect(pageColour, &QPushButton::clicked, this, [this] { chooseColour(true); });
    connect(textColour, &QPushButton::clicked, this, [this] { chooseColour(false); });
    connect(m_defaultColours, &QCheckBox::toggled, this, [this](bool on) {
        if (!on || m_filling) return;
        m_pageColor = Options::kSystemWindowColor;
        m_textColor = 0;
        showColours();
    });
    return page;
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
    m_tabs->setText(q(s.tabSettings));
    m_filling = false;
}

void PreferencesDialog::fillPreferences() {
    const Preferences& p = m_preferences;
    m_filling = true;
    for (auto& [box, field] : m_checks) box->setChecked(p.*field);
    m_loadFavorites->setChecked(p.autoLoadFavorites && !p.autoLoadFiles);
    m_indent->setText(QString::number(p.indentSize));
    m_dateFilter->setText(q(p.dateFilter));
    m_browser->setText(q(p.browser));
    m_pageColor = p.pageColor;
    m_textColor = p.textColor;
    m_filling = false;
    DocumentSettings s;
    s.wordWrap = p.wordWrap;
    s.unixFormat = p.unixFormat;
    s.useDefaults = false;
    s.fontName = p.fontName;
    s.fontSize = p.fontSize;
    s.fontStyle = p.fontStyle;
    s.tabUnits = p.tabUnits;
    s.tabSettings = p.tabSettings;
    fill(s);
    showColours();
}

void PreferencesDialog::showColours() {
    const QColor page = storedColor(m_pageColor, palette());
    const QColor text = storedColor(m_textColor, palette(), QPalette::Text);
    for (QLabel* l : {m_colourPreview, m_sample}) {
        if (!l) continue;
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, page);
        pal.setColor(QPalette::WindowText, text);
        l->setPalette(pal);
    }
    const bool wasFilling = m_filling;
    m_filling = true;
    if (m_defaultColours)
        m_defaultColours->setChecked(m_pageColor == Options::kSystemWindowColor && m_textColor == 0);
    m_filling = wasFilling;
}

void PreferencesDialog::chooseColour(bool page) {
    int& stored = page ? m_pageColor : m_textColor;
    const QColor current = storedColor(stored, palette(), page ? QPalette::Base : QPalette::Text);
    const QColor chosen = QColorDialog::getColor(
        current, this, page ? QStringLiteral("Page Color") : QStringLiteral("Text Color"));
    if (!chosen.isValid()) return;
    stored = colorToStored(chosen);
    showColours();
}

void PreferencesDialog::searchBrowser() {
    const QString start = m_browser->text();
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("Search for Web Browser"),
        start.isEmpty() ? QStringLiteral("/usr/bin") : QFileInfo(start).absolutePath(),
        QStringLiteral("Programs (*);;All Files (*)"));
    if (!chosen.isEmpty()) m_browser->setText(chosen);
    m_browser->setFocus();
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
    m_tabs->setText(
        q(convertTabText(m_tabs->text().toStdString(), m_shownUnit, unit, screenPixelsPerInch(this))));
    m_shownUnit = unit;
    m_tabsEdited = true;
}

DocumentSettings PreferencesDialog::result() const {
    DocumentSettings s = m_settings;
    s.wordWrap = m_wordWrap->isChecked();
    s.dosCharacterSet = m_dos->isChecked();
    s.unixFormat = m_unix->isChecked();
    s.useDefaults = m_default->isChecked();
    const QFont f = m_sample->font();
    s.fontName = f.family().left(static_cast<int>(Options::kMaxFontNameChars)).toStdString();
    s.fontSize = f.pointSize();
    s.fontStyle = fontStyleLetters(f);
    s.tabUnits = m_units->currentIndex();
    // An untouched field keeps the text exactly as it came.
    if (m_tabsEdited) s.tabSettings = convertTabText(m_tabs->text().toStdString(), s.tabUnits, s.tabUnits, 0);
    return s;
}

Preferences PreferencesDialog::preferences() const {
    Preferences p = m_preferences;
    for (const auto& [box, field] : m_checks) p.*field = box->isChecked();
    const DocumentSettings s = result();
    p.wordWrap = s.wordWrap;
    p.unixFormat = s.unixFormat;
    p.fontName = s.fontName;
    p.fontSize = s.fontSize;
    p.fontStyle = s.fontStyle;
    p.tabUnits = s.tabUnits;
    p.tabSettings = s.tabSettings;
    p.indentSize = Preferences::indentFromText(m_indent->text().toStdString());
    p.fileFilters = m_filters->filters();
    p.defaultExtension = m_filters->defaultExtension();
    p.dateFilter = m_dateFilter->text().toStdString();
    p.browser = m_browser->text().trimmed().toStdString();
    p.pageColor = m_pageColor;
    p.textColor = m_textColor;
    return p;
}

void PreferencesDialog::accept() {
    // A filter entry still being typed belongs to the list.
    if (m_filters) m_filters->commitFields();
    QDialog::accept();
}

bool PreferencesDialog::editDocument(DocumentSettings& settings, const DocumentSettings& defaults,
                                     QWidget* parent) {
    PreferencesDialog dialog(settings, defaults, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.result();
    return true;
}

bool PreferencesDialog::edit(Preferences& preferences, QWidget* parent) {
    PreferencesDialog dialog(preferences, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    preferences = dialog.preferences();
    return true;
}

}  // namespace sj
