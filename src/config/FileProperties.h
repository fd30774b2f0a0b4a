#pragma once
// The per-file settings remembered for a document.
#include <string>

#include "config/FontText.h"

namespace sj {

struct FileProperties {
    bool oemText = false;
    // The page follows the window's font, word wrap and tabs; only the OEM flag
    // and the line format mean anything then.
    bool defaultSettings = true;
    bool wordWrap = false;
    int lineFormat = 0;  // 0 CR LF, 1 UNIX LF; 2 is read and saved like 0
    // The user chose the line format; otherwise a file's own breaks decide it
    // at every load, and the stored one is only for a file without breaks.
    bool lineFormatChosen = false;
    int fontSize = 0;      // 0 leaves the page's size alone
    std::string fontName;  // at most 31 characters
    FontStyle fontStyle;
    std::string tabSettings;  // text form with ";" (the file keeps "/")

    bool operator==(const FileProperties&) const = default;
};

}  // namespace sj
