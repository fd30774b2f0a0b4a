#pragma once
// The Clipbook's own window; the main window docks it on either side.
#include <QDockWidget>

#include <functional>

class QMainWindow;

namespace sj {

class ClipbookDock : public QDockWidget {
    Q_OBJECT
public:
    ClipbookDock(QMainWindow* main, QWidget* pane);
    std::function<void()> onCloseClicked;
    // The width after the user dragged the bar between pane and documents.
    std::function<void(int)> onDockedWidthChanged;
    bool shuttingDown = false;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace sj
