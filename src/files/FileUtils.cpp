#include "files/FileUtils.h"

#include <fnmatch.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace sj::fileutils {

namespace {

std::string_view lastComponent(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Offset of the extension's dot in path, or npos. A dot that starts the file
// name (".profile") marks a hidden file, not an extension.
std::size_t extensionDot(std::string_view path) {
    const std::string_view last = lastComponent(path);
    const auto dot = last.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return std::string_view::npos;
    return path.size() - last.size() + dot;
}

std::string stripTrailingSlashes(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

}  // namespace

std::string backupName(std::string_view name, bool withBak) {
    if (withBak) return changeExtension(name, "BAK");
    return changeExtension(name, "~" + extensionOf(name));
}

std::string join(std::string_view dir, std::string_view name) {
    if (dir.empty()) return std::string(name);
    while (!name.empty() && name.front() == '/') name.remove_prefix(1);
    std::string out(dir);
    if (out.back() != '/') out += '/';
    out += name;
    return out;
}

std::string directoryOf(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    std::string dir(path.substr(0, slash));
    dir = stripTrailingSlashes(std::move(dir));
    return dir.empty() ? "/" : dir;
}

std::string fileNameOf(std::string_view path) {
    return std::string(lastComponent(path));
}

std::string extensionOf(std::string_view name) {
    const auto dot = extensionDot(name);
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

bool hasExtension(std::string_view name) {
    return extensionDot(name) != std::string_view::npos;
}

std::string baseName(std::string_view name) {
    std::string_view last = lastComponent(name);
    const auto dot = extensionDot(last);
    return std::string(dot == std::string_view::npos ? last : last.substr(0, dot));
}

std::string changeExtension(std::string_view name, std::string_view ext) {
    if (!ext.empty() && ext.front() == '.') ext.remove_prefix(1);
    const auto dot = extensionDot(name);
    std::string out(dot == std::string_view::npos ? name : name.substr(0, dot));
    if (!ext.empty()) {
        out += '.';
        out += ext;
    }
    return out;
}

std::string relativeTo(std::string_view dir, std::string_view name) {
    if (name.find('/') == std::string_view::npos) return std::string(name);
    if (stripTrailingSlashes(std::string(dir)) == directoryOf(name)) return fileNameOf(name);
    return std::string(name);
}

bool isExecutable(const std::string& name) {
    std::error_code ec;
    return fs::is_regular_file(name, ec) && ::access(name.c_str(), X_OK) == 0;
}

bool hasWildcards(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

std::string longName(std::string_view name, std::string_view cwd) {
    fs::path p{std::string(name)};
    if (p.is_relative()) {
        fs::path base;
        if (!cwd.empty()) {
            base = fs::path(std::string(cwd));
        } else {
            std::error_code ec;
            base = fs::current_path(ec);
            if (ec) base = "/";
        }
        p = base / p;
    }
    std::string out = p.lexically_normal().string();
    return stripTrailingSlashes(std::move(out));
}

std::vector<std::string> filesMatching(std::string_view pattern) {
    std::vector<std::string> result;
    const std::string dir = directoryOf(pattern);
    std::string mask = fileNameOf(pattern);
    if (mask == "*.*") mask = "*";
    if (mask.empty()) return result;
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : fs::path(dir), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc)) continue;
        const std::string entry = it->path().filename().string();
        if (::fnmatch(mask.c_str(), entry.c_str(), 0) == 0) result.push_back(join(dir, entry));
    }
    std::sort(result.begin(), result.end());
    return result;
}

bool directoryExists(std::string_view dir) {
    const std::string d = stripTrailingSlashes(std::string(dir));
    if (d.empty() || d == "/") return true;
    std::error_code ec;
    return fs::is_directory(d, ec);
}

bool fileExists(const std::string& name) {
    std::error_code ec;
    return !name.empty() && fs::is_regular_file(name, ec);
}

bool directoryWritable(std::string_view dir) {
    std::string probe = join(dir.empty() ? std::string_view(".") : dir, ".qva~probe.XXXXXX");
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool makeDirectories(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec);
}

}  // namespace sj::fileutils
