#include "clipbook/ui/ClipbookCommands.h"
#include "config/WindowKeys.h"

#include <QFontDialog>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "app/ui/AppHost.h"
#include "app/ui/AppHostSignals.h"
#include "app/ui/CommandLineRunner.h"
#include "app/ui/DocumentSet.h"
#include "clipbook/LibraryNames.h"
#include "clipbook/ui/LibraryFileDialog.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

// The floating Clipbook window's placement key in the configuration.
const std::string kFloatingKey(windowkeys::kFloatingClipbook);

std::string configDirectory() {
    ConfigEnvironment env;
    if (const char* x = std::getenv("XDG_CONFIG_HOME")) env.xdgConfigHome = x;
    if (const char* h = std::getenv("HOME")) env.home = h;
    return Options::dataDirectory(env);
}

}  // namespace

ClipbookCommands::ClipbookCommands(AppHost& host, QMainWindow* main)
    : CommandGroup(host), m_main(main), m_paster(m_prompts, m_launcher) {
    m_launcher.setTitleWindow(host.window());
    m_clipbook = action(QStringLiteral("&Clipbook"), QKeySequence(Qt::Key_F4),
                        QStringLiteral("|Display or close clipbook window"));
    m_clipbook->setCheckable(true);
    m_add = action(QStringLiteral("&Add to Clipbook"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C),
                   QStringLiteral("|Add selected text to Clipbook"));
    m_openTemplate =
        action(QStringLiteral("&Open Template..."), {}, QStringLiteral("|Open a Clipbook template"));
    m_newTemplate =
        action(QStringLiteral("&New Template"), {}, QStringLiteral("|Create a new Clipbook template"));
    m_expand = action(QStringLiteral("&Expand Word"), QKeySequence(Qt::Key_F2),
                      QStringLiteral("|Replaces word in document with corresponding Clipbook item"));
    // The menu item shows F2 and follows the menu's enabling; the key itself
    // always reaches the command, which beeps where it cannot act.
    m_expand->setShortcutContext(Qt::WidgetShortcut);
    m_expandKey = new QAction(QStringLiteral("Expand Word"), this);
    m_expandKey->setShortcut(QKeySequence(Qt::Key_F2));
    connect(m_expandKey, &QAction::triggered, this, &ClipbookCommands::expandWord);
    m_float =
        action(QStringLiteral("Floating &Window"), {}, QStringLiteral("|Show Clipbook in a floating window"));
    m_left = action(QStringLiteral("Dock &Left Side"), {},
                    QStringLiteral("|Dock Clipbook on left side of document"));
    m_right = action(QStringLiteral("Dock &Right Side"), {},
                     QStringLiteral("|Dock Clipbook on right side of document"));
    m_font = action(QStringLiteral("&Font..."), {}, QStringLiteral("|Change Clipbook font"));
    m_defaultFont =
        action(QStringLiteral("&Default Font"), {},
               QStringLiteral("|Use default Clipbook font (when docked, reflects document font)"));
    for (QAction* a : {m_float, m_left, m_right, m_defaultFont}) a->setCheckable(true);
    for (int n = 1; n <= 10; ++n) {
        const Qt::Key key = n == 10 ? Qt::Key_0 : static_cast<Qt::Key>(Qt::Key_0 + n);
        QAction* a = action(QStringLiteral("Clip%1").arg(n), QKeySequence(Qt::ALT | key), QString());
        connect(a, &QAction::triggered, this, [this, n] { pasteClipNumber(n); });
        m_clipN << a;
    }
    connect(m_clipbook, &QAction::triggered, this, &ClipbookCommands::toggleClipbook);
    connect(m_add, &QAction::triggered, this, &ClipbookCommands::addToClipbook);
    connect(m_openTemplate, &QAction::triggered, this, &ClipbookCommands::openLibrary);
    connect(m_newTemplate, &QAction::triggered, this, &ClipbookCommands::newLibrary);
    connect(m_expand, &QAction::triggered, this, &ClipbookCommands::expandWord);
    connect(m_float, &QAction::triggered, this, [this] { setPlacement(cpFloatForm); });
    connect(m_left, &QAction::triggered, this, [this] { setPlacement(cpLeftPane); });
    connect(m_right, &QAction::triggered, this, [this] { setPlacement(cpRightPane); });
    connect(m_font, &QAction::triggered, this, &ClipbookCommands::chooseClipbookFont);
    connect(m_defaultFont, &QAction::triggered, this, &ClipbookCommands::useDefaultClipbookFont);

    DocumentSet& docs = host.documents();
    connect(&docs, &DocumentSet::currentChanged, this, [this] { followDocument(); });
    docs.librarySaveName = [this](DocumentPage*) { return askLibrarySaveName(); };
    docs.pageSaved = [this](DocumentPage*, const std::string& oldName, const std::string& newName) {
        librarySaved(oldName, newName);
    };
    docs.pageRenamed = [this](DocumentPage*, const std::string& oldName, const std::string& newName) {
        libraryRenamed(oldName, newName);
    };

    // A new user's first Clipbook shows the sample library rather than an empty list.
    const std::string sample = fileutils::join(dataFilesDirectory(), "Sample.clb");
    if (installSampleLibrary(libraryDirectory(), sample) &&
        !fileutils::fileExists(fileutils::join(
            libraryDirectory(), templateNameFromDefault(host.options().defaultTemplate) + ".clb")))
        host.options().defaultTemplate =
            fileutils::join(fileutils::directoryOf(host.options().defaultTemplate), "Sample");

    connect(&host.hostSignals(), &AppHostSignals::shuttingDown, this, &ClipbookCommands::shutDown);
    connect(&host.hostSignals(), &AppHostSignals::firstShown, this, [this] {
        const Options& o = m_host.options();
        if (o.openClipbook && !m_panel) openClipbook(!o.showClipbook, false);
    });
}

