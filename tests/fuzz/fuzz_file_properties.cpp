// Lines of FileProperties.inf: whatever a line holds, the line written for
// the record read from it reads back as a record that is written the same
// again (writing cuts what is too long once, and then nothing changes).
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "config/FilePropertiesStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Lines end as the store reads them: at CR LF, a lone CR or a lone LF.
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        for (bool older : {false, true}) {
            const auto parsed = sj::FilePropertiesStore::parseLine(line, older);
            if (!parsed) continue;
            const std::string written = sj::FilePropertiesStore::formatLine(parsed->first, parsed->second);
            const auto back = sj::FilePropertiesStore::parseLine(written);
            FUZZ_CHECK(back.has_value());
            FUZZ_CHECK(back->first == parsed->first);
            FUZZ_CHECK(sj::FilePropertiesStore::formatLine(back->first, back->second) == written);
        }
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return 0;
}
