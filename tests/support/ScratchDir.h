#pragma once
// A scratch directory per test, removed afterwards, with small file helpers.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace sj::test {

class ScratchDir {
public:
    ScratchDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "sj-docio-XXXXXX").string();
        m_path = ::mkdtemp(tmpl.data());
    }
    ~ScratchDir() {
        std::error_code ec;
        // Undo any permission games a test played so the tree can go.
        for (auto& e : std::filesystem::recursive_directory_iterator(m_path, ec))
            std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string p = file(name);
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }

private:
    std::string m_path;
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Runs f with the effective user switched away from root, so permission bits
// bite as they do for an ordinary user. Without root, f runs as is.
template <typename F>
void asOrdinaryUser(F&& f) {
    const bool root = ::geteuid() == 0;
    if (root && ::seteuid(65534) != 0) return;
    f();
    if (root && ::seteuid(0) != 0) std::abort();
}

}  // namespace sj::test
