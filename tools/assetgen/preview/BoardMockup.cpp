// A level as the game screen will draw it, composed from the finished pictures only: a 9 x 8 board with
// holes, armour, locks, rocks, bombs, coins and a skull on "bg3", the HUD panel and the power-up row. It
// places and layers things the way the board does (frame shadow, frame, tiles, glows, gems, overlays), so
// that the pictures can be judged together before any game code draws them. A second sheet shows the same
// screen over every level background.

#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"
#include "tools/assetgen/FontOutline.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/StyleKit.h"
#include "tools/assetgen/preview/Compose.h"
#include "tools/assetgen/preview/Preview.h"

namespace assetgen::preview {
namespace {

namespace files = platform::files;
constexpr int kCols = 9, kRows = 8, kCell = 66;
constexpr int kScreenW = 1024, kScreenH = 768;
// Where the board centres a 9 x 8 level: right of the middle, leaving the left to the HUD.
constexpr int kSx = (kScreenW - kCols * kCell) / 2 + 75, kSy = (kScreenH - kRows * kCell) / 2 - 45;

// The level: '.' a hole, ' ' a plain cell, 'g' a gold tile, 's' gold under silver.
const char* const kTiles[kRows] = {
    " ggg.ggg ",  //
    " g  .  g ",  //
    "         ",  //
    "  ss ss  ",  //
    "  ss ss  ",  //
    "         ",  //
    ".       .",  //
    "..  g  ..",
};
// What stands on each cell: 1-9 a gem colour, a-d colours 10-13, K skull, P/L/C/G/T/W level-one bombs,
// p/l/c/g/t/w level-two ones, X garlic, $ coin, B money bag; lower rows of the table add overlays.
const char* const kGems[kRows] = {
    "12K4.5673",  //
    "3$2C.6a1b",  //
    "c15ad2P34",  //
    "24l63B512",  //
    "5d31T4c62",  //
    "1g23e45X7",  //
    ".61$45w2.",  //
    "..73p16..",
};
// '1' locked, '2' a rock of strength 2, '3' a cracked rock, 'm' a magic gem, 'h' under the mouse,
// 's' selected.
const char* const kMarks[kRows] = {
    "  1   m  ",  //
    "         ",  //
    "       2 ",  //
    " 3    1  ",  //
    "      m  ",  //
    "  2   s  ",  //
    "   h  1  ",  //
    "         ",
};

bool Active(int x, int y) {
    return x >= 0 && y >= 0 && x < kCols && y < kRows && kTiles[y][x] != '.';
}

double CellX(int x) {
    return kSx + kCell * x;
}
double CellY(int y) {
    return kSy + kCell * y;
}

struct Piece {
    double x, y;
    const char* name;
};

// The frame, placed the way the board places it: straight pieces round holes, then along the board's
// edges, then outer corners, then inner corners.
std::vector<Piece> Frame() {
    std::vector<Piece> pieces;
    bool left[kCols][kRows] = {}, right[kCols][kRows] = {}, top[kCols][kRows] = {}, bottom[kCols][kRows] = {};
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kCols; ++x) {
            if (Active(x, y)) continue;
            if (Active(x - 1, y) && !right[x - 1][y]) {
                right[x - 1][y] = true;
                pieces.push_back({CellX(x), CellY(y), "BorderRight"});
            }
            if (Active(x, y - 1) && !bottom[x][y - 1]) {
                bottom[x][y - 1] = true;
                pieces.push_back({CellX(x), CellY(y), "BorderBottom"});
            }
            if (Active(x + 1, y) && !left[x + 1][y]) {
                left[x + 1][y] = true;
                pieces.push_back({CellX(x + 1) - 10, CellY(y), "BorderLeft"});
            }
            if (Active(x, y + 1) && !top[x][y + 1]) {
                top[x][y + 1] = true;
                pieces.push_back({CellX(x), CellY(y + 1) - 10, "BorderTop"});
            }
        }
    }
    for (int y = 0; y < kRows; ++y) {
        if (Active(0, y)) {
            left[0][y] = true;
            pieces.push_back({CellX(0) - 10, CellY(y), "BorderLeft"});
        }
        if (Active(kCols - 1, y)) {
            right[kCols - 1][y] = true;
            pieces.push_back({CellX(kCols), CellY(y), "BorderRight"});
        }
    }
    for (int x = 0; x < kCols; ++x) {
        if (Active(x, 0)) {
            top[x][0] = true;
            pieces.push_back({CellX(x), CellY(0) - 10, "BorderTop"});
        }
        if (Active(x, kRows - 1)) {
            bottom[x][kRows - 1] = true;
            pieces.push_back({CellX(x), CellY(kRows), "BorderBottom"});
        }
    }
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kCols; ++x) {
            if (!Active(x, y)) continue;
            if (top[x][y] && left[x][y] && !Active(x - 1, y - 1)) {
                pieces.push_back({CellX(x) - 10, CellY(y) - 10, "CornerTL"});
            }
            if (top[x][y] && right[x][y] && !Active(x + 1, y - 1)) {
                pieces.push_back({CellX(x + 1), CellY(y) - 10, "CornerTR"});
            }
            if (bottom[x][y] && right[x][y] && !Active(x + 1, y + 1)) {
                pieces.push_back({CellX(x + 1), CellY(y + 1), "CornerBR"});
            }
            if (bottom[x][y] && left[x][y] && !Active(x - 1, y + 1)) {
                pieces.push_back({CellX(x) - 10, CellY(y + 1), "CornerBL"});
            }
        }
    }
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kCols; ++x) {
            if (Active(x, y)) continue;
            if (Active(x - 1, y) && Active(x, y - 1)) pieces.push_back({CellX(x), CellY(y), "InnerCornerTL"});
            if (Active(x, y - 1) && Active(x + 1, y))
                pieces.push_back({CellX(x + 1) - 10, CellY(y), "InnerCornerTR"});
            if (Active(x + 1, y) && Active(x, y + 1)) {
                pieces.push_back({CellX(x + 1) - 10, CellY(y + 1) - 10, "InnerCornerBR"});
            }
            if (Active(x, y + 1) && Active(x - 1, y))
                pieces.push_back({CellX(x), CellY(y + 1) - 10, "InnerCornerBL"});
        }
    }
    return pieces;
}

