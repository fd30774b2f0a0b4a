#pragma once
// `TfrmEditClipFile`: picks a library file of a directory to open, or names
// one to save to.
#include <QDialog>

class QPushButton;

namespace sj {

class TKixEdit;
class TKixListbox;

class TfrmEditClipFile : public QDialog {
    Q_OBJECT
public:
    TfrmEditClipFile(const QString& directory, bool saveMode, QWidget* parent = nullptr);

    // The full file name chosen, empty after Cancel.
    QString fileName() const { return m_result; }
    static QString run(const QString& directory, bool saveMode, QWidget* parent = nullptr);

    TKixEdit* nameField() const { return m_name; }
    TKixListbox* listField() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }
    void tryAccept();

private:
    void updateOk();

    QString m_directory;
    bool m_save;
    QString m_result;
    TKixEdit* m_name;
    TKixListbox* m_list;
    QPushButton* m_ok;
};

}  // namespace sj