ClipbookCommands::~ClipbookCommands() = default;

void ClipbookCommands::addToMenus(MenuSet& menus) {
    QMenu* tools = menus.menu(QStringLiteral("Tools"));
    tools->addAction(m_clipbook);
    tools->addAction(m_add);
    tools->addAction(m_openTemplate);
    tools->addAction(m_newTemplate);
    tools->addAction(m_expand);
    QMenu* props = menus.submenu(QStringLiteral("View"), QStringLiteral("&Clipbook Properties"));
    props->addAction(m_float);
    props->addAction(m_left);
    props->addAction(m_right);
    props->addSeparator();
    props->addAction(m_font);
    props->addAction(m_defaultFont);
    connect(props, &QMenu::aboutToShow, this, &ClipbookCommands::updateEnabled);
    menus.menu(QStringLiteral("Editor"))->addAction(m_add);
    // Hidden items: their shortcuts work while the window has them.
    for (QAction* a : m_clipN) m_main->addAction(a);
    m_main->addAction(m_expandKey);
}

void ClipbookCommands::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    const bool open = m_panel;
    m_clipbook->setChecked(open);
    m_add->setEnabled(open && page && page->hasSelection());
    m_expand->setEnabled(open && page && !page->isReadOnly() && page->lines() > 0);
    m_newTemplate->setEnabled(!m_host.documents().browseMode);
    const ClipbookPlacement pos =
        open ? m_panel->clipPanelPos() : clipPanelPosFromInt(m_host.options().clipbookPosition);
    m_float->setChecked(pos == cpFloatForm);
    m_left->setChecked(pos == cpLeftPane);
    m_right->setChecked(pos == cpRightPane);
    m_defaultFont->setChecked(open ? m_panel->defaultFont() : m_host.options().useDefaultFont);
}

std::string ClipbookCommands::libraryDirectory() const {
    return templateDirFromDefault(m_host.options().defaultTemplate, configDirectory());
}

bool ClipbookCommands::installSampleLibrary(const std::string& directory, const std::string& sampleFile) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(sampleFile, ec)) return false;
    fs::create_directories(directory, ec);
    for (fs::directory_iterator it(directory, ec); !ec && it != fs::directory_iterator(); it.increment(ec))
        if (hasLibraryExtension(it->path().filename().string())) return false;
    if (ec) return false;
    return fs::copy_file(sampleFile, fs::path(directory) / fs::path(sampleFile).filename(), ec) && !ec;
}

QFont ClipbookCommands::storedListFont() const {
    QFont font = m_main->font();
    const std::string& stored = m_host.options().listboxFont;
    if (!stored.empty()) font.fromString(qs(stored));
    return font;
}

