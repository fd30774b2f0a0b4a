// Clip library files: any bytes decode, parse and format without harm, and
// the bytes of a library read in one character set are written back as they
// were when nothing changed.
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "clipbook/ClipLibraryCodec.h"
#include "clipbook/ClipLibraryFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const sj::DecodedLibraryText decoded = sj::decodeLibraryBytes(bytes);
    if (!decoded.stoppedAtNul) {
        const sj::EncodedLibraryText encoded = sj::encodeLibraryText(decoded.text, decoded.charset);
        FUZZ_CHECK(encoded.charset == decoded.charset);
        FUZZ_CHECK(encoded.bytes == bytes);
    }
    sj::ClipLibraryData library;
    sj::parseClipLibrary(decoded.text, library);
    for (bool multiLine : {true, false}) {
        library.multiLine = multiLine;
        bool usedMultiLine = false;
        const std::string text = sj::formatClipLibrary(library, &usedMultiLine);
        sj::ClipLibraryData again;
        sj::parseClipLibrary(text, again);
        FUZZ_CHECK(again.multiLine == usedMultiLine);
    }
    return 0;
}
