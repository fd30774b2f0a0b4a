#include "app/ui/ApplicationSession.h"
#include "app/ui/Application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>

#include "app/PrivateDirectory.h"
#include "app/ui/AppHostSignals.h"
#include "app/ui/CommandLineRunner.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/HandOverQueue.h"
#include "app/ui/InstanceChannel.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageSettings.h"
#include "app/ui/RecoveryKeeper.h"
#include "config/FilePropertiesStore.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"
#include "files/LeftoverFiles.h"
#include "files/TempCopies.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/TrayIcon.h"

namespace sj {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

ConfigEnvironment environmentNow() {
    ConfigEnvironment env;
    if (const char* x = std::getenv("XDG_CONFIG_HOME")) env.xdgConfigHome = x;
    if (const char* h = std::getenv("HOME")) env.home = h;
    env.currentDirectory = QDir::currentPath().toStdString();
    return env;
}

QWidget* makeSplash() {
    auto* splash = new QLabel;
    splash->setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    splash->setText(
        QStringLiteral("<div style='padding:24px'><h2>Super Jotleaf</h2>"
                       "<p>Plain text editor with the Clipbook</p></div>"));
    splash->setAlignment(Qt::AlignCenter);
    splash->setFrameShape(QFrame::Box);
    splash->resize(360, 160);
    if (QScreen* s = QApplication::primaryScreen())
        splash->move(s->geometry().center() - splash->rect().center());
    splash->show();
    return splash;
}

}  // namespace

ApplicationSession::ApplicationSession(std::vector<std::string> args, CommandLine startup,
                                       GroupFactory addGroups)
    : m_args(std::move(args)), m_startup(std::move(startup)), m_addGroups(std::move(addGroups)) {}

ApplicationSession::~ApplicationSession() = default;

int ApplicationSession::run() {
    readConfigurationFile();
    if (handToRunningInstance()) return 0;
    readOptions();
    buildWindow();
    restoreDocumentSet();
    removeLeftoverTemporaryFiles();
    listenForFurtherStarts();
    migrateOldFiles();
    openStartupFiles();
    showWindow();
    return QApplication::exec();
}

void ApplicationSession::readConfigurationFile() {
    m_env = environmentNow();
    fileutils::makeDirectories(Options::dataDirectory(m_env));
    m_ini = IniFile(Options::configFilePath(m_args, m_env));
    m_ini.load();
}

bool ApplicationSession::handToRunningInstance() {
    // A running instance that allows only one takes our files. Without a
    // directory private to the user there is no hand-over at all: better two
    // windows than file names sent to somebody else.
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    const std::string instanceDir =
        PrivateDirectory::instanceDirectory(runtimeDir ? runtimeDir : "", getuid());
    std::string error;
    const bool handOverPossible = PrivateDirectory::ensure(instanceDir, getuid(), &error);
    if (!handOverPossible)
        std::fprintf(stderr, "superjotleaf: %s; files are not handed to a running editor\n", error.c_str());
    m_channel = std::make_unique<InstanceChannel>(q(instanceDir));
    if (!m_startup.screenshotPath.empty()) {
        m_furtherInstance = true;
        return false;
    }
    // The claim decides which of several starts runs; only the others hand over.
    if (!handOverPossible || m_channel->claim()) return false;
    std::vector<std::string> handOver;
    for (const std::string& a : m_args)
        if (a != "--screenshot" && a != m_startup.screenshotPath) handOver.push_back(a);
    switch (m_channel->contactRunning(m_env.currentDirectory, handOver)) {
        case InstanceChannel::Peer::Handed:
            return true;
        case InstanceChannel::Peer::AllowsMultiple:
            m_furtherInstance = true;
            break;
        case InstanceChannel::Peer::None:
            // The running one ended meanwhile (its claim is ours now) or does
            // not answer: then this run goes on beside it.
            m_furtherInstance = !m_channel->claimed();
            break;
    }
    return false;
}