void ClipbookCommands::openClipbook(bool hidden, bool focus) {
    if (m_panel) return;
    Options& o = m_host.options();
    auto* panel = new ClipbookPane(m_main, m_paster);
    m_panel = panel;
    panel->setClipPanelWidth(o.panelWidth);
    if (!o.useDefaultFont) {
        panel->setListFont(storedListFont());
        panel->setDefaultFontFlag(false);
    }
    panel->openTemplates(libraryDirectory(), templateNameFromDefault(o.defaultTemplate));
    panel->setMemoControl(m_host.currentPage());
    panel->onClose = [this] { collectSettings(); };
    panel->onViewChanged = [this] {
        collectSettings();
        m_host.refreshStatus();
    };
    panel->onLibraryChanged = [this] { collectSettings(); };
    // Stored at once: the last drag before the program ends must not be lost.
    panel->onWidthChanged = [this](int width) { m_host.options().panelWidth = width; };
    if (const auto it = o.placements.find(kFloatingKey); it != o.placements.end()) {
        const WindowPlacement& p = it->second;
        if (p.left && p.top && p.width && p.height)
            panel->storedFloatGeometry = QRect(*p.left, *p.top, *p.width, *p.height);
    }
    panel->setClipPanelPos(clipPanelPosFromInt(o.clipbookPosition));
    if (hidden) panel->ownerForm()->hide();
    o.openClipbook = true;
    o.showClipbook = !hidden;
    m_clipbook->setChecked(true);
    panel->applyDocumentLook();
    if (focus && !hidden) panel->listView()->setFocus();
    connect(panel, &QObject::destroyed, this, [this] {
        m_clipbook->setChecked(false);
        m_host.options().openClipbook = false;
        m_host.options().showClipbook = false;
    });
}

void ClipbookCommands::collectSettings() {
    if (!m_panel) return;
    Options& o = m_host.options();
    o.panelWidth = m_panel->clipPanelWidth();
    o.clipbookPosition = m_panel->clipPanelPos();
    o.useDefaultFont = m_panel->defaultFont();
    if (!o.useDefaultFont) o.listboxFont = ss(m_panel->listFont().toString());
    const std::string& hot = m_panel->templates().hotTemplate();
    if (!hot.empty()) {
        // Keep a directory the user gave; the configuration directory goes unsaid.
        const std::string dir = fileutils::directoryOf(o.defaultTemplate);
        o.defaultTemplate = dir.empty() ? hot : libraryFilePath(dir, hot);
    }
    o.showClipbook = !m_panel->isHiddenPane();
    if (m_panel->clipPanelPos() == cpFloatForm && m_panel->ownerForm()->isFloating()) {
        const QRect r = m_panel->ownerForm()->geometry();
        WindowPlacement& p = o.placements[kFloatingKey];
        p.left = r.x();
        p.top = r.y();
        p.width = r.width();
        p.height = r.height();
    }
}

void ClipbookCommands::followDocument() {
    if (!m_panel) return;
    m_panel->setMemoControl(m_host.currentPage());
    m_panel->applyDocumentLook();
}

void ClipbookCommands::shutDown() {
    ProcessLauncher::abortWaits();
    if (!m_panel) return;
    collectSettings();
    Options& o = m_host.options();
    o.openClipbook = true;
    o.showClipbook = !m_panel->isHiddenPane();
    ClipbookPane* panel = m_panel;
    m_panel = nullptr;
    panel->shutDown();
}

void ClipbookCommands::toggleClipbook() {
    if (!m_panel) {
        openClipbook(false, true);
        return;
    }
    if (m_panel->clipPanelPos() == cpFloatForm || m_panel->isHiddenPane()) {
        m_panel->showPane();
        m_panel->ownerForm()->activateWindow();
        m_clipbook->setChecked(true);
        return;
    }
    m_panel->closeClipbook();
}

void ClipbookCommands::pasteClipNumber(int n) {
    if (!m_panel)
        openClipbook(false, true);
    else if (m_panel->isHiddenPane())
        m_panel->showPane();
    else
        m_panel->listView()->setFocus();
    m_panel->chooseByNumber(n);
}

