#include "clipbook/ui/ClipbookPane.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDrag>
#include <QFocusEvent>
#include <QFontDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "clipbook/LibraryNames.h"
#include "clipbook/ui/ClipEditorDialog.h"
#include "clipbook/ui/ClipPaster.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/CharFilter.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {

namespace {

bool sameFont(const QFont& a, const QFont& b) {
    return a.pointSizeF() == b.pointSizeF() && a.bold() == b.bold() && a.italic() == b.italic() &&
           a.underline() == b.underline() && a.strikeOut() == b.strikeOut() &&
           a.family().compare(b.family(), Qt::CaseInsensitive) == 0;
}

}  // namespace

// -------------------------------------------------------------------- pane

ClipbookPane::ClipbookPane(QMainWindow* main, ClipPaster& paster)
    : m_main(main), m_paster(paster), m_templates(m_list, m_host) {
    setObjectName(QStringLiteral("ClipbookPane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* comboPanel = new QWidget(this);
    comboPanel->setObjectName(QStringLiteral("LibraryChooserPanel"));
    auto* comboLayout = new QVBoxLayout(comboPanel);
    comboLayout->setContentsMargins(0, 0, 0, 0);
    m_chooser = new QComboBox(comboPanel);
    m_chooser->setObjectName(QStringLiteral("LibraryChooser"));
    m_chooser->setEditable(true);
    m_chooser->setInsertPolicy(QComboBox::NoInsert);
    m_chooser->setStatusTip(
        QStringLiteral("List of available clipbook templates (click right button for shortcut menu)"));
    m_chooser->setContextMenuPolicy(Qt::CustomContextMenu);
    m_chooser->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    comboLayout->addWidget(m_chooser);
    layout->addWidget(comboPanel);
    m_listView = new ClipListView(*this);
    layout->addWidget(m_listView, 1);
    // The combo box keeps the focus and hands keys straight to its line edit,
    // past any filter there: the names are filtered by a validator, and the
    // combo box itself is watched for Enter and for being left.
    m_chooser->setValidator(new CharFilter([](char32_t c) { return isLibraryNameChar(c); }, m_chooser));
    m_chooser->installEventFilter(this);
    connect(m_chooser, qOverload<int>(&QComboBox::activated), this, &ClipbookPane::chooserActivated);
    auto showTemplatesMenu = [this](const QPoint&) {
        updateTemplatesMenu();
        m_templatesMenu->exec(QCursor::pos());
    };
    connect(m_chooser, &QWidget::customContextMenuRequested, this, showTemplatesMenu);
    connect(m_chooser->lineEdit(), &QWidget::customContextMenuRequested, this, showTemplatesMenu);
    connect(m_listView, &QListWidget::currentRowChanged, this, [this] { updateListMenu(); });
    buildMenus();

    m_form = new ClipbookDock(main, this);
    m_form->onCloseClicked = [this] { closeClipbook(); };
    m_form->onDockedWidthChanged = [this](int w) {
        // Only the user's drags count; our own placement sets the width itself.
        if (m_docking || m_closing || m_pos == cpFloatForm || w == m_width) return;
        m_width = w;
        if (onWidthChanged) onWidthChanged(w);
    };
    m_form->setFloating(true);
    m_form->hide();
    connect(m_form, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea area) {
        if (m_form->isFloating() || m_closing) return;
        const ClipbookPlacement pos = area == Qt::RightDockWidgetArea ? cpRightPane : cpLeftPane;
        if (pos != m_pos) {
            m_pos = pos;
            applyDocumentLook();
            if (onViewChanged) onViewChanged();
        }
    });
    connect(m_form, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (m_closing || !floating || m_pos == cpFloatForm) return;
        m_pos = cpFloatForm;
        applyDocumentLook();
        if (onViewChanged) onViewChanged();
    });
}

ClipbookPane::~ClipbookPane() {
    if (m_memoViewport) m_memoViewport->removeEventFilter(this);
    if (m_memoWatched) m_memoWatched->removeEventFilter(this);
}

