#pragma once
#include <QColor>
#include <QFont>
#include <QPalette>

#include <string>

namespace sj {

struct Options;

// The window's default editor font from FontName, FontSize and FontStyle.
QFont editorFont(const Options& options);
QFont fontFromParts(const std::string& name, int size, const std::string& style);
// "BIUS" letters of a font.
std::string fontStyleLetters(const QFont& font);
// A colour as the configuration stores it: system window colour, or 0x00BBGGRR.
QColor storedColor(int value, const QPalette& palette);
int colorToStored(const QColor& color);

}  // namespace sj
