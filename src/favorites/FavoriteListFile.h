#pragma once
// A favourites list file ("<name>.fvr"): one entry a line. Read with CR LF,
// lone CR or lone LF as line ends; written whole with CR LF after every line,
// through a temporary file, in the character set it was read in (UTF-8 when
// new; a Windows-1252 file that gained a character it cannot hold becomes UTF-8).
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class FavoriteListFile {
public:
    enum class Charset { Utf8, Utf8WithBom, Windows1252 };

    struct Contents {
        std::vector<std::string> entries;  // UTF-8
        Charset charset = Charset::Utf8;
    };

    static Contents parse(std::string_view bytes);
    static std::string format(const std::vector<std::string>& entries, Charset charset);

    // A missing or unreadable file is an empty list.
    static Contents load(const std::string& path);
    // Empty on success, otherwise the reason the file could not be written
    // (the old file is then untouched).
    static std::string save(const std::string& path, const std::vector<std::string>& entries,
                            Charset charset = Charset::Utf8);
};

}  // namespace sj
