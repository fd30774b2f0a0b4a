#include "config/TabStops.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace sj {

namespace {

// The points per inch the stops are measured in.
constexpr double kPointsPerInch = 505.0 / 7.0;
constexpr double kCmPerInch = 2.54;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

int roundHalfAway(double v) {
    return static_cast<int>(std::lround(v));
}

}  // namespace

bool TabStops::add(double position) {
    if (!(position >= kMinPosition) || !(position <= kMaxPosition)) return false;
    if (m_positions.size() >= kMaxStops) return false;
    const auto it = std::lower_bound(m_positions.begin(), m_positions.end(), position);
    if (it != m_positions.end() && *it == position) return false;
    m_positions.insert(it, position);
    return true;
}

void TabStops::setText(std::string_view text) {
    m_positions.clear();
    while (true) {
        const std::size_t semi = text.find(';');
        const std::string_view part = trim(text.substr(0, semi));
        if (!part.empty()) {
            double v = 0;
            const char* end = part.data() + part.size();
            const auto [ptr, ec] = std::from_chars(part.data(), end, v);
            if (ec == std::errc() && ptr == end) add(v);
        }
        if (semi == std::string_view::npos) break;
        text.remove_prefix(semi + 1);
    }
}

std::string TabStops::text() const {
    std::string out;
    for (const double p : m_positions) {
        if (p <= 0) continue;
        const double rounded = std::round(p * 100.0) / 100.0;
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.7g", rounded);
        if (!out.empty()) out += ';';
        out += buf;
    }
    return out;
}

std::string TabStops::toStored(std::string_view text) {
    std::string s(text);
    std::replace(s.begin(), s.end(), ';', '/');
    return s;
}

std::string TabStops::fromStored(std::string_view stored) {
    std::string s(stored);
    std::replace(s.begin(), s.end(), '/', ';');
    return s;
}

void TabStops::setUnit(TabUnit unit, double pixelsPerInch) {
    if (unit == m_unit) return;
    // Factor from the old unit to inches, then inches to the new unit.
    auto perInch = [&](TabUnit u) {
        switch (u) {
            case TabUnit::Inches:
                return 1.0;
            case TabUnit::Centimetres:
                return kCmPerInch;
            case TabUnit::Pixels:
                return pixelsPerInch;
        }
        return 1.0;
    };
    const double from = perInch(m_unit);
    const double to = perInch(unit);
    m_unit = unit;
    if (from <= 0 || to <= 0) return;
    for (double& p : m_positions) p = p / from * to;
}

std::vector<int> TabStops::points(double pixelsPerInch) const {
    std::vector<int> out;
    if (m_positions.empty()) {
        for (std::size_t i = 1; i <= kMaxStops; ++i) out.push_back(static_cast<int>(36 * i));
        return out;
    }
    double factor = kPointsPerInch;
    if (m_unit == TabUnit::Centimetres) factor = kPointsPerInch / kCmPerInch;
    if (m_unit == TabUnit::Pixels) factor = pixelsPerInch > 0 ? kPointsPerInch / pixelsPerInch : 0;
    // Positions come from files and screens: hold the points where 32 fill
    // steps of the largest still fit an int.
    constexpr double kMaxPoints = 1 << 24;
    for (const double p : m_positions) out.push_back(roundHalfAway(std::min(p * factor, kMaxPoints)));
    if (m_fill && out.front() > 0) {
        const int step = out.front();
        while (out.size() < kMaxStops) out.push_back(out.back() + step);
    }
    return out;
}

std::vector<int> TabStops::pixels(double pixelsPerInch) const {
    std::vector<int> out;
    for (const int pt : points(pixelsPerInch))
        out.push_back(roundHalfAway(std::min(pt * pixelsPerInch / 72.0, double{1 << 30})));
    return out;
}

}  // namespace sj
