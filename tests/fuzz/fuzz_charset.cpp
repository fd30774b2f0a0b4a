// Character sets: every byte string read as Windows-1252 or as code page 850
// is written back as the same bytes, and UTF-8 decoding never runs past the
// text or stalls.
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "text/Cp850.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string ansi = sj::cp1252::toUtf8(bytes);
    FUZZ_CHECK(sj::utf8::isValid(ansi));
    FUZZ_CHECK(sj::cp1252::fromUtf8(ansi) == std::optional<std::string>(std::string(bytes)));

    const std::string oem = sj::cp850::toUtf8(bytes);
    FUZZ_CHECK(sj::utf8::isValid(oem));
    FUZZ_CHECK(sj::cp850::fromUtf8(oem) == std::optional<std::string>(std::string(bytes)));

    // Whatever a UTF-8 text holds, encoding it in a single-byte set either
    // succeeds or says it cannot.
    (void)sj::cp1252::fromUtf8(bytes);
    (void)sj::cp850::fromUtf8(bytes);

    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t before = pos;
        (void)sj::utf8::decode(bytes, pos);
        FUZZ_CHECK(pos > before && pos <= bytes.size());
    }
    if (sj::utf8::isValid(bytes)) {
        std::string again;
        pos = 0;
        while (pos < bytes.size()) sj::utf8::append(again, sj::utf8::decode(bytes, pos));
        FUZZ_CHECK(again == bytes);
    }
    return 0;
}
