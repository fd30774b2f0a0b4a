#include "app/ui/MainWindow.h"
#include "config/WindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include "app/ui/DocumentSet.h"
#include "app/ui/DocumentTabs.h"
#include "app/ui/KeyRouter.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "document/ui/EditorFont.h"
#include "files/FileUtils.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

const char* const kMenuOrder[] = {"&File",  "&Edit",      "&Search", "&Document", "&Convert",
                                  "&Tools", "F&avorites", "&View",   "&Help"};
const QString kNotice = QStringLiteral("Super Jotleaf - plain text, exactly");

}  // namespace

MainWindow::MainWindow(Options& options, QWidget* parent)
    : QMainWindow(parent), PlacementWindow(this, &options, true), m_options(options) {
    PlacementWindow::setProgramOptions(&options);
    setObjectName(QStringLiteral("MainWindow"));
    KeyPrefix = windowkeys::kMainWindow;
    setAcceptDrops(true);
    m_tabs = new DocumentTabs(this);
    setCentralWidget(m_tabs);
    m_documents = new DocumentSet(options, *m_tabs, this);
    for (const char* name : kMenuOrder) {
        QMenu* m = menuBar()->addMenu(QString::fromLatin1(name));
        m_menus.insert(QString::fromLatin1(name).remove(QLatin1Char('&')), m);
        connect(m, &QMenu::aboutToShow, this, &MainWindow::updateEnabled);
    }
    for (const char* name : {"Tab", "Editor"}) {
        auto* m = new QMenu(this);
        m_menus.insert(QString::fromLatin1(name), m);
        connect(m, &QMenu::aboutToShow, this, &MainWindow::updateEnabled);
    }
    connect(m_tabs, &DocumentTabs::tabMenuRequested, this,
            [this](const QPoint& p) { m_menus["Tab"]->popup(p); });
    buildStatusBar();
    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(4000);
    connect(&m_hintTimer, &QTimer::timeout, this, [this] { m_noticePanel->setText(kNotice); });
    auto* increase = new QAction(QStringLiteral("IncreaseBuffer"), this);
    increase->setShortcut(Qt::Key_F11);
    connect(increase, &QAction::triggered, this, &MainWindow::increaseBuffer);
    addAction(increase);
    connect(m_documents, &DocumentSet::currentChanged, this, &MainWindow::onCurrentChanged);
    connect(m_documents, &DocumentSet::titlesChanged, this, &MainWindow::updateCaption);
    connect(m_documents, &DocumentSet::pageEdited, this, [this](DocumentPage* p) {
        if (p == currentPage()) refreshStatus();
    });
    new KeyRouter(*this);
    msg::setOwner(this);
    resize(800, 600);
}

MainWindow::~MainWindow() {
    m_tabs->setDestroyObjects(false);
    // The tab strip and its pages go down with the window's children, after this
    // object's own members: no page change may reach the window or its command
    // groups on the way.
    m_tabs->blockSignals(true);
    m_documents->blockSignals(true);
    for (auto& c : m_pageConnections) disconnect(c);
    // Windows outliving this one must not keep their placement in its option set.
    PlacementWindow::setProgramOptions(nullptr);
}

void MainWindow::addCommandGroup(CommandGroup* group) {
    group->setParent(this);
    m_groups.push_back(group);
    group->addToMenus(*this);
    // Shortcuts work even while a menu is hidden (HideMenu).
    for (QMenu* m : m_menus) addActions(m->actions());
    for (auto& entry : m_trailing) addActions(entry.second->actions());
}

QMenu* MainWindow::menu(const QString& name) {
    return m_menus.value(name);
}

QMenu* MainWindow::submenu(const QString& menuName, const QString& caption) {
    const QString key = menuName + QLatin1Char('/') + caption;
    if (QMenu* existing = m_menus.value(key)) return existing;
    QMenu* parentMenu = menu(menuName);
    if (!parentMenu) return nullptr;
    QMenu* sub = parentMenu->addMenu(caption);
    connect(sub, &QMenu::aboutToShow, this, &MainWindow::updateEnabled);
    m_menus.insert(key, sub);
    return sub;
}

