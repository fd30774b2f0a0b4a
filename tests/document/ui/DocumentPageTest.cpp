// Document pages loading and saving real files, with the message boxes answered
// by the test.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QApplication>

#include <filesystem>
#include <string>
#include <vector>

#include "document/ui/DocumentPage.h"
#include "support/ScratchDir.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

using test::readFile;

std::vector<QString> g_messages;
msg::Answer g_answer = msg::Answer::No;

msg::Answer record(const QString& text, bool) {
    g_messages.push_back(text);
    return g_answer;
}

class FilePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_messages.clear();
        g_answer = msg::Answer::No;
        msg::setTestResponder(record);
        msg::setSoundsOn(false);
    }
    void TearDown() override { msg::setTestResponder(nullptr); }

    std::string messages() const {
        std::string all;
        for (const QString& m : g_messages) all += m.toStdString() + "|";
        return all;
    }

    test::ScratchDir dir;
    PageEnvironment env;
};

TEST_F(FilePageTest, MixedLineBreaksLoadAsCrLfAndSaveInTheLineFormat) {
    const std::string name = dir.write("mixed.txt", "a\rb\nc\r\nd\r\r\ne");
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    EXPECT_EQ(page.textBytes(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_FALSE(page.isModified());
    EXPECT_FALSE(page.pristine());
    EXPECT_EQ(page.fileName(), name);
    EXPECT_EQ(page.displayLineCount(), 6);
    // The page says beforehand that a save rewrites some breaks.
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_EQ(
        g_messages[0].toStdString(),
        "\"" + name + "\" has line breaks of more than one kind.\nA save writes every line break as CR LF.");

    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(name), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");

    page.setLineFormat(1);
    const std::string unix = dir.file("unix.txt");
    ASSERT_TRUE(page.save(unix, true));
    EXPECT_EQ(readFile(unix).find('\r'), std::string::npos);
    EXPECT_EQ(readFile(unix).substr(0, 12), "a\nb\nc\nd\n\ne");
    EXPECT_EQ(page.fileName(), unix);
    EXPECT_EQ(g_messages.size(), 1u) << messages();
}

TEST_F(FilePageTest, LineFormatComesFromTheFileAtEveryLoadUnlessChosen) {
    // The page was LF (as a store or the option would set it); the file has
    // since been rewritten with CR LF elsewhere.
    const std::string name = dir.write("f.txt", "one\r\ntwo\r\n");
    DocumentPage page(env);
    page.setLineFormat(1);
    ASSERT_TRUE(page.load(name));
    EXPECT_EQ(page.lineFormat(), 0);
    EXPECT_TRUE(page.lineFormatFromFile());
    page.caretToEnd();
    page.replaceSelection("three\r\n");
    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(name), "one\r\ntwo\r\nthree\r\n");
    // Mostly LF: LF.
    ASSERT_TRUE(page.load(dir.write("g.txt", "l1\nl2\nl3\r\nl4\nl5\n")));
    EXPECT_EQ(page.lineFormat(), 1);
    // A format the user chose stays.
    DocumentPage chosen(env);
    chosen.setLineFormat(1);
    chosen.setLineFormatChosen(true);
    ASSERT_TRUE(chosen.load(name));
    EXPECT_EQ(chosen.lineFormat(), 1);
    // A file without breaks keeps the page's format.
    DocumentPage single(env);
    single.setLineFormat(1);
    ASSERT_TRUE(single.load(dir.write("s.txt", "just one line")));
    EXPECT_EQ(single.lineFormat(), 1);
    EXPECT_FALSE(single.lineFormatFromFile());
}

TEST_F(FilePageTest, IncompletePageIsNeverSavedOverItsFile) {
    const std::string name = dir.write("big.txt", "the whole file\r\n");
    const std::string link = dir.file("link.txt");
    ASSERT_EQ(::symlink(name.c_str(), link.c_str()), 0);
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    page.setTruncated(true);  // as a cancelled or failed load leaves it
    page.setReadOnly(false);  // the user lifted the protection
    page.caretToEnd();
    page.replaceSelection("typed");
    EXPECT_FALSE(page.save("", true));
    EXPECT_FALSE(page.save(name, true));
    EXPECT_FALSE(page.save(link, true));  // another name of the same file
    EXPECT_EQ(readFile(name), "the whole file\r\n");
    ASSERT_EQ(g_messages.size(), 3u);
    EXPECT_EQ(
        g_messages[0].toStdString(),
        "Error: \"" + name +
            "\" was not loaded completely, so saving it there would lose the rest of the file.\nSave it "
            "under another name.");
    // Another name is fine, and the page is then whole with respect to it.
    const std::string other = dir.file("part.txt");
    ASSERT_TRUE(page.save(other, true));
    EXPECT_EQ(readFile(other), "the whole file\r\ntyped\r\n");
    EXPECT_FALSE(page.truncated());
}

TEST_F(FilePageTest, CrLfSplitAcrossTheReadChunkIsOneLineBreak) {
    // The loader reads 1 MiB at a time: put the CR last in the first chunk.
    const std::size_t chunk = 1 << 20;
    std::string bytes(chunk - 1, 'x');
    bytes += "\r\nsecond\r";
    const std::string name = dir.write("split.txt", bytes);
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    EXPECT_EQ(page.displayLineCount(), 2);
    EXPECT_EQ(page.displayLineText(1), "second");
    EXPECT_EQ(page.textLength(), static_cast<Pos>(chunk - 1 + 2 + 6 + 2));
    // A lone CR at the boundary is still one break.
    std::string lone(chunk - 1, 'y');
    lone += "\rz";
    ASSERT_TRUE(page.load(dir.write("lone.txt", lone)));
    EXPECT_EQ(page.textLength(), static_cast<Pos>(chunk - 1 + 2 + 1));
    EXPECT_EQ(page.displayLineText(1), "z");
}

TEST_F(FilePageTest, BinaryFileOpensWithANoticeAndSavesItsBytesUnchanged) {
    const std::string bytes(
        "\x7F"
        "ELF\0\x02\n\rA\0B\r\n\xE9\0",
        15);
    const std::string name = dir.write("prog", bytes);
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    EXPECT_TRUE(page.binary());
    EXPECT_EQ(page.convertedCount(), 0u);
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_EQ(
        g_messages[0].toStdString(),
        "\"" + name +
            "\" looks like a binary file, so it is opened read-only.\nIf you turn Read-Only off and save "
            "it, its bytes are written back unchanged.");
    // Lifted knowingly and saved: not one line break rewritten, none added.
    ASSERT_TRUE(page.save(dir.file("copy"), true));
    EXPECT_EQ(readFile(dir.file("copy")), bytes);
    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(dir.file("copy")), bytes);
}

