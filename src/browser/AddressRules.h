#pragma once
// How a piece of text written in a document becomes an address for the
// browser: links, host names, mail addresses and local files.
#include <string>
#include <string_view>

namespace sj::address {

struct FormedAddress {
    std::string address;
    bool ask = false;  // too unsure to open at once: the user confirms or completes it
};

// Characters that end a link when the selection is widened over it.
bool isLinkDelimiter(char c);
// Characters that end a file name written in the text. "/" belongs to a name
// here: it separates the directories of a path.
bool isFileNameDelimiter(char c);

// A typed or selected text as an address: scheme addresses, "href" marks,
// host names ("www.example.com" gains "http://") and local HTML files.
FormedAddress fromText(std::string_view text);

// "mailto:" and the mail address around the first "@"; "" without an "@".
std::string mailFromText(std::string_view text);

// The address of a local file (an absolute path), percent-encoded where a
// browser would misread the name ("#", "?", "%", blanks, ...).
std::string fileUrl(std::string_view absolutePath);

}  // namespace sj::address
