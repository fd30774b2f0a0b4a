#pragma once
// `TabStopTextBox`: a multi-line text box that shares the editor's tab-stop list
// (used where dialogs show tabular text, such as the word list).
#include <QPlainTextEdit>

#include "config/TabStops.h"

namespace sj {

class TabStopTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TabStopTextBox(QWidget* parent = nullptr);

    void setTabSettings(const std::string& text);
    std::string tabSettings() const { return m_tabs.text(); }
    void setTabUnits(int units);
    int tabUnits() const { return static_cast<int>(m_tabs.unit()); }
    // The stops in pixels as applied (32 with the fill rule).
    QList<qreal> appliedStops() const;

protected:
    void changeEvent(QEvent* e) override;

private:
    void applyTabStops();
    double pixelsPerInch() const;
    TabStops m_tabs;
};

}  // namespace sj
