#include "document/ui/EditorFont.h"

#include "config/Options.h"

namespace sj {

QFont fontFromParts(const std::string& name, int size, const std::string& style) {
    QFont font(QString::fromStdString(name.empty() ? std::string("Courier New") : name));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(size > 0 ? size : 10);
    const std::string letters = Options::normalizeFontStyle(style);
    font.setBold(letters.find('B') != std::string::npos);
    font.setItalic(letters.find('I') != std::string::npos);
    font.setUnderline(letters.find('U') != std::string::npos);
    font.setStrikeOut(letters.find('S') != std::string::npos);
    return font;
}

QFont editorFont(const Options& options) {
    return fontFromParts(options.fontName, options.fontSize, options.fontStyle);
}

std::string fontStyleLetters(const QFont& font) {
    std::string s;
    if (font.bold()) s += 'B';
    if (font.italic()) s += 'I';
    if (font.underline()) s += 'U';
    if (font.strikeOut()) s += 'S';
    return s;
}

QColor storedColor(int value, const QPalette& palette, QPalette::ColorRole fallback) {
    if (value < 0) {
        switch (value & 0xFF) {
            case 5:  // window background
                return palette.color(QPalette::Base);
            case 8:  // window text
                return palette.color(QPalette::Text);
            case 13:
                return palette.color(QPalette::Highlight);
            case 14:
                return palette.color(QPalette::HighlightedText);
            case 15:
                return palette.color(QPalette::Button);
            case 18:
                return palette.color(QPalette::ButtonText);
            default:
                return palette.color(fallback);
        }
    }
    const auto v = static_cast<unsigned>(value);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int colorToStored(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

}  // namespace sj
