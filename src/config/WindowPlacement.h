#pragma once
// Stored placement of one window in the configuration file: keys made of a
// prefix (the window's class name) and "_Visible", "_Width", "_Height",
// "_Top", "_Left", "_StayOnTop", "_WindowState". A key that is absent leaves
// its field empty, so the window keeps its design value.
#include <optional>
#include <string>
#include <string_view>

namespace sj {

class IniFile;

struct WindowPlacement {
    enum Group : unsigned {
        Size = 1,
        Position = 2,  // with stay-on-top
        State = 4,
        Visibility = 8,
        All = 15,
    };
    enum State : int { Minimized = 1, Normal = 2, Maximized = 3 };

    static constexpr std::string_view kSection = "RestoreWindows";

    std::optional<bool> visible;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<int> top;
    std::optional<int> left;
    std::optional<bool> stayOnTop;
    std::optional<int> windowState;  // only 1, 2 or 3 are taken

    static WindowPlacement read(const IniFile& ini, std::string_view prefix, unsigned groups = All,
                                std::string_view section = kSection);
    // Writes the fields of the groups that hold a value.
    void write(IniFile& ini, std::string_view prefix, unsigned groups = All,
               std::string_view section = kSection) const;

    bool operator==(const WindowPlacement&) const = default;
};

}  // namespace sj
