#pragma once
// The caret token language of the find and replace boxes: ^T tab, ^P CR LF,
// ^C CR, ^L LF, ^B form feed, ^^ caret (letters in either case).
#include <cstddef>
#include <string>
#include <string_view>

namespace sj::findtokens {

// Longest token text placed into a box from a selection or the clipboard.
constexpr std::size_t kMaxTokenChars = 254;
// Longest clipboard text a paste into a box takes.
constexpr std::size_t kMaxPasteChars = 255;

// The text a token string stands for. A caret before any other character, or
// at the very end, stays as it is.
std::string decode(std::string_view token);

// Token form of a plain text, cut at kMaxTokenChars characters. A token is never
// cut in half, and a caret is doubled where it would otherwise start a token,
// so that decode(encode(t)) gives t back whenever nothing was cut.
std::string encode(std::string_view text);

// Token form of clipboard text pasted into a box: its first kMaxPasteChars
// characters, encoded.
std::string encodePasted(std::string_view clipboard);

}  // namespace sj::findtokens
