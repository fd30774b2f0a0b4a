#include "shell/ui/EditorFont.h"

#include "shell/Options.h"

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

QFont editorFont(const Options& options) { return fontFromParts(options.fontName, options.fontSize, options.fontStyle); }

std::string fontStyleLetters(const QFont& font) {
    std::string s;
    if (font.bold()) s += 'B';
    if (font.italic()) s += 'I';
    if (font.underline()) s += 'U';
    if (font.strikeOut()) s += 'S';
    return s;
}

QColor storedColor(int value, const QPalette& palette) {
    if (value == Options::kSystemWindowColor) return palette.color(QPalette::Base);
    if (value < 0) return palette.color(QPalette::Base);
    const auto v = static_cast<unsigned>(value);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int colorToStored(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

}  // namespace sj
