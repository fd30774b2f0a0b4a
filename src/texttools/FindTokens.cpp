#include "texttools/FindTokens.h"

#include "text/Utf8.h"

namespace sj::findtokens {

namespace {

char tokenChar(char letter) {
    switch (letter) {
        case 't':
        case 'T':
            return '\t';
        case 'c':
        case 'C':
            return '\r';
        case 'l':
        case 'L':
            return '\n';
        case 'b':
        case 'B':
            return '\f';
        case '^':
            return '^';
        default:
            return 0;
    }
}

bool startsToken(char c) {
    return c == 'p' || c == 'P' || c == '^' || tokenChar(c) != 0 || c == '\t' || c == '\r' || c == '\n' ||
           c == '\f';
}

}  // namespace

std::string decode(std::string_view token) {
    std::string out;
    out.reserve(token.size());
    for (std::size_t i = 0; i < token.size(); ++i) {
        const char c = token[i];
        if (c != '^' || i + 1 == token.size()) {
            out.push_back(c);
            continue;
        }
        const char next = token[i + 1];
        if (next == 'p' || next == 'P') {
            out += "\r\n";
            ++i;
        } else if (const char t = tokenChar(next)) {
            out.push_back(t);
            ++i;
        } else {
            out.push_back(c);  // the following character is copied on the next round
        }
    }
    return out;
}

std::string encode(std::string_view text) {
    std::string out;
    std::size_t chars = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::string_view piece;
        std::size_t consumed = 1;
        const char c = text[pos];
        if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
            piece = "^P";
            consumed = 2;
        } else if (c == '\t') {
            piece = "^T";
        } else if (c == '\n') {
            piece = "^L";
        } else if (c == '\f') {
            piece = "^B";
        } else if (c == '\r') {
            piece = "^C";
        } else if (c == '^') {
            const bool ambiguous = pos + 1 == text.size() ? false : startsToken(text[pos + 1]);
            piece = ambiguous ? "^^" : "^";
        } else {
            consumed = utf8::seqLength(static_cast<unsigned char>(c));
            if (pos + consumed > text.size()) consumed = text.size() - pos;
            piece = text.substr(pos, consumed);
        }
        const std::size_t pieceChars = piece[0] == '^' ? piece.size() : 1;
        if (chars + pieceChars > kMaxTokenChars) break;
        out += piece;
        chars += pieceChars;
        pos += consumed;
    }
    return out;
}

std::string encodePasted(std::string_view clipboard) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < kMaxPasteChars && pos < clipboard.size(); ++n) {
        pos += utf8::seqLength(static_cast<unsigned char>(clipboard[pos]));
    }
    return encode(clipboard.substr(0, std::min(pos, clipboard.size())));
}

}  // namespace sj::findtokens
