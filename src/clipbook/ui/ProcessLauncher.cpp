#include "clipbook/ui/ProcessLauncher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QUrl>

#include "clipbook/CommandClipRunner.h"
#include "clipbook/ui/DialogPromptHost.h"
#include "clipbook/ui/InputBlocker.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {

namespace {

QList<QEventLoop*>& waitLoops() {
    static QList<QEventLoop*> loops;
    return loops;
}

}  // namespace

ProcessLauncher::~ProcessLauncher() {
    // Started programs outlive the editor; only forget them.
    for (auto& [id, p] : m_kept)
        if (p) p->setParent(nullptr);
}

std::optional<Launcher::ProcessId> ProcessLauncher::startProgram(const std::string& program,
                                                                 const std::vector<std::string>& arguments,
                                                                 bool keepForWait) {
    QStringList args;
    for (const std::string& a : arguments) args << qs(a);
    if (!keepForWait) {
        if (!QProcess::startDetached(qs(program), args)) return std::nullopt;
        return 0;
    }
    auto* process = new QProcess(this);
    process->setProgram(qs(program));
    process->setArguments(args);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted(10000)) {
        delete process;
        return std::nullopt;
    }
    const ProcessId id = m_nextId++;
    m_kept[id] = process;
    return id;
}

void ProcessLauncher::waitForProgram(ProcessId id) {
    auto it = m_kept.find(id);
    if (it == m_kept.end() || !it->second || it->second->state() == QProcess::NotRunning) return;
    QProcess* process = it->second;
    QEventLoop loop;
    connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    connect(process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    connect(process, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    InputBlocker blocker;
    // Input is swallowed while the program runs; the title says why.
    QPointer<QWidget> titled = m_titleWindow;
    const QString savedTitle = titled ? titled->windowTitle() : QString();
    if (titled) titled->setWindowTitle(QStringLiteral("Waiting for launched application to close..."));
    waitLoops().append(&loop);
    if (process->state() != QProcess::NotRunning) loop.exec();
    waitLoops().removeAll(&loop);
    if (titled) titled->setWindowTitle(savedTitle);
}

void ProcessLauncher::releaseProgram(ProcessId id) {
    auto it = m_kept.find(id);
    if (it == m_kept.end()) return;
    if (QProcess* p = it->second) {
        // A running program is left to run on; its object goes when it ends.
        if (p->state() == QProcess::NotRunning)
            p->deleteLater();
        else
            connect(p, &QProcess::finished, p, &QObject::deleteLater);
    }
    m_kept.erase(it);
}

bool ProcessLauncher::isDocument(const std::string& path) {
    return CommandClipRunner::isDocumentFile(path);
}

bool ProcessLauncher::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qs(path)));
}

void ProcessLauncher::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(qs(url)));
}

void ProcessLauncher::showInformation(const std::string& message) {
    msg::info(qs(message));
}

void ProcessLauncher::showError(const std::string& message) {
    msg::error(qs(message));
}

void ProcessLauncher::abortWaits() {
    for (QEventLoop* loop : waitLoops()) loop->quit();
}

}  // namespace sj
