#pragma once
// The tab-stop list of the editor: at most 32 positions in one unit, with a
// fill flag that repeats the first stop's distance after the last one.
#include <string>
#include <string_view>
#include <vector>

namespace sj {

enum class TabUnit { Inches = 0, Centimetres = 1, Pixels = 2 };

class TabStops {
public:
    static constexpr std::size_t kMaxStops = 32;
    static constexpr double kMinPosition = 0.01;
    // Far beyond any page; a stored position past it is dropped, so the
    // tab-stop arithmetic stays well inside int.
    static constexpr double kMaxPosition = 1e7;

    explicit TabStops(TabUnit unit = TabUnit::Inches, bool fill = true) : m_unit(unit), m_fill(fill) {}

    // Adds a stop, keeping the list ascending. Refused: below 0.01, above
    // kMaxPosition, a stop already present, or a 33rd stop.
    bool add(double position);
    void clear() { m_positions.clear(); }

    // Rebuilds the list from its text form ("0.5;1.25"); parts that are not
    // numbers are dropped.
    void setText(std::string_view text);
    // Positions with up to 7 significant digits and 2 decimals, joined by ";".
    std::string text() const;

    // The store keeps the list with "/" for ";".
    static std::string toStored(std::string_view text);
    static std::string fromStored(std::string_view stored);

    const std::vector<double>& positions() const { return m_positions; }
    TabUnit unit() const { return m_unit; }
    bool fill() const { return m_fill; }
    void setFill(bool fill) { m_fill = fill; }

    // Switches the unit, converting every position so the stops keep their
    // physical place. Pixel conversions need the screen's pixels per inch; with
    // 0 the positions stay as they are.
    void setUnit(TabUnit unit, double pixelsPerInch);

    // The stops in whole points as the editor applies them: the given ones,
    // then (with fill) further ones a first-stop distance apart up to 32; an
    // empty list gives 32 stops every half inch.
    std::vector<int> points(double pixelsPerInch) const;

    // The same stops in screen pixels, for an editor that positions tabs in pixels.
    std::vector<int> pixels(double pixelsPerInch) const;

private:
    TabUnit m_unit;
    bool m_fill;
    std::vector<double> m_positions;
};

}  // namespace sj
