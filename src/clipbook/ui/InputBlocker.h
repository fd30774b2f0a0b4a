#pragma once
#include <QObject>

namespace sj {

// While alive, keyboard and mouse input to every window is dropped; painting
// and timers go on.
class InputBlocker : public QObject {
public:
    InputBlocker();
    ~InputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};

}  // namespace sj
