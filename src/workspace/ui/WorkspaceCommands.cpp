#include "workspace/ui/WorkspaceCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/ui/AppHost.h"
#include "app/ui/AppHostSignals.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/DocumentTabs.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "workspace/ui/DocumentRuler.h"
#include "workspace/ui/ToolbarPanel.h"
#include "workspace/ui/ToolbarPropertiesDialog.h"

namespace sj {
namespace {

// Where each toolbar entry's command lives: menu and caption, or, for a
// command no menu offers, no menu and the action's object name. A command
// this program does not have is simply not found.
struct CommandPlace {
    const char* command;
    const char* menu;
    const char* caption;
};

constexpr CommandPlace kPlaces[] = {
    {"new", "File", "&New"},
    {"open", "File", "&Open..."},
    {"save", "File", "&Save"},
    {"saveAll", "File", "Save A&ll"},
    {"close", "File", "&Close Document"},
    {"closeAll", "File", "Close All &Documents"},
    {"favorites", "Favorites", "Go to &Favorites..."},
    {"addFavorite", "Favorites", "&Add Favorite"},
    {"print", nullptr, "printNow"},
    {"printDialog", "File", "&Print..."},
    {"cut", "Edit", "Cu&t"},
    {"copy", "Edit", "&Copy"},
    {"copyAll", "Edit", "Cop&y All"},
    {"selectAll", "Edit", "Select &All"},
    {"paste", "Edit", "&Paste"},
    {"date", "Document", "Insert &Date/Time"},
    {"pageBreak", "Document", "Insert Page &Break"},
    {"indent", "Convert", "&Indent"},
    {"unindent", "Convert", "&Unindent"},
    {"reload", "Edit", "&Reload"},
    {"undo", "Edit", "&Undo"},
    {"find", "Search", "&Find..."},
    {"replace", "Search", "&Replace..."},
    {"searchAgain", "Search", "&Search Again"},
    {"wordWrap", "Document", "&Word Wrap"},
    {"font", "Document", "&Font..."},
    {"largerFont", "Document", "Larger"},
    {"smallerFont", "Document", "Smaller"},
    {"statistics", "Tools", "Text &Statistics..."},
    {"selector", "Tools", "&Document Selector"},
    {"clipbook", "Tools", "&Clipbook"},
    {"addClip", "Tools", "&Add to Clipbook"},
    {"send", "File", "S&end"},
    {"viewInBrowser", "Tools", "&View In Browser"},
    {"openLink", "Tools", "Open &Link..."},
    {"stripHtml", "Convert", "Strip &HTML Tags"},
    {"charsToHtml", "Convert", "Characters to HTML"},
    {"documentProperties", "Document", "&Properties..."},
    {"preferences", "View", "&Preferences..."},
    {"exit", "File", "E&xit"},
    {"help", "Help", "&Read Me"},
};

QString plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The first action of that caption in the menu or its submenus.
QAction* findInMenu(const QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions()) {
        if (a->menu()) {
            if (QAction* found = findInMenu(a->menu(), caption)) return found;
        } else if (!a->isSeparator() && plain(a->text()) == caption) {
            return a;
        }
    }
    return nullptr;
}

// The desktop's icon theme where there is one, the installed fallback theme
// otherwise; a bare X server reports none.
void setUpIconTheme() {
    static bool done = false;
    if (done) return;
    done = true;
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& dir : {QStringLiteral("/usr/share/icons"), QStringLiteral("/usr/local/share/icons")})
        if (!paths.contains(dir)) paths << dir;
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QStringLiteral("hicolor")) QIcon::setThemeName(QStringLiteral("Adwaita"));
}

}  // namespace

