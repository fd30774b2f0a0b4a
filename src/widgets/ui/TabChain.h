#pragma once
// Sets the Tab order of a dialog's controls to the order given: the reading
// order, whatever order the controls were made in.
#include <QWidget>

#include <initializer_list>

namespace sj {

inline void setTabChain(std::initializer_list<QWidget*> chain) {
    QWidget* previous = nullptr;
    for (QWidget* w : chain) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace sj
