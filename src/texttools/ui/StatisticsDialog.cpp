#include "texttools/ui/StatisticsDialog.h"
#include "config/WindowKeys.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "texttools/WordList.h"
#include "texttools/ui/StatProgressWindow.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/ProgressWindow.h"
#include "widgets/ui/TextField.h"

namespace sj {
namespace {

constexpr int kSmallHeight = 136;
constexpr int kFullHeight = 321;

LineField* countBox(const QString& hint, QWidget* parent) {
    auto* e = new LineField(parent);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setToolTip(hint);
    e->setStatusTip(hint);
    return e;
}

}  // namespace

StatisticsDialog::StatisticsDialog(std::string text, StatisticsScope scope, const LocaleCollator& collator,
                                   QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      PlacementWindow(this),
      m_text(std::move(text)),
      m_collator(collator) {
    setObjectName(QStringLiteral("StatisticsDialog"));
    KeyPrefix = windowkeys::kStatisticsDialog;
    setWindowTitle(QString::fromStdString(statisticsCaption(scope)));
    // The height depends on whether the word list is shown: only the place is kept.
    PlacementGroups = WindowPlacement::Position;
    CentredByDesign = true;
    new InputFieldGroup(this);
    m_counts = countText(m_text);

    m_edtCharacters =
        countBox(QStringLiteral("Total number of characters in document or selected text"), this);
    m_edtWords = countBox(QStringLiteral("Total number of words in document or selected text"), this);
    m_edtOtherWords =
        countBox(QStringLiteral("Total number of other text items (numbers and mixed text)"), this);
    m_edtCharacters->setObjectName(QStringLiteral("edtCharacters"));
    m_edtWords->setObjectName(QStringLiteral("edtWords"));
    m_edtOtherWords->setObjectName(QStringLiteral("edtOtherWords"));
    m_edtCharacters->setText(QString::number(m_counts.characters));
    m_edtWords->setText(QString::number(m_counts.words));
    m_edtOtherWords->setText(QString::number(m_counts.others));

    m_btnMore = new QPushButton(QStringLiteral(">>    &More"), this);
    m_btnMore->setObjectName(QStringLiteral("btnMore"));
    m_btnMore->setToolTip(QStringLiteral("Display detailed word count"));
    m_btnClose = new QPushButton(QStringLiteral("Close"), this);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setDefault(true);
    connect(m_btnMore, &QPushButton::clicked, this, &StatisticsDialog::btnMoreClick);
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::reject);

    m_edtWordStatistics = new TextField(this);
    m_edtWordStatistics->setObjectName(QStringLiteral("edtWordStatistics"));
    m_edtWordStatistics->setReadOnly(true);
    m_edtWordStatistics->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edtWordStatistics->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edtWordStatistics->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edtWordStatistics->setToolTip(
        QStringLiteral("Words and number of occurences found in document or selected text"));
    m_edtWordStatistics->hide();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Characters:"), m_edtCharacters);
    form->addRow(QStringLiteral("Words:"), m_edtWords);
    form->addRow(QStringLiteral("Others:"), m_edtOtherWords);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_btnMore);
    buttons->addWidget(m_btnClose);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addSpacing(12);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_edtWordStatistics, 1);

    setMinimumWidth(340);
    resize(360, std::max(kSmallHeight, sizeHint().height()));
}

void StatisticsDialog::btnMoreClick() {
    if (!m_btnMore->isEnabled()) return;
    m_btnMore->setEnabled(false);
    m_edtWordStatistics->show();
    resize(width(), std::max(kFullHeight, height() + 180));
    // One tab stop, two inches in: item, tab, count.
    m_edtWordStatistics->setTabStopDistance(2.0 * m_edtWordStatistics->logicalDpiX());
    m_edtWordStatistics->setFocus();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StatProgressWindow progress(this);
    const WordList list = countWords(m_text, m_collator, &progress);
    const std::string shown = formatWordList(list, &progress);
    progress.close();
    m_cancelled = list.cancelled || (progress.window() && progress.window()->cancelled());
    m_edtWordStatistics->setUpdatesEnabled(false);
    m_edtWordStatistics->setText(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
    m_edtWordStatistics->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
}

QString StatisticsDialog::wordListText() const {
    return m_edtWordStatistics->toPlainText();
}

}  // namespace sj
