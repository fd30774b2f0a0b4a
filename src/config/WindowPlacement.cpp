#include "config/WindowPlacement.h"

#include "config/IniFile.h"

namespace sj {

namespace {

std::optional<int> readInt(const IniFile& ini, std::string_view section, const std::string& key) {
    const auto v = ini.value(section, key);
    if (!v) return std::nullopt;
    return IniFile::parseInteger(*v);
}

std::optional<bool> readFlag(const IniFile& ini, std::string_view section, const std::string& key) {
    const auto n = readInt(ini, section, key);
    if (!n) return std::nullopt;
    return *n != 0;
}

}  // namespace

WindowPlacement WindowPlacement::read(const IniFile& ini, std::string_view prefix, unsigned groups,
                                      std::string_view section) {
    WindowPlacement p;
    const std::string base(prefix);
    if (groups & Visibility) p.visible = readFlag(ini, section, base + "_Visible");
    if (groups & Size) {
        p.width = readInt(ini, section, base + "_Width");
        p.height = readInt(ini, section, base + "_Height");
    }
    if (groups & Position) {
        p.top = readInt(ini, section, base + "_Top");
        p.left = readInt(ini, section, base + "_Left");
        p.stayOnTop = readFlag(ini, section, base + "_StayOnTop");
    }
    if (groups & State) {
        const auto s = readInt(ini, section, base + "_WindowState");
        if (s && *s >= Minimized && *s <= Maximized) p.windowState = s;
    }
    return p;
}

void WindowPlacement::write(IniFile& ini, std::string_view prefix, unsigned groups,
                            std::string_view section) const {
    const std::string base(prefix);
    auto put = [&](const char* suffix, const std::optional<int>& v) {
        if (v) ini.writeInteger(section, base + suffix, *v);
    };
    auto putFlag = [&](const char* suffix, const std::optional<bool>& v) {
        if (v) ini.writeBool(section, base + suffix, *v);
    };
    if (groups & Visibility) putFlag("_Visible", visible);
    if (groups & Size) {
        put("_Width", width);
        put("_Height", height);
    }
    if (groups & Position) {
        put("_Top", top);
        put("_Left", left);
        putFlag("_StayOnTop", stayOnTop);
    }
    if (groups & State) put("_WindowState", windowState);
}

}  // namespace sj
