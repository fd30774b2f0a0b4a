#pragma once
// `LibraryFileDialog`: picks a library file of a directory to open, or names
// one to save to.
#include <QDialog>

class QPushButton;

namespace sj {

class LineField;
class ListField;

class LibraryFileDialog : public QDialog {
    Q_OBJECT
public:
    LibraryFileDialog(const QString& directory, bool saveMode, QWidget* parent = nullptr);

    // The full file name chosen, empty after Cancel.
    QString fileName() const { return m_result; }
    static QString run(const QString& directory, bool saveMode, QWidget* parent = nullptr);

    LineField* nameField() const { return m_name; }
    ListField* listField() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }
    void tryAccept();

private:
    void updateOk();

    QString m_directory;
    bool m_save;
    QString m_result;
    LineField* m_name;
    ListField* m_list;
    QPushButton* m_ok;
};

}  // namespace sj
