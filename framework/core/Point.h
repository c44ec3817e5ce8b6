#pragma once

// A point with whole coordinates: a place on the virtual screen or a cell of the board.
struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint&) const = default;
};
