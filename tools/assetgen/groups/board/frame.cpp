// The frame is one moulding, an iron band with a gilt bead along the cells, that every piece draws from
// its distance to the playing field: straight pieces, rounded outer corners and mitred inner corners meet
// without a seam however the level is shaped. Straight pieces and corners are 10 pixels thick and lie
// outside the cells, as the board places them.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"
#include "tools/assetgen/groups/board/parts.h"

namespace assetgen::board {

const Tones kIron{Hex(0x8d97bd), Hex(0x363d5e), Hex(0x0c0e1a)};
const Tones kGilt{Hex(0xfff1b8), Hex(0xd9a23c), Hex(0x5a3206)};

namespace {

namespace pal = palette;

// Where a point of a piece lies relative to the playing field: its distance from the field's edge and
// the direction pointing away from the field.
struct Reach {
    double d, ux, uy;
};
using ReachFn = std::function<Reach(double x, double y)>;

// The moulding across its width, d = 0 at the cells: a dark seam, the gilt bead, then the iron band
// rounding off to the outside. Returns the height and its slope, and the material.
struct Profile {
    double height, slope;
    bool gilt;
};

Profile ProfileAt(double d) {
    if (d < 1.2) return {0, 0, false};
    if (d < 4.8) {
        const double u = (d - 3) / 1.8, h = std::sqrt(std::max(0.0, 1 - u * u));
        return {2.2 * h, h > 0.02 ? -2.2 * u / (1.8 * h) : 0, true};
    }
    if (d < 8) return {1.6, 0, false};
    const double u = (d - 8) / 2, h = std::sqrt(std::max(0.0, 1 - u * u));
    return {1.6 * h, h > 0.05 ? -1.6 * u / (2 * h) : -3, false};
}

// A rivet on a straight piece: a small gilt dome in the middle of the iron band.
struct Rivet {
    double x, y;
};

platform::PixelMap DrawPiece(int width, int height, const ReachFn& reach,
                             const std::vector<Rivet>& rivets = {}) {
    const double lx = light::kMoonX * 0.65, ly = light::kMoonY * 0.65, lz = 0.76;
    platform::PixelMap out(width, height);
    constexpr int kSamples = 4;
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = px + (sx + 0.5) / kSamples, y = py + (sy + 0.5) / kSamples;
                    const Reach at = reach(x, y);
                    if (at.d < 0 || at.d > kThick) continue;
                    const Profile p = ProfileAt(at.d);
                    double nx = -p.slope * at.ux, ny = -p.slope * at.uy;
                    bool gilt = p.gilt;
                    for (const Rivet& rivet : rivets) {
                        const double dx = x - rivet.x, dy = y - rivet.y, rr = dx * dx + dy * dy;
                        if (rr < 1.8 * 1.8) {
                            const double h = std::sqrt(1.8 * 1.8 - rr);
                            nx = dx / h;
                            ny = dy / h;
                            gilt = true;
                        }
                    }
                    const double lambert = (nx * lx + ny * ly + lz) / std::sqrt(nx * nx + ny * ny + 1);
                    Colour c = (gilt ? kGilt : kIron).At(0.5 + (lambert - lz) * 2.2);
                    if (at.d < 1.2) c = pal::Ink;
                    // A glint where the bead turns straight to the moon.
                    if (gilt && lambert > 0.93) c = Mix(c, pal::Moonlight, (lambert - 0.93) * 8);
                    // The outer lip is inked like every piece's silhouette.
                    if (at.d > 9.1) c = Mix(c, pal::Ink, 0.8);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    a += 1;
                }
            }
            if (a == 0) continue;
            const double n = kSamples * kSamples;
            const auto byte = [](double v) {
                return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
            };
            out.Set(px, py, {byte(r / a), byte(g / a), byte(b / a), byte(a / n)});
        }
    }
    return out;
}

struct Piece {
    const char* name;
    int width, height;
    ReachFn reach;
    std::vector<Rivet> rivets;
};

Reach Straight(double d, double ux, double uy) {
    return {d, ux, uy};
}

Reach Round(double x, double y, double cx, double cy) {
    const double d = std::hypot(x - cx, y - cy);
    return {d, d > 0 ? (x - cx) / d : 0, d > 0 ? (y - cy) / d : 0};
}

// The nearer of the two sides of the field that meet at an inside corner (a mitre).
Reach Mitre(Reach a, Reach b) {
    return a.d < b.d ? a : b;
}

// Made on first use: the group lists its pictures while the program starts, in no set order with this
// file's own start-up.
const std::vector<Piece>& Pieces() {
    static const std::vector<Piece> pieces = {
        // Straight pieces: the field is above a bottom piece, to the right of a left piece, and so on.
        {"BorderBottom", kCell, kThick, [](double, double y) { return Straight(y, 0, 1); }, {{33, 6.4}}},
        {"BorderLeft",
         kThick,
         kCell,
         [](double x, double) { return Straight(kThick - x, -1, 0); },
         {{3.6, 33}}},
        {"BorderRight", kThick, kCell, [](double x, double) { return Straight(x, 1, 0); }, {{6.4, 33}}},
        {"BorderTop",
         kCell,
         kThick,
         [](double, double y) { return Straight(kThick - y, 0, -1); },
         {{33, 3.6}}},
        // Outer corners turn round the field's corner.
        {"CornerBL", kThick, kThick, [](double x, double y) { return Round(x, y, kThick, 0); }, {}},
        {"CornerBR", kThick, kThick, [](double x, double y) { return Round(x, y, 0, 0); }, {}},
        {"CornerTL", kThick, kThick, [](double x, double y) { return Round(x, y, kThick, kThick); }, {}},
        {"CornerTR", kThick, kThick, [](double x, double y) { return Round(x, y, 0, kThick); }, {}},
        // Inner corners sit in a hole's corner, where two straight pieces overlap.
        {"InnerCornerBL",
         kThick,
         kThick,
         [](double x, double y) { return Mitre(Straight(x, 1, 0), Straight(kThick - y, 0, -1)); },
         {}},
        {"InnerCornerBR",
         kThick,
         kThick,
         [](double x, double y) { return Mitre(Straight(kThick - x, -1, 0), Straight(kThick - y, 0, -1)); },
         {}},
        {"InnerCornerTL",
         kThick,
         kThick,
         [](double x, double y) { return Mitre(Straight(x, 1, 0), Straight(y, 0, 1)); },
         {}},
        {"InnerCornerTR",
         kThick,
         kThick,
         [](double x, double y) { return Mitre(Straight(kThick - x, -1, 0), Straight(y, 0, 1)); },
         {}},
    };
    return pieces;
}

}  // namespace

std::vector<NamedPicture> FramePieces() {
    std::vector<NamedPicture> pictures;
    for (const Piece& piece : Pieces()) {
        pictures.push_back({piece.name, [&piece] {
                                return DrawPiece(piece.width, piece.height, piece.reach, piece.rivets);
                            }});
    }
    return pictures;
}

}  // namespace assetgen::board
