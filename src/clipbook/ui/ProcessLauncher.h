#pragma once
// Starts command clip programs directly (never through a shell) and opens
// documents and addresses with the desktop's associated applications.
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QWidget>

#include <map>

#include "clipbook/Launcher.h"

namespace sj {

class ProcessLauncher : public QObject, public Launcher {
    Q_OBJECT
public:
    explicit ProcessLauncher(QObject* parent = nullptr) : QObject(parent) {}
    ~ProcessLauncher() override;

    // The window whose title tells why input is ignored during a wait.
    void setTitleWindow(QWidget* window) { m_titleWindow = window; }

    std::optional<ProcessId> startProgram(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          bool keepForWait) override;
    void waitForProgram(ProcessId id) override;
    void releaseProgram(ProcessId id) override;
    bool isDocument(const std::string& path) override;
    bool openDocument(const std::string& path) override;
    void openUrl(const std::string& url) override;
    void showInformation(const std::string& message) override;
    void showError(const std::string& message) override;

    // Ends every wait at once (the editor is shutting down).
    static void abortWaits();

private:
    std::map<ProcessId, QPointer<QProcess>> m_kept;
    ProcessId m_nextId = 1;
    QPointer<QWidget> m_titleWindow;
};

}  // namespace sj
