#pragma once
// `DocumentTabs`: the document tab strip. It owns the pages of its tabs.
#include <QTabWidget>

namespace sj {

class DocumentPage;

class DocumentTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit DocumentTabs(QWidget* parent = nullptr);

    int add(const QString& caption, DocumentPage* page);
    // Removes the tab; frees the page when DestroyObjects is on.
    void remove(int index);
    // Selects a tab; the change event comes only for a real change.
    void select(int index);
    // Throws std::out_of_range("Tab index out of range!") for a bad index.
    void setCaption(int index, const QString& text);
    DocumentPage* page(int index) const;
    int indexOfPage(const DocumentPage* page) const;
    void setDestroyObjects(bool on) { m_destroyObjects = on; }
    bool destroyObjects() const { return m_destroyObjects; }
    // Several rows' worth of tabs shown at once instead of one scrolling row.
    void setStacked(bool on);

signals:
    void pageChanged(int index);
    void tabMenuRequested(const QPoint& globalPos);

private:
    bool m_destroyObjects = true;
};

}  // namespace sj
