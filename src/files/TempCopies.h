#pragma once
// Temporary copies of documents ("qva~<n>.<ext>") handed to other programs,
// and the list of them that is deleted when the program ends.
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class TempCopies {
public:
    static constexpr int kMaxNumber = 9999;

    // Creates the first free dir/qva~<n>.<ext> (n from 0 to 9999) exclusively
    // and writes bytes to it. Never writes over an existing file: when every
    // number is taken, or writing fails, returns "" and sets error.
    std::string create(const std::string& dir, std::string_view ext, std::string_view bytes,
                       std::string* error = nullptr);

    // The directory for copies: $TMPDIR, else /tmp.
    static std::string defaultDirectory();

    static std::string copyName(int number, std::string_view ext);

    const std::vector<std::string>& files() const { return m_files; }

    // Deletes every copy made (at exit). Returns how many could not be deleted.
    std::size_t deleteAll();

private:
    std::vector<std::string> m_files;
    std::vector<int> m_locks;  // an open descriptor per copy, holding its in-use lock
};

}  // namespace sj
