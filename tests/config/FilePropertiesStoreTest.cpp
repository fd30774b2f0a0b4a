#include <gtest/gtest.h>
#include <sys/stat.h>

#include "config/FilePropertiesStore.h"
#include "support/ScratchDir.h"

using namespace sj;
using sj::test::readFile;
using sj::test::ScratchDir;

namespace {

FileProperties own() {
    FileProperties r;
    r.oemText = true;
    r.defaultSettings = false;
    r.wordWrap = true;
    r.tabSettings = "2.54;5.08";
    r.fontSize = 12;
    r.fontName = "Courier New";
    r.fontStyle.bold = r.fontStyle.italic = true;
    return r;
}

std::vector<std::string> keys(const FilePropertiesStore& s) {
    std::vector<std::string> k;
    for (const auto& e : s.entries()) k.push_back(e.first);
    return k;
}

}  // namespace

TEST(FileProperties, LineFormatBothForms) {
    FileProperties def;
    def.lineFormat = 1;
    EXPECT_EQ(FilePropertiesStore::formatLine("/text/a.txt", def), "/text/a.txt=16;1");
    EXPECT_EQ(FilePropertiesStore::formatLine("/text/a.txt", own()),
              "/text/a.txt=1;0;1;2.54/5.08;12;Courier New;BI");

    auto e = FilePropertiesStore::parseLine("/text/a.txt=1;0;1;2.54/5.08;12;Courier New;BI");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->first, "/text/a.txt");
    EXPECT_EQ(e->second, own());

    e = FilePropertiesStore::parseLine("/text/a.txt=16;1");
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->second.defaultSettings);
    EXPECT_EQ(e->second.lineFormat, 1);
    EXPECT_FALSE(e->second.oemText);
}

TEST(FileProperties, MalformedFieldsFallBack) {
    auto e = FilePropertiesStore::parseLine("/a=48;0;x;1/2;big;Arial;z u s");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->second.lineFormat, 0);  // 3 is out of range
    EXPECT_FALSE(e->second.oemText);
    EXPECT_FALSE(e->second.defaultSettings);
    EXPECT_FALSE(e->second.wordWrap);
    EXPECT_EQ(e->second.fontSize, 0);
    EXPECT_EQ(e->second.tabSettings, "1;2");
    EXPECT_TRUE(e->second.fontStyle.underline && e->second.fontStyle.strikeOut);
    EXPECT_FALSE(e->second.fontStyle.bold);

    for (const char* flags : {"/a=abc", "/a=256", "/a=-1", "/a="}) {
        e = FilePropertiesStore::parseLine(flags);
        ASSERT_TRUE(e) << flags;
        EXPECT_FALSE(e->second.oemText);
        EXPECT_EQ(e->second.lineFormat, 0);
        EXPECT_TRUE(e->second.defaultSettings);  // missing second field
    }
    e = FilePropertiesStore::parseLine("/a=2;7");  // any low bit means OEM
    EXPECT_TRUE(e->second.oemText);
    EXPECT_TRUE(e->second.defaultSettings);
    e = FilePropertiesStore::parseLine("/a=0;0");  // own settings with nothing else
    EXPECT_FALSE(e->second.defaultSettings);
    EXPECT_FALSE(FilePropertiesStore::parseLine("no equals sign"));
    EXPECT_FALSE(FilePropertiesStore::parseLine("=16;1"));

    // Files of old versions lose their tab lists.
    e = FilePropertiesStore::parseLine("/a=0;0;1;1/2;10;Arial;", true);
    EXPECT_EQ(e->second.tabSettings, "");
    EXPECT_EQ(e->second.fontSize, 10);
    EXPECT_TRUE(FilePropertiesStore::isOlderLayoutVersion(150));
    EXPECT_FALSE(FilePropertiesStore::isOlderLayoutVersion(0));
    EXPECT_FALSE(FilePropertiesStore::isOlderLayoutVersion(202));
}

TEST(FileProperties, NamesWithEqualsSignsAndSeparatorsCannotCorruptTheFile) {
    FileProperties r = own();
    r.fontName = "Odd;Font=Name\r\n";
    r.tabSettings = "1=2;3";
    const std::string line = FilePropertiesStore::formatLine("/x/a=b==c.txt", r);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    const auto e = FilePropertiesStore::parseLine(line);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->first, "/x/a=b==c.txt");
    EXPECT_EQ(e->second.fontName, "OddFontName");
    EXPECT_EQ(e->second.tabSettings, "12;3");
    EXPECT_EQ(e->second.fontStyle, r.fontStyle);

    // A name with a line break is never stored.
    FilePropertiesStore store(10, "");
    store.store("/x/two\nlines", r);
    EXPECT_EQ(store.size(), 0u);
}

