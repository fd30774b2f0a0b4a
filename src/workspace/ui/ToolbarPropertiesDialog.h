#pragma once
// `ToolbarPropertiesDialog` ("Toolbar Properties"): which entries the toolbar
// shows and in what order, flat or regular buttons, captions, tool tips,
// separators, wrapping and the caption font.
#include <QDialog>

#include <functional>

#include "workspace/ToolbarSettings.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace sj {

class ToolbarPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    // onBar: whether this program has the entry's command; others are not
    // listed and keep their place.
    ToolbarPropertiesDialog(const ToolbarSettings& settings, QFont captionFont,
                            std::function<bool(const ToolbarEntry&)> onBar, QWidget* parent = nullptr);

    ToolbarSettings result() const;
    bool orderChanged() const { return m_orderChanged; }

    // Shows the dialog; true and the edited settings when OK changed anything.
    static bool edit(ToolbarSettings& settings, const QFont& captionFont,
                     const std::function<bool(const ToolbarEntry&)>& onBar, QWidget* parent);

private:
    void moveSelected(int delta);
    void updateMoveButtons();
    void chooseCaptionFont();

    ToolbarSettings m_settings;
    std::vector<int> m_listed;  // entry index of each line, first order
    QCheckBox *m_regular, *m_captions, *m_toolTips, *m_separators, *m_wrap;
    QLabel* m_sample;
    QListWidget* m_list;
    QPushButton *m_up, *m_down;
    bool m_orderChanged = false;
};

}  // namespace sj
