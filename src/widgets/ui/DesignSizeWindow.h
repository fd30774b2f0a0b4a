#pragma once
// `DesignSizeWindow`: a `StayOnTopWindow` that knows its design size, can lock its size in
// either direction, and raises one-time events on its first showing and its
// first activation.
#include <QSize>

#include "widgets/ui/StayOnTopWindow.h"

namespace sj {

class DesignSizeWindow : public StayOnTopWindow {
public:
    explicit DesignSizeWindow(QWidget* self, bool mainRole = false);

    bool ScaleWithScreen = false;

    // Size the window was built with; taken on first use or when first shown.
    QSize designSize() const { return m_design; }
    void captureDesign();

    // A locked direction keeps the design size while the window is shown.
    void setSizeLocks(bool width, bool height);
    bool widthLocked() const { return m_lockWidth; }
    bool heightLocked() const { return m_lockHeight; }
    // The window keeps its place; it cannot be maximised to elsewhere.
    void setFixedPosition(bool on);
    bool fixedPosition() const { return m_fixedPosition; }

    // The control that takes the focus when the window is first shown.
    void setFirstFocus(QWidget* control) { m_firstFocus = control; }

protected:
    virtual void firstShow() {}
    virtual void firstActivation() {}
    bool formEvent(QEvent* e) override;

private:
    void applyLocks();

    QSize m_design;
    bool m_designTaken = false;
    bool m_lockWidth = false;
    bool m_lockHeight = false;
    bool m_fixedPosition = false;
    bool m_shownOnce = false;
    bool m_activatedOnce = false;
    QWidget* m_firstFocus = nullptr;
};

}  // namespace sj
