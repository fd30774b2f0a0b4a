#pragma once
// `FindController`: the find dialog component. It keeps options, texts and history
// (in the engine's settings) while its window comes and goes.
#include <QObject>
#include <QPointer>

#include <string>

class QWidget;

namespace sj {

class FindSettings;
class FindDialog;

class FindController : public QObject {
    Q_OBJECT
public:
    FindController(FindSettings& settings, QWidget* owner);
    ~FindController() override;

    void openModeless();
    void openModal();
    bool isOpen() const { return !m_window.isNull(); }
    void focusFindNext();
    // Stores everything back, then destroys the window.
    void close();
    // Stores the token (and its decoded text); an open window shows it.
    void setSearchToken(const std::string& token);
    // Reads the open window's controls into the settings.
    void storeFromWindow();

    FindDialog* window() const { return m_window; }
    FindSettings& settings() { return m_settings; }

signals:
    void find();
    void closed();
    void gotoStart(bool up);

protected:
    virtual FindDialog* createWindow(QWidget* owner);
    virtual void connectWindow(FindDialog* window);

private:
    void open(bool modal);
    void windowFinished();

    FindSettings& m_settings;
    QWidget* m_owner;
    QPointer<FindDialog> m_window;
};

}  // namespace sj
