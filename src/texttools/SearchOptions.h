#pragma once
// Find and replace options, kept as the 16-bit value the option store uses.
#include <cstdint>

namespace sj {

class SearchOptions {
public:
    static constexpr std::uint16_t kDown = 1;
    static constexpr std::uint16_t kMatchCase = 32;
    static constexpr std::uint16_t kDisableDirection = 128;
    static constexpr std::uint16_t kWholeWord = 2048;

    constexpr SearchOptions() = default;
    constexpr explicit SearchOptions(std::uint16_t bits) : m_bits(bits) {}

    constexpr std::uint16_t bits() const { return m_bits; }
    constexpr bool down() const { return has(kDown); }
    constexpr bool matchCase() const { return has(kMatchCase); }
    constexpr bool wholeWord() const { return has(kWholeWord); }
    constexpr bool directionDisabled() const { return has(kDisableDirection); }

    constexpr void setDown(bool on) { set(kDown, on); }
    constexpr void setMatchCase(bool on) { set(kMatchCase, on); }
    constexpr void setWholeWord(bool on) { set(kWholeWord, on); }
    constexpr void setDirectionDisabled(bool on) { set(kDisableDirection, on); }

    friend constexpr bool operator==(SearchOptions, SearchOptions) = default;

private:
    constexpr bool has(std::uint16_t flag) const { return (m_bits & flag) != 0; }
    constexpr void set(std::uint16_t flag, bool on) {
        m_bits = on ? static_cast<std::uint16_t>(m_bits | flag) : static_cast<std::uint16_t>(m_bits & ~flag);
    }

    std::uint16_t m_bits = kDown;
};

}  // namespace sj