namespace {

// Marks the pane as moving for as long as a placement change runs.
class DockingScope {
public:
    explicit DockingScope(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~DockingScope() { m_flag = m_was; }
    DockingScope(const DockingScope&) = delete;
    DockingScope& operator=(const DockingScope&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

}  // namespace

void ClipbookPane::openTemplates(const std::string& dir, const std::string& name) {
    m_templates.open(dir, name);
    if (!m_templates.hasCurrent()) m_templates.loadCurrent();
    afterChoose();
}

void ClipbookPane::afterChoose() {
    refreshChooser();
    refreshItems(m_list.count() > 0 ? 0 : -1);
    if (onLibraryChanged) onLibraryChanged();
}

void ClipbookPane::refreshChooser() {
    const QSignalBlocker block(m_chooser);
    m_chooser->clear();
    for (const std::string& n : m_templates.names()) m_chooser->addItem(qs(n));
    m_chooser->setCurrentIndex(m_templates.currentIndex());
    m_chooser->setEditText(qs(m_templates.hotTemplate()));
}

void ClipbookPane::refreshItems(int select) {
    const int keep = select == -2 ? selectedIndex() : select;
    const QSignalBlocker block(m_listView);
    m_listView->setTabWidth(m_list.tabWidth());
    m_listView->setItems(m_list.items(), keep);
    updateListMenu();
}

int ClipbookPane::selectedIndex() const {
    const int row = m_listView->currentRow();
    if (row < 0 || row >= static_cast<int>(m_list.count())) return -1;
    return m_listView->currentItem() && m_listView->currentItem()->isSelected() ? row : -1;
}

void ClipbookPane::selectItem(int index) {
    if (index >= 0 && index < m_listView->count()) m_listView->setCurrentRow(index);
}

void ClipbookPane::chooserActivated(int index) {
    if (index < 0) return;
    if (!m_templates.chooseIndex(static_cast<std::size_t>(index))) {
        refreshChooser();
        return;
    }
    afterChoose();
}

void ClipbookPane::commitTypedText() {
    const std::string typed = ss(m_chooser->currentText());
    if (typed == m_templates.hotTemplate()) return;
    m_templates.commitTypedName(typed);
    afterChoose();
}

bool ClipbookPane::chooseByNumber(int n) {
    if (n < 1 || static_cast<std::size_t>(n) > m_templates.names().size()) {
        msg::beep();
        return false;
    }
    if (m_templates.chooseIndex(static_cast<std::size_t>(n - 1))) afterChoose();
    return true;
}

// --------------------------------------------------------------- items

void ClipbookPane::pasteAt(int index, DocumentPage* page, bool interactive) {
    if (index < 0 || index >= static_cast<int>(m_list.count())) return;
    // Copied: a prompt's event loop may let the list change underneath.
    const ClipItem item = m_list.item(static_cast<std::size_t>(index));
    if (onPaste) onPaste(item);
    m_paster.paste(item.body.text(), page, interactive);
}

void ClipbookPane::pasteSelected() {
    pasteAt(selectedIndex(), m_memo, true);
}

void ClipbookPane::addText(const std::string& title, const std::string& body) {
    if (body.empty() && title.empty()) return;
    const int index = m_list.addItem(
        title, body, [this](const std::string& shown) { return m_host.askName(kItemTitleDialog, shown); });
    if (index >= 0) refreshItems(index);
}

void ClipbookPane::addFromDocument() {
    if (!m_memo || !m_memo->hasSelection()) return;
    addText({}, m_memo->selectedBytes());
}

bool ClipbookPane::clipboardHasText() const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasText();
}

void ClipbookPane::copyToClipboard() {
    const int sel = selectedIndex();
    if (sel < 0) return;
    const ClipItem& item = m_list.item(static_cast<std::size_t>(sel));
    auto* mime = new QMimeData;
    mime->setText(qs(item.body.text()));
    QByteArray title(item.title.data(), static_cast<qsizetype>(item.title.size()));
    title.append('\0');
    mime->setData(QString::fromLatin1(kClipboardFormat), title);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void ClipbookPane::addFromClipboard() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasText()) return;
    std::string title;
    if (mime->hasFormat(QString::fromLatin1(kClipboardFormat))) {
        const QByteArray raw = mime->data(QString::fromLatin1(kClipboardFormat));
        if (!raw.isEmpty()) title.assign(raw.constData(), static_cast<std::size_t>(raw.size() - 1));
    }
    std::string body = ss(mime->text());
    // Other programs hand over LF breaks; the library keeps CR LF.
    std::string fixed;
    fixed.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\n' && (i == 0 || body[i - 1] != '\r')) fixed += '\r';
        fixed += body[i];
    }
    addText(title, fixed);
}

