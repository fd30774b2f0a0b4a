#pragma once
// `InputQueryDialog`: the one-line input dialog (modal, centred, on top).
#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;

namespace sj {

class InputQueryDialog : public QDialog {
    Q_OBJECT
public:
    struct Request {
        QString caption = QStringLiteral("Input");
        QString label = QStringLiteral("&Question:");
        int clientWidth = 300;
        int maxLength = 0;  // 0 means 255
        QString defaultText;
        QString acceptedChars;  // empty: every character
        QString refusedChars;   // dropped as typed, like control characters
        // When set, characters it refuses are dropped as they are typed.
        std::function<bool(char32_t)> acceptsChar;
        bool acceptEmpty = false;  // for ask(): an empty answer counts as success
    };

    explicit InputQueryDialog(const Request& request, QWidget* parent = nullptr);
    QString text() const;

    // First form: true for OK, with the text (possibly empty).
    static bool query(const Request& request, QString& text, QWidget* parent = nullptr);
    // Second form: true only for OK with a non-empty text, unless acceptEmpty.
    static bool ask(const Request& request, QString& text, QWidget* parent = nullptr);

    // Tests answer instead of a user: return false for Cancel.
    using Responder = bool (*)(const Request& request, QString& text);
    static void setTestResponder(Responder responder);

private:
    QLineEdit* m_edit;
};

}  // namespace sj
