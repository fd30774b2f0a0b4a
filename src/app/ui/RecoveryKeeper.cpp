#include "app/ui/RecoveryKeeper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"
#include "text/TextCharset.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {

namespace {

TextCharset charsetNamed(const std::string& name) {
    for (TextCharset c : {TextCharset::Utf8, TextCharset::Windows1252, TextCharset::Cp850})
        if (charsetName(c) == name) return c;
    return TextCharset::Utf8;
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(DocumentSet& docs, const std::string& directory, QObject* parent)
    : QObject(parent), m_docs(docs), m_store(directory) {
    m_writer.setMaxThreadCount(1);
    std::string error;
    if (!m_store.beginSession(&error)) {
        std::fprintf(stderr, "superjotleaf: no recovery files: %s\n", error.c_str());
        return;
    }
    connect(&docs, &DocumentSet::pageEdited, this, &RecoveryKeeper::changed);
}

RecoveryKeeper::~RecoveryKeeper() {
    m_writer.waitForDone();
}

void RecoveryKeeper::track(DocumentPage* page) {
    if (m_pages.count(page)) return;
    Entry& entry = m_pages[page];
    entry.serial = m_nextSerial++;
    entry.timer = new QTimer(this);
    entry.timer->setSingleShot(true);
    connect(entry.timer, &QTimer::timeout, this, [this, page] { write(page); });
    // Saved, or undone back to what the file holds: nothing left to recover.
    connect(page, &QsciScintilla::modificationChanged, this, [this, page](bool modified) {
        if (!modified) drop(page);
    });
    connect(page, &QObject::destroyed, this, [this, page] {
        drop(page);
        auto it = m_pages.find(page);
        if (it == m_pages.end()) return;
        delete it->second.timer;
        m_pages.erase(it);
    });
}

void RecoveryKeeper::changed(DocumentPage* page) {
    if (!active() || !page->isModified()) return;
    track(page);
    Entry& entry = m_pages[page];
    if (!entry.unwrittenSince.isValid()) entry.unwrittenSince.start();
    // Each change restarts the pause, until the page has waited long enough.
    if (!entry.timer->isActive() || entry.unwrittenSince.elapsed() + kPauseMs < kLongestDelayMs)
        entry.timer->start(kPauseMs);
}

void RecoveryKeeper::write(DocumentPage* page) {
    auto it = m_pages.find(page);
    if (it == m_pages.end() || !page->isModified()) return;
    it->second.unwrittenSince.invalidate();
    it->second.timer->stop();
    RecoveryRecord record;
    record.fileName = page->fileName();
    record.title = page->title();
    record.charset = std::string(charsetName(page->charset()));
    record.lineFormat = page->lineFormat();
    record.savedAt = QDateTime::currentSecsSinceEpoch();
    // The one copy the GUI thread makes; the disk is the writer's business.
    auto text = std::make_shared<const std::string>(page->textView());
    const int serial = it->second.serial;
    m_writer.start([this, serial, record = std::move(record), text] {
        std::string error;
        if (!m_store.write(serial, record, *text, &error))
            std::fprintf(stderr, "superjotleaf: %s\n", error.c_str());
    });
}

void RecoveryKeeper::drop(DocumentPage* page) {
    auto it = m_pages.find(page);
    if (it == m_pages.end()) return;
    it->second.timer->stop();
    it->second.unwrittenSince.invalidate();
    const int serial = it->second.serial;
    m_writer.start([this, serial] { m_store.remove(serial); });
}

void RecoveryKeeper::flush() {
    for (auto& [page, entry] : m_pages)
        if (entry.timer->isActive()) write(page);
    m_writer.waitForDone();
}

void RecoveryKeeper::endSession() {
    for (auto& [page, entry] : m_pages) entry.timer->stop();
    m_writer.waitForDone();
    m_store.endSession();
}

RecoveryKeeper::Choice RecoveryKeeper::ask(const RecoveryRecord& record, QWidget* parent) {
    const QString saved =
        QDateTime::fromSecsSinceEpoch(record.savedAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    QMessageBox box(QMessageBox::Question, msg::boxTitle(),
                    QStringLiteral("Recover unsaved changes of \"") + QString::fromStdString(record.title) +
                        QStringLiteral("\"?\nThey were kept at ") + saved +
                        QStringLiteral(" when the editor ended without closing the document."),
                    QMessageBox::NoButton, parent);
    QPushButton* recover = box.addButton(QStringLiteral("&Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(QStringLiteral("&Keep for Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(keep);
    box.exec();
    if (box.clickedButton() == recover) return Choice::Recover;
    if (box.clickedButton() == discard) return Choice::Discard;
    return Choice::Keep;
}

bool RecoveryKeeper::recover(const RecoveryStore::Orphan& orphan) {
    const auto text = RecoveryStore::readText(orphan.path);
    if (!text) return false;
    const RecoveryRecord& record = orphan.record;
    DocumentPage* page = nullptr;
    // The file as it is on disk first, so Undo gives it back.
    if (!record.fileName.empty() && fileutils::fileExists(record.fileName) &&
        m_docs.openByName(record.fileName))
        page = m_docs.findByTitle(fileutils::longName(record.fileName));
    if (!page) {
        page = m_docs.newPage(record.fileName);
        page->setCharset(charsetNamed(record.charset));
        page->setLineFormat(record.lineFormat);
    }
    page->setReadOnly(false);
    page->replaceRange(0, page->textLength(), *text);
    page->setPristine(false);
    m_docs.updateCaption(page);
    // In this session's keeping before the old file goes.
    track(page);
    write(page);
    m_writer.waitForDone();
    return true;
}

void RecoveryKeeper::offerRecovery(QWidget* parent) {
    if (!active()) return;
    for (const RecoveryStore::Orphan& orphan : m_store.claimOrphans()) {
        switch (ask(orphan.record, parent)) {
            case Choice::Recover:
                if (recover(orphan)) m_store.discard(orphan.path);
                break;
            case Choice::Discard:
                m_store.discard(orphan.path);
                break;
            case Choice::Keep:
                break;
        }
    }
    m_store.releaseClaims();
}

}  // namespace sj
