#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "document/DocumentLoader.h"
#include "document/DocumentNames.h"
#include "document/DocumentSaver.h"
#include "files/FileStatus.h"
#include "files/TempCopies.h"
#include "support/ScratchDir.h"

using namespace sj;
using sj::test::readFile;
using sj::test::ScratchDir;

namespace {

SaveOptions fast() {
    SaveOptions o;
    o.sync = false;
    return o;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::size_t entriesIn(const std::string& dir) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

}  // namespace

TEST(DocumentSaver, WholeTextEndsEveryLineWithOneBreak) {
    SaveOptions o = fast();
    EXPECT_EQ(*DocumentSaver::encode("a\r\nb", o), "a\r\nb\r\n");
    EXPECT_EQ(*DocumentSaver::encode("a\r\nb\r\n", o), "a\r\nb\r\n");  // never doubled
    EXPECT_EQ(*DocumentSaver::encode("", o), "");
    EXPECT_EQ(*DocumentSaver::encode("\r\n", o), "\r\n");
    // A stray lone break inside the text is still a line of its own.
    EXPECT_EQ(*DocumentSaver::encode("a\nb\rc", o), "a\r\nb\r\nc\r\n");
    // A selection is written as it stands.
    o.whole = false;
    EXPECT_EQ(*DocumentSaver::encode("a\r\nb", o), "a\r\nb");
    // UNIX line format: every break a single LF, nothing added.
    o.whole = true;
    o.lineFormat = 1;
    EXPECT_EQ(*DocumentSaver::encode("a\r\nb\r\n\r\nc", o), "a\nb\n\nc");
    // Line format 2 from old stores writes like 0.
    o.lineFormat = 2;
    EXPECT_EQ(*DocumentSaver::encode("a\r\nb", o), "a\r\nb\r\n");
    // NULs are data, not the end of the text.
    o.lineFormat = 0;
    EXPECT_EQ(*DocumentSaver::encode(std::string("a\0b\r\n", 5), o), std::string("a\0b\r\n", 5));
}

TEST(DocumentSaver, CharacterSetsAndUnmappableCharacters) {
    SaveOptions o = fast();
    o.bom = true;
    EXPECT_EQ(*DocumentSaver::encode("\xC3\xA9\r\n", o), "\xEF\xBB\xBF\xC3\xA9\r\n");
    o.bom = false;
    o.charset = TextCharset::Windows1252;
    EXPECT_EQ(*DocumentSaver::encode("\xE2\x82\xAC\xC3\xA9", o), "\x80\xE9\r\n");
    // OEM with UNIX breaks: LF breaks and code page 850 bytes.
    o.charset = TextCharset::Cp850;
    o.lineFormat = 1;
    EXPECT_EQ(*DocumentSaver::encode("\xC3\xBC\r\nx", o), "\x81\nx");

    ScratchDir dir;
    const std::string path = dir.write("old.txt", "original\r\n");
    o = fast();
    o.charset = TextCharset::Windows1252;
    o.makeBackups = true;
    const std::string text = "ab\r\nc\xE2\x98\x83";  // a snowman has no Windows-1252 byte
    const SaveResult r = DocumentSaver::save(path, text, o);
    EXPECT_EQ(r.status, SaveStatus::Unmappable);
    EXPECT_EQ(r.unmappableOffset, 5u);
    EXPECT_EQ(r.unmappableChar, U'\u2603');
    EXPECT_NE(r.message.find("U+2603"), std::string::npos);
    EXPECT_NE(r.message.find("Save it as UTF-8 instead?"), std::string::npos);
    // Nothing touched: no write, no backup.
    EXPECT_EQ(readFile(path), "original\r\n");
    EXPECT_FALSE(test::exists(dir.file("old.~txt")));
    // The answer "yes": the same text as UTF-8.
    o.charset = TextCharset::Utf8;
    EXPECT_TRUE(DocumentSaver::save(path, text, o).ok());
    EXPECT_EQ(readFile(path), "ab\r\nc\xE2\x98\x83\r\n");
}

TEST(DocumentSaver, Windows1252RoundTripIsByteExact) {
    ScratchDir dir;
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n' && b != 0 && b != 8) bytes.push_back(static_cast<char>(b));
    bytes += "\r\n";
    const std::string path = dir.write("all.txt", bytes);
    const LoadResult loaded = DocumentLoader::load(path);
    ASSERT_EQ(loaded.charset, TextCharset::Windows1252);
    SaveOptions o = fast();
    o.charset = loaded.charset;
    ASSERT_TRUE(DocumentSaver::save(path, loaded.text, o).ok());
    EXPECT_EQ(readFile(path), bytes);

    // UTF-8 with BOM and LF breaks comes back the same too.
    const std::string u = "\xEF\xBB\xBFx\xC3\xA9\ny\n";
    const std::string upath = dir.write("u.txt", u);
    const LoadResult lu = DocumentLoader::load(upath);
    o.charset = lu.charset;
    o.bom = lu.bom;
    o.lineFormat = 1;
    ASSERT_TRUE(DocumentSaver::save(upath, lu.text, o).ok());
    EXPECT_EQ(readFile(upath), u);
}

TEST(DocumentSaver, ReadOnlyAndUnopenableTargetsAreRefusedUntouched) {
    ScratchDir dir;
    const std::string ro = dir.write("ro.txt", "keep");
    ::chmod(ro.c_str(), 0444);
    SaveOptions o = fast();
    o.makeBackups = true;
    SaveResult r = DocumentSaver::save(ro, "new", o);
    EXPECT_EQ(r.status, SaveStatus::ReadOnly);
    EXPECT_EQ(r.message, "Error: \"" + ro + "\" is marked as Read-Only!");
    EXPECT_EQ(readFile(ro), "keep");
    EXPECT_FALSE(test::exists(dir.file("ro.~txt")));  // no backup either

    const std::string fifo = dir.file("pipe.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    r = DocumentSaver::save(fifo, "x", o);
    EXPECT_EQ(r.status, SaveStatus::CannotOpen);
    EXPECT_EQ(r.message, "Error: cannot open \"" + fifo + "\"!");

    // A directory in the way is a failed write with a reason, not a crash.
    r = DocumentSaver::save(dir.path(), "x", o);
    EXPECT_EQ(r.status, SaveStatus::WriteFailed);
    EXPECT_NE(r.message.find("It is a directory."), std::string::npos);
}

TEST(DocumentSaver, FailedWriteLeavesOldFileAndNoDebris) {
    ScratchDir dir;
    const std::string path = dir.write("doc.txt", "precious\r\n");
    SaveOptions o = fast();
    o.makeBackups = true;
    int calls = 0;
    o.writeFn = [&](int fd, const void* buf, std::size_t n) -> ssize_t {
        if (++calls == 1) return ::write(fd, buf, n < 3 ? n : 3);  // a short write first
        errno = ENOSPC;
        return -1;
    };
    const SaveResult r = DocumentSaver::save(path, "replacement text", o);
    EXPECT_EQ(r.status, SaveStatus::WriteFailed);
    EXPECT_EQ(r.message, "Error: could not save \"" + path +
                             "\"!\nThe disk is full. The file on the disk is unchanged.");
    EXPECT_EQ(readFile(path), "precious\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u);  // no temporary file, no backup left behind
}

TEST(DocumentSaver, FileSizeLimitActsLikeAFullDisk) {
    ScratchDir dir;
    const std::string path = dir.write("big.txt", "old contents\r\n");
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &previous);
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult r = DocumentSaver::save(path, std::string(100000, 'z'), fast());
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::sigaction(SIGXFSZ, &previous, nullptr);
    EXPECT_EQ(r.status, SaveStatus::WriteFailed);
    EXPECT_NE(r.message.find("The disk is full."), std::string::npos);
    EXPECT_EQ(readFile(path), "old contents\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(DocumentSaver, BackupsKeepPreviousContentsAndReplaceOldBackups) {
    ScratchDir dir;
    const std::string path = dir.write("notes.txt", "v1\r\n");
    SaveOptions o = fast();
    o.makeBackups = true;
    ASSERT_TRUE(DocumentSaver::save(path, "v2", o).ok());
    EXPECT_EQ(readFile(dir.file("notes.~txt")), "v1\r\n");
    ASSERT_TRUE(DocumentSaver::save(path, "v3", o).ok());
    EXPECT_EQ(readFile(dir.file("notes.~txt")), "v2\r\n");  // the old backup is replaced
    EXPECT_EQ(readFile(path), "v3\r\n");

    o.backupsWithBak = true;
    ASSERT_TRUE(DocumentSaver::save(path, "v4", o).ok());
    EXPECT_EQ(readFile(dir.file("notes.BAK")), "v3\r\n");

    // A new file has nothing to back up.
    const SaveResult fresh = DocumentSaver::save(dir.file("new.txt"), "n", o);
    EXPECT_TRUE(fresh.ok());
    EXPECT_FALSE(fresh.backupMade);
    EXPECT_FALSE(test::exists(dir.file("new.BAK")));

    // A backup that cannot be made does not stop the save.
    std::filesystem::create_directory(dir.file("notes.BAK.dir"));
    std::filesystem::remove(dir.file("notes.BAK"));
    std::filesystem::rename(dir.file("notes.BAK.dir"), dir.file("notes.BAK"));
    const SaveResult r = DocumentSaver::save(path, "v5", o);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.backupFailed);
    EXPECT_EQ(readFile(path), "v5\r\n");
}

TEST(DocumentSaver, PermissionsKeptAndLinksFollowed) {
    ScratchDir dir;
    const std::string path = dir.write("script.sh", "echo 1\n");
    ::chmod(path.c_str(), 0750);
    SaveOptions o = fast();
    o.lineFormat = 1;
    const SaveResult r = DocumentSaver::save(path, "echo 2\r\n", o);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(modeOf(path), 0750u);
    EXPECT_EQ(r.fileTime, FileStatus::fileTime(path));

    // A name at the file system's limit still leaves room for the temporary file.
    const std::string longName = dir.file(std::string(250, 'n') + ".txt");
    EXPECT_TRUE(DocumentSaver::save(longName, "x", o).ok());
    EXPECT_EQ(readFile(longName), "x");
    std::filesystem::remove(longName);

    const std::string link = dir.file("link.sh");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(DocumentSaver::save(link, "echo 3\r\n", o).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(path), "echo 3\n");
}

TEST(DocumentNames, TitlesAndUntitledNumbers) {
    int counter = 0, first = 0, second = 0;
    EXPECT_EQ(DocumentNames::title("", 0), "[No Name]");
    EXPECT_EQ(DocumentNames::shortTitle("", first, counter), "Untitled.1");
    EXPECT_EQ(DocumentNames::shortTitle("", second, counter), "Untitled.2");
    EXPECT_EQ(DocumentNames::shortTitle("", first, counter), "Untitled.1");  // keeps its number
    EXPECT_EQ(counter, 2);
    EXPECT_EQ(DocumentNames::title("", second), "Untitled.2");
    EXPECT_EQ(DocumentNames::shortTitle("/home/u/a.txt", first, counter), "a.txt");
    EXPECT_EQ(DocumentNames::title("/home/u/a.txt", 3), "/home/u/a.txt");

    EXPECT_EQ(DocumentNames::saveSuggestion("Untitled.2", false, false, "txt", ""), "Untitled.txt");
    EXPECT_EQ(DocumentNames::saveSuggestion("Untitled.2", false, false, "txt", "/srv/docs"),
              "/srv/docs/Untitled.txt");
    EXPECT_EQ(DocumentNames::saveSuggestion("/a/b.txt", true, false, "txt", "/srv/docs"), "/a/b.txt");
    EXPECT_EQ(DocumentNames::saveSuggestion("Untitled.1", false, true, "txt", ""), "Untitled.1");

    EXPECT_EQ(DocumentNames::tempCopyExtension("/a/page.htm", "txt", "doc"), "htm");
    EXPECT_EQ(DocumentNames::tempCopyExtension("", "htm", "txt"), "htm");
    EXPECT_EQ(DocumentNames::tempCopyExtension("", "", "txt"), "txt");
    EXPECT_EQ(DocumentNames::alreadyOpenMessage("/a/b"),
              "\"/a/b\" is already open! Close before overwriting.");
}

TEST(TempCopies, ExclusiveNumberedNamesDeletedAtExit) {
    ScratchDir dir;
    dir.write("qva~0.htm", "someone else's");
    TempCopies copies;
    const std::string a = copies.create(dir.path(), "htm", "<p>1</p>");
    const std::string b = copies.create(dir.path(), "htm", "<p>2</p>");
    EXPECT_EQ(a, dir.file("qva~1.htm"));
    EXPECT_EQ(b, dir.file("qva~2.htm"));
    EXPECT_EQ(readFile(a), "<p>1</p>");
    EXPECT_EQ(readFile(dir.file("qva~0.htm")), "someone else's");
    EXPECT_EQ(copies.files().size(), 2u);
    EXPECT_EQ(copies.deleteAll(), 0u);
    EXPECT_FALSE(test::exists(a));
    EXPECT_FALSE(test::exists(b));
    EXPECT_TRUE(test::exists(dir.file("qva~0.htm")));

    std::string error;
    EXPECT_EQ(copies.create(dir.file("no/such/dir"), "txt", "x", &error), "");
    EXPECT_NE(error.find("cannot create"), std::string::npos);
}