TEST(FileProperties, StoreKeepsRecencyAndCapacity) {
    FilePropertiesStore s(3, "");
    FileProperties r;
    for (const char* k : {"A", "B", "C", "D"}) s.store(k, r);
    EXPECT_EQ(keys(s), (std::vector<std::string>{"D", "C", "B"}));
    r.wordWrap = true;
    s.store("B", r);
    EXPECT_EQ(keys(s), (std::vector<std::string>{"B", "D", "C"}));
    FileProperties got;
    ASSERT_TRUE(s.find("B", got));
    EXPECT_TRUE(got.wordWrap);
    // File names compare exactly, as the file system does.
    EXPECT_FALSE(s.find("b", got));

    s.setCapacity(1);
    EXPECT_EQ(keys(s), (std::vector<std::string>{"B"}));
    s.setCapacity(0);
    s.store("E", r);
    EXPECT_EQ(s.size(), 0u);
}

TEST(FileProperties, LoadAndSaveThroughTheFile) {
    ScratchDir dir;
    const std::string path = dir.write("FileProp.inf",
                                       "/t/a.txt=16;1\r\n"
                                       "garbage line\n"
                                       "/t/b.txt=1;0;1;2.54/5.08;12;Courier New;BI\r"
                                       "/t/a.txt=0;1\r\n");  // a repeated name keeps its first record
    FilePropertiesStore s(100, path);
    ASSERT_TRUE(s.load());
    EXPECT_EQ(keys(s), (std::vector<std::string>{"/t/a.txt", "/t/b.txt"}));
    FileProperties r;
    ASSERT_TRUE(s.find("/t/a.txt", r));
    EXPECT_EQ(r.lineFormat, 1);
    ASSERT_TRUE(s.find("/t/b.txt", r));
    EXPECT_EQ(r, own());

    s.store("/t/c.txt", FileProperties{});
    ASSERT_TRUE(s.save());
    EXPECT_EQ(readFile(path),
              "/t/c.txt=0;1\r\n/t/a.txt=16;1\r\n/t/b.txt=1;0;1;2.54/5.08;12;Courier New;BI\r\n");

    // A missing file gives an empty store; an unwritable place is left alone.
    FilePropertiesStore missing(100, dir.file("none.inf"));
    EXPECT_FALSE(missing.load());
    EXPECT_EQ(missing.size(), 0u);
    FilePropertiesStore nowhere(100, dir.file("no/such/dir/FileProp.inf"));
    nowhere.store("/x", FileProperties{});
    EXPECT_FALSE(nowhere.save());

    EXPECT_EQ(FilePropertiesStore::resolvePath("FileProp.inf", "/home/u/.config/sj"),
              "/home/u/.config/sj/FileProp.inf");
    EXPECT_EQ(FilePropertiesStore::resolvePath("/etc/props.inf", "/home/u/.config/sj"), "/etc/props.inf");
}

TEST(FileProperties, CharacterSetOfTheFileIsKept) {
    ScratchDir dir;
    // Windows-1252 bytes (not UTF-8): read as such and written back the same.
    const std::string bytes = "/t/caf\xE9.txt=16;1\r\n";
    const std::string path = dir.write("FileProp.inf", bytes);
    FilePropertiesStore s(100, path);
    ASSERT_TRUE(s.load());
    FileProperties r;
    EXPECT_TRUE(s.find("/t/caf\xC3\xA9.txt", r));
    ASSERT_TRUE(s.save());
    EXPECT_EQ(readFile(path), bytes);
    // A name Windows-1252 cannot hold makes the file UTF-8 rather than lose it.
    s.store("/t/\xE2\x98\x83.txt", FileProperties{});
    ASSERT_TRUE(s.save());
    FilePropertiesStore again(100, path);
    ASSERT_TRUE(again.load());
    EXPECT_TRUE(again.find("/t/\xE2\x98\x83.txt", r));
    EXPECT_TRUE(again.find("/t/caf\xC3\xA9.txt", r));
}