std::string Board(const std::string& name) {
    return "graphics/Board/" + name + ".png";
}

std::string Gem(const std::string& name) {
    return "graphics/Gems/" + name + ".png";
}

// The picture of what stands on a cell, and whether it is a bonus item.
std::string ItemOf(char c, bool& bonus, int& frame) {
    static const std::map<char, std::string> bombs = {
        {'P', "pump1"},  {'L', "lantern1"}, {'C', "candle1"},  {'G', "grave1"},  {'T', "torch1"},
        {'W', "well1"},  {'p', "pump2"},    {'l', "lantern2"}, {'c', "candle2"}, {'g', "grave2"},
        {'t', "torch2"}, {'w', "well2"},    {'X', "garlic"},   {'$', "coin"},    {'B', "moneybag"},
    };
    bonus = false;
    frame = 0;
    if (c >= '1' && c <= '9') {
        frame = c - '1';
        return Gem("gems");
    }
    static const std::map<char, int> colours = {{'a', 9}, {'b', 10}, {'d', 11}, {'e', 12}};
    if (colours.contains(c)) {
        frame = colours.at(c);
        return Gem("gems");
    }
    if (c == 'K') return Gem("Gold Skull");
    bonus = true;
    return Gem(bombs.at(c));
}

void DrawBoard(cairo_t* cr, Pictures& pictures) {
    const std::vector<Piece> frame = Frame();
    for (const Piece& piece : frame)
        At(cr, pictures.Get(Board(piece.name)), piece.x + 4.5, piece.y + 4.5, 0.3, true);
    for (const Piece& piece : frame) At(cr, pictures.Get(Board(piece.name)), piece.x, piece.y);
    for (int x = 0; x < kCols; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (!Active(x, y)) continue;
            const char t = kTiles[y][x];
            At(cr,
               pictures.Get(Board(t == 's'   ? "SnowTile"
                                  : t == 'g' ? "IceTile"
                                             : "EmptyTile")),
               CellX(x), CellY(y));
            bool bonus;
            int f;
            ItemOf(kGems[y][x], bonus, f);
            if (bonus) {
                Centred(cr, pictures.Get(Board("BonusHighlight")), CellX(x) + 33, CellY(y) + 33, {});
                Centred(cr, pictures.Get(Board("BonusHighlight")), CellX(x) + 33, CellY(y) + 33,
                        {.alpha = 0.6, .light = true});
            }
        }
    }
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kCols; ++x) {
            if (kMarks[y][x] == 'h') {
                cairo_rectangle(cr, CellX(x) + 1, CellY(y) + 1, 64, 64);
                cairo_set_source_rgba(cr, 1, 1, 1, 0.4);
                cairo_fill(cr);
            }
        }
    }
    // Gems, then skulls and bonus items over them, as the board's drawing passes do.
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = kRows - 1; y >= 0; --y) {
            for (int x = 0; x < kCols; ++x) {
                if (!Active(x, y)) continue;
                bool bonus;
                int gemFrame;
                const char c = kGems[y][x], mark = kMarks[y][x];
                const std::string item = ItemOf(c, bonus, gemFrame);
                const bool top = bonus || c == 'K';
                if (top != (pass == 1)) continue;
                const double cx = CellX(x) + 33, cy = CellY(y) + 33;
                if (mark == '2' || mark == '3') {
                    Centred(cr, pictures.Get(Gem(mark == '2' ? "Rock2" : "Rock1Var1")), cx, cy, {});
                    continue;
                }
                if (mark == 'm') {
                    cairo_surface_t* magic = pictures.Get(Board("MagicHighlight"));
                    Centred(cr, magic, cx, cy, {.alpha = 0.65, .scale = 1.6, .angle = 20, .light = true});
                    Centred(cr, magic, cx, cy, {.alpha = 0.4, .scale = 1.6, .angle = 70, .light = true});
                }
                Draw d{.scale = mark == 'h' ? 1.1 : 1};
                if (item == Gem("gems")) {
                    d.cellW = d.cellH = kCell;
                    d.frame = gemFrame;
                } else if (item == Gem("coin")) {
                    d.cellW = d.cellH = kCell;
                    d.frame = 1;
                }
                if (c == 'K') d.angle = -6;
                if (bonus && c != '$') {
                    d.scale = mark == '1' ? 0.75 : 0.88;
                    d.shadow = true;
                }
                Centred(cr, pictures.Get(item), cx, cy, d);
                if (mark == '1') Centred(cr, pictures.Get(Gem((x + y) % 2 ? "Lock1" : "Lock2")), cx, cy, {});
                if (mark == 's') {
                    cairo_surface_t* cursor = pictures.Get(Board("cursor"));
                    Centred(cr, cursor, cx, cy, {});
                    Centred(cr, cursor, cx, cy, {.alpha = 0.5, .light = true});
                }
            }
        }
    }
}

