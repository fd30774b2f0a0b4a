#pragma once
// `FindDialog`: the find dialog window. It shows and edits what its
// component keeps; the searching itself is the main window's.
#include <QDialog>

#include "widgets/ui/PlacementWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace sj {

class FindSettings;
class SearchTokenCombo;

class FindDialog : public QDialog, public PlacementWindow {
    Q_OBJECT
public:
    explicit FindDialog(bool canSearchAll, QWidget* parent = nullptr);

    // Fill the controls from the component, and read them back.
    virtual void loadFrom(const FindSettings& settings);
    virtual void storeTo(FindSettings& settings) const;
    // The texts a search used become the fields' entry texts.
    virtual void commitFields();
    void setSearchToken(const QString& token);
    void focusFindNext();

    SearchTokenCombo* cmbFind;
    QGroupBox* rdgDirection;
    QRadioButton* rbUp;
    QRadioButton* rbDown;
    QCheckBox* cbxWholeWord;
    QCheckBox* cbxMatchCase;
    QGroupBox* gbxScope;
    QCheckBox* cbxAll;
    QPushButton* btnFindNext;
    QPushButton* btnCancel;

signals:
    void findRequested();
    // The background was double-clicked: caret to the start (or, upwards, the end).
    void gotoStartRequested(bool up);

protected:
    FindDialog(bool canSearchAll, const QString& caseCaption, const QString& allCaption, QWidget* parent);
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    virtual void searchTextChanged();
    QLabel* m_findLabel;
    bool m_directionLocked = false;  // the component's disable-direction flag

private:
    void build(const QString& caseCaption, const QString& allCaption, bool canSearchAll);
};

}  // namespace sj
