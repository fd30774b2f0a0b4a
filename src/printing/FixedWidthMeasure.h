#pragma once
// A font whose every character has the same width: the stand-in for a
// printer font in tests and benchmarks.
#include "printing/FontMeasure.h"
#include "text/Utf8.h"

namespace sj {

class FixedWidthMeasure : public FontMeasure {
public:
    FixedWidthMeasure(int charWidth, int lineHeight) : m_charWidth(charWidth), m_lineHeight(lineHeight) {}
    int lineHeight() const override { return m_lineHeight; }
    int averageCharWidth() const override { return m_charWidth; }
    int textWidth(std::string_view text) const override {
        return static_cast<int>(utf8::countChars(text)) * m_charWidth;
    }

private:
    int m_charWidth;
    int m_lineHeight;
};

}  // namespace sj