std::string Hud(const std::string& name) {
    return "graphics/HUD/" + name + ".png";
}

// The HUD as the game screen lays it out on the panel's wells.
void DrawHud(cairo_t* cr, Pictures& pictures, const OutlineFont& font) {
    At(cr, pictures.Get(Hud("HUDPanel")), 0, 0);
    const Colour caption = palette::CandleGold, value = palette::Moonlight;
    const char* rows[][2] = {{"Level", "12"}, {"Score", "004250"}, {"Gold", "00125"}};
    for (int i = 0; i < 3; ++i) {
        Text(cr, font, rows[i][0], 48, 45 + 66 * i, 14, caption);
        Text(cr, font, rows[i][1], 48, 70 + 66 * i, 20, value);
    }
    Centred(cr, pictures.Get(Hud("HourglassShadow")), 48, 295, {.scale = 0.99});
    Centred(cr, pictures.Get(Hud("Sand")), 48, 295, {.cellW = 64, .cellH = 96, .frame = 5});
    Centred(cr, pictures.Get(Hud("Hourglass")), 48, 295, {.cellW = 64, .cellH = 96, .frame = 4});
    Text(cr, font, "2:05", 48, 368, 18, value);
    // The goal rows: matches, armour, skulls, rocks.
    Centred(cr, pictures.Get(Gem("gems")), 26, 437, {.scale = 0.5, .cellW = 66, .cellH = 66, .frame = 2});
    Centred(cr, pictures.Get(Board("IceTile")), 26, 497, {.scale = 0.45});
    Centred(cr, pictures.Get(Gem("gems")), 26, 557, {.scale = 0.5, .cellW = 66, .cellH = 66, .frame = 13});
    Centred(cr, pictures.Get(Gem("Rock2")), 26, 617, {.scale = 0.45});
    const char* counts[] = {"12", "5", "2", "3"};
    for (int i = 0; i < 4; ++i) Text(cr, font, counts[i], 66, 445 + 60 * i, 20, value);
    cairo_surface_t* menu = pictures.Get("menus/MenuButton.png");
    At(cr, menu, 4, 690);
    Text(cr, font, "Menu", 4 + cairo_image_surface_get_width(menu) / 2.0,
         690 + cairo_image_surface_get_height(menu) / 2.0 + 6, 16, caption);
}

