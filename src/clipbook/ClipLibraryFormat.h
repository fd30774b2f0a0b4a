#pragma once
// The clip library file ("*.clb"): header line, single-line and multi-line
// forms. Everything here works on UTF-8 text with CR LF inside; the
// conversion from and to the bytes of the file is in ClipLibraryCodec.h.
#include <string>
#include <string_view>
#include <vector>

#include "clipbook/ClipItem.h"

namespace sj {

struct ClipLibraryData {
    std::vector<ClipItem> items;  // in file order
    bool multiLine = true;
    bool sorted = true;
    int tabWidth = 30;
    // The file was written in the exact form (header word "ExactLines"): every
    // body line stands as it is, "." is an empty line and a line starting
    // with "." has one more dot in front. Written only for libraries the
    // older multi-line form cannot carry unchanged.
    bool exactLines = false;
};

// Reads a library text. Lines end at CR LF, lone CR or lone LF. sorted and
// tabWidth of data are the values a file without header keeps; items are
// appended in file order (sorting is the list's business).
void parseClipLibrary(std::string_view text, ClipLibraryData& data);

// The header line for the given settings, e.g. "=MultiLine NoSorting TabWidth=30".
std::string clipLibraryHeader(bool multiLine, bool sorted, int tabWidth);

// True when every item survives the single-line form unchanged: title equal to
// body and no line break in it (items with an empty body are dropped by both forms).
bool fitsSingleLineForm(const std::vector<ClipItem>& items);

// Builds the whole file text, every line ending with CR LF. A single-line
// library whose items do not fit that form is written in the multi-line form,
// so that no title or line is lost; usedMultiLine tells which form was written.
// A multi-line library is written in the older form whenever that reads back
// the same items (so such a file is written byte for byte as before), else in
// the exact form.
std::string formatClipLibrary(const ClipLibraryData& data, bool* usedMultiLine = nullptr);

}  // namespace sj
