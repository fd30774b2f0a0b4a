#pragma once
// `AutoScrollDialog`: scrolls a document line by line at reading speed.
#include <QDialog>
#include <QTimer>

#include <cstdint>

#include "texttools/AutoScroll.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/PlacementWindow.h"

class QToolButton;

namespace sj {

class EditorView;

class AutoScrollDialog : public QDialog, public PlacementWindow {
    Q_OBJECT
public:
    AutoScrollDialog(EditorView& editor, QWidget* parent = nullptr);

    void setSpeed(std::uint16_t speed);
    std::uint16_t speed() const { return m_state.speed(); }
    const AutoScroll& state() const { return m_state; }
    bool timerActive() const { return m_timer.isActive(); }

    void Play();
    void Pause();
    void Quit();
    void Rewind();
    void Forward();
    // One step of the timer; tests call it directly.
    void timerTick();

    QToolButton *btnQuit, *btnPlay, *btnPause, *btnForward, *btnRewind;
    LineField* edtSpeed;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void scrollLines(long lines);
    void setInterval();
    void showPaused();

    EditorView& m_editor;
    AutoScroll m_state;
    QTimer m_timer;
};

}  // namespace sj
