#pragma once
// `ClipEditorDialog`: edits one clip's title and content.
#include <QDialog>

#include <string>

#include "clipbook/ui/ClipContentEdit.h"
#include "clipbook/ui/ClipTitleEdit.h"
#include "widgets/ui/PlacementWindow.h"

class QPushButton;

namespace sj {

class ClipEditorDialog : public QDialog, public PlacementWindow {
    Q_OBJECT
public:
    explicit ClipEditorDialog(QWidget* parent = nullptr);

    // body: CR LF line breaks, as the library keeps them.
    void setContent(const QString& title, const std::string& body);
    void setContent(const QString& title, const QString& body);
    QString title() const;
    std::string body() const;
    void setWordWrap(bool on);
    bool wordWrap() const;

    LineField* titleField() const { return m_title; }
    ClipContentEdit* contentField() const { return m_content; }

private:
    ClipContentEdit* m_content;
    ClipTitleEdit* m_title;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace sj
