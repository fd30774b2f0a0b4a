#pragma once
// Helpers shared by the line operation tests.
#include <random>
#include <string>
#include <vector>

namespace sj::testing {

inline std::string crlf(const std::vector<std::string>& lines, bool finalBreak = false) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    if (finalBreak) out += "\r\n";
    return out;
}

// Random text over a small alphabet rich in blanks, breaks of every kind and non-ASCII.
inline std::string randomText(std::mt19937& rng, std::size_t pieces) {
    static const std::vector<std::string> alphabet = {
        "a",    "B",  "c",  " ", " ",        "\t",           "\r\n", "\r\n",
        "\r\n", "\r", "\n", "-", "\xC3\xA4", "\xE2\x82\xAC", "z",    "Q"};
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string s;
    for (std::size_t i = 0; i < pieces; ++i) s += alphabet[pick(rng)];
    return s;
}

}  // namespace sj::testing
