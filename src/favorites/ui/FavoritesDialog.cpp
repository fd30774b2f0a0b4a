#include "favorites/ui/FavoritesDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ui/FileDialogs.h"
#include "favorites/FavoriteEntry.h"
#include "files/FileUtils.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {
namespace {

void setHint(QWidget* w, const QString& hint) {
    w->setToolTip(hint);
    w->setStatusTip(hint);
}

}  // namespace

FavoritesDialog::FavoritesDialog(const Setup& setup, QWidget* parent)
    : QDialog(parent), m_setup(setup), m_host(this), m_lists(setup.directory, m_host) {
    setWindowTitle(QStringLiteral("Favorite Files"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setToolTip(QStringLiteral("Favorite files"));

    m_chooser = new QComboBox(this);
    m_chooser->setEditable(true);
    m_chooser->setInsertPolicy(QComboBox::NoInsert);
    m_chooser->setCompleter(nullptr);
    // Characters a list name cannot hold are dropped as they are typed.
    m_chooser->lineEdit()->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^*./?\\\\\\x00-\\x1f]*")), m_chooser));
    setHint(m_chooser,
            QStringLiteral("Available lists of favorite files (click right button for shortcut menu)"));
    m_list = new QListWidget(this);
    m_list->setSelectionMode(setup.multiSelect ? QAbstractItemView::ExtendedSelection
                                               : QAbstractItemView::SingleSelection);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    setHint(m_list, QStringLiteral("Favorite files and directories (click right button for shortcut menu)"));
    m_entry = new QLineEdit(this);
    m_entry->setMaxLength(4096);
    setHint(m_entry, QStringLiteral("Edit file or directory name (or specs) of current item"));

    m_open = button(QStringLiteral("&Open"), QStringLiteral("Open selected files or directory"));
    m_openAll = button(QStringLiteral("O&pen All"), QStringLiteral("Open all files in list"));
    m_add = button(QStringLiteral("&Add..."), QStringLiteral("Add files to the list"));
    m_remove = button(QStringLiteral("&Remove"), QStringLiteral("Remove selected files from list"));
    m_new =
        button(QStringLiteral("&New"), QStringLiteral("Add new entry (file name or directory) to the list"));
    m_help = button(QStringLiteral("&Help"), {});
    m_close = button(QStringLiteral("Close"), QStringLiteral("Close dialog box"));
    m_openAll->setVisible(setup.multiSelect);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    setHint(m_up, QStringLiteral("Move item up one position"));
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    setHint(m_down, QStringLiteral("Move item down one position"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_open, m_openAll, m_add, m_remove, m_new}) buttons->addWidget(b);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    buttons->addLayout(arrows);
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_chooser, 0, 0);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(m_entry, 2, 0);
    grid->addLayout(buttons, 0, 1, 3, 1);
    setTabOrder(m_chooser, m_list);
    setTabOrder(m_list, m_entry);
    setTabOrder(m_entry, m_open);

    buildMenus();
    connect(m_chooser, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= m_lists.names().size()) return;
        m_lists.choose(m_lists.names()[static_cast<std::size_t>(index)]);
        afterListChange();
    });
    connect(m_chooser->lineEdit(), &QLineEdit::returnPressed, this, &FavoritesDialog::chooseTyped);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &FavoritesDialog::onSelectionChanged);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { openSelected(false); });
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                if (m_filling) return;
                const auto from = static_cast<std::size_t>(start);
                const auto to = static_cast<std::size_t>(row > start ? row - 1 : row);
                selectRows({m_lists.entries().moveTo(from, to)});
            });
    connect(m_entry, &QLineEdit::textEdited, this, &FavoritesDialog::editEntry);
    connect(m_entry, &QLineEdit::editingFinished, this, &FavoritesDialog::leaveEntryField);
    connect(m_open, &QPushButton::clicked, this, [this] { openSelected(false); });
    connect(m_openAll, &QPushButton::clicked, this, [this] { openSelected(true); });
    connect(m_add, &QPushButton::clicked, this, &FavoritesDialog::addFiles);
    connect(m_remove, &QPushButton::clicked, this, &FavoritesDialog::removeEntries);
    connect(m_new, &QPushButton::clicked, this, &FavoritesDialog::newEntry);
    connect(m_help, &QPushButton::clicked, this, &FavoritesDialog::showHelp);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_up, &QToolButton::clicked, this, [this] { moveSelection(true); });
    connect(m_down, &QToolButton::clicked, this, [this] { moveSelection(false); });
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    m_chooser->installEventFilter(this);
    m_chooser->lineEdit()->installEventFilter(this);

    resize(560, 360);
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_lists.open(setup.listName);
    afterListChange();
}