TEST_F(FilePageTest, StrayBytesInAUtf8FileAreToldAndKept) {
    const std::string bytes = "caf\xC3\xA9 na\xEFve\n";
    const std::string name = dir.write("mostly.txt", bytes);
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    EXPECT_EQ(page.charset(), TextCharset::Utf8);
    EXPECT_EQ(page.displayLineText(0).substr(0, 5), "caf\xC3\xA9");
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_NE(g_messages[0].toStdString().find("has 1 byte that is not UTF-8"), std::string::npos);
    // Typing a character and saving keeps every other byte as it was.
    page.caretToEnd();
    page.replaceSelection("\xC5\x82\r\n");
    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(name), bytes + "\xC5\x82\n");
}

TEST_F(FilePageTest, InvalidUtf8RoundTripsAsWindows1252) {
    std::string bytes = "caf\xE9 na\xEFve\r\n";
    for (int b = 0x80; b <= 0xFF; ++b) bytes += static_cast<char>(b);
    bytes += "\r\n";
    const std::string name = dir.write("legacy.txt", bytes);
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    EXPECT_EQ(page.charset(), TextCharset::Windows1252);
    EXPECT_EQ(page.displayLineText(0), "caf\xC3\xA9 na\xC3\xAFve");
    page.caretToEnd();
    page.replaceSelection("ok\r\n");
    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(name), bytes + "ok\r\n");
    EXPECT_TRUE(g_messages.empty()) << messages();
}

TEST_F(FilePageTest, CharacterOutsideWindows1252AsksBeforeSavingAsUtf8) {
    const std::string bytes = "caf\xE9\r\n";
    const std::string name = dir.write("legacy.txt", bytes);
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    page.caretToEnd();
    page.replaceSelection("\xE2\x86\x92");  // U+2192 has no Windows-1252 byte

    g_answer = msg::Answer::No;
    EXPECT_FALSE(page.save("", true));
    EXPECT_EQ(readFile(name), bytes);
    EXPECT_TRUE(page.isModified());
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_NE(g_messages[0].indexOf(QStringLiteral("U+2192")), -1);
    EXPECT_TRUE(g_messages[0].endsWith(QLatin1Char('?')));

    g_messages.clear();
    g_answer = msg::Answer::Yes;
    EXPECT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(name), "caf\xC3\xA9\r\n\xE2\x86\x92\r\n");
    EXPECT_EQ(page.charset(), TextCharset::Utf8);
    EXPECT_FALSE(page.isModified());
    ASSERT_EQ(g_messages.size(), 1u);
    // Once UTF-8, later saves ask nothing.
    g_messages.clear();
    page.replaceSelection("x");
    EXPECT_TRUE(page.save("", true));
    EXPECT_TRUE(g_messages.empty()) << messages();
}

