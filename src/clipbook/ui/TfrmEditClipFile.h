#pragma once
// `TfrmEditClipFile`: picks a library file of a directory to open, or names
// one to save to.
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace sj {

class TfrmEditClipFile : public QDialog {
    Q_OBJECT
public:
    TfrmEditClipFile(const QString& directory, bool saveMode, QWidget* parent = nullptr);

    // The full file name chosen, empty after Cancel.
    QString fileName() const { return m_result; }
    static QString run(const QString& directory, bool saveMode, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return m_name; }
    QListWidget* listField() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }
    void tryAccept();

private:
    void updateOk();

    QString m_directory;
    bool m_save;
    QString m_result;
    QLineEdit* m_name;
    QListWidget* m_list;
    QPushButton* m_ok;
};

}  // namespace sj
