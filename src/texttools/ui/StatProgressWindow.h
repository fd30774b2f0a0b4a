#pragma once
// The statistics' progress as the program's progress window shows it; its Cancel button
// stops the counting where it is.
#include "texttools/WordList.h"

class QWidget;

namespace sj {

class ProgressWindow;

class StatProgressWindow : public StatisticsProgress {
public:
    explicit StatProgressWindow(QWidget* parent);
    ~StatProgressWindow() override;

    void open(std::string_view message, std::size_t maximum) override;
    bool step(std::size_t position) override;
    void close() override;

    ProgressWindow* window() const { return m_window; }

private:
    QWidget* m_parent;
    ProgressWindow* m_window = nullptr;
};

}  // namespace sj
