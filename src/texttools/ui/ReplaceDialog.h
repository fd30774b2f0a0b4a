#pragma once
// `ReplaceDialog`: the find and replace dialog window.
#include "texttools/ui/FindDialog.h"

namespace sj {

class ReplaceDialog : public FindDialog {
    Q_OBJECT
public:
    explicit ReplaceDialog(bool canSearchAll, QWidget* parent = nullptr);

    void loadFrom(const FindSettings& settings) override;
    void storeTo(FindSettings& settings) const override;
    void commitFields() override;
    void setReplaceEnabled(bool on);
    // The count line ("N replacement(s) made!").
    void setHint(const QString& text);
    QString hint() const;

    SearchTokenCombo* cmbReplace;
    QPushButton* btnReplace;
    QPushButton* btnReplaceAll;

signals:
    void replaceRequested();
    void replaceAllRequested();
    // The window became active again while Replace was enabled.
    void replaceCheckRequested();

protected:
    void searchTextChanged() override;
    void changeEvent(QEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void scopeChanged();
    QLabel* m_hint;
};

}  // namespace sj