QPushButton* FavoritesDialog::button(const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    if (!hint.isEmpty()) setHint(b, hint);
    return b;
}

void FavoritesDialog::buildMenus() {
    m_chooserMenu = new QMenu(this);
    m_newList = m_chooserMenu->addAction(QStringLiteral("&New..."));
    m_newList->setStatusTip(QStringLiteral("Create a new list"));
    m_renameList = m_chooserMenu->addAction(QStringLiteral("&Rename..."));
    m_renameList->setStatusTip(QStringLiteral("Rename current list"));
    m_deleteList = m_chooserMenu->addAction(QStringLiteral("&Delete"));
    m_deleteList->setStatusTip(QStringLiteral("Delete current list"));
    connect(m_chooserMenu, &QMenu::aboutToShow, this, [this] {
        m_renameList->setEnabled(m_lists.hasCurrent());
        m_deleteList->setEnabled(m_lists.hasCurrent());
    });
    connect(m_newList, &QAction::triggered, this, [this] {
        m_lists.newList();
        afterListChange();
    });
    connect(m_renameList, &QAction::triggered, this, [this] {
        m_lists.renameList();
        showLists();
    });
    connect(m_deleteList, &QAction::triggered, this, [this] {
        m_lists.deleteList();
        afterListChange();
    });

    m_listMenu = new QMenu(this);
    m_openDirectory = m_listMenu->addAction(QStringLiteral("&Open Directory"));
    m_openDirectory->setStatusTip(
        QStringLiteral("Open file dialog box to the directory of the current item"));
    m_listMenu->addSeparator();
    m_sortList = m_listMenu->addAction(QStringLiteral("&Sort List"));
    m_sortList->setStatusTip(QStringLiteral("Sort items in alphanumerical order"));
    m_undoChanges = m_listMenu->addAction(QStringLiteral("&Undo Changes"));
    m_undoChanges->setStatusTip(QStringLiteral("Undo all changes made since last saved"));
    connect(m_listMenu, &QMenu::aboutToShow, this, [this] {
        m_openDirectory->setEnabled(selectedRows().size() == 1);
        m_sortList->setEnabled(m_lists.entries().size() > 1);
        m_undoChanges->setEnabled(m_lists.entries().modified());
    });
    connect(m_openDirectory, &QAction::triggered, this, &FavoritesDialog::openDirectory);
    connect(m_sortList, &QAction::triggered, this, &FavoritesDialog::sortList);
    connect(m_undoChanges, &QAction::triggered, this, &FavoritesDialog::undoChanges);
}

bool FavoritesDialog::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ContextMenu && (watched == m_chooser || watched == m_chooser->lineEdit())) {
        m_chooserMenu->popup(static_cast<QContextMenuEvent*>(e)->globalPos());
        return true;
    }
    if (watched == m_list->viewport() && e->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::RightButton) {
            // The entry under the mouse becomes the one the menu acts on.
            if (QListWidgetItem* item = m_list->itemAt(mouse->position().toPoint())) {
                m_list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
            }
            m_list->setFocus();
            m_listMenu->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    if (watched == m_list && e->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(e);
        if (menu->reason() == QContextMenuEvent::Keyboard) m_listMenu->popup(menu->globalPos());
        return true;
    }
    if (watched == m_list && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openSelected(false);
            return true;
        }
    }
    if (watched == m_chooser->lineEdit() && e->type() == QEvent::FocusOut) chooseTyped();
    return QDialog::eventFilter(watched, e);
}