void ClipbookPane::editItem(bool newItem) {
    const int index = newItem ? -1 : selectedIndex();
    if (!newItem && index < 0) return;
    ClipEditorDialog editor(this);
    if (newItem)
        editor.setContent(QStringLiteral("New Item"), QString());
    else
        editor.setContent(qs(m_list.item(static_cast<std::size_t>(index)).title),
                          qs(m_list.item(static_cast<std::size_t>(index)).body.text()));
    editor.setWordWrap(m_editorWordWrap);
    const bool ok = editor.exec() == QDialog::Accepted;
    m_editorWordWrap = editor.wordWrap();
    if (!ok) return;
    const int select = m_list.applyEditor(index, ss(editor.title()), editor.body());
    if (select >= 0 || m_list.count() != static_cast<std::size_t>(m_listView->count())) refreshItems(select);
}

void ClipbookPane::removeItem() {
    const int sel = selectedIndex();
    if (sel < 0) return;
    refreshItems(m_list.removeItem(sel));
}

void ClipbookPane::toggleSorted() {
    m_list.toggleSorted();
    refreshItems(-1);
}

void ClipbookPane::moveItem(int from, int to) {
    if (from == to) return;
    refreshItems(m_list.moveItem(from, to));
}

void ClipbookPane::saveNow() {
    m_templates.saveCurrent(true, ss(m_chooser->currentText()));
    afterChoose();
}

void ClipbookPane::undoAllChanges() {
    m_templates.undoAllChanges();
    refreshItems(m_list.count() > 0 ? 0 : -1);
}

// --------------------------------------------------------- fonts, colours

QFont ClipbookPane::listFont() const {
    return m_listView->font();
}

void ClipbookPane::setListFont(const QFont& font) {
    if (sameFont(font, m_listView->font())) return;
    m_listView->setFont(font);
    m_chooser->setFont(font);
}

void ClipbookPane::applyDocumentLook() {
    QPalette pal = m_listView->palette();
    if (m_pos != cpFloatForm && m_memo) {
        pal.setColor(QPalette::Base, m_memo->paper());
        pal.setColor(QPalette::Text, m_memo->color());
        if (m_defaultFont) setListFont(m_memo->font());
    } else {
        pal = QApplication::palette(m_listView);
        if (m_defaultFont) setListFont(m_form->font());
    }
    m_listView->setPalette(pal);
    QPalette cpal = m_chooser->palette();
    cpal.setColor(QPalette::Base, pal.color(QPalette::Base));
    cpal.setColor(QPalette::Text, pal.color(QPalette::Text));
    m_chooser->setPalette(cpal);
}

void ClipbookPane::chooseFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, listFont(), this, QStringLiteral("Font"));
    if (!ok) return;
    setListFont(font);
    m_defaultFont = false;
}

void ClipbookPane::toggleDefaultFont() {
    if (m_defaultFont) {
        m_defaultFont = false;
        return;
    }
    m_defaultFont = true;
    if (m_pos != cpFloatForm && m_memo)
        setListFont(m_memo->font());
    else
        setListFont(m_form->font());
}

// ----------------------------------------------------------- placement

int ClipbookPane::clipPanelWidth() const {
    if (m_pos != cpFloatForm && m_form->isVisible()) return m_form->width();
    return m_width > 0 ? m_width : width();
}

void ClipbookPane::setClipPanelPos(ClipbookPlacement pos) {
    if (m_placed && pos == m_pos && m_form->isFloating() == (pos == cpFloatForm)) return;
    // Before its first placement the pane has no width of its own worth keeping.
    const int w = m_width > 0 ? m_width : (m_placed && width() > 0 ? width() : 134);
    m_placed = true;
    const DockingScope docking(m_docking);
    m_closing = true;  // the dock signals below are our own doing
    if (pos == cpFloatForm) {
        if (m_pos != cpFloatForm) m_width = m_form->width();
        m_form->setFloating(true);
        if (!m_floatPlaced) {
            m_floatPlaced = true;
            const QRect screen =
                m_main->screen() ? m_main->screen()->availableGeometry() : QRect(0, 0, 800, 600);
            if (storedFloatGeometry.isValid() && screen.intersects(storedFloatGeometry)) {
                m_form->setGeometry(storedFloatGeometry);
            } else {
                m_form->resize(134, 375);
                m_form->move(screen.center() - QPoint(67, 187));
            }
        } else {
            m_form->resize(w, m_form->height());
        }
        m_form->show();
    } else {
        m_main->addDockWidget(pos == cpLeftPane ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea, m_form);
        m_form->setFloating(false);
        m_form->show();
        m_main->resizeDocks({m_form}, {w}, Qt::Horizontal);
    }
    m_pos = pos;
    m_closing = false;
    applyDocumentLook();
    if (onViewChanged) onViewChanged();
}

