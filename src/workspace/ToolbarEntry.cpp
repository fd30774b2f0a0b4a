#include "workspace/ToolbarEntry.h"

namespace sj {
namespace {

ToolbarEntry button(int position, const char* command, const char* caption, const char* toolTip,
                    const char* hint, const char* icon, bool shown, int group = 0) {
    ToolbarEntry e;
    e.command = command;
    e.caption = caption;
    e.toolTip = toolTip;
    e.hint = hint;
    e.icon = icon;
    e.position = position;
    e.available = shown;
    e.groupIndex = group;
    return e;
}

ToolbarEntry separator(int position, int tag, bool shown) {
    ToolbarEntry e;
    e.position = position;
    e.separatorTag = tag;
    e.available = shown;
    return e;
}

}  // namespace

std::string ToolbarEntry::iniKey() const {
    return isSeparator() ? "Space_" + std::to_string(separatorTag) : toolTip;
}

std::vector<ToolbarEntry> standardToolbarEntries() {
    std::vector<ToolbarEntry> e{
        button(10, "new", "New", "New Document", "Create a new document", "document-new", true),
        button(20, "open", "Open", "Open Document", "Open a document in the editor", "document-open", true),
        button(30, "save", "Save", "Save Document", "Save document to disk", "document-save", true),
        button(40, "saveAll", "Save All", "Save All", "Save all modified documents", "document-save-as",
               false),
        separator(50, 1, false),
        button(60, "close", "Close", "Close Document", "Close current document", "window-close", false),
        button(70, "closeAll", "Close All", "Close All", "Close all documents", "edit-clear-all", false),
        separator(80, 2, false),
        button(90, "favorites", "Favorites", "Go to Favorites",
               "Edit and/or open documents from favorite file list", "emblem-favorite", true),
        button(100, "addFavorite", "Add", "Add Favorite", "Add current document to Favorites list",
               "bookmark-new", false),
        separator(110, 3, true),
        button(120, "print", "Print", "Print",
               "Print document or selected text (uses printer dialog settings)", "document-print", true),
        button(122, "printDialog", "Print...", "Printer Settings",
               "Show Print dialog box before printing document", "document-print-preview", false),
        separator(130, 4, true),
        button(140, "cut", "Cut", "Cut", "Cut selection to the clipboard", "edit-cut", true),
        button(150, "copy", "Copy", "Copy", "Copy selection to the clipboard", "edit-copy", true),
        button(160, "copyAll", "Copy All", "Copy All", "Copy the full document to the clipboard",
               "x-office-document", false),
        button(162, "selectAll", "Select All", "Select All", "Select the entire document", "edit-select-all",
               false),
        button(170, "paste", "Paste", "Paste", "Paste text from the clipboard", "edit-paste", true),
        separator(180, 5, false),
        button(190, "date", "Date", "Paste Date/Time",
               "Paste current Date and Time according to filter setting", "x-office-calendar", false),
        button(200, "pageBreak", "Page", "Page Break", "Insert page break at caret position", "go-jump",
               false),
        button(202, "indent", "Indent", "Increase Indent", "Indent current or selected lines",
               "format-indent-more", false),
        button(204, "unindent", "Unindent", "Decrease Indent", "Unindent current or selected lines",
               "format-indent-less", false),
        separator(210, 6, true),
        button(220, "reload", "Reload", "Reload Document", "Reload current document from disk",
               "document-revert", false),
        button(230, "undo", "Undo", "Undo/Redo", "Undo changes made to document", "edit-undo", true),
        separator(250, 7, true),
        button(260, "find", "Find", "Find Text", "Search for text in open documents", "edit-find", true),
        button(270, "replace", "Replace", "Replace Text", "Replace text in open documents",
               "edit-find-replace", true),
        button(280, "searchAgain", "Next", "Search Again",
               "Repeat last search or replace operation (Shift+F3 reverses search direction)", "go-down",
               false),
        separator(290, 8, true),
        button(300, "wordWrap", "Wrap", "Toggle Word Wrap", "Toggle word wrap on or off in current document",
               "format-justify-fill", true, 1),
        button(310, "font", "Font", "Font", "Change font settings for current document",
               "preferences-desktop-font", true),
        button(320, "largerFont", "Larger", "Increase Font Size",
               "Increase size of font used in current document", "zoom-in", false),
        button(330, "smallerFont", "Smaller", "Decrease Font Size",
               "Decrease size of font used in current document", "zoom-out", false),
        separator(360, 9, true),
        button(370, "statistics", "Statistics", "Statistics", "Show document or selected text statistics",
               "accessories-calculator", false),
        button(380, "selector", "Selector", "Document Selector", "Open or close document selector",
               "view-restore", true, 2),
        button(390, "clipbook", "Clipbook", "Clipbook", "Open or show Clipbook", "x-office-address-book",
               true, 3),
        button(400, "addClip", "Add Clip", "Add to Clipbook", "Add selected text to Clipbook", "list-add",
               false),
        separator(410, 10, false),
        button(415, "send", "Send", "Send", "Send current document as E-mail (using MAPI)", "mail-send",
               false),
        button(420, "viewInBrowser", "View", "View in Browser", "View current document in web browser",
               "web-browser", true),
        button(430, "openLink", "Link", "Open Link", "Open link in web browser", "insert-link", false),
        button(440, "stripHtml", "Strip Tags", "Strip HTML",
               "Remove HTML tags from selected text or current document", "edit-clear", true),
        button(450, "charsToHtml", "To Html", "Characters to HTML",
               "Convert extended characters to the corresponding HTML syntax", "text-html", false),
        separator(460, 11, true),
        button(463, "documentProperties", "Prop", "Document Properties", "Change current document settings",
               "document-properties", true),
        button(466, "preferences", "Prefs", "Preferences", "Configure program options", "preferences-system",
               true),
        separator(468, 12, true),
        button(470, "exit", "Exit", "Exit", "Exit editor program", "application-exit", true),
        separator(480, 13, false),
        button(490, "help", "Help", "Help", "Show help contents", "help-contents", false),
    };
    for (int tag = 14; tag <= 19; ++tag) e.push_back(separator(500 + (tag - 14) * 10, tag, false));
    return e;
}

}  // namespace sj
