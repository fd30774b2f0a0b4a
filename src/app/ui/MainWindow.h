#pragma once
// `MainWindow`: the main window. It holds the tab strip, the menus built
// from the command groups, and the status bar, and routes window events.
#include <QMainWindow>
#include <QMap>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <vector>

#include "app/ui/AppHost.h"
#include "app/ui/AppHostSignals.h"
#include "app/ui/CommandGroup.h"
#include "widgets/ui/PlacementWindow.h"

class QLabel;

namespace sj {

class DocumentSet;
class DocumentTabs;
class DocumentPage;
struct Options;

class MainWindow : public QMainWindow, public AppHost, public MenuSet, public PlacementWindow {
    Q_OBJECT
public:
    explicit MainWindow(Options& options, QWidget* parent = nullptr);
    ~MainWindow() override;

    void addCommandGroup(CommandGroup* group);

    // AppHost
    QWidget* window() override { return this; }
    DocumentPage* currentPage() override;
    DocumentSet& documents() override { return *m_documents; }
    Options& options() override { return m_options; }
    void refreshStatus() override;
    void showHint(const QString& text) override;

    // MenuSet
    QMenu* menu(const QString& name) override;
    QMenu* submenu(const QString& menuName, const QString& caption) override;
    QMenu* trailingSubmenu(const QString& menuName, const QString& caption) override;
    // Places the trailing submenus; called once every group is added.
    void finishMenus();

    void updateCaption();
    void updateEnabled() override;
    // Files dropped from the file manager, in the order given; directories are refused.
    void openDroppedFiles(const QList<QUrl>& urls);
    void setStayOnTop(bool on) override;
    bool stayOnTop() const override { return StayOnTopWindow::stayOnTop(); }
    void setMultipleInstances(bool on) override;
    AppHostSignals& hostSignals() override { return m_hostSignals; }
    IniFile* configuration() override { return m_configuration; }
    void setConfiguration(IniFile* ini) { m_configuration = ini; }

signals:
    void multipleInstancesChanged(bool on);

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool event(QEvent* e) override;

private:
    void buildStatusBar();
    void onCurrentChanged(DocumentPage* page);
    void increaseBuffer();

    Options& m_options;
    AppHostSignals m_hostSignals;
    IniFile* m_configuration = nullptr;
    DocumentTabs* m_tabs;
    DocumentSet* m_documents;
    QMap<QString, QMenu*> m_menus;
    std::vector<CommandGroup*> m_groups;
    std::vector<std::pair<QString, QMenu*>> m_trailing;
    QLabel* m_caretPanel;
    QLabel* m_modePanel;
    QLabel* m_noticePanel;
    QTimer m_hintTimer;
    bool m_shown = false;
    bool m_wasActive = true;
    QMetaObject::Connection m_pageConnections[5];
};

}  // namespace sj