void ClipbookCommands::addToClipbook() {
    DocumentPage* page = m_host.currentPage();
    if (!m_panel || !page || !page->hasSelection()) return;
    // The highlight stays on the same item, which moves down when the new
    // one sorts in above it.
    int keep = m_panel->selectedIndex();
    const std::size_t countBefore = m_panel->list().count();
    m_panel->addText({}, page->selectedBytes());
    const int added = m_panel->selectedIndex();
    if (keep >= 0 && m_panel->list().count() > countBefore && added >= 0 && added <= keep) ++keep;
    m_panel->refreshItems(keep);
}

void ClipbookCommands::openLibrary() {
    const QString name = LibraryFileDialog::run(qs(libraryDirectory()), false, m_main);
    if (name.isEmpty()) return;
    DocumentSet::OpenRequest request;
    request.readOnly = m_host.documents().browseMode;
    m_host.documents().openByName(ss(name), request);
    m_host.refreshStatus();
}

void ClipbookCommands::newLibrary() {
    DocumentSet& docs = m_host.documents();
    if (docs.browseMode) return;
    std::string title;
    for (int n = 1;; ++n) {
        title = "Clip" + std::to_string(n) + ".clb";
        bool taken = false;
        // An open "clip1.clb" bears the name as much as "Clip1.clb" does.
        for (int i = 0; i < docs.count() && !taken; ++i)
            taken = QString::compare(qs(fileutils::fileNameOf(docs.page(i)->title())), qs(title),
                                     Qt::CaseInsensitive) == 0;
        if (!taken) break;
    }
    docs.rules().setReuseEmptyPage(false);
    DocumentPage* page = docs.newPage(title);
    page->setClipLibrary(true);
    docs.updateCaption(page);
    m_host.refreshStatus();
}

void ClipbookCommands::expandWord() {
    DocumentPage* page = m_host.currentPage();
    if (!m_panel || !page) {
        msg::beep();
        return;
    }
    m_paster.expandWord(*page, m_panel->list());
    m_host.refreshStatus();
}

void ClipbookCommands::setPlacement(ClipbookPlacement pos) {
    if (m_panel) {
        m_panel->setClipPanelPos(pos);
        return;
    }
    m_host.options().clipbookPosition = pos;
}

void ClipbookCommands::chooseClipbookFont() {
    if (m_panel) {
        m_panel->chooseFont();
        collectSettings();
        return;
    }
    Options& o = m_host.options();
    DocumentPage* page = m_host.currentPage();
    const QFont start = o.useDefaultFont && page ? page->font() : storedListFont();
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, start, m_main, QStringLiteral("Font"));
    if (!ok) return;
    o.listboxFont = ss(font.toString());
    o.useDefaultFont = false;
}

void ClipbookCommands::useDefaultClipbookFont() {
    if (m_panel) {
        m_panel->toggleDefaultFont();
        collectSettings();
        return;
    }
    Options& o = m_host.options();
    o.useDefaultFont = !o.useDefaultFont;
    if (!o.useDefaultFont) o.listboxFont = ss(m_main->font().toString());
}

std::string ClipbookCommands::askLibrarySaveName() {
    return ss(LibraryFileDialog::run(qs(libraryDirectory()), true, m_main));
}

void ClipbookCommands::librarySaved(const std::string& oldName, const std::string& newName) {
    if (!m_panel) return;
    ClipLibraryDirectory& t = m_panel->templates();
    const bool wasCurrent = t.isCurrentFile(oldName);
    if (oldName != newName) t.updateList();
    if (wasCurrent && oldName != newName) {
        // The library now lives under the new name; what the Clipbook held is replaced by the file.
        m_panel->list().setModified(false);
        if (t.isInDirectory(newName)) t.choose(fileutils::baseName(fileutils::fileNameOf(newName)));
    } else if (t.isCurrentFile(newName)) {
        t.loadCurrent();
    }
    m_panel->refreshChooser();
    m_panel->refreshItems(-1);
}

void ClipbookCommands::libraryRenamed(const std::string& oldName, const std::string& newName) {
    if (!m_panel || oldName.empty() || oldName == newName) return;
    m_panel->libraryRenamed(oldName, newName);
    collectSettings();
}

}  // namespace sj
