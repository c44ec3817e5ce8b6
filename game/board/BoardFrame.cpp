// The frame around the playing field: straight pieces where the field meets a hole or the board's edge,
// then outer corners, then inner corners, and the decorative pieces a level file adds.
#include "framework/gfx/GameImage.h"
#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"

namespace {

constexpr int kThickness = 10;

int PictureWidth(int type) {
    const auto& picture = BoardImages.Borders[type];
    return picture ? picture->w : 0;
}

int PictureHeight(int type) {
    const auto& picture = BoardImages.Borders[type];
    return picture ? picture->h : 0;
}

}  // namespace

int TGameGrid::AddBorderExtra(int type, int cellX, int cellY) {
    if (ExtraBorderCount >= kMaxExtraBorders) return 0;
    const int X = GridToScreenX(cellX), Y = GridToScreenY(cellY);
    int x = X, y = Y;
    switch (type) {
        case TCell::EXTRA_LONG_BOTTOM:
            y = Y + 10;
            break;
        case TCell::EXTRA_LONG_LEFT:
            x = X - (PictureWidth(type) + 10);
            break;
        case TCell::EXTRA_LONG_RIGHT:
            x = X + 10;
            break;
        case TCell::EXTRA_LONG_TOP:
            y = Y - (PictureHeight(type) + 10);
            break;
        case TCell::EXTRA_BOTTOM_LEFT:
            x = X + 78 - PictureWidth(type), y = Y - 12;
            break;
        case TCell::EXTRA_BOTTOM_RIGHT:
            y = Y + 10;
            break;
        case TCell::EXTRA_TOP_LEFT:
            x = X + 57 - PictureWidth(type), y = Y - (PictureHeight(type) + 9);
            break;
        case TCell::EXTRA_TOP_RIGHT:
            y = Y - (PictureHeight(type) + 10);
            break;
        case TCell::EXTRA_LEFT_BOTTOM:
            x = X - (PictureWidth(type) + 10), y = Y + 10;
            break;
        case TCell::EXTRA_LEFT_TOP:
            x = X - (PictureWidth(type) + 10), y = Y + 66 - PictureHeight(type);
            break;
        case TCell::EXTRA_RIGHT_BOTTOM:
            x = X + 9, y = Y + 10;
            break;
        case TCell::EXTRA_RIGHT_TOP:
            x = X + 10, y = Y + 66 - PictureHeight(type);
            break;
        default:
            break;
    }
    // Only the frame's own picture types can be drawn; anything else keeps its place but shows nothing.
    const int index = type >= 0 && type < static_cast<int>(BorderImageNames.size()) ? type : -1;
    if (index < 0) return 0;
    ExtraBorders[ExtraBorderCount++] = TBorder{static_cast<float>(x), static_cast<float>(y), index};
    return 1;
}

int TGameGrid::CalcBorder() {
    const int lastX = levelwidth - 1, lastY = levelheight - 1;
    auto fx = [](int x) { return static_cast<float>(GridToScreenX(x)); };
    auto fy = [](int y) { return static_cast<float>(GridToScreenY(y)); };

    // Where the field meets a hole.
    for (int y = 0; y < levelheight; ++y) {
        for (int x = 0; x < levelwidth; ++x) {
            if (CellActive(x, y)) continue;
            if (TCell* left = CellActive(x - 1, y) ? CellAt(x - 1, y) : nullptr; left && !left->DrawRight) {
                left->DrawRight = 1;
                AddBorder(fx(x), fy(y), 2);
            }
            if (TCell* up = CellActive(x, y - 1) ? CellAt(x, y - 1) : nullptr; up && !up->DrawBottom) {
                up->DrawBottom = 1;
                AddBorder(fx(x), fy(y), 0);
            }
            if (TCell* right = CellActive(x + 1, y) ? CellAt(x + 1, y) : nullptr; right && !right->DrawLeft) {
                right->DrawLeft = 1;
                AddBorder(fx(x + 1) - kThickness, fy(y), 1);
            }
            if (TCell* down = CellActive(x, y + 1) ? CellAt(x, y + 1) : nullptr; down && !down->DrawTop) {
                down->DrawTop = 1;
                AddBorder(fx(x), fy(y + 1) - kThickness, 3);
            }
        }
    }

    // Along the board's edges: the first column, the last, the top row, the bottom row.
    auto edge = [&](int x, int y, int TCell::*flag, float px, float py, int type) {
        TCell* cell = CellAt(x, y);
        if (!cell || !cell->active) return;
        cell->*flag = 1;
        AddBorder(px, py, type);
    };
    for (int y = 0; y < levelheight; ++y) edge(0, y, &TCell::DrawLeft, fx(0) - kThickness, fy(y), 1);
    for (int y = 0; y < levelheight; ++y) edge(lastX, y, &TCell::DrawRight, fx(levelwidth), fy(y), 2);
    for (int x = 0; x < levelwidth; ++x) edge(x, 0, &TCell::DrawTop, fx(x), fy(0) - kThickness, 3);
    for (int x = 0; x < levelwidth; ++x) edge(x, lastY, &TCell::DrawBottom, fx(x), fy(levelheight), 0);

    // Outer corners.
    for (int y = 0; y < levelheight; ++y) {
        for (int x = 0; x < levelwidth; ++x) {
            const TCell* cell = CellAt(x, y);
            if (!cell || !cell->active) continue;
            if (cell->DrawTop && cell->DrawLeft && (x == 0 || y == 0 || !CellActive(x - 1, y - 1))) {
                AddBorder(fx(x) - kThickness, fy(y) - kThickness, 6);
            }
            if (cell->DrawTop && cell->DrawRight && (y == 0 || x == lastX || !CellActive(x + 1, y - 1))) {
                AddBorder(fx(x + 1), fy(y) - kThickness, 7);
            }
            if (cell->DrawBottom && cell->DrawRight &&
                (x == lastX || y == lastY || !CellActive(x + 1, y + 1))) {
                AddBorder(fx(x + 1), fy(y + 1), 5);
            }
            if (cell->DrawBottom && cell->DrawLeft && (x == 0 || y == lastY || !CellActive(x - 1, y + 1))) {
                AddBorder(fx(x) - kThickness, fy(y + 1), 4);
            }
        }
    }

    // Inner corners, in the holes.
    for (int y = 0; y < levelheight; ++y) {
        for (int x = 0; x < levelwidth; ++x) {
            if (CellActive(x, y)) continue;
            const bool left = CellActive(x - 1, y), up = CellActive(x, y - 1), right = CellActive(x + 1, y),
                       down = CellActive(x, y + 1);
            if (left && up) AddBorder(fx(x), fy(y), 10);
            if (up && right) AddBorder(fx(x + 1) - kThickness, fy(y), 11);
            if (right && down) AddBorder(fx(x + 1) - kThickness, fy(y + 1) - kThickness, 9);
            if (down && left) AddBorder(fx(x), fy(y + 1) - kThickness, 8);
        }
    }
    return 1;
}