bool ClipbookPane::isHiddenPane() const {
    return !m_form->isVisible();
}

void ClipbookPane::showPane() {
    const DockingScope docking(m_docking);
    m_form->show();
    if (m_pos != cpFloatForm) m_main->resizeDocks({m_form}, {m_width > 0 ? m_width : 134}, Qt::Horizontal);
    m_form->raise();
    m_listView->setFocus();
    if (onViewChanged) onViewChanged();
}

void ClipbookPane::hideClipbook() {
    if (m_pos == cpFloatForm) return;
    const DockingScope docking(m_docking);
    m_width = m_form->width();
    m_form->hide();
    if (onViewChanged) onViewChanged();
    if (m_memo) m_memo->setFocus();
}

void ClipbookPane::shutDown() {
    if (m_closing) return;
    m_closing = true;
    if (onClose) onClose();
    if (m_list.modified()) m_templates.saveCurrent(false);
    m_form->shuttingDown = true;
    m_form->hide();
    m_form->deleteLater();
}

void ClipbookPane::closeClipbook() {
    DocumentPage* memo = m_memo;
    shutDown();
    if (memo) memo->setFocus();
}

// ------------------------------------------------- document and drags

void ClipbookPane::setMemoControl(DocumentPage* page) {
    if (m_memo == page) return;
    if (m_memoViewport) m_memoViewport->removeEventFilter(this);
    if (m_memoWatched) m_memoWatched->removeEventFilter(this);
    m_memo = page;
    m_memoViewport = page ? page->viewport() : nullptr;
    m_memoWatched = page;
    if (m_memoViewport) m_memoViewport->installEventFilter(this);
    if (m_memoWatched) m_memoWatched->installEventFilter(this);
    applyDocumentLook();
}

bool ClipbookPane::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_chooser) {
        // Moving the pane moves the focus too, and so does opening the drop-down
        // list; neither is an answer to the typed name.
        if (e->type() == QEvent::FocusOut && !m_docking &&
            static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason)
            commitTypedText();
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                commitTypedText();
                return true;
            }
        }
        return false;
    }
    if (watched == m_memoViewport) return documentDragEvent(m_memoViewport, e);
    if (watched == m_memoWatched) {
        // The docked list wears the document's look, also after the document's own font or colours change.
        if ((e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) && m_pos != cpFloatForm)
            applyDocumentLook();
        return false;
    }
    return QWidget::eventFilter(watched, e);
}

bool ClipbookPane::documentDragEvent(QWidget*, QEvent* e) {
    if (e->type() != QEvent::DragEnter && e->type() != QEvent::DragMove && e->type() != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(e);
    if (!drop->mimeData()->hasFormat(QString::fromLatin1(kClipDragFormat))) return false;
    if (drop->source() != m_listView || !m_memo || m_memo->isReadOnly()) {
        drop->ignore();
        return true;
    }
    const QPoint p = drop->position().toPoint();
    if (e->type() != QEvent::Drop) {
        m_memo->setFocus();
        m_memo->caretToPoint(p);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    m_memo->caretToPoint(p);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    const int index = drop->mimeData()->data(QString::fromLatin1(kClipDragFormat)).toInt();
    QPointer<DocumentPage> page(m_memo.data());
    QTimer::singleShot(0, this, [this, index, page] {
        if (page) pasteAt(index, page, false);
    });
    return true;
}

void ClipbookPane::libraryRenamed(const std::string& oldName, const std::string& newName) {
    if (!m_templates.hasCurrent() || oldName == newName) return;
    if (m_templates.followRename(oldName, newName)) refreshChooser();
}

}  // namespace sj