TEST_F(FilePageTest, MissingFileOrDirectoryLeavesThePageAlone) {
    DocumentPage page(env);
    page.loadText("kept");
    const std::string missing = dir.file("nope.txt");
    EXPECT_FALSE(page.load(missing));
    ASSERT_EQ(g_messages.size(), 2u);
    EXPECT_EQ(g_messages[0].toStdString(), "Error: \"" + missing + "\" not found!");
    EXPECT_EQ(g_messages[1].toStdString(), "Error: Cannot open \"" + missing + "\"!");
    EXPECT_EQ(page.textBytes(), "kept");
    EXPECT_FALSE(page.hasFileName());

    g_messages.clear();
    EXPECT_FALSE(page.load(dir.path()));
    ASSERT_EQ(g_messages.size(), 2u);
    EXPECT_EQ(g_messages[0].toStdString(), "Error: \"" + dir.path() + "\" not found!");
    EXPECT_EQ(page.textBytes(), "kept");
}

TEST_F(FilePageTest, UnreadableFileIsRefused) {
    const std::string name = dir.write("secret.txt", "hidden");
    ::chmod(name.c_str(), 0);
    DocumentPage page(env);
    page.loadText("kept");
    // The scratch directory must be reachable for the ordinary user.
    ::chmod(dir.path().c_str(), 0777);
    test::asOrdinaryUser([&] { EXPECT_FALSE(page.load(name)); });
    ASSERT_GE(g_messages.size(), 1u);
    EXPECT_EQ(g_messages[0].toStdString(), "Error: cannot open \"" + name + "\"!");
    EXPECT_EQ(page.textBytes(), "kept");
}

TEST_F(FilePageTest, ReadOnlyTargetIsRefusedWithoutBackup) {
    const std::string name = dir.write("ro.txt", "original\r\n");
    env.makeBackups = true;
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    page.replaceSelection("changed ");
    ::chmod(name.c_str(), 0444);
    EXPECT_FALSE(page.save("", true));
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_EQ(g_messages[0].toStdString(), "Error: \"" + name + "\" is marked as Read-Only!");
    EXPECT_EQ(readFile(name), "original\r\n");
    EXPECT_FALSE(test::exists(dir.file("ro.~txt")));
    EXPECT_TRUE(page.isModified());
}

TEST_F(FilePageTest, BackupsHoldThePreviousContents) {
    const std::string name = dir.write("notes.txt", "one\r\n");
    dir.write("notes.~txt", "ancient\r\n");
    env.makeBackups = true;
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    page.caretToEnd();
    page.replaceSelection("two\r\n");
    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(name), "one\r\ntwo\r\n");
    EXPECT_EQ(readFile(dir.file("notes.~txt")), "one\r\n");

    page.environment().backupsWithBak = true;
    page.replaceSelection("three\r\n");
    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(dir.file("notes.BAK")), "one\r\ntwo\r\n");
    EXPECT_EQ(readFile(name), "one\r\ntwo\r\nthree\r\n");

    // A file without extension gets ".~".
    const std::string bare = dir.write("README", "r1");
    page.environment().backupsWithBak = false;
    ASSERT_TRUE(page.load(bare));
    page.replaceSelection("r0");
    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(readFile(dir.file("README.~")), "r1");
    EXPECT_TRUE(g_messages.empty()) << messages();
}

TEST_F(FilePageTest, SaveClearsModifiedAndUndoUnlessAskedToKeepIt) {
    const std::string name = dir.write("u.txt", "a");
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    page.replaceSelection("b");
    ASSERT_TRUE(page.save("", true));
    EXPECT_FALSE(page.isModified());
    EXPECT_FALSE(page.canUndoEdit());

    page.environment().undoAfterSave = true;
    page.replaceSelection("c");
    ASSERT_TRUE(page.save("", true));
    EXPECT_FALSE(page.isModified());
    EXPECT_TRUE(page.canUndoEdit());

    // A selection save writes the selection as it is and changes nothing else.
    page.replaceSelection("d");
    page.setSel(0, 2);
    const std::string part = dir.file("part.txt");
    ASSERT_TRUE(page.save(part, false));
    EXPECT_EQ(readFile(part), "bc");
    EXPECT_TRUE(page.isModified());
    EXPECT_EQ(page.fileName(), name);
}

