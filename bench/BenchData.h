#pragma once
// Test data shared by the load, save and editor benchmarks: a scratch directory
// (kept when the comparison scripts name one, so they can time the standard
// tools on the same files) and 50 MB of generated lines.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace sj::bench {

constexpr int kLines = 1'200'000;

// $envVar when set, else a scratch directory removed at exit.
inline std::string dataDirectory(const char* envVar, const char* prefix) {
    if (const char* d = std::getenv(envVar); d && *d) {
        std::filesystem::create_directories(d);
        return d;
    }
    std::string tmpl = (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    std::string made = ::mkdtemp(tmpl.data());
    static struct Cleanup {
        std::string path;
        ~Cleanup() { std::filesystem::remove_all(path); }
    } cleanup{made};
    return made;
}

// 1.2 million lines of about 42 bytes: roughly 50 MB.
inline std::string makeText(const char* lineBreak, bool windows1252) {
    std::string s;
    s.reserve(kLines * 44);
    const std::string filler = windows1252 ? "Caf\xE9 cr\xE8me br\xFBl\xE9\x65 \x80 and more words "
                                           : "The quick brown fox jumps over the dog ";
    for (int i = 0; i < kLines; ++i) {
        s += filler.substr(0, 34);
        s += std::to_string(1000000 + i);
        s += lineBreak;
    }
    return s;
}

}  // namespace sj::bench
