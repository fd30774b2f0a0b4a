#pragma once
// `ProgressWindow`: the progress window of long operations. It never blocks;
// each step serves pending events so its Cancel button works.
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace sj {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void open(const QString& caption, const QString& message, qint64 minimum, qint64 maximum);
    void step();
    void stepTo(qint64 position);
    void finish();
    void close();
    bool cancelled() const { return s_cancelled; }

    // The flag a running operation polls; open() clears it.
    static bool s_cancelled;

protected:
    void reject() override;

private:
    void serve();
    QLabel* m_message;
    QProgressBar* m_gauge;
    QPushButton* m_cancel;
    qint64 m_min = 0, m_max = 100, m_pos = 0;
    int m_scale = 1;
    bool m_open = false;
};

}  // namespace sj