void FavoritesDialog::showLists() {
    m_filling = true;
    m_chooser->clear();
    for (const std::string& name : m_lists.names()) m_chooser->addItem(qs(name));
    m_chooser->setCurrentIndex(m_lists.currentIndex());
    if (!m_lists.hasCurrent()) m_chooser->setEditText({});
    m_filling = false;
}

void FavoritesDialog::showEntries(int select) {
    m_filling = true;
    m_list->clear();
    for (const std::string& e : m_lists.entries().items()) m_list->addItem(qs(e));
    m_filling = false;
    if (select >= 0 && select < m_list->count())
        m_list->setCurrentRow(select, QItemSelectionModel::ClearAndSelect);
    onSelectionChanged();
}

void FavoritesDialog::afterListChange() {
    showLists();
    showEntries(0);
    if (m_lists.entries().empty())
        m_add->setFocus();
    else
        m_list->setFocus();
}

std::vector<std::size_t> FavoritesDialog::selectedRows() const {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FavoritesDialog::selectRows(const std::vector<std::size_t>& rows) {
    m_filling = true;
    m_list->clearSelection();
    for (std::size_t r : rows)
        if (r < static_cast<std::size_t>(m_list->count()))
            m_list->item(static_cast<int>(r))->setSelected(true);
    if (!rows.empty()) m_list->setCurrentRow(static_cast<int>(rows.front()), QItemSelectionModel::Current);
    m_filling = false;
    onSelectionChanged();
}

void FavoritesDialog::onSelectionChanged() {
    if (m_filling) return;
    const std::vector<std::size_t> rows = selectedRows();
    m_editChanged = false;
    m_editedRow = rows.size() == 1 ? static_cast<int>(rows.front()) : -1;
    if (rows.size() == 1)
        m_entry->setText(qs(m_lists.entries().items()[rows.front()]));
    else if (rows.empty())
        m_entry->setText(QStringLiteral("[No files selected]"));
    else
        m_entry->setText(QLatin1Char('[') + QString::number(rows.size()) +
                         QStringLiteral(" files selected]"));
    m_entry->setReadOnly(rows.size() != 1);
    updateButtons();
}

void FavoritesDialog::updateButtons() {
    const bool selected = !selectedRows().empty();
    m_open->setEnabled(selected);
    m_remove->setEnabled(selected);
    m_up->setEnabled(selected);
    m_down->setEnabled(selected);
    m_openAll->setEnabled(!m_lists.entries().empty());
}

void FavoritesDialog::chooseTyped() {
    if (m_filling) return;
    const std::string typed = m_chooser->currentText().toStdString();
    if (typed.empty() || typed == m_lists.current()) return;
    const std::string before = m_lists.current();
    m_lists.commitTypedName(typed);
    if (m_lists.current() != before)
        afterListChange();
    else
        showLists();  // not created: the chooser shows the current list again
}

void FavoritesDialog::addFiles() {
    QFileDialog dialog(this, QStringLiteral("Select Files"), qs(m_setup.startPath));
    dialog.setFileMode(m_setup.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(dialogFilters(m_setup.filter));
    dialog.setDefaultSuffix(qs(m_setup.defaultExt));
    if (dialog.exec() != QDialog::Accepted) return;
    std::vector<std::string> names;
    for (const QString& f : dialog.selectedFiles()) names.push_back(fileutils::longName(f.toStdString()));
    const std::size_t before = m_lists.entries().size();
    if (m_lists.entries().addMissing(names) == 0) return;
    showEntries(static_cast<int>(before));
    m_list->setFocus();
}

void FavoritesDialog::newEntry() {
    leaveEntryField();
    m_lists.entries().append("NewSpecs." + m_setup.defaultExt);
    showEntries(static_cast<int>(m_lists.entries().size()) - 1);
    m_entry->setFocus();
    m_entry->selectAll();
}

void FavoritesDialog::editEntry(const QString& text) {
    if (m_editedRow < 0) return;
    m_lists.entries().set(static_cast<std::size_t>(m_editedRow), text.toStdString());
    m_list->item(m_editedRow)->setText(text);
    m_editChanged = true;
    updateButtons();
}

void FavoritesDialog::leaveEntryField() {
    if (!m_editChanged || m_editedRow < 0) return;
    m_editChanged = false;
    if (!m_entry->text().isEmpty()) return;
    // An entry typed empty goes; its predecessor (or the new first) is selected.
    const int row = m_editedRow;
    m_lists.entries().remove({static_cast<std::size_t>(row)});
    showEntries(row > 0 ? row - 1 : 0);
}

void FavoritesDialog::removeEntries() {
    std::vector<std::size_t> rows = selectedRows();
    if (rows.empty() && m_list->currentRow() >= 0)
        rows.push_back(static_cast<std::size_t>(m_list->currentRow()));
    if (rows.empty()) return;
    m_lists.entries().remove(rows);
    const int next = std::min(static_cast<int>(rows.front()), static_cast<int>(m_lists.entries().size()) - 1);
    showEntries(next);
    if (m_lists.entries().empty())
        m_add->setFocus();
    else
        m_list->setFocus();
}

void FavoritesDialog::moveSelection(bool up) {
    const std::vector<std::size_t> rows = selectedRows();
    if (rows.empty()) return;
    const std::vector<std::size_t> moved =
        up ? m_lists.entries().moveUp(rows) : m_lists.entries().moveDown(rows);
    m_filling = true;
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setText(qs(m_lists.entries().items()[static_cast<std::size_t>(i)]));
    m_filling = false;
    selectRows(moved);
}

void FavoritesDialog::sortList() {
    m_lists.entries().sort();
    showEntries(0);
}

void FavoritesDialog::undoChanges() {
    m_lists.undoChanges();
    showEntries(0);
}

void FavoritesDialog::openSelected(bool all) {
    leaveEntryField();
    if (all) m_list->selectAll();
    m_chosen.clear();
    const std::vector<std::size_t> rows = selectedRows();
    if (rows.size() == 1) {
        const std::string& entry = m_lists.entries().items()[rows.front()];
        if (favorite::kindOf(entry) == favorite::Kind::Directory &&
            !fileutils::directoryExists(favorite::directoryOf(entry))) {
            msg::error(qs(favorite::missingDirectoryMessage(favorite::directoryOf(entry))));
            return;
        }
    }
    m_chosen = m_lists.filesToOpen(rows);
    if (m_chosen.empty()) {
        msg::info(QStringLiteral("File list is empty!"), true);
        return;
    }
    accept();
}

void FavoritesDialog::openDirectory() {
    const std::vector<std::size_t> rows = selectedRows();
    if (rows.size() != 1) return;
    const std::string dir = favorite::directoryOf(m_lists.entries().items()[rows.front()]);
    if (dir.empty() || !fileutils::directoryExists(dir)) {
        msg::error(qs(favorite::missingDirectoryMessage(dir)));
        return;
    }
    m_chosen = {dir == "/" ? dir : dir + "/"};
    accept();
}

void FavoritesDialog::showHelp() {
    msg::info(QStringLiteral(
        "Favorite Files\n\n"
        "The box at the top chooses a list; its right-button menu creates, renames and deletes lists.\n"
        "Each line of a list is a file, a directory ending with \"/\", a pattern such as *.txt, or \":\" "
        "and the name of another list, which stands for that list's files.\n"
        "Open opens the selected entries, Open All every entry. Changes are saved when you choose "
        "another list or close the dialog."));
}

void FavoritesDialog::done(int r) {
    leaveEntryField();
    if (r != Accepted) m_chosen.clear();
    m_lists.saveIfModified();
    QDialog::done(r);
}

}  // namespace sj
