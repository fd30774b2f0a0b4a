#include "texttools/ui/FindDialog.h"
#include "config/WindowKeys.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "texttools/FindSettings.h"
#include "texttools/ui/SearchTokenCombo.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/TabChain.h"

namespace sj {

namespace {
const QString kTokenHint =
    QStringLiteral("(tokens: ^T = tab; ^P = paragraph; ^C = carriage-return; ^L = line-feed)");
}

FindDialog::FindDialog(bool canSearchAll, QWidget* parent)
    : FindDialog(canSearchAll, QStringLiteral("&Case Sensitive"), QStringLiteral("&All Documents"), parent) {
    setWindowTitle(QStringLiteral("Find"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_findLabel, 0, 0);
    grid->addWidget(cmbFind, 0, 1, 1, 2);
    grid->addWidget(btnFindNext, 0, 3);
    auto* checks = new QVBoxLayout;
    checks->addWidget(cbxWholeWord);
    checks->addWidget(cbxMatchCase);
    checks->addStretch();
    grid->addLayout(checks, 1, 0, 1, 2);
    grid->addWidget(rdgDirection, 1, 2);
    grid->addWidget(btnCancel, 1, 3, Qt::AlignTop);
    grid->addWidget(gbxScope, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setTabChain({cmbFind, cbxWholeWord, cbxMatchCase, rbUp, rbDown, cbxAll, btnFindNext, btnCancel});
}

FindDialog::FindDialog(bool canSearchAll, const QString& caseCaption, const QString& allCaption,
                       QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      PlacementWindow(this) {
    KeyPrefix = windowkeys::kFindDialog;
    PlacementGroups = WindowPlacement::Size | WindowPlacement::Position;
    CentredByDesign = true;
    build(caseCaption, allCaption, canSearchAll);
}

void FindDialog::build(const QString& caseCaption, const QString& allCaption, bool canSearchAll) {
    new InputFieldGroup(this);
    cmbFind = new SearchTokenCombo(this);
    cmbFind->setObjectName(QStringLiteral("cmbFind"));
    cmbFind->setToolTip(QStringLiteral("Text to search ") + kTokenHint);
    cmbFind->setMinimumWidth(220);
    m_findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    m_findLabel->setBuddy(cmbFind);

    rdgDirection = new QGroupBox(QStringLiteral("Direction"), this);
    rdgDirection->setObjectName(QStringLiteral("rdgDirection"));
    rdgDirection->setToolTip(QStringLiteral("Up searches backwards and Down forwards"));
    rbUp = new QRadioButton(QStringLiteral("&Up"), rdgDirection);
    rbDown = new QRadioButton(QStringLiteral("&Down"), rdgDirection);
    rbDown->setChecked(true);
    auto* dir = new QHBoxLayout(rdgDirection);
    dir->addWidget(rbUp);
    dir->addWidget(rbDown);

    cbxWholeWord = new QCheckBox(QStringLiteral("&Whole words only"), this);
    cbxWholeWord->setObjectName(QStringLiteral("cbxWholeWord"));
    cbxWholeWord->setToolTip(QStringLiteral("Search only whole words"));
    cbxMatchCase = new QCheckBox(caseCaption, this);
    cbxMatchCase->setObjectName(QStringLiteral("cbxMatchCase"));
    cbxMatchCase->setToolTip(QStringLiteral("Search is case sensitive"));

    gbxScope = new QGroupBox(QStringLiteral("Scope"), this);
    gbxScope->setObjectName(QStringLiteral("gbxScope"));
    cbxAll = new QCheckBox(allCaption, gbxScope);
    cbxAll->setObjectName(QStringLiteral("cbxAll"));
    cbxAll->setToolTip(QStringLiteral("Search through all open documents"));
    auto* scope = new QHBoxLayout(gbxScope);
    scope->addWidget(cbxAll);
    gbxScope->setVisible(canSearchAll);

    btnFindNext = new QPushButton(QStringLiteral("&Find Next"), this);
    btnFindNext->setObjectName(QStringLiteral("btnFindNext"));
    btnFindNext->setToolTip(QStringLiteral("Search for next occurence of text"));
    btnFindNext->setDefault(true);
    btnFindNext->setEnabled(false);
    btnCancel = new QPushButton(QStringLiteral("Close"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setToolTip(QStringLiteral("Close dialog box"));

    connect(cmbFind, &QComboBox::editTextChanged, this, [this] { searchTextChanged(); });
    connect(btnFindNext, &QPushButton::clicked, this, [this] {
        if (!cmbFind->currentText().isEmpty()) emit findRequested();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FindDialog::searchTextChanged() {
    btnFindNext->setEnabled(!cmbFind->currentText().isEmpty());
}

void FindDialog::loadFrom(const FindSettings& s) {
    QStringList history;
    for (const std::string& item : s.findList.items()) history << QString::fromStdString(item);
    cmbFind->setHistory(history);
    cmbFind->setText(QString::fromStdString(s.searchToken()));
    rbDown->setChecked(s.options.down());
    rbUp->setChecked(!s.options.down());
    m_directionLocked = s.options.directionDisabled();
    rdgDirection->setEnabled(!m_directionLocked);
    cbxWholeWord->setChecked(s.options.wholeWord());
    cbxMatchCase->setChecked(s.options.matchCase());
    cbxAll->setChecked(s.searchAll);
    searchTextChanged();
}

void FindDialog::storeTo(FindSettings& s) const {
    s.options.setDown(rbDown->isChecked());
    s.options.setWholeWord(cbxWholeWord->isChecked());
    s.options.setMatchCase(cbxMatchCase->isChecked());
    if (s.canSearchAll) s.searchAll = cbxAll->isChecked();
    const std::string token = cmbFind->currentText().toStdString();
    s.setSearchToken(token);
    s.findList.add(token);
}

void FindDialog::commitFields() {
    cmbFind->commit();
}

void FindDialog::setSearchToken(const QString& token) {
    cmbFind->setText(token);
    cmbFind->lineEdit()->selectAll();
}

void FindDialog::focusFindNext() {
    if (btnFindNext->isEnabled())
        btnFindNext->setFocus();
    else
        cmbFind->setFocus();
}

void FindDialog::mouseDoubleClickEvent(QMouseEvent* e) {
    if (childAt(e->position().toPoint()) == nullptr) emit gotoStartRequested(rbUp->isChecked());
    QDialog::mouseDoubleClickEvent(e);
}

}  // namespace sj
