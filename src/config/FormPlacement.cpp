#include "config/FormPlacement.h"

#include <algorithm>

namespace sj {

bool FormRect::intersects(const FormRect& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height && o.top < top + height;
}

void FormPlacement::noteGeometry(const FormRect& rect, FormState state) {
    if (state == FormState::Normal && rect.valid()) m_normal = rect;
}

WindowPlacement FormPlacement::capture(const Snapshot& now, unsigned groups) {
    noteGeometry(now.current, now.state);
    const FormRect& r = m_normal.valid() ? m_normal : now.current;
    WindowPlacement p;
    if (groups & WindowPlacement::Size) {
        p.width = r.width;
        p.height = r.height;
    }
    if (groups & WindowPlacement::Position) {
        p.left = r.left;
        p.top = r.top;
        p.stayOnTop = now.stayOnTop;
    }
    if (groups & WindowPlacement::State) {
        if (now.hidden || now.state == FormState::Minimized)
            p.windowState = WindowPlacement::Minimized;
        else
            p.windowState =
                now.state == FormState::Maximized ? WindowPlacement::Maximized : WindowPlacement::Normal;
    }
    if (groups & WindowPlacement::Visibility) p.visible = !now.hidden;
    return p;
}

RestorePlan FormPlacement::plan(const WindowPlacement& stored, const Design& design, unsigned groups) {
    RestorePlan out;
    out.rect = design.rect;
    out.centre = design.centred;
    out.stayOnTop = design.stayOnTop;
    out.state = design.state;
    if (groups & WindowPlacement::Size) {
        // A size no window can have is as good as none.
        if (stored.width && *stored.width > 0 && !design.lockWidth) out.rect.width = *stored.width;
        if (stored.height && *stored.height > 0 && !design.lockHeight) out.rect.height = *stored.height;
    }
    if (groups & WindowPlacement::Position) {
        if (stored.left) out.rect.left = *stored.left;
        if (stored.top) {
            out.rect.top = *stored.top;
            out.centre = false;
        }
        if (stored.stayOnTop) out.stayOnTop = *stored.stayOnTop;
    }
    if ((groups & WindowPlacement::State) && stored.windowState) {
        switch (*stored.windowState) {
            case WindowPlacement::Minimized:
                if (design.livesInTray)
                    out.startHidden = true;
                else
                    out.state = FormState::Minimized;
                break;
            case WindowPlacement::Normal:
                out.state = FormState::Normal;
                break;
            case WindowPlacement::Maximized:
                out.state = FormState::Maximized;
                break;
            default:
                break;
        }
    }
    if ((groups & WindowPlacement::Visibility) && stored.visible && !*stored.visible && design.livesInTray)
        out.startHidden = true;
    return out;
}

FormRect FormPlacement::keepOnScreen(const FormRect& rect, const std::vector<FormRect>& screens) {
    if (screens.empty()) return rect;
    for (const FormRect& s : screens)
        if (rect.intersects(s)) return rect;
    const FormRect& s = screens.front();
    FormRect r = rect;
    r.width = std::min(r.width, s.width);
    r.height = std::min(r.height, s.height);
    r.left = s.left + (s.width - r.width) / 2;
    r.top = s.top + (s.height - r.height) / 2;
    return r;
}

}  // namespace sj
