#include "workspace/ToolbarSettings.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "config/IniFile.h"

namespace sj {
namespace {

bool sameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The first value of that key, letter case ignored, as the configuration file reads it.
std::optional<std::string> lookUp(const ToolbarSettings::KeyValues& section, std::string_view key) {
    for (const auto& [k, v] : section)
        if (sameKey(k, key)) return v;
    return std::nullopt;
}

void readSwitch(const ToolbarSettings::KeyValues& section, std::string_view key, bool& value, bool inverted) {
    const auto text = lookUp(section, key);
    if (!text) return;
    const auto number = IniFile::parseInteger(*text);
    if (number) value = (*number != 0) != inverted;
}

std::string flag(bool on) {
    return on ? "1" : "0";
}

bool sameEntry(const ToolbarEntry& a, const ToolbarEntry& b) {
    return a.command == b.command && a.separatorTag == b.separatorTag && a.position == b.position &&
           a.available == b.available;
}

}  // namespace

void ToolbarSettings::read(const KeyValues& section) {
    if (const auto font = lookUp(section, "CaptionFont")) {
        FontSpec fallback = captionFont;
        fallback.style = {};  // style letters that are missing mean no style
        captionFont = FontText::fromText(*font, fallback);
    }
    for (ToolbarEntry& e : entries) {
        const auto value = lookUp(section, e.iniKey());
        if (!value) continue;
        const std::string_view text = *value;
        const std::size_t semi = text.find(';');
        if (const auto on = IniFile::parseInteger(text.substr(0, semi))) e.available = *on != 0;
        if (semi != std::string_view::npos)
            if (const auto position = IniFile::parseInteger(text.substr(semi + 1))) e.position = *position;
    }
    sortByPosition();
    readSwitch(section, "RaisedButtons", flatButtons, true);
    readSwitch(section, "UseSeparators", useSeparators, false);
    readSwitch(section, "ShowCaptions", showCaptions, false);
    readSwitch(section, "ShowToolTips", showToolTips, false);
    readSwitch(section, "WrapButtons", wrapButtons, false);
}

ToolbarSettings::KeyValues ToolbarSettings::write() const {
    KeyValues out{{"RaisedButtons", flag(!flatButtons)}, {"UseSeparators", flag(useSeparators)},
                  {"ShowCaptions", flag(showCaptions)},  {"ShowToolTips", flag(showToolTips)},
                  {"WrapButtons", flag(wrapButtons)},    {"CaptionFont", FontText::toText(captionFont)}};
    int place = 0;
    for (const ToolbarEntry& e : entries)
        out.emplace_back(e.iniKey(), flag(e.available) + ";" + std::to_string(++place));
    return out;
}

void ToolbarSettings::sortByPosition() {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ToolbarEntry& a, const ToolbarEntry& b) { return a.position < b.position; });
}

bool ToolbarSettings::operator==(const ToolbarSettings& o) const {
    return flatButtons == o.flatButtons && useSeparators == o.useSeparators &&
           showCaptions == o.showCaptions && showToolTips == o.showToolTips && wrapButtons == o.wrapButtons &&
           captionFont == o.captionFont &&
           std::equal(entries.begin(), entries.end(), o.entries.begin(), o.entries.end(), sameEntry);
}

}  // namespace sj
