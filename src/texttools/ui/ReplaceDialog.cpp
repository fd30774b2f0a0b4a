#include "texttools/ui/ReplaceDialog.h"
#include "config/WindowKeys.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "texttools/ReplaceSettings.h"
#include "texttools/ui/SearchTokenCombo.h"
#include "widgets/ui/TabChain.h"

namespace sj {

ReplaceDialog::ReplaceDialog(bool canSearchAll, QWidget* parent)
    : FindDialog(canSearchAll, QStringLiteral("&Case sensitive"), QStringLiteral("All Docu&ments"), parent) {
    setWindowTitle(QStringLiteral("Find and Replace"));
    KeyPrefix = windowkeys::kReplaceDialog;
    cmbReplace = new SearchTokenCombo(this);
    cmbReplace->setObjectName(QStringLiteral("cmbReplace"));
    cmbReplace->setToolTip(
        QStringLiteral("New text (tokens: ^T = tab; ^P = paragraph; ^C = carriage-return; ^L = line-feed)"));
    auto* replaceLabel = new QLabel(QStringLiteral("Re&place With:"), this);
    replaceLabel->setBuddy(cmbReplace);
    btnReplace = new QPushButton(QStringLiteral("&Replace"), this);
    btnReplace->setObjectName(QStringLiteral("btnReplace"));
    btnReplace->setToolTip(QStringLiteral("Replace text selected in document"));
    btnReplace->setEnabled(false);
    btnReplaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
    btnReplaceAll->setObjectName(QStringLiteral("btnReplaceAll"));
    btnReplaceAll->setToolTip(
        QStringLiteral("Replace all occurences of the text without prompting (starts from caret position)"));
    btnReplaceAll->setEnabled(false);
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("lblHint"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_findLabel, 0, 0);
    grid->addWidget(cmbFind, 0, 1, 1, 2);
    grid->addWidget(btnFindNext, 0, 3);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(cmbReplace, 1, 1, 1, 2);
    grid->addWidget(btnReplace, 1, 3);
    auto* checks = new QVBoxLayout;
    checks->addWidget(cbxWholeWord);
    checks->addWidget(cbxMatchCase);
    checks->addStretch();
    grid->addLayout(checks, 2, 0, 1, 2);
    grid->addWidget(rdgDirection, 2, 2);
    grid->addWidget(btnReplaceAll, 2, 3, Qt::AlignTop);
    grid->addWidget(gbxScope, 3, 0, 1, 3);
    grid->addWidget(btnCancel, 3, 3, Qt::AlignTop);
    grid->addWidget(m_hint, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    // The replacement is typed right after the search text, then the options.
    setTabChain({cmbFind, cmbReplace, cbxWholeWord, cbxMatchCase, rbUp, rbDown, cbxAll, btnFindNext,
                 btnReplace, btnReplaceAll, btnCancel});

    connect(btnReplace, &QPushButton::clicked, this, &ReplaceDialog::replaceRequested);
    connect(btnReplaceAll, &QPushButton::clicked, this, [this] {
        if (!cmbFind->currentText().isEmpty()) emit replaceAllRequested();
    });
    connect(cbxAll, &QCheckBox::toggled, this, [this] { scopeChanged(); });
}

void ReplaceDialog::loadFrom(const FindSettings& s) {
    FindDialog::loadFrom(s);
    const auto& r = static_cast<const ReplaceSettings&>(s);
    QStringList history;
    for (const std::string& item : r.replaceList.items()) history << QString::fromStdString(item);
    cmbReplace->setHistory(history);
    cmbReplace->setText(QString::fromStdString(r.replaceToken()));
    setReplaceEnabled(r.replaceEnabled);
    scopeChanged();
}

void ReplaceDialog::storeTo(FindSettings& s) const {
    FindDialog::storeTo(s);
    auto& r = static_cast<ReplaceSettings&>(s);
    const std::string token = cmbReplace->currentText().toStdString();
    r.setReplaceToken(token);
    r.replaceList.add(token);
    r.replaceEnabled = btnReplace->isEnabled();
}

void ReplaceDialog::commitFields() {
    FindDialog::commitFields();
    cmbReplace->commit();
}

void ReplaceDialog::setReplaceEnabled(bool on) {
    btnReplace->setEnabled(on && !cmbFind->currentText().isEmpty());
}

void ReplaceDialog::setHint(const QString& text) {
    m_hint->setText(text);
}

QString ReplaceDialog::hint() const {
    return m_hint->text();
}

void ReplaceDialog::searchTextChanged() {
    FindDialog::searchTextChanged();
    btnReplaceAll->setEnabled(!cmbFind->currentText().isEmpty());
    btnReplace->setEnabled(false);
}

void ReplaceDialog::scopeChanged() {
    // Across all documents the search always runs downwards.
    if (cbxAll->isChecked() && gbxScope->isVisibleTo(this)) rbDown->setChecked(true);
    rdgDirection->setEnabled(!m_directionLocked && !(cbxAll->isChecked() && gbxScope->isVisibleTo(this)));
}

void ReplaceDialog::changeEvent(QEvent* e) {
    FindDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && btnReplace->isEnabled())
        emit replaceCheckRequested();
}

void ReplaceDialog::mouseDoubleClickEvent(QMouseEvent* e) {
    if (childAt(e->position().toPoint()) == nullptr) btnReplace->setEnabled(false);
    FindDialog::mouseDoubleClickEvent(e);
}

}  // namespace sj
