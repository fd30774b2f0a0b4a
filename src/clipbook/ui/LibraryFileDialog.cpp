#include "clipbook/ui/LibraryFileDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include "clipbook/LibraryNames.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/ListField.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {

LibraryFileDialog::LibraryFileDialog(const QString& directory, bool saveMode, QWidget* parent)
    : QDialog(parent), m_directory(directory), m_save(saveMode) {
    setWindowTitle(saveMode ? QStringLiteral("Save Clipbook File") : QStringLiteral("Open Clipbook File"));
    setToolTip(QStringLiteral("Clipbook Templates"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    new InputFieldGroup(this);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Clipbook Template:"), this);
    m_name = new LineField(this);
    m_name->setToolTip(QStringLiteral("Clipbook template name"));
    m_name->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^*?\\\\]*")), m_name));
    label->setBuddy(m_name);
    m_list = new ListField(this);
    m_list->setToolTip(QStringLiteral("List of available clipbook templates"));
    QStringList names;
    for (const QFileInfo& fi : QDir(directory).entryInfoList({QStringLiteral("*.clb")}, QDir::Files))
        if (hasLibraryExtension(fi.fileName().toStdString())) names << fi.completeBaseName();
    names.sort(Qt::CaseInsensitive);
    names.removeDuplicates();  // "a.clb" beside "a.CLB"
    m_list->addItems(names);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addWidget(label);
    layout->addWidget(m_name);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    // Open mode takes only listed names: typing just narrows the choice.
    m_name->setReadOnly(!saveMode);
    connect(m_list, &QListWidget::currentTextChanged, this, [this](const QString& t) {
        m_name->setText(t);
        updateOk();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_ok->isEnabled()) tryAccept();
    });
    connect(m_name, &QLineEdit::textChanged, this, &LibraryFileDialog::updateOk);
    connect(m_ok, &QPushButton::clicked, this, &LibraryFileDialog::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(260, 300);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void LibraryFileDialog::updateOk() {
    m_ok->setEnabled(m_save ? !m_name->text().isEmpty() : m_list->currentRow() >= 0);
}

void LibraryFileDialog::tryAccept() {
    const QString name = m_name->text();
    if (name.isEmpty()) return;
    const QString full =
        QString::fromStdString(libraryFilePath(m_directory.toStdString(), name.toStdString()));
    const bool exists = QFileInfo(full).isFile();
    if (!m_save) {
        if (!exists) {
            msg::info(QStringLiteral("\"%1\" does not exist!").arg(name));
            return;
        }
    } else if (exists && !msg::askYesNo(QStringLiteral("\"%1\" already exists! Overwrite file?").arg(name))) {
        return;
    }
    m_result = full;
    accept();
}

QString LibraryFileDialog::run(const QString& directory, bool saveMode, QWidget* parent) {
    LibraryFileDialog dialog(directory, saveMode, parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.fileName();
}

}  // namespace sj