QMenu* MainWindow::trailingSubmenu(const QString& menuName, const QString& caption) {
    auto* sub = new QMenu(caption, this);
    connect(sub, &QMenu::aboutToShow, this, &MainWindow::updateEnabled);
    m_trailing.emplace_back(menuName, sub);
    return sub;
}

void MainWindow::finishMenus() {
    for (auto& [name, sub] : m_trailing) {
        if (QMenu* m = menu(name)) {
            m->addSeparator();
            m->addMenu(sub);
        }
    }
    m_trailing.clear();
}

DocumentPage* MainWindow::currentPage() {
    return m_documents->current();
}

void MainWindow::buildStatusBar() {
    m_caretPanel = new QLabel(QStringLiteral("1:1"), this);
    m_modePanel = new QLabel(QStringLiteral("Ins"), this);
    m_noticePanel = new QLabel(kNotice, this);
    m_caretPanel->setFixedWidth(75);
    m_modePanel->setFixedWidth(40);
    m_noticePanel->setMinimumWidth(200);
    m_caretPanel->setToolTip(QStringLiteral("Caret position = line:column (double-click to jump to line)"));
    for (QLabel* l : {m_caretPanel, m_modePanel, m_noticePanel}) {
        l->setFrameShape(QFrame::StyledPanel);
        l->installEventFilter(this);
    }
    statusBar()->installEventFilter(this);
    statusBar()->addWidget(m_caretPanel);
    statusBar()->addWidget(m_modePanel);
    statusBar()->addWidget(m_noticePanel, 1);
    if (m_options.bigStatusbar) {
        QFont f = statusBar()->font();
        f.setPointSize(10);
        statusBar()->setFont(f);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    // The page's viewport is watched too; its clicks belong to the editor.
    const bool overStatusBar = watched == statusBar() || watched == m_caretPanel || watched == m_modePanel ||
                               watched == m_noticePanel;
    if (overStatusBar && e->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_caretPanel) emit m_hostSignals.jumpToLineRequested();
        if (watched == m_modePanel && m_options.internalOVR && currentPage())
            currentPage()->setOverwrite(!currentPage()->overwrite());
        if (watched == m_noticePanel && currentPage()) currentPage()->selectAll();
        return true;
    }
    if (e->type() == QEvent::Enter) {
        if (DocumentPage* page = currentPage(); page && watched == page->viewport())
            showHint(page->stateHint());
        else if (watched == m_caretPanel)
            showHint(QStringLiteral("Caret position = line:column (double-click to jump to line)"));
        else if (watched == m_modePanel)
            showHint(m_options.internalOVR
                         ? QStringLiteral("Status of Insert/Overwrite mode (double-click to toggle)")
                         : QStringLiteral("Status of Insert/Overwrite mode"));
        else if (watched == m_noticePanel)
            showHint(kNotice);
    }
    if (overStatusBar && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
        m_menus["Tab"]->popup(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void MainWindow::showHint(const QString& text) {
    // Hints take the notice panel, so the caret and mode panels stay in view.
    m_noticePanel->setText(text.isEmpty() ? kNotice : text);
    m_hintTimer.start();
}

bool MainWindow::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        // Enabling is otherwise worked out when a menu opens; a shortcut typed
        // after an edit or a new selection must see the state of now.
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool fKey = k->key() >= Qt::Key_F1 && k->key() <= Qt::Key_F35;
        if (fKey || (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
            (k->key() == Qt::Key_Insert && (k->modifiers() & Qt::ShiftModifier)))
            updateEnabled();
    }
    if (e->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void MainWindow::onCurrentChanged(DocumentPage* page) {
    for (auto& c : m_pageConnections) disconnect(c);
    showHint({});  // a hint about the page left behind no longer holds
    if (page) {
        m_pageConnections[0] = connect(page, &EditorView::caretMoved, this, [this, page] {
            const auto [line, column] = page->caretLineAndColumn();
            m_caretPanel->setText(QString::number(line) + QLatin1Char(':') + QString::number(column));
        });
        m_pageConnections[1] = connect(page, &EditorView::overwriteChanged, this, [this](bool ovr) {
            m_modePanel->setText(ovr ? QStringLiteral("Ovr") : QStringLiteral("Ins"));
        });
        m_pageConnections[2] =
            connect(page, &QsciScintilla::modificationChanged, this, [this] { refreshStatus(); });
        m_pageConnections[3] = connect(page, &EditorView::readOnlyChanged, this, [this] { refreshStatus(); });
        m_pageConnections[4] = connect(page, &EditorView::typedIntoReadOnly, this, [this] {
            msg::beep();
            showHint(QStringLiteral("The document is read-only: Document > Read-Only allows changes"));
        });
        page->setContextMenu(m_menus.value(QStringLiteral("Editor")));
        // The page's state shows in the status bar when the mouse comes over it;
        // worked out only then, as it counts the whole text.
        page->viewport()->installEventFilter(this);
        page->setFocus();
    }
    refreshStatus();
    for (CommandGroup* g : m_groups) g->updateEnabled();
}

void MainWindow::refreshStatus() {
    DocumentPage* page = currentPage();
    if (!page) return;
    const auto [line, column] = page->caretLineAndColumn();
    m_caretPanel->setText(QString::number(line) + QLatin1Char(':') + QString::number(column));
    m_modePanel->setText(page->overwrite() ? QStringLiteral("Ovr") : QStringLiteral("Ins"));
    updateCaption();
}

void MainWindow::updateCaption() {
    DocumentPage* page = currentPage();
    const QString title = page ? page->qTitle() : QString();
    QString caption = QStringLiteral("Super Jotleaf (") + title + QLatin1Char(')');
    if (page && page->isReadOnly()) caption += QStringLiteral(" [read-only]");
    if (m_options.allowMultipleCopies) caption.prepend(QLatin1Char(' '));
    // The window title may not contain "[*]" placeholders unescaped.
    caption.replace(QStringLiteral("[*]"), QStringLiteral("[[*]]"));
    setWindowTitle(caption);
}

void MainWindow::updateEnabled() {
    for (CommandGroup* g : m_groups) g->updateEnabled();
}

void MainWindow::increaseBuffer() {
    DocumentPage* page = currentPage();
    if (!page) return;
    page->ensureHeadroom();
    msg::info(QStringLiteral("Current text size = ") + QString::number(page->textLength()) +
              QStringLiteral("; buffer reserved = ") + QString::number(page->textLimit()));
}

void MainWindow::setStayOnTop(bool on) {
    StayOnTopWindow::setStayOnTop(on);
}

void MainWindow::setMultipleInstances(bool on) {
    m_options.allowMultipleCopies = on;
    updateCaption();
    emit multipleInstancesChanged(on);
}

void MainWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        if (active && !m_wasActive && m_shown) {
            // After the activation finishes, so the question's box is on top.
            QTimer::singleShot(0, this, [this] { m_documents->checkModifiedElsewhere(); });
        }
        m_wasActive = active;
    }
    QMainWindow::changeEvent(e);
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!m_shown) {
        m_shown = true;
        QTimer::singleShot(0, &m_hostSignals, &AppHostSignals::firstShown);
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    raise();
    activateWindow();
    openDroppedFiles(e->mimeData()->urls());
    e->acceptProposedAction();
}

void MainWindow::openDroppedFiles(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const std::string name = fileutils::longName(url.toLocalFile().toStdString());
        if (fileutils::directoryExists(name)) {
            msg::error(QStringLiteral("Error: \"") + QString::fromStdString(name) +
                       QStringLiteral("\" is a directory, not a document!"));
            continue;
        }
        DocumentSet::OpenRequest request;
        request.readOnly = m_documents->browseMode;
        m_documents->openByName(name, request);
    }
}

}  // namespace sj
