#pragma once
// The labelled input controls: a caption label kept next to an input field,
// the label's mnemonic leading to the field. `LabelledLineField`, `LabelledTextField`,
// `LabelledComboField` and `LabelledListField` are this pair around the program's own
// fields.
#include <QLabel>
#include <QWidget>

class QGridLayout;

namespace sj {

class ComboField;
class LineField;
class ListField;
class TextField;

enum LabelPosition { lpCustom, lpTop, lpLeft, lpBottom, lpRight };

class LabelledField : public QWidget {
    Q_OBJECT
public:
    LabelledField(QWidget* control, const QString& labelText, QWidget* parent);

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
class Labelled : public LabelledField {
public:
    explicit Labelled(const QString& labelText = {}, QWidget* parent = nullptr)
        : LabelledField(new Control, labelText, parent) {}
    Control* control() const { return static_cast<Control*>(controlWidget()); }
};

using LabelledLineField = Labelled<LineField>;
using LabelledTextField = Labelled<TextField>;
using LabelledComboField = Labelled<ComboField>;
using LabelledListField = Labelled<ListField>;

}  // namespace sj

// The pairs are used with their fields' full types.
#include "widgets/ui/ComboField.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/ListField.h"
#include "widgets/ui/TextField.h"
