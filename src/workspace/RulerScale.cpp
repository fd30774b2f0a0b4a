#include "workspace/RulerScale.h"

#include <cmath>
#include <cstdlib>

namespace sj {

RulerUnit nextRulerUnit(RulerUnit unit) {
    switch (unit) {
        case RulerUnit::Characters:
            return RulerUnit::Inches;
        case RulerUnit::Inches:
            return RulerUnit::Centimetres;
        case RulerUnit::Centimetres:
            break;
    }
    return RulerUnit::Characters;
}

RulerUnit rulerUnitFromStored(int value) {
    return value == 1 ? RulerUnit::Inches : value == 2 ? RulerUnit::Centimetres : RulerUnit::Characters;
}

double rulerStep(RulerUnit unit, double widthOfPrintableAscii, bool proportional, double pixelsPerInch) {
    switch (unit) {
        case RulerUnit::Characters:
            return widthOfPrintableAscii / 95.0 * (proportional ? 1.082 : 1.0);
        case RulerUnit::Inches:
            return pixelsPerInch * 0.1;
        case RulerUnit::Centimetres:
            return pixelsPerInch * 2.0 / 25.4;
    }
    return 0;
}

std::vector<RulerTick> rulerTicks(int width, int height, int margin, int offset, double step,
                                  RulerUnit unit) {
    std::vector<RulerTick> ticks;
    if (!(step > 0)) return ticks;
    const int rightEnd = width - 2 * margin;
    const int divisor = unit == RulerUnit::Centimetres ? 2 : 1;
    const int longLength = height - 4, mediumLength = height - 6, shortLength = (height - 4) / 2;
    const double first = offset + 1;
    for (int i = 0;; ++i) {
        const int x = static_cast<int>(std::lround(first + i * step));
        if (x >= rightEnd - 2) break;
        int length = shortLength;
        if (i % (10 / divisor) == 0)
            length = longLength;
        else if (divisor == 1 && i % 5 == 0)
            length = mediumLength;
        ticks.push_back({margin + x, length});
    }
    return ticks;
}

std::string rulerHint(int mouseX, int margin, int offset, double step, RulerUnit unit) {
    if (!(step > 0)) return {};
    const double d = mouseX - (margin + offset + 1);
    switch (unit) {
        case RulerUnit::Characters:
            return "Position: " + std::to_string(std::lround(d / step)) + " characters";
        case RulerUnit::Inches: {
            // Written by hand: the user's locale must not turn the point into a comma.
            const long tenths = std::lround(d / step);
            const long whole = std::labs(tenths) / 10;
            return "Position: " + std::string(tenths < 0 ? "-" : "") + std::to_string(whole) + "." +
                   std::to_string(std::labs(tenths) % 10) + " inches";
        }
        case RulerUnit::Centimetres:
            return "Position: " + std::to_string(std::lround(2 * d / step)) + " millimeters";
    }
    return {};
}

}  // namespace sj