TEST(FileProperties, OneNameInAnotherEncodingSpoilsNoOtherLine) {
    ScratchDir dir;
    const std::string bytes = "/home/j\xC3\xB6rg/a.txt=0;0;0;;10;M\xC3\xA9;\r\n/t/caf\xE9.txt=16;1\r\n";
    const std::string path = dir.write("FileProp.inf", bytes);
    FilePropertiesStore s(100, path);
    ASSERT_TRUE(s.load());
    FileProperties r;
    ASSERT_TRUE(s.find("/home/j\xC3\xB6rg/a.txt", r));
    EXPECT_EQ(r.fontName, "M\xC3\xA9");
    EXPECT_TRUE(s.find("/t/caf\xC3\xA9.txt", r));
    ASSERT_TRUE(s.save());
    EXPECT_EQ(readFile(path), bytes);
}

TEST(FileProperties, HundredThousandLinesLoad) {
    ScratchDir dir;
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "/data/file" + std::to_string(i) + ".txt=1;0;1;0.5;10;Mono;B\r\n";
    const std::string path = dir.write("FileProp.inf", text);
    FilePropertiesStore s(200000, path);
    ASSERT_TRUE(s.load());
    EXPECT_EQ(s.size(), 100000u);
    FilePropertiesStore capped(100, path);
    ASSERT_TRUE(capped.load());
    EXPECT_EQ(capped.size(), 100u);  // the most recent ones
    EXPECT_EQ(capped.entries().front().first, "/data/file0.txt");
}

TEST(FileProperties, RecordsForOpeningAndClosingPages) {
    // No stored record: window defaults.
    FileProperties r = FilePropertiesStore::recordForOpen(nullptr, true, "0.5;1", 0);
    EXPECT_TRUE(r.defaultSettings);
    EXPECT_TRUE(r.wordWrap);
    EXPECT_EQ(r.tabSettings, "0.5;1");
    EXPECT_FALSE(r.oemText);
    // Own settings are used as stored.
    const FileProperties mine = own();
    EXPECT_EQ(FilePropertiesStore::recordForOpen(&mine, false, "", 0), mine);
    // A default record keeps its OEM flag and line format, takes the window's rest.
    FileProperties stored;
    stored.oemText = true;
    stored.lineFormat = 1;
    stored.wordWrap = true;
    r = FilePropertiesStore::recordForOpen(&stored, false, "2", 0);
    EXPECT_TRUE(r.oemText);
    EXPECT_EQ(r.lineFormat, 1);
    EXPECT_FALSE(r.wordWrap);
    EXPECT_EQ(r.tabSettings, "2");
    // The open dialog's ASCII filter decides the OEM flag; FileFormat 1 makes defaults UNIX.
    r = FilePropertiesStore::recordForOpen(&stored, false, "", 1, false);
    EXPECT_FALSE(r.oemText);
    r = FilePropertiesStore::recordForOpen(nullptr, false, "", 1);
    EXPECT_EQ(r.lineFormat, 1);
    EXPECT_EQ(FilePropertiesStore::recordForOpen(&mine, false, "", 1).lineFormat, 0);

    // Closing a default page keeps only the OEM flag and the line format.
    FileProperties page = own();
    page.defaultSettings = true;
    r = FilePropertiesStore::recordForClose(page, 1);
    EXPECT_EQ(FilePropertiesStore::formatLine("/k", r), "/k=17;1");
    // A format the file's breaks gave is found again at the next load: not
    // stored. One the user chose is, and comes back as chosen.
    page.lineFormat = 1;
    EXPECT_EQ(FilePropertiesStore::recordForClose(page, 0).lineFormat, 0);
    page.lineFormatChosen = true;
    r = FilePropertiesStore::recordForClose(page, 0);
    EXPECT_EQ(FilePropertiesStore::formatLine("/k", r), "/k=81;1");
    const auto parsed = FilePropertiesStore::parseLine("/k=81;1");
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->second.lineFormatChosen);
    EXPECT_EQ(parsed->second.lineFormat, 1);
    EXPECT_EQ(FilePropertiesStore::recordForOpen(&parsed->second, false, "", 0).lineFormat, 1);
    EXPECT_EQ(FilePropertiesStore::recordForOpen(&parsed->second, false, "", 0).lineFormatChosen, true);
    page.lineFormatChosen = false;
    page.defaultSettings = false;
    EXPECT_EQ(FilePropertiesStore::recordForClose(page, 1), page);
}