void ApplicationSession::readOptions() {
    m_options.defaultDirectory = m_env.currentDirectory;
    m_options.defaultSaveDirectory = m_env.currentDirectory;
    m_options.startDirectory = m_env.currentDirectory;
    m_steps = Options::prepare(m_ini);
    // Read before the splash decision: HideSplash is one of the options.
    m_options.read(m_ini);
    if (splashWanted(m_options, m_startup)) m_splash = makeSplash();
    if (m_furtherInstance) m_options.allowMultipleCopies = true;
    msg::setSoundsOn(true);
}

void ApplicationSession::buildWindow() {
    m_window = std::make_unique<MainWindow>(m_options);
    m_window->setConfiguration(&m_ini);
    m_addGroups(*m_window);
    m_window->finishMenus();
    m_window->installEventFilter(this);
}

void ApplicationSession::restoreDocumentSet() {
    DocumentSet& docs = m_window->documents();
    // The settings store is loaded before the first document opens.
    m_pageSettings = std::make_unique<PageSettings>(
        m_options, FilePropertiesStore::resolvePath(m_options.fileProperties, Options::dataDirectory(m_env)),
        m_steps.olderPropertiesLayout);
    m_pageSettings->attach(docs);
    m_recovery =
        std::make_unique<RecoveryKeeper>(docs, fileutils::join(Options::dataDirectory(m_env), "recovery"));
    docs.newPage();
    docs.rules().setReuseEmptyPage(true);
    for (auto it = m_options.history.rbegin(); it != m_options.history.rend(); ++it)
        docs.reopenList().add(*it);
    emit docs.reopenListChanged();
    PlacementWindow::setConfigFile(m_ini.path());
    m_window->LivesInTray = m_options.minimizeToTray && TrayIcon::trayAvailable();
    m_window->loadPlacement();
}

void ApplicationSession::removeLeftoverTemporaryFiles() {
    // Temporary files of an editor that was killed, where this user's files
    // are as far as the program knows them; those a running editor still
    // uses are locked and stay.
    std::vector<std::string> dirs = {TempCopies::defaultDirectory(), Options::dataDirectory(m_env)};
    for (const std::string& name : m_options.history) dirs.push_back(fileutils::directoryOf(name));
    for (const std::string& name : m_options.autoLoad) dirs.push_back(fileutils::directoryOf(name));
    for (const auto& entry : m_pageSettings->store().entries())
        dirs.push_back(fileutils::directoryOf(entry.first));
    LeftoverFiles::sweep(dirs);
}

void ApplicationSession::listenForFurtherStarts() {
    if (!m_furtherInstance) {
        m_channel->setAllowMultiple(m_options.allowMultipleCopies);
        m_channel->listen();
    }
    connect(m_window.get(), &MainWindow::multipleInstancesChanged, m_channel.get(),
            &InstanceChannel::setAllowMultiple);
    // Files handed over while a command runs wait until it has finished.
    m_handOvers = std::make_unique<HandOverQueue>(
        [this](const QString& cwd, const QStringList& args) { takeArgumentsOfFurtherStart(cwd, args); });
    connect(m_channel.get(), &InstanceChannel::argumentsReceived, m_handOvers.get(), &HandOverQueue::receive);
}

void ApplicationSession::takeArgumentsOfFurtherStart(const QString& workingDirectory,
                                                     const QStringList& arguments) {
    std::vector<std::string> list;
    for (const QString& a : arguments) list.push_back(a.toStdString());
    MainWindow& window = *m_window;
    processCommandLine(window, CommandLine::parse(list), workingDirectory.toStdString());
    if (window.hiddenByUser() && !window.isVisible()) {
        if (auto* tray = window.findChild<TrayIcon*>()) tray->restoreFromTray();
    }
    if (window.isMinimized()) window.showNormal();
    window.raise();
    window.activateWindow();
}

