#include "platform/Graphics.h"

namespace platform {

bool FrameRect(int stripWidth, int stripHeight, int cellW, int cellH, int first, int index, Rect& out) {
    if (cellW <= 0 || cellH <= 0 || first < 0 || index < 0) return false;
    const int columns = stripWidth / cellW;
    const int rows = stripHeight / cellH;
    const int cell = first + index;
    if (columns <= 0 || cell >= columns * rows) return false;
    out = {(cell % columns) * cellW, (cell / columns) * cellH, cellW, cellH};
    return true;
}

bool StripHolds(const PixelMap& pixels, int cellW, int cellH, int first, int count) {
    Rect last;
    return count >= 1 && !pixels.Empty() &&
           FrameRect(pixels.Width(), pixels.Height(), cellW, cellH, first, count - 1, last);
}

}  // namespace platform
