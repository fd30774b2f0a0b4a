#pragma once
// One run of the program around its main window. Start-up and shut-down are
// lists of named steps, in the order run() and the window's close carry them
// out; everything the steps share lives here rather than in captured locals.
#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/CommandLine.h"
#include "config/IniFile.h"
#include "config/Options.h"

class QWidget;

namespace sj {

class HandOverQueue;
class InstanceChannel;
class MainWindow;
class PageSettings;
class RecoveryKeeper;

class ApplicationSession : public QObject {
    Q_OBJECT
public:
    using GroupFactory = std::function<void(MainWindow&)>;
    // args: the program's arguments without its name; startup: what they say.
    ApplicationSession(std::vector<std::string> args, CommandLine startup, GroupFactory addGroups);
    ~ApplicationSession() override;

    // Starts up and runs the event loop; the exit code.
    int run();

protected:
    // The window's close runs the shut-down steps; a cancelled save question keeps it open.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Start-up, in this order.
    void readConfigurationFile();
    bool handToRunningInstance();  // true: another instance took the files
    void readOptions();
    void buildWindow();
    void restoreDocumentSet();
    void removeLeftoverTemporaryFiles();
    void listenForFurtherStarts();
    void migrateOldFiles();
    void openStartupFiles();
    void showWindow();

    // Shut-down, in this order; false when the user cancelled.
    bool shutDown();
    bool closeDocuments();
    void collectState();
    void writeConfiguration(bool writable);
    void removeTemporaryFiles();

    void takeArgumentsOfFurtherStart(const QString& workingDirectory, const QStringList& arguments);

    std::vector<std::string> m_args;
    CommandLine m_startup;
    GroupFactory m_addGroups;
    ConfigEnvironment m_env;
    IniFile m_ini;
    Options m_options;
    StartupSteps m_steps;
    bool m_furtherInstance = false;
    QWidget* m_splash = nullptr;
    std::unique_ptr<InstanceChannel> m_channel;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<PageSettings> m_pageSettings;
    // After the window: they go before the pages they watch.
    std::unique_ptr<RecoveryKeeper> m_recovery;
    std::unique_ptr<HandOverQueue> m_handOvers;
};

}  // namespace sj
