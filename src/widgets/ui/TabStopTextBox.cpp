#include "widgets/ui/TabStopTextBox.h"

#include <QEvent>
#include <QScreen>
#include <QTextOption>

namespace sj {

TabStopTextBox::TabStopTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    applyTabStops();
}

double TabStopTextBox::pixelsPerInch() const {
    const double ppi = screen() ? screen()->logicalDotsPerInchX() : 0.0;
    return ppi > 0 ? ppi : 96.0;
}

void TabStopTextBox::setTabSettings(const std::string& text) {
    if (text == m_tabs.text()) return;
    m_tabs.setText(text);
    applyTabStops();
}

void TabStopTextBox::setTabUnits(int units) {
    if (units < 0 || units > 2 || units == tabUnits()) return;
    m_tabs.setUnit(static_cast<TabUnit>(units), pixelsPerInch());
    applyTabStops();
}

QList<qreal> TabStopTextBox::appliedStops() const {
    QList<qreal> stops;
    for (const QTextOption::Tab& t : document()->defaultTextOption().tabs()) stops << t.position;
    return stops;
}

void TabStopTextBox::applyTabStops() {
    // Unlike the editor, a text document takes an arbitrary list of stops.
    QList<QTextOption::Tab> tabs;
    for (const int px : m_tabs.pixels(pixelsPerInch())) tabs << QTextOption::Tab(px, QTextOption::LeftTab);
    QTextOption option = document()->defaultTextOption();
    option.setTabs(tabs);
    document()->setDefaultTextOption(option);
}

void TabStopTextBox::changeEvent(QEvent* e) {
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange) applyTabStops();
}

}  // namespace sj
