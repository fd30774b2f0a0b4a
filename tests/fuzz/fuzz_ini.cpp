// The configuration file reader: any bytes read, written and read again give
// the same file.
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "config/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sj::IniFile ini;
    ini.parse(bytes);
    (void)ini.readInteger("Options", "TabSettings", 0);
    (void)ini.readBool("Options", "WordWrap", false);
    (void)ini.readSection("History");
    const std::string once = ini.serialize();
    sj::IniFile again;
    again.parse(once);
    FUZZ_CHECK(again.serialize() == once);
    return 0;
}
