#include "clipbook/ui/ClipEditorDialog.h"
#include "config/WindowKeys.h"
#include "widgets/ui/InputFieldGroup.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace sj {

ClipEditorDialog::ClipEditorDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      PlacementWindow(this) {
    KeyPrefix = windowkeys::kClipEditorDialog;
    PlacementGroups = WindowPlacement::Size | WindowPlacement::Position;
    CentredByDesign = true;
    setWindowTitle(QStringLiteral("Edit Clipbook Item"));
    setSizeGripEnabled(true);
    new InputFieldGroup(this);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    m_content = new ClipContentEdit(this);
    m_title = new ClipTitleEdit(*m_content, this);
    m_title->setToolTip(QStringLiteral("Edit Clipbook item header"));
    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setToolTip(QStringLiteral("Save changes made to Clipbook item"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setToolTip(QStringLiteral("Cancel changes made to Clipbook item"));
    row->addWidget(m_title, 1);
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    layout->addLayout(row);
    m_content->setToolTip(QStringLiteral("Edit Clipbook item content"));
    m_content->setTabChangesFocus(false);
    m_content->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_content->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(m_content, 1);
    setTabOrder(m_title, m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_content);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(400, 166);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void ClipEditorDialog::setContent(const QString& title, const std::string& body) {
    QString text = QString::fromStdString(body);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setContent(title, text);
}

void ClipEditorDialog::setContent(const QString& title, const QString& body) {
    m_title->setText(title);
    m_content->setText(body);
}

QString ClipEditorDialog::title() const {
    return m_title->text();
}

std::string ClipEditorDialog::body() const {
    QString text = m_content->toPlainText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

void ClipEditorDialog::setWordWrap(bool on) {
    m_content->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool ClipEditorDialog::wordWrap() const {
    return m_content->lineWrapMode() != QPlainTextEdit::NoWrap;
}

}  // namespace sj