// The power-up row at y 724: charged, filling and empty ones, one not bought.
void DrawPowerUps(cairo_t* cr, Pictures& pictures) {
    struct Slot {
        int number;
        double charge;  // 1 charged, below 1 filling, -1 not bought
        int pin;
    };
    const Slot slots[] = {{1, 1, 2}, {3, 0.6, 1}, {2, 0, 1}, {4, 1, 3}, {5, 0.3, 1}, {6, -1, 0}};
    for (int i = 0; i < 6; ++i) {
        const Slot& s = slots[i];
        const double x = 335 + 100 * i, y = 724;
        const std::string stem = "powerup" + std::to_string(s.number);
        if (s.charge < 0) {
            Centred(cr, pictures.Get(Hud("unpurchased")), x, y, {});
            continue;
        }
        Centred(cr, pictures.Get(Hud(stem + "empty")), x, y, {});
        if (s.charge >= 1) {
            Centred(cr, pictures.Get(Hud(stem + "full")), x, y, {});
            Centred(cr, pictures.Get(Hud("Powerup Slot Mouse Over")), x, y, {.alpha = 0.6});
        } else {
            cairo_surface_t* fill = pictures.Get(Hud(stem + "filling"));
            const double h = cairo_image_surface_get_height(fill), w = cairo_image_surface_get_width(fill);
            const double surface = y + h / 2 - 20 - s.charge * (h - 40);
            cairo_save(cr);
            cairo_rectangle(cr, x - w / 2, surface, w, y + h / 2 - surface);
            cairo_clip(cr);
            Centred(cr, fill, x, y, {});
            cairo_restore(cr);
            if (s.charge > 0) {
                // The liquid's surface: three wavy lines as wide as the orb at that height.
                const double half = std::sqrt(std::max(0.0, 24.0 * 24 - (surface - y) * (surface - y)));
                const double alphas[] = {1, 0.5, 0.25};
                for (int k = 0; k < 3; ++k) {
                    cairo_move_to(cr, x - half, surface + k);
                    for (double u = -half; u <= half; u += 2) {
                        cairo_line_to(cr, x + u, surface + k + std::sin(u * 0.4 + k) * 1.2);
                    }
                    cairo_set_source_rgba(cr, 1, 1, 1, alphas[k] * 0.8);
                    cairo_set_line_width(cr, 1);
                    cairo_stroke(cr);
                }
            }
            Centred(cr, pictures.Get(Hud("empty ring1")), x, y, {});
        }
        if (s.pin > 0)
            Centred(cr, pictures.Get(Hud("powerupLevel" + std::to_string(s.pin))), x + 30, y + 30, {});
    }
}

// The game screen over one background.
Canvas Screen(Pictures& pictures, const OutlineFont& font, const std::string& background) {
    Canvas canvas(kScreenW, kScreenH);
    cairo_t* cr = canvas.Cr();
    At(cr, pictures.Get("graphics/Backgrounds/" + background + ".jpg"), 0, 0);
    DrawBoard(cr, pictures);
    DrawHud(cr, pictures, font);
    DrawPowerUps(cr, pictures);
    At(cr, pictures.Get(Hud("pointer")), 700 - 4, 560);
    return canvas;
}

// The board must read on every chapter's scene: the same screen over each level background, smaller, on
// one sheet.
void SaveEveryBackground(Pictures& pictures, const OutlineFont& font, const std::string& path) {
    constexpr int kColumns = 3, kCount = 10, kGap = 8;
    constexpr double kScale = 0.4;
    constexpr int kW = static_cast<int>(kScreenW * kScale), kH = static_cast<int>(kScreenH * kScale);
    constexpr int kSheetRows = (kCount + kColumns - 1) / kColumns;
    Canvas sheet(kColumns * (kW + kGap) + kGap, kSheetRows * (kH + kGap + 18) + kGap);
    cairo_t* cr = sheet.Cr();
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
    cairo_paint(cr);
    for (int b = 1; b <= kCount; ++b) {
        const std::string name = "bg" + std::to_string(b);
        const Canvas screen = Screen(pictures, font, name);
        const double x = kGap + (b - 1) % kColumns * (kW + kGap),
                     y = kGap + (b - 1) / kColumns * (kH + kGap + 18);
        cairo_save(cr);
        cairo_translate(cr, x, y + 18);
        cairo_scale(cr, kScale, kScale);
        cairo_set_source_surface(cr, screen.Surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        const std::u32string label(name.begin(), name.end());
        OutlineFont::Setting setting;
        setting.size = 13;
        font.AppendPath(cr, label, x, y + 14, setting);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
    Save(sheet, path);
}

}  // namespace

void MakeBoardMockup(const std::string& dataRoot, const std::string& outFolder) {
    Pictures pictures(dataRoot);
    const OutlineFont font(kTextFont);
    Save(Screen(pictures, font, "bg3"), files::Join(outFolder, "board-mockup.png"));
    SaveEveryBackground(pictures, font, files::Join(outFolder, "board-on-every-background.png"));
}

}  // namespace assetgen::preview
