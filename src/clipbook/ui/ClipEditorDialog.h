#pragma once
// `ClipEditorDialog`: edits one clip's title and content.
#include <QDialog>

#include <string>

#include "widgets/ui/LineField.h"
#include "widgets/ui/PlacementWindow.h"
#include "widgets/ui/TextField.h"

class QPushButton;

namespace sj {

// The content field; its editing menu has the extra item "&Word Wrap".
class ClipContentEdit : public TextField {
    Q_OBJECT
public:
    using TextField::TextField;

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
};

// The title field; its editing menu shows "&Word Wrap" disabled.
class ClipTitleEdit : public LineField {
    Q_OBJECT
public:
    ClipTitleEdit(const ClipContentEdit& content, QWidget* parent) : LineField(parent), m_content(content) {}

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    const ClipContentEdit& m_content;
};

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
