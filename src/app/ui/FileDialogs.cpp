#include "app/ui/FileDialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>

#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"
#include "widgets/ui/StayOnTopWindow.h"

namespace sj {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::vector<std::pair<QString, QString>> filterPairs(const std::string& list) {
    const QStringList parts = q(list).split(QLatin1Char('|'));
    std::vector<std::pair<QString, QString>> pairs;
    for (int i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
    return pairs;
}

// A window that stays on top steps back while the dialog is open.
int execSuspended(QFileDialog& dialog) {
    StayOnTopWindow::DialogGuard guard;
    return dialog.exec();
}

int chosenIndex(const QStringList& filters, const QString& selected) {
    return filters.indexOf(selected);
}

// The file and the character set a single-file dialog ended with.
void takeSingleChoice(const QFileDialog& dialog, const QStringList& filters, int ascii,
                      FileDialogChoice& choice) {
    choice.fileName = dialog.selectedFiles().first().toStdString();
    const int chosen = chosenIndex(filters, dialog.selectedNameFilter());
    choice.asciiFilterPresent = ascii >= 0;
    choice.asciiFilterChosen = ascii >= 0 && chosen == ascii;
}

}  // namespace

QStringList dialogFilters(const std::string& filterList) {
    QStringList out;
    for (auto [text, patterns] : filterPairs(filterList)) {
        // The dialog reads its patterns from the parentheses; give it the real ones.
        const int paren = text.lastIndexOf(QLatin1Char('('));
        if (paren > 0) text = text.left(paren).trimmed();
        // "*.*" means every file here, also those without a dot in the name.
        QStringList masks = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& m : masks)
            if (m.trimmed() == QLatin1String("*.*")) m = QStringLiteral("*");
        out << text + QStringLiteral(" (") + masks.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    if (out.isEmpty()) out << QStringLiteral("All files (*)");
    return out;
}

int asciiFilterIndex(const std::string& filterList) {
    const auto pairs = filterPairs(filterList);
    for (std::size_t i = 0; i < pairs.size(); ++i)
        if (pairs[i].first.toUpper().contains(QLatin1String("ASCII"))) return static_cast<int>(i);
    return -1;
}

bool askOpenFileNames(QWidget* parent, Options& options, const std::string& startDir, bool browseMode,
                      FileDialogChoice& choice) {
    QFileDialog dialog(parent, QStringLiteral("Open Document(s)"), q(startDir));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = dialogFilters(options.fileBoxFilter);
    dialog.setNameFilters(filters);
    const int id = std::clamp(options.fileBoxFilterId - 1, 0, static_cast<int>(filters.size()) - 1);
    dialog.selectNameFilter(filters.value(id));
    dialog.setDefaultSuffix(q(options.fileBoxExt));
    QCheckBox* readOnly = nullptr;
    if (!browseMode) {
        readOnly = new QCheckBox(QStringLiteral("Open as &read-only"), &dialog);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
            grid->addWidget(readOnly, grid->rowCount(), 0, 1, -1);
    }
    if (execSuspended(dialog) != QDialog::Accepted) return false;
    options.defaultDirectory = dialog.directory().absolutePath().toStdString();
    const int chosen = chosenIndex(filters, dialog.selectedNameFilter());
    options.fileBoxFilterId = chosen + 1;
    const int ascii = asciiFilterIndex(options.fileBoxFilter);
    choice.asciiFilterPresent = ascii >= 0;
    choice.asciiFilterChosen = ascii >= 0 && chosen == ascii;
    choice.readOnly = browseMode || (readOnly && readOnly->isChecked());
    for (const QString& f : dialog.selectedFiles()) choice.fileNames.push_back(f.toStdString());
    return !choice.fileNames.empty();
}

bool askSaveFileName(QWidget* parent, Options& options, const std::string& suggestion, bool oem,
                     FileDialogChoice& choice) {
    std::string start = suggestion;
    if (fileutils::directoryOf(start).empty() && !options.defaultSaveDirectory.empty())
        start = fileutils::join(options.defaultSaveDirectory, start);
    QFileDialog dialog(parent, QStringLiteral("Save Document"), q(start));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = dialogFilters(options.fileBoxFilter);
    dialog.setNameFilters(filters);
    const int ascii = asciiFilterIndex(options.fileBoxFilter);
    int preselect = std::clamp(options.fileBoxFilterId - 1, 0, static_cast<int>(filters.size()) - 1);
    if (oem && ascii >= 0) preselect = ascii;
    dialog.selectNameFilter(filters.value(preselect));
    dialog.setDefaultSuffix(q(options.fileBoxExt));
    dialog.selectFile(q(start));
    if (execSuspended(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    takeSingleChoice(dialog, filters, ascii, choice);
    if (const int chosen = chosenIndex(filters, dialog.selectedNameFilter()); chosen >= 0)
        options.fileBoxFilterId = chosen + 1;
    return true;
}

bool askInsertFileName(QWidget* parent, Options& options, DocumentPage* page, FileDialogChoice& choice) {
    const std::string startDir = options.directoryTracking && page->hasFileName()
                                     ? fileutils::directoryOf(page->fileName())
                                     : options.defaultDirectory;
    QFileDialog dialog(parent, QStringLiteral("Insert Document"), q(startDir));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = dialogFilters(options.fileBoxFilter);
    dialog.setNameFilters(filters);
    const int ascii = asciiFilterIndex(options.fileBoxFilter);
    if (page->oem() && ascii >= 0) dialog.selectNameFilter(filters.value(ascii));
    if (page->hasFileName())
        dialog.selectFile(QStringLiteral("*.") + q(fileutils::extensionOf(page->fileName())));
    if (execSuspended(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    takeSingleChoice(dialog, filters, ascii, choice);
    return true;
}

}  // namespace sj