WorkspaceCommands::WorkspaceCommands(AppHost& host) : CommandGroup(host) {
    setUpIconTheme();
    m_window = qobject_cast<QMainWindow*>(host.window());
    Options& options = host.options();

    m_panel = new ToolbarPanel;
    ToolbarSettings settings;
    settings.read(options.toolbar);
    m_panel->setSettings(settings);
    m_holder = new QToolBar(QStringLiteral("Toolbar"), m_window);
    m_holder->setObjectName(QStringLiteral("ToolbarHolder"));
    m_holder->setMovable(false);
    m_holder->setFloatable(false);
    m_holder->setContextMenuPolicy(Qt::PreventContextMenu);
    m_holder->layout()->setContentsMargins(0, 0, 0, 0);
    m_holder->layout()->setSpacing(0);
    m_holder->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"));
    m_holder->addWidget(m_panel);
    m_holder->toggleViewAction()->setVisible(false);
    if (m_window) m_window->addToolBar(Qt::TopToolBarArea, m_holder);

    m_ruler = new DocumentRuler(m_window ? m_window->findChild<DocumentTabs*>() : nullptr);
    m_ruler->setUnit(rulerUnitFromStored(options.rulerUnits));

    m_toolbarShown = action(QStringLiteral("Tool&bar"), {}, QStringLiteral("|Hide or show toolbar"));
    m_toolbarShown->setCheckable(true);
    m_toolbarProperties =
        action(QStringLiteral("&Toolbar Properties..."), {}, QStringLiteral("|Customize the toolbar"));
    m_rulerShown = action(QStringLiteral("&Ruler"), {}, QStringLiteral("|Hide or show document ruler"));
    m_rulerShown->setCheckable(true);
    connect(m_toolbarShown, &QAction::triggered, this, &WorkspaceCommands::setToolbarShown);
    connect(m_toolbarProperties, &QAction::triggered, this, &WorkspaceCommands::editToolbar);
    connect(m_rulerShown, &QAction::triggered, this, &WorkspaceCommands::setRulerShown);

    m_toolbarMenu = new QMenu(m_window);
    QAction* hide = m_toolbarMenu->addAction(QStringLiteral("&Hide Toolbar"));
    hide->setStatusTip(QStringLiteral("Hide the toolbar"));
    connect(hide, &QAction::triggered, this, [this] { setToolbarShown(false); });
    QAction* properties = m_toolbarMenu->addAction(QStringLiteral("&Properties"));
    properties->setStatusTip(QStringLiteral("Customize the toolbar"));
    connect(properties, &QAction::triggered, this, &WorkspaceCommands::editToolbar);
    connect(m_panel, &ToolbarPanel::menuRequested, this,
            [this](const QPoint& p) { m_toolbarMenu->popup(p); });

    connect(m_ruler, &DocumentRuler::hideRequested, this, [this] { setRulerShown(false); });
    connect(m_ruler, &DocumentRuler::unitChanged, this,
            [this](RulerUnit unit) { m_host.options().rulerUnits = static_cast<int>(unit); });
    connect(m_ruler, &DocumentRuler::hint, this, [this](const QString& text) { m_host.showHint(text); });

    m_enabling.setSingleShot(true);
    m_enabling.setInterval(80);
    connect(&m_enabling, &QTimer::timeout, this, [this] { m_host.updateEnabled(); });
    connect(&host.documents(), &DocumentSet::currentChanged, this, &WorkspaceCommands::pageChanged);
    connect(&host.documents(), &DocumentSet::titlesChanged, this, &WorkspaceCommands::scheduleEnabling);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &WorkspaceCommands::scheduleEnabling);

    connect(&host.hostSignals(), &AppHostSignals::shuttingDown, this, &WorkspaceCommands::storeState);
    if (m_window) m_window->installEventFilter(this);
    applyViewOptions();
}

void WorkspaceCommands::addToMenus(MenuSet& menus) {
    m_menus = &menus;
    QMenu* view = menus.menu(QStringLiteral("View"));
    QAction* first = view->actions().isEmpty() ? nullptr : view->actions().first();
    view->insertAction(first, m_toolbarShown);
    view->insertAction(first, m_toolbarProperties);
    view->insertAction(first, m_rulerShown);
    view->insertSeparator(first);
}

void WorkspaceCommands::updateEnabled() {
    const Options& o = m_host.options();
    m_toolbarShown->setChecked(!o.hideButtonBar);
    m_rulerShown->setChecked(!o.hideRuler);
}

