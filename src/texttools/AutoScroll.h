#pragma once
// The reading position of automatic scrolling and the decisions its timer,
// Play, Rewind and Forward make. The dialog scrolls the editor as told.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sj {

class AutoScroll {
public:
    static constexpr std::uint16_t kDefaultSpeed = 15;

    // lineCount and pageLines from the editor; firstVisibleLine counts from 0.
    AutoScroll(std::size_t lineCount, std::size_t firstVisibleLine, std::size_t pageLines,
               std::uint16_t speed = kDefaultSpeed)
        : m_lineCount(lineCount),
          m_currentLine(firstVisibleLine + 1),
          m_pageLines(pageLines),
          m_speed(speed) {}

    // The speed typed into the box; anything that is not a number from 0 to
    // 65535 gives the default.
    static std::uint16_t parseSpeed(std::string_view text);
    // Milliseconds a line of that text stays: its characters times the time
    // for one character, plus 1. 0 means the timer stops (speed 0).
    static std::uint32_t intervalMs(std::string_view lineText, std::uint16_t speed);

    struct Tick {
        bool scrollDown = false;    // scroll the editor down one line
        bool caretToStart = false;  // the end was read: caret to the start, paused
    };
    // One timer tick while playing.
    Tick tick();
    // Play with the speed text of the box.
    void play(std::string_view speedText);
    void pause() { m_playing = false; }
    // Lines to scroll up (Rewind) or down (Forward); 0 when nothing moves.
    std::size_t rewind();
    std::size_t forward();

    bool playing() const { return m_playing; }
    std::uint16_t speed() const { return m_speed; }
    void setSpeed(std::uint16_t speed) { m_speed = speed; }
    std::size_t currentLine() const { return m_currentLine; }
    std::size_t lineCount() const { return m_lineCount; }
    std::size_t pageLines() const { return m_pageLines; }

private:
    std::size_t m_lineCount;
    std::size_t m_currentLine;  // 1-based
    std::size_t m_pageLines;
    std::uint16_t m_speed;
    bool m_playing = false;
};

}  // namespace sj
