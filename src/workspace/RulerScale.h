#pragma once
// The ruler's scale: tick step per unit, the ticks to draw and the position
// hint under the mouse.
#include <string>
#include <vector>

namespace sj {

enum class RulerUnit { Characters = 0, Inches = 1, Centimetres = 2 };

// Characters -> inches -> centimetres -> characters.
RulerUnit nextRulerUnit(RulerUnit unit);
// A stored "RulerUnits" value; anything unknown is characters.
RulerUnit rulerUnitFromStored(int value);

// Pixels between two ticks. Characters: the width of the 95 printable ASCII
// characters divided by 95, widened by 1.082 for a proportional font, since
// its text runs wider than the average glyph. Inches: a tenth of an inch.
// Centimetres: 2 millimetres.
double rulerStep(RulerUnit unit, double widthOfPrintableAscii, bool proportional, double pixelsPerInch);

struct RulerTick {
    int x = 0;       // in the ruler's coordinates
    int length = 0;  // pixels down from y = 1
};

// Ticks from the first one at margin + offset + 1 up to the right end. Each
// tick sits at its exact place rounded, so no rounding error adds up along the
// scale. Long every 10 ticks (every 5 in centimetres, one per centimetre),
// medium every 5 (never in centimetres), short otherwise.
std::vector<RulerTick> rulerTicks(int width, int height, int margin, int offset, double step, RulerUnit unit);

// "Position: <n> characters", "Position: <n.n> inches" or "Position: <n>
// millimeters" for the mouse at x, measured from the first tick; empty when
// the step is not above 0.
std::string rulerHint(int mouseX, int margin, int offset, double step, RulerUnit unit);

}  // namespace sj
