#pragma once
// How a window's placement is taken for saving and applied on restore: the
// normal rectangle survives maximising and minimising, a window centred by its
// own settings stays centred while no top is stored, locked directions keep
// their design size, and a window never comes back where no screen shows it.
#include <vector>

#include "config/WindowPlacement.h"

namespace sj {

struct FormRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool valid() const { return width > 0 && height > 0; }
    bool intersects(const FormRect& o) const;
    bool operator==(const FormRect&) const = default;
};

enum class FormState { Normal, Minimized, Maximized };

// What restoring a placement asks of the window.
struct RestorePlan {
    FormRect rect;  // the normal rectangle to give the window
    bool centre = false;
    bool stayOnTop = false;
    FormState state = FormState::Normal;
    bool startHidden = false;  // a tray window stored as minimised starts hidden
};

class FormPlacement {
public:
    // The normal rectangle follows the window only while its state is normal.
    void noteGeometry(const FormRect& rect, FormState state);
    const FormRect& normal() const { return m_normal; }
    void setNormal(const FormRect& rect) { m_normal = rect; }

    struct Snapshot {
        FormRect current;
        FormState state = FormState::Normal;
        bool stayOnTop = false;
        bool hidden = false;  // hidden by the user: tray or "Hide &Window"
    };
    // The stored form of the window now. A normal window's current rectangle
    // becomes its normal one first.
    WindowPlacement capture(const Snapshot& now, unsigned groups);

    struct Design {
        FormRect rect;         // size and position the window was built with
        bool centred = false;  // placed in the screen's centre by its own settings
        bool stayOnTop = false;
        FormState state = FormState::Normal;
        bool lockWidth = false;  // this direction keeps its design size
        bool lockHeight = false;
        bool livesInTray = false;
    };
    // Fields missing from the stored placement keep the design values.
    static RestorePlan plan(const WindowPlacement& stored, const Design& design, unsigned groups);

    // Moves a rectangle that no screen area shows into the first area, whole
    // when it fits. An empty list changes nothing.
    static FormRect keepOnScreen(const FormRect& rect, const std::vector<FormRect>& screens);

private:
    FormRect m_normal;
};

}  // namespace sj