TEST_F(FilePageTest, LogStampOnWritableLogFilesOnly) {
    const std::string name = dir.write("diary.txt", ".log\r\nfirst entry\r\n");
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    page.applyLogStamp();
    const std::string text = page.textBytes();
    ASSERT_EQ(text.rfind(".log\r\nfirst entry\r\n", 0), 0u) << text;
    const std::string tail = text.substr(19);
    EXPECT_EQ(tail.rfind("\r\n>> ", 0), 0u) << tail;
    EXPECT_EQ(page.selStart(), page.textLength());
    EXPECT_TRUE(page.isModified());

    DocumentPage ro(env);
    ASSERT_TRUE(ro.load(name));
    ro.setReadOnly(true);
    ro.applyLogStamp();
    EXPECT_EQ(ro.textBytes(), ".log\r\nfirst entry\r\n");
    EXPECT_FALSE(ro.isModified());

    DocumentPage other(env);
    ASSERT_TRUE(other.load(dir.write("plain.txt", ".LOGS\r\n")));
    other.applyLogStamp();
    EXPECT_EQ(other.textBytes(), ".LOGS\r\n");

    env.dateFilter = "'fixed'";
    DocumentPage patterned(env);
    ASSERT_TRUE(patterned.load(dir.write("p.txt", ".LOG")));
    patterned.applyLogStamp();
    EXPECT_NE(patterned.textBytes().find("fixed"), std::string::npos) << patterned.textBytes();
}

// The hint's character count is kept between hints, so it must follow every
// change that brings the page back to unmodified: a save, an undo, a new load.
TEST_F(FilePageTest, HintCountsTheFilesBytesAsTheTextIsNow) {
    const std::string name = dir.write("hint.txt", "caf\xC3\xA9\r\nx\r\n");
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    EXPECT_EQ(page.stateHint(), QStringLiteral("Ready  [10 bytes, 2 lines]"));
    page.setCaret(page.textLength());
    page.replaceSelection("\xE2\x82\xAC\xE2\x82\xAC");
    ASSERT_TRUE(page.save("", true));
    EXPECT_EQ(page.stateHint(), QStringLiteral("Ready  [16 bytes, 3 lines]"));
    page.replaceRange(0, 3, "");
    EXPECT_TRUE(page.stateHint().startsWith(QStringLiteral("Modified")));
    EXPECT_EQ(page.characterCount(), 8u);
    page.undo();
    EXPECT_EQ(page.stateHint(), QStringLiteral("Ready  [16 bytes, 3 lines]"));
    ASSERT_TRUE(page.load(dir.write("other.txt", "\xC3\xA9")));
    EXPECT_EQ(page.stateHint(), QStringLiteral("Ready  [2 bytes, 1 lines]"));
    // A Windows-1252 file counts one byte a character.
    ASSERT_TRUE(page.load(dir.write("ansi.txt", "caf\xE9\nx\n")));
    EXPECT_EQ(page.stateHint(), QStringLiteral("Ready  [7 bytes, 2 lines]"));
}

TEST_F(FilePageTest, NewPagesAreUntitledUntilSaved) {
    int counter = 0;
    env.untitledCounter = &counter;
    DocumentPage a(env), b(env);
    EXPECT_EQ(a.title(), "[No Name]");
    EXPECT_TRUE(a.pristine());
    EXPECT_EQ(a.shortTitle(), "Untitled.1");
    EXPECT_EQ(b.shortTitle(), "Untitled.2");
    EXPECT_EQ(a.shortTitle(), "Untitled.1");
    EXPECT_EQ(a.title(), "Untitled.1");
    a.replaceSelection("\xE2\x82\xAC");
    const std::string name = dir.file("new.txt");
    ASSERT_TRUE(a.save(name, true));
    EXPECT_EQ(readFile(name), "\xE2\x82\xAC\r\n");  // a new file is UTF-8
    EXPECT_EQ(a.untitledNumber(), 0);
    EXPECT_EQ(a.title(), name);
}

TEST_F(FilePageTest, TwentyMegabyteSingleLineLoads) {
    const std::size_t size = 20u << 20;
    const std::string name = dir.write("long.txt", std::string(size, 'q'));
    DocumentPage page(env);
    page.resize(600, 400);
    page.show();
    ASSERT_TRUE(page.load(name));
    QApplication::processEvents();
    EXPECT_EQ(page.textLength(), static_cast<Pos>(size));
    EXPECT_EQ(page.displayLineCount(), 1);
    EXPECT_FALSE(page.truncated());
    EXPECT_GE(page.textLimit(), static_cast<Pos>(size) + 61439);
    page.caretToEnd();
    EXPECT_EQ(page.caretLineAndColumn(), std::make_pair(1, static_cast<int>(size) + 1));
    EXPECT_TRUE(g_messages.empty()) << messages();
}

}  // namespace
}  // namespace sj
