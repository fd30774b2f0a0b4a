#pragma once

namespace sj {

// The editor component's own accessibility bridge counts characters from the
// start of the text on every change and repaint, which makes typing at the end
// of a big document take hundreds of milliseconds. We answer for the editor with
// a plain editable-text interface instead. Must run after the first editor was
// constructed (the component installs its factory then) so ours takes precedence.
void installLightEditorAccessibility();

}  // namespace sj
