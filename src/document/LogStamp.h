#pragma once
// The time stamp added to a log document (first line ".LOG") when it opens.
#include <string>
#include <string_view>

namespace sj {

class LogStamp {
public:
    // The first line, upper-cased, is exactly ".LOG".
    static bool isLogDocument(std::string_view text);
    // That many bytes from the start decide isLogDocument, so a page asks for
    // them instead of its whole text.
    static constexpr std::size_t kDecidingBytes = 5;

    // What apply() appends to a text whose last bytes (two suffice) are textEnd.
    static std::string tail(std::string_view textEnd, std::string_view stamp);

    // Appends an empty line and a line holding stamp to CR LF text, so the
    // caret (put at the end by the caller) lands on the line below the stamp.
    // Returns false and leaves the text alone when it is not a log document.
    static bool apply(std::string& text, std::string_view stamp);

    // The stamp used when no date pattern is set: ">> " + short date + " hh:nn".
    static std::string defaultStamp(std::string_view shortDate, int hour, int minute);
};

}  // namespace sj
