#pragma once
// Keeps every modified page in a recovery file a few seconds after its last
// change, so a crash, a kill or a power cut costs at most those seconds of
// typing, and offers those files back at the next start. The text is copied
// out on the GUI thread (one memory copy) and written on a worker thread, so
// even a big document never stalls a keystroke.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <map>
#include <string>

#include "app/RecoveryStore.h"

class QTimer;
class QWidget;

namespace sj {

class DocumentPage;
class DocumentSet;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // How long typing must pause before a page is written, and how long a page
    // may stay unwritten however fast the user types.
    static constexpr int kPauseMs = 2000;
    static constexpr int kLongestDelayMs = 8000;

    RecoveryKeeper(DocumentSet& docs, const std::string& directory, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    bool active() const { return m_store.active(); }
    // Asks about each file that a session which ended without shutting down
    // left behind: recover it into a modified page, discard it, or keep it for
    // a later start.
    void offerRecovery(QWidget* parent);
    // An orderly shut-down, after every page was saved or given up: nothing is
    // left to recover.
    void endSession();
    // Writes every page whose write is due, and waits for the writes.
    void flush();
    const RecoveryStore& store() const { return m_store; }

private:
    struct Entry {
        int serial = 0;
        QTimer* timer = nullptr;
        QElapsedTimer unwrittenSince;
    };
    enum class Choice { Recover, Discard, Keep };

    void track(DocumentPage* page);
    void changed(DocumentPage* page);
    void write(DocumentPage* page);
    void drop(DocumentPage* page);
    Choice ask(const RecoveryRecord& record, QWidget* parent);
    bool recover(const RecoveryStore::Orphan& orphan);

    DocumentSet& m_docs;
    RecoveryStore m_store;
    QThreadPool m_writer;  // one thread: writes and removals keep their order
    std::map<DocumentPage*, Entry> m_pages;
    int m_nextSerial = 1;
};

}  // namespace sj
