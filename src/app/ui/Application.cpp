#include "app/ui/Application.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <unistd.h>
#include <cstdio>

#include "app/InstanceMessage.h"
#include "app/ui/CommandLineRunner.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/InstanceChannel.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageSettings.h"
#include "config/CommandLine.h"
#include "config/FilePropertiesStore.h"
#include "config/IniFile.h"
#include "config/Options.h"
#include "config/WindowPlacement.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"
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

int runApplication(int argc, char** argv, const std::function<void(MainWindow&)>& addGroups) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const CommandLine startup = CommandLine::parse(args);
    if (startup.showHelp) {
        std::fputs(CommandLine::helpText().c_str(), stdout);
        return 0;
    }
    if (startup.showVersion) {
        std::printf("superjotleaf %s\n", SJ_VERSION);
        return 0;
    }
    if (!startup.error.empty()) {
        std::fprintf(stderr, "superjotleaf: %s\n", startup.error.c_str());
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("superjotleaf"));
    QApplication::setApplicationDisplayName(QStringLiteral("Super Jotleaf"));

    const ConfigEnvironment env = environmentNow();
    fileutils::makeDirectories(Options::dataDirectory(env));
    IniFile ini(Options::configFilePath(args, env));
    ini.load();

    // The handshake: a running instance that allows only one takes our files.
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    InstanceChannel channel(q(InstanceMessage::socketName(runtimeDir ? runtimeDir : "", getuid())));
    bool furtherInstance = false;
    std::vector<std::string> handOver;
    for (const std::string& a : args)
        if (a != "--screenshot" && a != startup.screenshotPath) handOver.push_back(a);
    switch (startup.screenshotPath.empty() ? channel.contactRunning(env.currentDirectory, handOver)
                                           : InstanceChannel::Peer::AllowsMultiple) {
        case InstanceChannel::Peer::Handed:
            return 0;
        case InstanceChannel::Peer::AllowsMultiple:
            furtherInstance = true;
            break;
        case InstanceChannel::Peer::None:
            break;
    }

    Options options;
    options.defaultDirectory = env.currentDirectory;
    options.defaultSaveDirectory = env.currentDirectory;
    const StartupSteps steps = Options::prepare(ini);
    QWidget* splash =
        (options.hideSplash || startup.noSplash || !startup.screenshotPath.empty()) ? nullptr : makeSplash();
    options.read(ini);
    if (furtherInstance) options.allowMultipleCopies = true;
    msg::setSoundsOn(true);

    MainWindow window(options);
    addGroups(window);
    window.finishMenus();
    DocumentSet& docs = window.documents();
    // The settings store is loaded before the first document opens.
    PageSettings pageSettings(
        options, FilePropertiesStore::resolvePath(options.fileProperties, Options::dataDirectory(env)),
        steps.olderPropertiesLayout);
    pageSettings.attach(docs);
    docs.newPage();
    docs.rules().setReuseEmptyPage(true);
    for (auto it = options.history.rbegin(); it != options.history.rend(); ++it) docs.reopenList().add(*it);
    emit docs.reopenListChanged();
    PlacementWindow::setConfigFile(ini.path());
    window.LivesInTray = options.minimizeToTray && TrayIcon::trayAvailable();
    window.loadPlacement();

    if (!furtherInstance) {
        channel.setAllowMultiple(options.allowMultipleCopies);
        channel.listen();
    }
    window.onMultipleInstancesChanged = [&channel](bool on) { channel.setAllowMultiple(on); };
    QObject::connect(&channel, &InstanceChannel::argumentsReceived, &window,
                     [&](const QString& cwd, const QStringList& received) {
                         std::vector<std::string> list;
                         for (const QString& a : received) list.push_back(a.toStdString());
                         processCommandLine(window, CommandLine::parse(list), cwd.toStdString());
                         if (window.hiddenByUser() && !window.isVisible()) {
                             if (auto* tray = window.findChild<TrayIcon*>()) tray->restoreFromTray();
                         }
                         if (window.isMinimized()) window.showNormal();
                         window.raise();
                         window.activateWindow();
                     });

    const std::string dataDir = Options::dataDirectory(env);
    if (steps.renameFavoriteTxt) {
        const std::string old = fileutils::join(dataDir, "Favorite.txt");
        if (fileutils::fileExists(old))
            std::rename(old.c_str(), fileutils::changeExtension(old, "fvr").c_str());
    }
    // Shown read-only: they are the program's own files.
    OpenRequest ownFile;
    ownFile.readOnly = true;
    if (steps.firstRun) {
        const std::string readme = fileutils::join(dataFilesDirectory(), "Readme.txt");
        if (fileutils::fileExists(readme)) docs.openByName(readme, ownFile);
    }
    if (steps.openWhatsNew) {
        const std::string news = fileutils::join(dataFilesDirectory(), "WhatsNew.txt");
        if (fileutils::fileExists(news)) docs.openByName(news, ownFile);
    }
    if (options.autoLoadFiles && !furtherInstance)
        for (const std::string& name : options.autoLoad)
            if (!name.empty() && fileutils::fileExists(name)) docs.openByName(name);
    processCommandLine(window, startup, env.currentDirectory);

    window.onCloseRequest = [&] {
        const std::string configDir = fileutils::directoryOf(ini.path());
        const bool writable = fileutils::directoryWritable(configDir);
        if (!docs.queryClose()) return false;
        options.autoLoad.clear();
        if (options.autoLoadFiles)
            for (const QString& n : docs.openFileNames()) options.autoLoad.push_back(n.toStdString());
        options.history = docs.reopenList().entries();
        // The tool windows hand their state to the option set before it is written.
        emit window.hostSignals().shuttingDown();
        if (writable) {
            window.savePlacement();
            options.write(ini);
            if (options.autoSavePos) options.writePlacements(ini);
            std::string error;
            if (!ini.save(&error)) msg::error(QStringLiteral("Unable to write to ") + q(ini.path()));
        }
        // After the configuration file; the store writes atomically and stays
        // silent when its target cannot be written.
        pageSettings.save();
        temporaryCopies().deleteAll();
        return true;
    };

    window.updateCaption();
    window.show();
    if (window.startsHidden()) {
        if (auto* tray = window.findChild<TrayIcon*>()) tray->hideToTray();
    }
    if (splash) {
        QTimer::singleShot(steps.firstRun ? 3000 : 0, splash, [splash] { splash->deleteLater(); });
    }
    if (!startup.screenshotPath.empty()) {
        const QString shot = q(startup.screenshotPath);
        QTimer::singleShot(1500, &window, [&window, shot] {
            window.grab().save(shot);
            QApplication::exit(0);
        });
    }
    return app.exec();
}

}  // namespace sj
