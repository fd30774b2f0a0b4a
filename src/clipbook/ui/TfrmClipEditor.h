#pragma once
// `TfrmClipEditor`: edits one clip's title and content.
#include <QDialog>
#include <QPlainTextEdit>

#include <string>

class QLineEdit;
class QPushButton;

namespace sj {

class ClipContentEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
};

class TfrmClipEditor : public QDialog {
    Q_OBJECT
public:
    explicit TfrmClipEditor(QWidget* parent = nullptr);

    // body: CR LF line breaks, as the library keeps them.
    void setContent(const QString& title, const std::string& body);
    void setContent(const QString& title, const QString& body);
    QString title() const;
    std::string body() const;
    void setWordWrap(bool on);
    bool wordWrap() const;

    QLineEdit* titleField() const { return m_title; }
    ClipContentEdit* contentField() const { return m_content; }

private:
    QLineEdit* m_title;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    ClipContentEdit* m_content;
};

}  // namespace sj
