#include <gtest/gtest.h>

#include <algorithm>

#include "config/IniFile.h"
#include "config/Options.h"
#include "workspace/ToolbarSettings.h"

using namespace sj;

namespace {

const ToolbarEntry& entry(const ToolbarSettings& s, const std::string& command) {
    return *std::find_if(s.entries.begin(), s.entries.end(),
                         [&](const ToolbarEntry& e) { return e.command == command; });
}

int indexOf(const ToolbarSettings& s, const std::string& key) {
    for (std::size_t i = 0; i < s.entries.size(); ++i)
        if (s.entries[i].iniKey() == key) return static_cast<int>(i);
    return -1;
}

}  // namespace

TEST(ToolbarEntries, StandardSetHasEveryEntryInPositionOrderWithUniqueKeys) {
    const auto entries = standardToolbarEntries();
    EXPECT_EQ(entries.size(), 60u);
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(),
                               [](const auto& a, const auto& b) { return a.position < b.position; }));
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (std::size_t j = i + 1; j < entries.size(); ++j)
            EXPECT_NE(entries[i].iniKey(), entries[j].iniKey());
    for (const auto& e : entries) {
        EXPECT_LE(e.caption.size(), 20u);
        EXPECT_LE(e.toolTip.size(), 20u);
    }
    EXPECT_EQ(entries.front().iniKey(), "New Document");
    EXPECT_EQ(entries[4].iniKey(), "Space_1");
    EXPECT_EQ(entries.back().iniKey(), "Space_19");
    const int shown =
        static_cast<int>(std::count_if(entries.begin(), entries.end(), [](auto& e) { return e.available; }));
    EXPECT_EQ(shown, 28);
}

TEST(ToolbarSettings, WritesSwitchesFontAndEntriesWithPlacesCountedFromOne) {
    ToolbarSettings s;
    s.captionFont = {"Sans", 8, {true, false, false, false}, -16777208};
    s.entries[2].position = 999;  // the design-time position does not reach the file
    const auto out = s.write();
    ASSERT_GE(out.size(), 8u);
    EXPECT_EQ(out[0], (std::pair<std::string, std::string>{"RaisedButtons", "0"}));
    EXPECT_EQ(out[1].first, "UseSeparators");
    EXPECT_EQ(out[4].first, "WrapButtons");
    EXPECT_EQ(out[5], (std::pair<std::string, std::string>{"CaptionFont", "Sans;8;B;-16777208"}));
    EXPECT_EQ(out[6], (std::pair<std::string, std::string>{"New Document", "1;1"}));
    EXPECT_EQ(out[8], (std::pair<std::string, std::string>{"Save Document", "1;3"}));
    EXPECT_EQ(out[10], (std::pair<std::string, std::string>{"Space_1", "0;5"}));
}

TEST(ToolbarSettings, ReadTakesStoredOrderAndKeepsWhatIsMissing) {
    ToolbarSettings s;
    s.captionFont = {"Sans", 9, {}, 0};
    s.read({{"raisedbuttons", "1"},
            {"ShowCaptions", "1"},
            {"WrapButtons", "x"},  // not a number: the current value stays
            {"CaptionFont", "Serif;;I"},
            {"Exit", "1;1"},
            {"New Document", "0"},  // no position: the current one stays
            {"Open Document", ";3000"},
            {"Exit", "0;2"},          // a second key of a name is never read
            {"Old Tool Tip", "1;2"},  // an entry renamed since: ignored
            {"Space_19", "1;5"}});
    EXPECT_FALSE(s.flatButtons);
    EXPECT_TRUE(s.showCaptions);
    EXPECT_FALSE(s.wrapButtons);
    EXPECT_TRUE(s.useSeparators);
    EXPECT_EQ(s.captionFont.name, "Serif");
    EXPECT_EQ(s.captionFont.size, 9);
    EXPECT_TRUE(s.captionFont.style.italic);
    EXPECT_EQ(indexOf(s, "Exit"), 0);
    EXPECT_EQ(indexOf(s, "Space_19"), 1);
    EXPECT_EQ(indexOf(s, "New Document"), 2);
    EXPECT_FALSE(entry(s, "new").available);
    EXPECT_TRUE(entry(s, "open").available);
    EXPECT_EQ(s.entries.back().iniKey(), "Open Document");
}

TEST(ToolbarSettings, MissingStyleLettersMeanNoStyleAndAMissingFontKeyChangesNothing) {
    ToolbarSettings s;
    s.captionFont = {"Sans", 9, {true, true, false, false}, 5};
    s.read({});
    EXPECT_TRUE(s.captionFont.style.bold);
    s.read({{"CaptionFont", "Sans;10"}});
    EXPECT_FALSE(s.captionFont.style.bold);
    EXPECT_EQ(s.captionFont.size, 10);
    EXPECT_EQ(s.captionFont.colour, 5);
}

TEST(ToolbarSettings, RoundTripsThroughTheConfigurationFile) {
    ToolbarSettings s;
    s.flatButtons = false;
    s.wrapButtons = true;
    s.captionFont = {"DejaVu Sans", 8, {}, 0};
    std::rotate(s.entries.begin(), s.entries.begin() + 5, s.entries.end());
    s.entries[3].available = !s.entries[3].available;
    Options options;
    options.toolbar = s.write();
    IniFile ini;
    options.write(ini);
    IniFile reread;
    reread.parse(ini.serialize());
    Options back;
    back.read(reread);
    ToolbarSettings t;
    t.read(back.toolbar);
    ASSERT_EQ(t.entries.size(), s.entries.size());
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        EXPECT_EQ(t.entries[i].iniKey(), s.entries[i].iniKey());
        EXPECT_EQ(t.entries[i].available, s.entries[i].available);
        EXPECT_EQ(t.entries[i].position, static_cast<int>(i) + 1);
    }
    EXPECT_FALSE(t.flatButtons);
    EXPECT_TRUE(t.wrapButtons);
    EXPECT_EQ(t.captionFont, s.captionFont);
}

TEST(ToolbarSettings, OptionsWithoutToolbarKeysLeaveAStoredSectionAlone) {
    IniFile ini;
    ini.parse("[Toolbar]\nExit=0;1\n");
    Options none;
    none.write(ini);
    EXPECT_EQ(ini.readString("Toolbar", "Exit", ""), "0;1");
}