void ApplicationSession::migrateOldFiles() {
    if (!m_steps.renameFavoriteTxt) return;
    const std::string old = fileutils::join(Options::dataDirectory(m_env), "Favorite.txt");
    if (fileutils::fileExists(old)) std::rename(old.c_str(), fileutils::changeExtension(old, "fvr").c_str());
}

void ApplicationSession::openStartupFiles() {
    DocumentSet& docs = m_window->documents();
    // Shown read-only: they are the program's own files.
    OpenRequest ownFile;
    ownFile.readOnly = true;
    if (m_steps.firstRun) {
        const std::string readme = fileutils::join(dataFilesDirectory(), "Readme.txt");
        if (fileutils::fileExists(readme)) docs.openByName(readme, ownFile);
    }
    if (m_steps.openWhatsNew) {
        const std::string news = fileutils::join(dataFilesDirectory(), "WhatsNew.txt");
        if (fileutils::fileExists(news)) docs.openByName(news, ownFile);
    }
    if (m_options.autoLoadFiles && !m_furtherInstance)
        for (const std::string& name : m_options.autoLoad)
            if (!name.empty() && fileutils::fileExists(name)) docs.openByName(name);
    processCommandLine(*m_window, m_startup, m_env.currentDirectory);
    emit m_window->hostSignals().commandLineProcessed(m_furtherInstance);
}

void ApplicationSession::showWindow() {
    MainWindow& window = *m_window;
    window.updateCaption();
    window.show();
    if (window.startsHidden()) {
        if (auto* tray = window.findChild<TrayIcon*>()) tray->hideToTray();
    }
    if (m_splash) {
        QWidget* splash = m_splash;
        QTimer::singleShot(m_steps.firstRun ? 3000 : 0, splash, [splash] { splash->deleteLater(); });
    }
    if (m_startup.screenshotPath.empty())
        QTimer::singleShot(0, &window, [this] { m_recovery->offerRecovery(m_window.get()); });
    if (!m_startup.screenshotPath.empty()) {
        const QString shot = q(m_startup.screenshotPath);
        QTimer::singleShot(1500, &window, [&window, shot] {
            window.grab().save(shot);
            QApplication::exit(0);
        });
    }
}

bool ApplicationSession::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_window.get() && e->type() == QEvent::Close && !shutDown()) {
        e->ignore();
        return true;
    }
    return QObject::eventFilter(watched, e);
}

bool ApplicationSession::shutDown() {
    // Probed before the questions: a save in between must not change the answer.
    const bool writable = fileutils::directoryWritable(fileutils::directoryOf(m_ini.path()));
    if (!closeDocuments()) return false;
    collectState();
    writeConfiguration(writable);
    removeTemporaryFiles();
    return true;
}

bool ApplicationSession::closeDocuments() {
    if (!m_window->documents().queryClose()) return false;
    // Every page was saved or given up by the user: nothing to recover.
    m_recovery->endSession();
    return true;
}

void ApplicationSession::collectState() {
    DocumentSet& docs = m_window->documents();
    m_options.autoLoad.clear();
    if (m_options.autoLoadFiles)
        for (const QString& n : docs.openFileNames()) m_options.autoLoad.push_back(n.toStdString());
    m_options.history = docs.reopenList().entries();
    // The tool windows hand their state to the option set before it is written.
    emit m_window->hostSignals().shuttingDown();
}

void ApplicationSession::writeConfiguration(bool writable) {
    if (writable) {
        m_window->savePlacement();
        m_options.write(m_ini);
        if (m_options.autoSavePos) m_options.writePlacements(m_ini);
        std::string error;
        if (!m_ini.save(&error)) msg::error(QStringLiteral("Unable to write to ") + q(m_ini.path()));
    }
    // After the configuration file; the store writes atomically and stays
    // silent when its target cannot be written.
    m_pageSettings->save();
}

void ApplicationSession::removeTemporaryFiles() {
    temporaryCopies().deleteAll();
}

}  // namespace sj
