#pragma once
// What the library management needs from the user interface: the one-line
// name dialog, a Yes/No question (with a warning beep first) and an error box.
// Tests stand in for the user through this interface.
#include <optional>
#include <string>
#include <string_view>

namespace sj {

struct NameDialog {
    std::string_view caption;
    std::string_view prompt;
    int clientWidth;
    // A library name: refused characters are dropped while they are typed.
    bool libraryName = false;
};

inline constexpr NameDialog kNewTemplateDialog{"Clipbook Template", "Enter a name for new template:", 300,
                                               true};
inline constexpr NameDialog kRenameTemplateDialog{"Clipbook Template", "Rename template to:", 300, true};
inline constexpr NameDialog kSaveTemplateDialog{"Save Clipbook Template",
                                                "Enter a name for the Clipbook template:", 400, true};
inline constexpr NameDialog kItemTitleDialog{"Clipbook Item Title",
                                             "Enter a descriptive title for new Clipbook item:", 400};

// The text a dialog shows for a default: a command clip's "^!" is left out.
inline std::string shownDefaultText(std::string_view text) {
    if (text.starts_with("^!")) text.remove_prefix(2);
    return std::string(text);
}

class ClipbookHost {
public:
    virtual ~ClipbookHost() = default;
    // nullopt for Cancel.
    virtual std::optional<std::string> askName(const NameDialog& dialog, const std::string& defaultText) = 0;
    virtual bool askYesNo(const std::string& question) = 0;
    virtual void showError(const std::string& message) = 0;
};

}  // namespace sj
