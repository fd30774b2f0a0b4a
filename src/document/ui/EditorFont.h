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
// A colour as the configuration stores it: a system colour (a negative value,
// the window background -2147483643 among them) taken from the palette, or an
// RGB value 0x00BBGGRR. A system colour without a match gives the fallback role.
QColor storedColor(int value, const QPalette& palette, QPalette::ColorRole fallback = QPalette::Base);
int colorToStored(const QColor& color);

}  // namespace sj
