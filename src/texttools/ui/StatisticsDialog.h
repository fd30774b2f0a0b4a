#pragma once
// `StatisticsDialog`: the character, word and other-item counts of a text, and on request
// the list of its different words with their numbers of occurrences.
#include <QDialog>

#include <string>

#include "texttools/TextStatistics.h"
#include "widgets/ui/PlacementWindow.h"

class QPushButton;

namespace sj {

class LocaleCollator;
class LineField;
class TextField;

class StatisticsDialog : public QDialog, public PlacementWindow {
    Q_OBJECT
public:
    // text is the scope's text; the dialog keeps its own copy, as the document may change
    // behind a progress window.
    StatisticsDialog(std::string text, StatisticsScope scope, const LocaleCollator& collator,
                     QWidget* parent = nullptr);

    const TextCounts& counts() const { return m_counts; }
    // "More": grows the dialog and fills the word list.
    void btnMoreClick();
    QString wordListText() const;
    bool listCancelled() const { return m_cancelled; }

private:
    std::string m_text;
    const LocaleCollator& m_collator;
    TextCounts m_counts;
    bool m_cancelled = false;
    LineField* m_edtCharacters;
    LineField* m_edtWords;
    LineField* m_edtOtherWords;
    QPushButton* m_btnMore;
    QPushButton* m_btnClose;
    TextField* m_edtWordStatistics;
};

}  // namespace sj
