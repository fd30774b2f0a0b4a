#pragma once
// The open, save and insert dialogs with the program's filter list.
#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace sj {

struct Options;
class DocumentPage;

struct FileDialogChoice {
    std::string fileName;
    std::vector<std::string> fileNames;
    bool readOnly = false;
    bool asciiFilterPresent = false;
    bool asciiFilterChosen = false;
};

// The filter list "Text files (*.txt)|*.txt|..." as the dialog's filters.
QStringList dialogFilters(const std::string& filterList);
// Index of the first entry whose text, upper-cased, contains "ASCII"; -1 when none.
int asciiFilterIndex(const std::string& filterList);

bool askOpenFileNames(QWidget* parent, Options& options, const std::string& startDir, bool browseMode,
                      FileDialogChoice& choice);
bool askSaveFileName(QWidget* parent, Options& options, const std::string& suggestion, bool oem,
                     FileDialogChoice& choice);
bool askInsertFileName(QWidget* parent, Options& options, DocumentPage* page, FileDialogChoice& choice);

}  // namespace sj
