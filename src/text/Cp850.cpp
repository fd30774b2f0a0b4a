#include "text/Cp850.h"

#include <array>

#include "text/SingleByteCodec.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj::cp850 {
namespace {

constexpr std::array<char16_t, 128> kHigh = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // F8
};

// Unicode (< U+0100 only) -> code page 850 byte, 0 when absent.
struct Latin1Reverse {
    std::array<unsigned char, 256> byte{};
    constexpr Latin1Reverse() {
        for (unsigned i = 0; i < 128; ++i) byte[i] = static_cast<unsigned char>(i);
        for (unsigned i = 0; i < 128; ++i)
            if (kHigh[i] < 0x100) byte[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
    }
};
constexpr Latin1Reverse kLatin1Reverse;

// The command tables: "same character in the other code page" with the listed exceptions.
struct CommandTables {
    std::array<unsigned char, 256> oemToAnsi{};
    std::array<unsigned char, 256> ansiToOem{};
};

CommandTables buildCommandTables() {
    CommandTables t;
    for (unsigned i = 0; i < 128; ++i) t.oemToAnsi[i] = t.ansiToOem[i] = static_cast<unsigned char>(i);
    for (unsigned b = 0x80; b < 0x100; ++b) {
        const auto ansi = cp1252::fromUnicode(kHigh[b - 0x80]);
        t.oemToAnsi[b] = ansi ? *ansi : ' ';
    }
    for (const unsigned b : {0x9Fu, 0xC5u, 0xD5u, 0xDFu, 0xEEu, 0xEFu, 0xF0u, 0xF2u, 0xF7u, 0xFEu, 0xFFu})
        t.oemToAnsi[b] = ' ';
    for (const auto& [lo, hi] :
         {std::pair{0xB0u, 0xB4u}, {0xB9u, 0xBCu}, {0xBFu, 0xC3u}, {0xC8u, 0xCEu}, {0xD9u, 0xDCu}})
        for (unsigned b = lo; b <= hi; ++b) t.oemToAnsi[b] = ' ';
    t.oemToAnsi[0xC4] = 0xAF;
    t.oemToAnsi[0xE7] = 0xDE;
    t.oemToAnsi[0xE8] = 0xFE;

    for (unsigned b = 0x80; b < 0x100; ++b) {
        const auto oem = fromUnicode(cp1252::toUnicode(static_cast<unsigned char>(b)));
        t.ansiToOem[b] = oem ? *oem : ' ';
    }
    for (unsigned b = 0x80; b <= 0x90; ++b) t.ansiToOem[b] = ' ';
    for (unsigned b = 0x93; b <= 0xA0; ++b) t.ansiToOem[b] = ' ';
    t.ansiToOem[0x91] = t.ansiToOem[0x92] = t.ansiToOem[0xB4] = '\'';
    t.ansiToOem[0xAD] = '-';
    t.ansiToOem[0xB8] = ',';
    t.ansiToOem[0xAF] = 0xC4;
    t.ansiToOem[0xDE] = 0xE7;
    t.ansiToOem[0xFE] = 0xE8;
    return t;
}

const CommandTables& commandTables() {
    static const CommandTables tables = buildCommandTables();
    return tables;
}

}  // namespace

char32_t toUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : kHigh[byte - 0x80];
}

std::optional<unsigned char> fromUnicode(char32_t cp) {
    if (cp < 0x100) {
        const unsigned char b = kLatin1Reverse.byte[cp];
        if (b != 0 || cp == 0) return b;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string toUtf8(std::string_view oemBytes) {
    return singlebyte::toUtf8(oemBytes, toUnicode);
}

std::optional<std::string> fromUtf8(std::string_view utf8In, std::size_t* unmappable) {
    return singlebyte::fromUtf8(utf8In, unmappable, fromUnicode);
}

unsigned char oemToAnsi(unsigned char oemByte) {
    return commandTables().oemToAnsi[oemByte];
}
unsigned char ansiToOem(unsigned char ansiByte) {
    return commandTables().ansiToOem[ansiByte];
}

}  // namespace sj::cp850
