#pragma once
// What a command group may reach of the main window: the current page, the
// document set, the option set, the status bar and the application's moments
// (first show, shut-down, requests from the status bar and the command line).
// It is the only way a group reaches the window.
#include <QString>

class QWidget;

namespace sj {

class DocumentPage;
class AppHostSignals;
class DocumentSet;
class IniFile;
struct Options;

class AppHost {
public:
    virtual ~AppHost() = default;
    virtual QWidget* window() = 0;
    virtual DocumentPage* currentPage() = 0;
    virtual DocumentSet& documents() = 0;
    virtual Options& options() = 0;
    // Caption, status bar and enabling follow the current page again.
    virtual void refreshStatus() = 0;
    // Every group works out its enabling for the state of now, as when a menu opens.
    virtual void updateEnabled() = 0;
    virtual void showHint(const QString& text) = 0;
    virtual void setStayOnTop(bool on) = 0;
    virtual bool stayOnTop() const = 0;
    virtual void setMultipleInstances(bool on) = 0;
    virtual AppHostSignals& hostSignals() = 0;
    // The configuration file as read at start-up and written at shut-down;
    // sections kept here (printing) reach the file with it.
    virtual IniFile* configuration() { return nullptr; }
};

}  // namespace sj
