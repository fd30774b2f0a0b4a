#pragma once
// `ChoiceQueryDialog`: the drop-down input dialog.
#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;

namespace sj {

class ChoiceQueryDialog : public QDialog {
    Q_OBJECT
public:
    struct Entry {
        QString text;
        QString value;
    };
    struct Request {
        QString caption = QStringLiteral("Input");
        QString label = QStringLiteral("&Question:");
        int clientWidth = 300;
        int maxLength = 0;  // 0 means 255
        QList<Entry> entries;
        int selected = -1;
        QString defaultText;  // shown when no entry is selected
        bool mustPick = false;
    };
    struct Result {
        QString text;
        int index = -1;        // entry chosen, -1 when the text is not one
        QList<Entry> entries;  // the list as the dialog left it (typed text added on top)
    };

    explicit ChoiceQueryDialog(const Request& request, QWidget* parent = nullptr);
    static bool ask(const Request& request, Result& result, QWidget* parent = nullptr);

    using Responder = bool (*)(const Request& request, Result& result);
    static void setTestResponder(Responder responder);

private:
    void done(int r) override;
    QComboBox* m_combo;
    Request m_request;
};

}  // namespace sj
