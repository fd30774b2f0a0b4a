// The caret tokens of the find and replace boxes: a text whose token form
// cannot have been cut (a character takes at most two token characters)
// comes back unchanged from it.
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "text/Utf8.h"
#include "texttools/FindTokens.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)sj::findtokens::decode(text);
    (void)sj::findtokens::encodePasted(text);
    const std::string token = sj::findtokens::encode(text);
    if (sj::utf8::isValid(text) && 2 * sj::utf8::countChars(text) <= sj::findtokens::kMaxTokenChars)
        FUZZ_CHECK(sj::findtokens::decode(token) == text);
    return 0;
}