QHash<QString, QAction*> WorkspaceCommands::findCommands() const {
    QHash<QString, QAction*> found;
    if (!m_window) return found;
    QHash<QString, QMenu*> menus;
    for (QAction* a : m_window->menuBar()->actions())
        if (a->menu()) menus.insert(plain(a->menu()->title()), a->menu());
    for (const CommandPlace& place : kPlaces) {
        if (!place.menu) {
            if (auto* a = m_window->findChild<QAction*>(QString::fromLatin1(place.caption)))
                found.insert(QString::fromLatin1(place.command), a);
            continue;
        }
        const QMenu* menu = menus.value(QString::fromLatin1(place.menu));
        if (!menu) continue;
        if (QAction* a = findInMenu(menu, plain(QString::fromLatin1(place.caption))))
            found.insert(QString::fromLatin1(place.command), a);
    }
    return found;
}

void WorkspaceCommands::bindToolbar() {
    m_bound = true;
    m_panel->setCommands(findCommands());
    // Any command may change what the others can do (read-only, a closed page, ...).
    QList<QMenu*> menus;
    for (QAction* a : m_window->menuBar()->actions())
        if (a->menu()) menus << a->menu();
    menus << m_menus->menu(QStringLiteral("Tab")) << m_menus->menu(QStringLiteral("Editor"));
    while (!menus.isEmpty()) {
        QMenu* menu = menus.takeFirst();
        if (!menu) continue;
        for (QAction* a : menu->actions()) {
            if (a->menu())
                menus << a->menu();
            else
                connect(a, &QAction::triggered, this, &WorkspaceCommands::scheduleEnabling,
                        Qt::UniqueConnection);
        }
    }
    m_host.updateEnabled();
}

bool WorkspaceCommands::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_window && e->type() == QEvent::Show && !m_bound) bindToolbar();
    return CommandGroup::eventFilter(watched, e);
}

void WorkspaceCommands::scheduleEnabling() {
    if (!m_enabling.isActive()) m_enabling.start();
}

void WorkspaceCommands::pageChanged(DocumentPage* page) {
    for (auto& c : m_pageConnections) disconnect(c);
    if (page) {
        m_pageConnections[0] =
            connect(page, &QsciScintilla::selectionChanged, this, &WorkspaceCommands::scheduleEnabling);
        m_pageConnections[1] =
            connect(page, &QsciScintilla::modificationChanged, this, &WorkspaceCommands::scheduleEnabling);
        m_pageConnections[2] = connect(page, &EditorView::edited, this, &WorkspaceCommands::scheduleEnabling);
        DocumentRuler::reserveRoom(page, !m_host.options().hideRuler);
    }
    m_ruler->setPage(page);
    scheduleEnabling();
}

void WorkspaceCommands::applyViewOptions() {
    const Options& o = m_host.options();
    if (m_window) {
        m_window->menuBar()->setVisible(!o.hideMenu);
        m_window->statusBar()->setVisible(!o.hideStatusBar);
    }
    DocumentSet& docs = m_host.documents();
    docs.setStackedTabs(o.stackDocumentTabs);
    m_holder->setVisible(!o.hideButtonBar);
    for (int i = 0; i < docs.count(); ++i) DocumentRuler::reserveRoom(docs.page(i), !o.hideRuler);
    m_ruler->setVisible(!o.hideRuler && m_ruler->parentWidget());
    m_ruler->setPage(m_host.currentPage());
    updateEnabled();
}

void WorkspaceCommands::setToolbarShown(bool on) {
    m_host.options().hideButtonBar = !on;
    applyViewOptions();
}

void WorkspaceCommands::setRulerShown(bool on) {
    m_host.options().hideRuler = !on;
    applyViewOptions();
    if (on) m_ruler->update();
}

void WorkspaceCommands::editToolbar() {
    ToolbarSettings s = m_panel->settings();
    const auto onBar = [this](const ToolbarEntry& e) { return m_panel->hasCommand(e); };
    if (ToolbarPropertiesDialog::edit(s, m_panel->captionFont(), onBar, m_window)) m_panel->setSettings(s);
    if (DocumentPage* page = m_host.currentPage()) page->setFocus();
}

void WorkspaceCommands::storeState() {
    Options& o = m_host.options();
    ToolbarSettings s = m_panel->settings();
    if (s.captionFont.name.empty()) {
        const QFont f = m_panel->captionFont();
        s.captionFont.name = f.family().toStdString();
        s.captionFont.size = f.pointSize();
    }
    o.toolbar = s.write();
    o.rulerUnits = static_cast<int>(m_ruler->unit());
}

}  // namespace sj
