#include "workspace/ui/FilterListPage.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ui/LineField.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

FilterListPage::FilterListPage(const std::string& filters, const std::string& defaultExtension,
                               QWidget* parent)
    : QWidget(parent), m_editor(filters) {
    m_list = new QListWidget(this);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_description = new LineField(this);
    m_wildCards = new LineField(this);
    m_description->setMaxLength(60);
    m_wildCards->setMaxLength(60);
    m_extension = new LineField(q(defaultExtension), this);
    m_new = new QPushButton(QStringLiteral("&New"), this);
    m_delete = new QPushButton(QStringLiteral("D&elete"), this);
    m_up = new QPushButton(QStringLiteral("Move &Up"), this);
    m_down = new QPushButton(QStringLiteral("Move D&own"), this);

    auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_new, m_delete, m_up, m_down}) buttons->addWidget(b);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(label(QStringLiteral("F&ilters:"), m_list), 0, 0);
    grid->addWidget(m_list, 1, 0, 1, 2);
    grid->addLayout(buttons, 1, 2);
    grid->addWidget(label(QStringLiteral("&Description:"), m_description), 2, 0);
    grid->addWidget(m_description, 2, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("&Wild Cards:"), m_wildCards), 3, 0);
    grid->addWidget(m_wildCards, 3, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("Default E&xtension:"), m_extension), 4, 0);
    grid->addWidget(m_extension, 4, 1);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_list, m_new);
    setTabOrder(m_new, m_delete);
    setTabOrder(m_delete, m_up);
    setTabOrder(m_up, m_down);
    setTabOrder(m_down, m_description);
    setTabOrder(m_description, m_wildCards);
    setTabOrder(m_wildCards, m_extension);

    m_description->installEventFilter(this);
    m_wildCards->installEventFilter(this);
    connect(m_list, &QListWidget::currentRowChanged, this, &FilterListPage::rowChanged);
    connect(m_new, &QPushButton::clicked, this, &FilterListPage::addEntry);
    connect(m_delete, &QPushButton::clicked, this, &FilterListPage::removeEntry);
    connect(m_up, &QPushButton::clicked, this, [this] { moveEntry(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveEntry(1); });
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                dragged(start, row > start ? row - 1 : row);
            });
    refreshList();
}

FilterListPage::~FilterListPage() {
    // Fields losing the focus while the page goes down have nothing to commit to.
    m_description->removeEventFilter(this);
    m_wildCards->removeEventFilter(this);
}

std::string FilterListPage::defaultExtension() const {
    return m_extension->text().toStdString();
}

void FilterListPage::refreshList() {
    m_busy = true;
    m_list->clear();
    for (const FilterEntry& e : m_editor.entries()) {
        auto* item = new QListWidgetItem(q(e.description), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
    m_list->setCurrentRow(m_editor.selected());
    m_busy = false;
    showSelected();
}

void FilterListPage::showSelected() {
    const int row = m_editor.selected();
    const FilterEntry none;
    const FilterEntry& e = row >= 0 ? m_editor.entries()[row] : none;
    m_description->setText(q(e.description));
    m_wildCards->setText(q(e.wildCards));
    m_description->commit();
    m_wildCards->commit();
    updateButtons();
}

void FilterListPage::updateButtons() {
    m_delete->setEnabled(m_editor.canRemove());
    m_up->setEnabled(m_editor.canMoveUp());
    m_down->setEnabled(m_editor.canMoveDown());
}

void FilterListPage::commitFields() {
    if (m_busy) return;
    const auto result =
        m_editor.commit(m_description->text().toStdString(), m_wildCards->text().toStdString());
    switch (result) {
        case FilterListEditor::Commit::Unchanged:
            break;
        case FilterListEditor::Commit::TooLong:
            msg::error(q(FilterListEditor::limitMessage()));
            showSelected();  // both fields go back to what the entry holds
            break;
        case FilterListEditor::Commit::Changed:
            m_list->item(m_editor.selected())
                ->setText(q(m_editor.entries()[m_editor.selected()].description));
            m_description->commit();
            m_wildCards->commit();
            break;
        case FilterListEditor::Commit::Created: {
            m_busy = true;
            auto* item = new QListWidgetItem(m_description->text(), m_list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
            m_list->setCurrentRow(m_editor.selected());
            m_busy = false;
            updateButtons();
            break;
        }
    }
}

void FilterListPage::rowChanged(int row) {
    if (m_busy) return;
    commitFields();  // the fields belong to the entry selected before
    m_editor.select(row);
    showSelected();
}

void FilterListPage::addEntry() {
    commitFields();
    switch (m_editor.addNew()) {
        case FilterListEditor::Added::Refused:
            msg::error(q(FilterListEditor::limitMessage()));
            return;
        case FilterListEditor::Added::FocusOnly:
            break;
        case FilterListEditor::Added::Added:
            refreshList();
            break;
    }
    m_description->setFocus();
    m_description->selectAll();
}

void FilterListPage::removeEntry() {
    m_editor.remove();
    refreshList();
    if (m_editor.entries().empty()) m_new->setFocus();
}

void FilterListPage::moveEntry(int delta) {
    commitFields();
    if (delta < 0)
        m_editor.moveUp();
    else
        m_editor.moveDown();
    refreshList();
    if (!m_editor.canMoveUp()) m_down->setFocus();
    if (!m_editor.canMoveDown()) m_up->setFocus();
}

void FilterListPage::dragged(int from, int to) {
    if (m_busy) return;
    m_editor.move(from, to);
    // Rebuilt after the view has finished its own move.
    QMetaObject::invokeMethod(this, &FilterListPage::refreshList, Qt::QueuedConnection);
}

bool FilterListPage::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusOut && (watched == m_description || watched == m_wildCards)) commitFields();
    return QWidget::eventFilter(watched, e);
}

}  // namespace sj
