#pragma once
// `TfrmTextStatistics`: the character, word and other-item counts of a text, and on request
// the list of its different words with their numbers of occurrences.
#include <QDialog>

#include <string>

#include "texttools/TextStatistics.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace sj {

class LocaleCollator;

class TfrmTextStatistics : public QDialog {
    Q_OBJECT
public:
    // text is the scope's text; the dialog keeps its own copy, as the document may change
    // behind a progress window.
    TfrmTextStatistics(std::string text, StatisticsScope scope, const LocaleCollator& collator,
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
    QLineEdit* m_edtCharacters;
    QLineEdit* m_edtWords;
    QLineEdit* m_edtOtherWords;
    QPushButton* m_btnMore;
    QPushButton* m_btnClose;
    QPlainTextEdit* m_edtWordStatistics;
};

}  // namespace sj
