#pragma once
// The labelled input controls: a caption label kept next to an input field,
// the label's mnemonic leading to the field. `TLblEdit`, `TLblMemo`,
// `TLblComboBox` and `TLblListbox` are this pair around the program's own
// fields.
#include <QLabel>
#include <QWidget>

class QGridLayout;

namespace sj {

class TKixComboBox;
class TKixEdit;
class TKixListbox;
class TKixMemo;

enum LabelPosition { lpCustom, lpTop, lpLeft, lpBottom, lpRight };

class TLabelledControl : public QWidget {
    Q_OBJECT
public:
    TLabelledControl(QWidget* control, const QString& labelText, QWidget* parent);

    void setLabelText(const QString& text);
    QString labelText() const { return m_text; }
    void setLabelPos(LabelPosition pos);
    LabelPosition labelPos() const { return m_pos; }
    void setLabelMargin(int pixels);
    int labelMargin() const { return m_margin; }
    // A colon is put after the caption unless it ends with one.
    void setLabelColon(bool on);
    // Offset of the label from the control for lpCustom.
    void setLabelOffset(int relLeft, int relTop);

    QLabel* LabelComponent() const { return m_label; }
    QWidget* controlWidget() const { return m_control; }

private:
    void relayout();

    QWidget* m_control;
    QLabel* m_label;
    QGridLayout* m_grid;
    QString m_text;
    LabelPosition m_pos = lpLeft;
    int m_margin = 8;
    bool m_colon = true;
    int m_relLeft = 0;
    int m_relTop = -15;
};

template <class Control>
class TLbl : public TLabelledControl {
public:
    explicit TLbl(const QString& labelText = {}, QWidget* parent = nullptr)
        : TLabelledControl(new Control, labelText, parent) {}
    Control* control() const { return static_cast<Control*>(controlWidget()); }
};

using TLblEdit = TLbl<TKixEdit>;
using TLblMemo = TLbl<TKixMemo>;
using TLblComboBox = TLbl<TKixComboBox>;
using TLblListbox = TLbl<TKixListbox>;

}  // namespace sj

// The pairs are used with their fields' full types.
#include "shell/ui/KixComboBox.h"
#include "shell/ui/KixEdit.h"
#include "shell/ui/KixListbox.h"
#include "shell/ui/KixMemo.h"
