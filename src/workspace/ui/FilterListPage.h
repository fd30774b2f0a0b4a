#pragma once
// The "File Filters" page of the preferences: the list of file dialog filters
// with the fields of the selected entry, and the default extension.
#include <QWidget>

#include "workspace/FilterListEditor.h"

class QListWidget;
class QPushButton;

namespace sj {

class LineField;

class FilterListPage : public QWidget {
    Q_OBJECT
public:
    FilterListPage(const std::string& filters, const std::string& defaultExtension,
                   QWidget* parent = nullptr);
    ~FilterListPage() override;

    // Takes what the fields hold, as leaving them does.
    void commitFields();
    std::string filters() const { return m_editor.joined(); }
    std::string defaultExtension() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void showSelected();
    void rowChanged(int row);
    void addEntry();
    void removeEntry();
    void moveEntry(int delta);
    void dragged(int from, int to);
    void refreshList();
    void updateButtons();

    FilterListEditor m_editor;
    QListWidget* m_list;
    LineField* m_description;
    LineField* m_wildCards;
    LineField* m_extension;
    QPushButton *m_new, *m_delete, *m_up, *m_down;
    bool m_busy = false;
};

}  // namespace sj
