#include "app/RecoveryStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace sj {

namespace {

constexpr std::string_view kExtension = ".sjrec";

bool fail(std::string* error, std::string text) {
    if (error) *error = std::move(text);
    return false;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A lock nobody holds is taken and kept; -1 when somebody holds it.
int takeLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string newSessionId() {
    std::random_device random;
    char id[40];
    std::snprintf(id, sizeof id, "%ld_%08x", static_cast<long>(::getpid()), random());
    return id;
}

}  // namespace

RecoveryStore::RecoveryStore(std::string directory) : m_dir(std::move(directory)) {}

RecoveryStore::~RecoveryStore() {
    releaseClaims();
    if (m_lockFd >= 0) ::close(m_lockFd);
}

std::string RecoveryStore::lockPath(const std::string& session) const {
    return m_dir + "/" + session + ".lock";
}

std::string RecoveryStore::pathFor(int page) const {
    return m_dir + "/" + m_session + "-" + std::to_string(page) + std::string(kExtension);
}

std::string RecoveryStore::sessionOf(std::string_view fileName) {
    if (fileName.size() <= kExtension.size() ||
        fileName.substr(fileName.size() - kExtension.size()) != kExtension)
        return {};
    const std::string_view stem = fileName.substr(0, fileName.size() - kExtension.size());
    const std::size_t dash = stem.rfind('-');
    if (dash == std::string_view::npos || dash == 0) return {};
    return std::string(stem.substr(0, dash));
}

bool RecoveryStore::beginSession(std::string* error) {
    if (m_lockFd >= 0) return true;
    std::error_code ec;
    std::filesystem::create_directories(m_dir, ec);
    struct stat st {};
    if (::lstat(m_dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return fail(error, "cannot create \"" + m_dir + "\"");
    // The texts of the user's documents: nobody else reads them.
    if ((st.st_mode & 077) != 0) ::chmod(m_dir.c_str(), 0700);
    // Another start tidying away locks of ended sessions may remove a lock
    // between its creation and its flock; a lock that is no longer the file of
    // its name protects nothing, so take a fresh one then.
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_session = newSessionId();
        m_lockFd = takeLock(lockPath(m_session));
        if (m_lockFd < 0) return fail(error, "cannot write to \"" + m_dir + "\": " + std::strerror(errno));
        struct stat byName {
        }, held{};
        if (::stat(lockPath(m_session).c_str(), &byName) == 0 && ::fstat(m_lockFd, &held) == 0 &&
            byName.st_ino == held.st_ino && byName.st_dev == held.st_dev)
            return true;
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    return fail(error, "cannot keep a lock in \"" + m_dir + "\"");
}

std::vector<std::string> RecoveryStore::filesOf(const std::string& session) const {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir, ec)) {
        const std::string name = entry.path().filename().string();
        if (sessionOf(name) == session) files.push_back(entry.path().string());
    }
    return files;
}

void RecoveryStore::endSession() {
    if (m_lockFd < 0) return;
    for (const std::string& file : filesOf(m_session)) ::unlink(file.c_str());
    ::unlink(lockPath(m_session).c_str());
    ::close(m_lockFd);
    m_lockFd = -1;
}

bool RecoveryStore::write(int page, const RecoveryRecord& record, std::string_view text,
                          std::string* error) const {
    if (m_lockFd < 0) return fail(error, "no recovery session");
    const std::string target = pathFor(page);
    const std::string temp = m_dir + "/." + m_session + "-" + std::to_string(page) + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return fail(error, "cannot create \"" + temp + "\": " + std::strerror(errno));
    const bool written = writeAll(fd, record.header()) && writeAll(fd, text) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return fail(error, "cannot write \"" + target + "\": " + std::strerror(written ? errno : savedErrno));
    }
    // The rename itself reaches the disk only with the directory.
    const int dirFd = ::open(m_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

void RecoveryStore::remove(int page) const {
    if (m_lockFd >= 0) ::unlink(pathFor(page).c_str());
}

std::vector<RecoveryStore::Orphan> RecoveryStore::claimOrphans() {
    std::vector<Orphan> orphans;
    std::error_code ec;
    std::map<std::string, bool> dead;  // session -> nobody runs it (claimed now)
    for (const auto& entry : std::filesystem::directory_iterator(m_dir, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string session = sessionOf(name);
        if (session.empty() || session == m_session) continue;
        auto known = dead.find(session);
        if (known == dead.end()) {
            bool claimed = m_claimed.count(session) > 0;
            if (!claimed) {
                const int fd = takeLock(lockPath(session));
                if (fd >= 0) m_claimed[session] = fd;
                claimed = fd >= 0;
            }
            known = dead.emplace(session, claimed).first;
        }
        if (!known->second) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string head(4096, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<std::size_t>(in.gcount()));
        if (auto record = RecoveryRecord::parse(head)) orphans.push_back({entry.path().string(), *record});
    }
    std::sort(orphans.begin(), orphans.end(), [](const Orphan& a, const Orphan& b) {
        return a.record.savedAt != b.record.savedAt ? a.record.savedAt < b.record.savedAt : a.path < b.path;
    });
    removeLeftovers();
    return orphans;
}

void RecoveryStore::removeLeftovers() {
    std::error_code ec;
    std::vector<std::filesystem::path> entries;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir, ec)) entries.push_back(entry.path());
    for (const auto& path : entries) {
        const std::string name = path.filename().string();
        // Half-written replacements that a crash interrupted (the file they
        // were to replace is still whole), and locks of sessions that ended
        // with nothing to recover.
        const bool temp = name.size() > 5 && name.front() == '.' && name.ends_with(".tmp");
        const bool lock = name.ends_with(".lock");
        if (!temp && !lock) continue;
        const std::string session =
            temp ? name.substr(1, name.rfind('-') == std::string::npos ? 0 : name.rfind('-') - 1)
                 : name.substr(0, name.size() - 5);
        if (session.empty() || session == m_session) continue;
        if (m_claimed.count(session)) {
            if (temp) ::unlink(path.c_str());
            continue;
        }
        if (!filesOf(session).empty()) continue;  // a running session's, or offered next time
        const int fd = takeLock(lockPath(session));
        if (fd < 0) continue;  // that session still runs
        ::unlink(path.c_str());
        if (temp) ::unlink(lockPath(session).c_str());
        ::close(fd);
    }
}

std::optional<std::string> RecoveryStore::readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t offset = 0;
    if (!RecoveryRecord::parse(bytes, &offset)) return std::nullopt;
    return bytes.substr(offset);
}

void RecoveryStore::discard(const std::string& path) {
    const std::string session = sessionOf(std::filesystem::path(path).filename().string());
    ::unlink(path.c_str());
    auto claim = m_claimed.find(session);
    if (claim == m_claimed.end() || !filesOf(session).empty()) return;
    ::unlink(lockPath(session).c_str());
    ::close(claim->second);
    m_claimed.erase(claim);
}

void RecoveryStore::releaseClaims() {
    for (const auto& [session, fd] : m_claimed) ::close(fd);
    m_claimed.clear();
}

}  // namespace sj
