#include "workspace/ui/ToolbarPropertiesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/ui/EditorFont.h"

namespace sj {
namespace {

constexpr int kEntryRole = Qt::UserRole + 1;

QCheckBox* checkBox(const QString& text, const QString& hint, bool on, QWidget* parent) {
    auto* b = new QCheckBox(text, parent);
    b->setToolTip(hint);
    b->setChecked(on);
    return b;
}

}  // namespace

ToolbarPropertiesDialog::ToolbarPropertiesDialog(const ToolbarSettings& settings, QFont captionFont,
                                                 std::function<bool(const ToolbarEntry&)> onBar,
                                                 QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setWindowTitle(QStringLiteral("Toolbar Properties"));
    m_regular =
        checkBox(QStringLiteral("&Regular Buttons"),
                 QStringLiteral("Use regular buttons instead of flat type"), !settings.flatButtons, this);
    m_captions = checkBox(QStringLiteral("Show &Caption"), QStringLiteral("Show caption in button"),
                          settings.showCaptions, this);
    m_toolTips = checkBox(QStringLiteral("Show &Tool Tips"), QStringLiteral("Show button tool tips"),
                          settings.showToolTips, this);
    m_separators =
        checkBox(QStringLiteral("Show &Separators"),
                 QStringLiteral("Use separators between groups of buttons"), settings.useSeparators, this);
    m_wrap = checkBox(QStringLiteral("&Wrap Buttons"),
                      QStringLiteral("Wrap tool buttons if they don't all fit within the length of the bar"),
                      settings.wrapButtons, this);
    m_sample = new QLabel(QStringLiteral("Caption"), this);
    m_sample->setFont(captionFont);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(m_sample->sizeHint().height() + 8);
    auto* fontButton = new QPushButton(QStringLiteral("Caption &Font..."), this);

    m_list = new QListWidget(this);
    m_list->setToolTip(QStringLiteral("Select items to show in toolbar (you can drag-and-drop to reorder)"));
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    for (std::size_t i = 0; i < settings.entries.size(); ++i) {
        const ToolbarEntry& e = settings.entries[i];
        if (!onBar(e)) continue;
        auto* item = new QListWidgetItem(
            e.isSeparator() ? QStringLiteral("[ Separator ]") : QString::fromStdString(e.toolTip), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                       Qt::ItemIsDragEnabled);
        item->setCheckState(e.available ? Qt::Checked : Qt::Unchecked);
        item->setData(kEntryRole, static_cast<int>(i));
        m_listed.push_back(static_cast<int>(i));
    }
    auto* listLabel = new QLabel(QStringLiteral("&Show in Toolbar:"), this);
    listLabel->setBuddy(m_list);
    m_up = new QPushButton(QStringLiteral("Move &Up"), this);
    m_down = new QPushButton(QStringLiteral("Move &Down"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);

    auto* options = new QVBoxLayout;
    for (QWidget* w :
         {static_cast<QWidget*>(m_regular), static_cast<QWidget*>(m_captions),
          static_cast<QWidget*>(m_toolTips), static_cast<QWidget*>(m_separators),
          static_cast<QWidget*>(m_wrap), static_cast<QWidget*>(m_sample), static_cast<QWidget*>(fontButton)})
        options->addWidget(w);
    options->addStretch();
    auto* moves = new QVBoxLayout;
    moves->addWidget(m_up);
    moves->addWidget(m_down);
    moves->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addLayout(options, 0, 0, 3, 1);
    grid->addWidget(listLabel, 0, 1);
    grid->addWidget(m_list, 1, 1, 2, 1);
    grid->addLayout(moves, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(fontButton, &QPushButton::clicked, this, &ToolbarPropertiesDialog::chooseCaptionFont);
    connect(m_list, &QListWidget::currentRowChanged, this, &ToolbarPropertiesDialog::updateMoveButtons);
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this, [this] {
        m_orderChanged = true;
        updateMoveButtons();
    });
    if (m_list->count() > 0) m_list->setCurrentRow(0);
    updateMoveButtons();
    resize(sizeHint().width() + 60, 420);
}

void ToolbarPropertiesDialog::moveSelected(int delta) {
    const int row = m_list->currentRow();
    const int to = row + delta;
    if (row < 0 || to < 0 || to >= m_list->count()) return;
    QListWidgetItem* item = m_list->takeItem(row);
    m_list->insertItem(to, item);
    m_list->setCurrentRow(to);
    m_orderChanged = true;
    updateMoveButtons();
}

void ToolbarPropertiesDialog::updateMoveButtons() {
    const int row = m_list->currentRow();
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_list->count());
}

void ToolbarPropertiesDialog::chooseCaptionFont() {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, m_sample->font(), this, QStringLiteral("Caption Font"));
    if (ok) m_sample->setFont(f);
}

ToolbarSettings ToolbarPropertiesDialog::result() const {
    ToolbarSettings s = m_settings;
    s.flatButtons = !m_regular->isChecked();
    s.showCaptions = m_captions->isChecked();
    s.showToolTips = m_toolTips->isChecked();
    s.useSeparators = m_separators->isChecked();
    s.wrapButtons = m_wrap->isChecked();
    const QFont f = m_sample->font();
    s.captionFont.name = f.family().toStdString();
    s.captionFont.size = f.pointSize();
    s.captionFont.style = {f.bold(), f.italic(), f.underline(), f.strikeOut()};
    std::vector<ToolbarEntry> listedOrder;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        ToolbarEntry e = m_settings.entries[item->data(kEntryRole).toInt()];
        e.available = item->checkState() == Qt::Checked;
        listedOrder.push_back(e);
    }
    // The listed entries take the listed slots in their new order; entries this
    // program cannot show stay where they were.
    for (std::size_t k = 0; k < m_listed.size(); ++k) s.entries[m_listed[k]] = listedOrder[k];
    if (m_orderChanged) {
        int position = 0;
        for (ToolbarEntry& e : s.entries) e.position = ++position;
    }
    return s;
}

bool ToolbarPropertiesDialog::edit(ToolbarSettings& settings, const QFont& captionFont,
                                   const std::function<bool(const ToolbarEntry&)>& onBar, QWidget* parent) {
    ToolbarPropertiesDialog dialog(settings, captionFont, onBar, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ToolbarSettings edited = dialog.result();
    if (edited == settings) return false;
    settings = edited;
    return true;
}

}  // namespace sj
