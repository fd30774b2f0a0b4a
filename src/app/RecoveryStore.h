#pragma once
// The recovery files of modified pages, in a directory of their own inside the
// data directory. Each run of the editor is a session holding an flock on its
// own lock file for as long as it lives, so a session whose lock nobody holds
// ended without an orderly shut-down (crash, kill, power cut) and its files
// are the ones to offer back. Files: "<session>-<page>.sjrec", the lock
// "<session>.lock".
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/RecoveryRecord.h"

namespace sj {

class RecoveryStore {
public:
    explicit RecoveryStore(std::string directory);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Creates the directory (private to the user) and this session's lock.
    // False, with the reason, when recovery files cannot be kept there.
    bool beginSession(std::string* error = nullptr);
    // An orderly end: this session's files and lock go.
    void endSession();
    bool active() const { return m_lockFd >= 0; }
    const std::string& directory() const { return m_dir; }
    const std::string& sessionId() const { return m_session; }

    std::string pathFor(int page) const;
    // Replaces the page's recovery file as a whole (temporary file, flush,
    // rename), so a crash while writing leaves the previous one intact. Only
    // reads members fixed at beginSession: a worker thread may call it.
    bool write(int page, const RecoveryRecord& record, std::string_view text,
               std::string* error = nullptr) const;
    void remove(int page) const;

    struct Orphan {
        std::string path;
        RecoveryRecord record;
    };
    // The recovery files of sessions that ended without shutting down, oldest
    // first. Their sessions are claimed by this one until discarded or released,
    // so an editor started at the same moment does not offer them as well.
    std::vector<Orphan> claimOrphans();
    static std::optional<std::string> readText(const std::string& path);
    // A recovered or discarded file goes; the last one of its session takes the
    // session's lock file along.
    void discard(const std::string& path);
    // Leaves the claimed files for a later start.
    void releaseClaims();

    // The session a recovery file name belongs to; empty for other files.
    static std::string sessionOf(std::string_view fileName);

private:
    std::vector<std::string> filesOf(const std::string& session) const;
    std::string lockPath(const std::string& session) const;
    void removeLeftovers();

    std::string m_dir;
    std::string m_session;
    int m_lockFd = -1;
    std::map<std::string, int> m_claimed;  // session -> its lock, held
};

}  // namespace sj
