#pragma once
// `ToolbarPanel`: the main window's toolbar. Its entries are buttons bound to
// the program's commands (a button is enabled and down exactly when its
// command is enabled and checked) and separator lines; the user shows, hides,
// reorders and restyles them, and the panel wraps onto further rows or hides
// what does not fit.
#include <QHash>
#include <QWidget>

#include <vector>

#include "workspace/ToolbarSettings.h"

class QAction;
class QToolButton;

namespace sj {

class ToolbarPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBaseRowHeight = 33;
    static constexpr int kRightMargin = 25;

    explicit ToolbarPanel(QWidget* parent = nullptr);

    // The commands by name ("new", "open", ...). Entries whose command this
    // program lacks stay off the bar, but keep their stored state.
    void setCommands(const QHash<QString, QAction*>& commands);
    QAction* command(const std::string& name) const { return m_commands.value(QString::fromStdString(name)); }
    bool hasCommand(const ToolbarEntry& e) const { return e.isSeparator() || command(e.command); }

    void setSettings(const ToolbarSettings& settings);
    const ToolbarSettings& settings() const { return m_settings; }
    // The font captions are drawn in.
    QFont captionFont() const;

    // The shown control of the entry with that command, if it is on the bar.
    QToolButton* button(const std::string& commandName) const;
    // The small close-document button at the right end, there while the
    // "Close" entry is not on the bar.
    QToolButton* closePageButton() const { return m_closePage; }
    int rows() const { return m_rows; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The number of rows changed (wrapping).
    void wrapChanged(int rows);
    void menuRequested(const QPoint& globalPos);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void rebuild();
    void relayout();
    QWidget* makeButton(const ToolbarEntry& e, QAction* a);
    int rowHeight() const;

    ToolbarSettings m_settings;
    QHash<QString, QAction*> m_commands;
    std::vector<QWidget*> m_controls;  // one per entry; nullptr when not on the bar
    QToolButton* m_closePage;
    int m_rows = 1;
};

}  // namespace sj
