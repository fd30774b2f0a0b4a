#include "config/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace sj {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TempDir {
public:
    TempDir() {
        std::string tmpl = (fs::temp_directory_path() / "sjini.XXXXXX").string();
        m_path = ::mkdtemp(tmpl.data());
    }
    ~TempDir() {
        ::chmod(m_path.c_str(), 0700);
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    fs::path operator/(const std::string& n) const { return m_path / n; }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

TEST(IniFileRead, GarbageLinesDuplicatesAndCase) {
    IniFile ini;
    ini.parse(
        "garbage before any section\n"
        "Orphan=1\n"
        "[Options]\r\n"
        "  FontName =  Courier New  \n"
        "this line has no equals sign\n"
        "[broken section\n"
        "=no key\n"
        "; Comment=9\n"
        "fontname=second wins never\n"
        "[OPTIONS]\n"
        "FontSize=14\n"
        "[Other]\n"
        "x=\n");
    EXPECT_EQ(ini.readString("options", "FONTNAME", "d"), "Courier New");
    // Only the first section of a name is read.
    EXPECT_EQ(ini.readInteger("Options", "FontSize", 10), 10);
    EXPECT_EQ(ini.readString("Options", "Comment", "d"), "d");
    EXPECT_EQ(ini.readString("Options", "Orphan", "d"), "d");
    EXPECT_EQ(ini.readString("Other", "x", "d"), "");
    EXPECT_EQ(ini.readString("Missing", "x", "d"), "d");
    EXPECT_EQ(ini.readSection("Options"), (std::vector<std::string>{"FontName"}));
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Options", "Other"}));
}

TEST(IniFileRead, IntegersAndBooleans) {
    IniFile ini;
    ini.parse(
        "[S]\nhex=0x1F\nHEX=0X10\nneg=-2147483643\nbig=99999999999\ncolour=0x80000005\n"
        "short=0x\ntext=12abc\nempty=\nplus=+7\nbool=5\nbool0=0\nbadbool=yes\n");
    EXPECT_EQ(ini.readInteger("S", "hex", 0), 31);
    EXPECT_EQ(ini.readInteger("S", "neg", 0), -2147483643);
    EXPECT_EQ(ini.readInteger("S", "colour", 0), -2147483643);
    EXPECT_EQ(ini.readInteger("S", "big", 3), 3);
    EXPECT_EQ(ini.readInteger("S", "short", 3), 3);
    EXPECT_EQ(ini.readInteger("S", "text", 3), 3);
    EXPECT_EQ(ini.readInteger("S", "empty", 3), 3);
    EXPECT_EQ(ini.readInteger("S", "plus", 3), 7);
    EXPECT_EQ(ini.readInteger("S", "absent", -4), -4);
    EXPECT_TRUE(ini.readBool("S", "bool", false));
    EXPECT_FALSE(ini.readBool("S", "bool0", true));
    EXPECT_TRUE(ini.readBool("S", "badbool", true));
    EXPECT_FALSE(ini.readBool("S", "badbool", false));
}

TEST(IniFileRead, LongValuesAreCutOnReadButKeptInFile) {
    const std::string longValue(5000, 'a');
    IniFile ini;
    ini.parse("[S]\nk=" + longValue + "\n");
    EXPECT_EQ(ini.readString("S", "k", "").size(), IniFile::kMaxStringChars);
    EXPECT_EQ(ini.value("S", "k")->size(), 5000u);
    EXPECT_NE(ini.serialize().find(longValue), std::string::npos);

    // The cut counts characters and never splits one.
    IniFile wide;
    std::string euros;
    for (int i = 0; i < 1100; ++i) euros += "\xE2\x82\xAC";
    wide.parse("[S]\nk=" + euros + "\n");
    EXPECT_EQ(wide.readString("S", "k", "").size(), IniFile::kMaxStringChars * 3);
}

TEST(IniFileWrite, EditsInPlaceAndKeepsOtherLines) {
    IniFile ini;
    ini.parse("; my notes\n[A]\nOne=1\n\n[B]\nx=1\n[a]\nOne=dup\n");
    ini.writeString("a", "ONE", "uno");
    ini.writeInteger("A", "Two", -5);
    ini.writeBool("C", "Flag", true);
    ini.writeString("A", "Multi", "line1\r\nline2");
    EXPECT_EQ(
        ini.serialize(),
        "; my notes\n[A]\nOne=uno\nTwo=-5\nMulti=line1  line2\n\n[B]\nx=1\n[a]\nOne=dup\n\n[C]\nFlag=1\n");
    ini.eraseSection("A");
    EXPECT_EQ(ini.serialize(), "; my notes\n[B]\nx=1\n[C]\nFlag=1\n");
    ini.eraseKey("B", "X");
    EXPECT_FALSE(ini.keyExists("B", "x"));
    EXPECT_TRUE(ini.sectionExists("b"));
}

TEST(IniFileCharset, Windows1252FileStaysWindows1252) {
    IniFile ini;
    ini.parse("[S]\r\nName=Caf\xE9\r\n");
    EXPECT_EQ(ini.charset(), IniFile::Charset::Windows1252);
    EXPECT_EQ(ini.readString("S", "Name", ""), "Caf\xC3\xA9");
    ini.writeString("S", "Other", "\xC3\xBC");
    EXPECT_EQ(ini.serialize(), "[S]\r\nName=Caf\xE9\r\nOther=\xFC\r\n");
    // A character the code page cannot hold makes its own line UTF-8; the
    // other lines stay as they were.
    ini.writeString("S", "Greek", "\xCE\xA9");
    EXPECT_EQ(ini.serialize(), "[S]\r\nName=Caf\xE9\r\nOther=\xFC\r\nGreek=\xCE\xA9\r\n");

    IniFile bom;
    bom.parse("\xEF\xBB\xBF[S]\nk=\xC3\xA9\n");
    EXPECT_EQ(bom.charset(), IniFile::Charset::Utf8);
    EXPECT_EQ(bom.readString("s", "K", ""), "\xC3\xA9");
    EXPECT_EQ(bom.serialize(), "\xEF\xBB\xBF[S]\nk=\xC3\xA9\n");

    // Mark bytes before text that is not UTF-8 are written back too, or the
    // file would lose its first three bytes at every save.
    const std::string marked = "\xEF\xBB\xBF\xEF\xBB\xBF[S]\nk=\xE9\n";
    IniFile twice;
    twice.parse(marked);
    EXPECT_EQ(twice.charset(), IniFile::Charset::Windows1252);
    EXPECT_EQ(twice.serialize(), marked);
}

TEST(IniFileCharset, OneForeignLineSpoilsNoOther) {
    // A UTF-8 configuration with one file name in Windows-1252 bytes.
    const std::string bytes =
        "[Options]\nDefaultDirectory=/home/j\xC3\xB6rg\n[History]\nFileName_1=/tmp/caf\xE9.txt\n"
        "FileName_2=/home/j\xC3\xB6rg/a.txt\n";
    IniFile ini;
    ini.parse(bytes);
    EXPECT_EQ(ini.charset(), IniFile::Charset::Utf8);
    EXPECT_EQ(ini.readString("Options", "DefaultDirectory", ""), "/home/j\xC3\xB6rg");
    EXPECT_EQ(ini.readString("History", "FileName_2", ""), "/home/j\xC3\xB6rg/a.txt");
    EXPECT_EQ(ini.readString("History", "FileName_1", ""), "/tmp/caf\xC3\xA9.txt");
    EXPECT_EQ(ini.serialize(), bytes);  // each line back in its own set
    ini.writeString("Options", "FontName", "M\xC3\xA9");
    EXPECT_NE(ini.serialize().find("FontName=M\xC3\xA9\n"), std::string::npos);
}

TEST(IniFileRead, FortyThousandKeysReadBackInOrder) {
    // Reading every key of a big section (the history, say) walks it once.
    std::string text = "[History]\r\n";
    for (int i = 1; i <= 40000; ++i)
        text += "FileName_" + std::to_string(i) + "=/f/" + std::to_string(i) + "\r\n";
    text += "fILEnAME_7=/duplicate\r\n[Other]\r\nFileName_1=/other\r\n";
    IniFile ini;
    ini.parse(text);
    const std::vector<std::string> keys = ini.readSection("history");
    ASSERT_EQ(keys.size(), 40000u);  // the duplicate counts once
    EXPECT_EQ(keys.back(), "FileName_40000");
    for (int i = 1; i <= 40000; i += 997)
        EXPECT_EQ(ini.readString("HISTORY", "filename_" + std::to_string(i), ""), "/f/" + std::to_string(i));
    EXPECT_EQ(ini.readString("History", "FileName_7", ""), "/f/7");  // the first wins
    EXPECT_EQ(ini.readString("Other", "FileName_1", ""), "/other");
    // Writes are seen by the next read.
    ini.writeString("History", "FileName_3", "/new");
    ini.eraseKey("History", "FileName_4");
    EXPECT_EQ(ini.readString("History", "FileName_3", ""), "/new");
    EXPECT_FALSE(ini.keyExists("History", "FileName_4"));
    EXPECT_EQ(ini.readString("History", "FileName_5", ""), "/f/5");
}

TEST(IniFileDisk, MissingFileThenAtomicSave) {
    TempDir dir;
    IniFile ini((dir / "cfg.INI").string());
    ASSERT_TRUE(ini.load());
    EXPECT_FALSE(ini.existed());
    ini.writeInteger("Program", "V", 2635);
    std::string error;
    ASSERT_TRUE(ini.save(&error)) << error;
    EXPECT_EQ(slurp(dir / "cfg.INI"), "[Program]\nV=2635\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    IniFile again((dir / "cfg.INI").string());
    ASSERT_TRUE(again.load());
    EXPECT_TRUE(again.existed());
    EXPECT_EQ(again.readInteger("program", "v", 0), 2635);
}

TEST(IniFileDisk, WriteIntoMissingDirectoryFails) {
    TempDir dir;
    IniFile ini((dir / "no/such/cfg.INI").string());
    ASSERT_TRUE(ini.load());
    ini.writeBool("S", "k", true);
    std::string error;
    EXPECT_FALSE(ini.save(&error));
    EXPECT_EQ(error, "Unable to write to " + (dir / "no/such/cfg.INI").string());
}

TEST(IniFileDisk, DirectoryInPlaceOfTheFileIsNeverReplaced) {
    TempDir dir;
    fs::create_directory(dir / "cfg.INI");
    std::ofstream(dir / "cfg.INI" / "inside") << "keep";
    IniFile ini((dir / "cfg.INI").string());
    std::string error;
    EXPECT_FALSE(ini.load(&error));
    EXPECT_EQ(error, "Unable to read " + (dir / "cfg.INI").string());
    ini.writeBool("S", "k", true);
    EXPECT_FALSE(ini.save(&error));
    EXPECT_EQ(slurp(dir / "cfg.INI" / "inside"), "keep");
}

// In a directory the user may not add to, a writable configuration is rewritten in place;
// a read-only one is reported and kept as it was.
TEST(IniFileDisk, FailedWriteReportsAndKeepsOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not apply to root";
    TempDir dir;
    const auto path = dir / "cfg.INI";
    std::ofstream(path) << "[S]\nk=old\n";
    IniFile ini(path.string());
    ASSERT_TRUE(ini.load());
    ini.writeString("S", "k", "new");
    ::chmod(dir.path().c_str(), 0500);
    std::string error;
    EXPECT_TRUE(ini.save(&error)) << error;
    EXPECT_EQ(slurp(path), "[S]\nk=new\n");
    ini.writeString("S", "k", "newer");
    ::chmod(path.c_str(), 0400);
    EXPECT_FALSE(ini.save(&error));
    EXPECT_EQ(error, "Unable to write to " + path.string());
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(slurp(path), "[S]\nk=new\n");
}

TEST(IniFileDisk, UnreadableFileIsNeverOverwritten) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not apply to root";
    TempDir dir;
    const auto path = dir / "cfg.INI";
    std::ofstream(path) << "[S]\nk=precious\n";
    ::chmod(path.c_str(), 0200);
    IniFile ini(path.string());
    std::string error;
    EXPECT_FALSE(ini.load(&error));
    ini.writeString("S", "k", "x");
    EXPECT_FALSE(ini.save(&error));
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(slurp(path), "[S]\nk=precious\n");
}

TEST(IniFileDisk, SaveThroughSymlinkKeepsLinkAndMode) {
    TempDir dir;
    const auto real = dir / "real.INI";
    std::ofstream(real) << "[S]\n";
    ::chmod(real.c_str(), 0640);
    fs::create_symlink(real, dir / "link.INI");
    IniFile ini((dir / "link.INI").string());
    ASSERT_TRUE(ini.load());
    ini.writeString("S", "k", "v");
    ASSERT_TRUE(ini.save());
    EXPECT_TRUE(fs::is_symlink(dir / "link.INI"));
    EXPECT_EQ(slurp(real), "[S]\nk=v\n");
    struct stat st {};
    ::stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace sj
