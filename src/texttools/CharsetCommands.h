#pragma once
// Convert to Ascii / Convert to Ansi: reinterprets the document between the Windows and the
// DOS character set through the historical byte tables (lossy: line-drawing characters
// become spaces, curly quotes an apostrophe).
#include <cstddef>
#include <string>
#include <string_view>

namespace sj {

// "Convert to &Ansi Text" for a document marked as DOS text, else "Convert to &Ascii Text".
std::string convertTextCaption(bool oemText);
inline constexpr const char* kConvertTextHint = "Convert current document to ASCII or ANSI";

// Text taken as DOS bytes shown as Windows text (toOem = true), or the reverse. Characters
// outside the Windows-1252 repertoire have no byte to convert and stay as they are; the
// character count never changes.
std::string convertCharset(std::string_view text, bool toOem);

struct CharsetConversion {
    std::string text;          // the whole new document text
    bool oemText = false;      // the document's new DOS-text flag
    std::size_t selStart = 0;  // the previous selection, same characters, in the new text
    std::size_t selLength = 0;
    // True when the document had no unsaved changes: clear its undo history and keep it
    // unmodified. False: it stays modified.
    bool keepUnmodified = false;
};

CharsetConversion convertText(std::string_view text, bool oemText, std::size_t selStart,
                              std::size_t selLength, bool modified);

}  // namespace sj
