// The bombs: seven village things, each at two levels. A level-one bomb burns with the ordinary warm
// flame; its level-two twin is the same thing enchanted, burning with cold spirit fire inside a violet
// aura, so the two read as one kind at different strengths. The garlic, the mega bomb, has one picture.
//
// Each is a single 66 x 66 picture in "Gems/", drawn mid-handled at the cell centre; the game scales it to
// 0.75 … 0.9 and adds its own drop shadow, so none is baked in.

#include <iterator>
#include <string>
#include <vector>

#include "game/board/GemPictureLayout.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

constexpr int kSize = 66;

// The bombs with two levels, in type order from the first bonus type; their names are the game's.
struct Bomb {
    void (*draw)(Canvas&, const Fire&, bool enchanted);
    // Sideways light for the lantern (a row bomb), upright for the candle (a column bomb).
    double raysX, raysY;
};

// The pumpkin, the lantern, the candle, the grave, the torch and the well.
const Bomb kBombs[] = {
    {[](Canvas& c, const Fire& f, bool) { Pumpkin(c, f); }, 0, 0},
    {[](Canvas& c, const Fire& f, bool) { Lantern(c, f); }, 1, 0},
    {[](Canvas& c, const Fire& f, bool) {
         // Raised a little: the dish is heavy at the bottom, and the bomb is drawn about its middle.
         cairo_translate(c.Cr(), 0, -3);
         Candle(c, f);
     },
     0, 1},
    // The cold stones only shine once enchanted.
    {[](Canvas& c, const Fire& f, bool enchanted) { Gravestone(c, enchanted ? &f : nullptr); }, 0, 0},
    {[](Canvas& c, const Fire& f, bool) { Torch(c, f); }, 0, 0},
    {[](Canvas& c, const Fire& f, bool enchanted) { Well(c, enchanted ? &f : nullptr); }, 0, 0},
};
static_assert(std::size(kBombs) == gemlayout::kTwoLevelBombs);

// Soft beams out of the item along the line it clears.
void Rays(Canvas& canvas, double dx, double dy, const Fire& fire) {
    if (dx == 0 && dy == 0) return;
    cairo_t* cr = canvas.Cr();
    for (int sign : {-1, 1}) {
        const double x0 = 33 + sign * dx * 12, y0 = 33 + sign * dy * 12;
        const double x1 = 33 + sign * dx * 30, y1 = 33 + sign * dy * 30;
        SetSource(cr, LinearGradient(x0, y0, x1, y1,
                                     {{0, fire.flame.WithAlpha(0.55)}, {1, fire.flame.WithAlpha(0)}}));
        if (dx != 0) {
            cairo_move_to(cr, x0, 33 - 5);
            cairo_line_to(cr, x1, 33 - 1.5);
            cairo_line_to(cr, x1, 33 + 1.5);
            cairo_line_to(cr, x0, 33 + 5);
        } else {
            cairo_move_to(cr, 33 - 5, y0);
            cairo_line_to(cr, 33 - 1.5, y1);
            cairo_line_to(cr, 33 + 1.5, y1);
            cairo_line_to(cr, 33 + 5, y0);
        }
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

// The enchantment of a level-two bomb: a violet aura behind it and a few motes of light about it.
void Aura(Canvas& canvas) {
    const auto disc = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 33, 33, 22, 0, 6.2832);
    };
    SoftGlow(canvas, disc, 5, palette::Violet.WithAlpha(0.75));
    SoftGlow(canvas, disc, 2.5, fire::kSpirit.flame.WithAlpha(0.35));
}

void Motes(Canvas& canvas) {
    Random random(0xa0e5);
    const Point spots[] = {{9, 14}, {57, 18}, {54, 56}, {11, 52}};
    for (const Point& p : spots) {
        Glint(canvas.Cr(), {p.x + random.Range(-2, 2), p.y + random.Range(-2, 2)}, random.Range(3, 4.5),
              fire::kSpirit.core.WithAlpha(0.95));
    }
}

platform::PixelMap DrawBomb(const Bomb& bomb, int level) {
    Canvas canvas(kSize, kSize);
    const Fire& fire = level == 1 ? fire::kWarm : fire::kSpirit;
    if (level == 2) Aura(canvas);
    Rays(canvas, bomb.raysX, bomb.raysY, fire);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 1, 1);
    bomb.draw(canvas, fire, level == 2);
    cairo_restore(cr);
    if (level == 2) Motes(canvas);
    return canvas.ToPixelMap();
}

platform::PixelMap DrawGarlic() {
    Canvas canvas(kSize, kSize);
    // The mega bomb glows white-hot: it clears everything about it.
    const auto disc = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 33, 37, 20, 0, 6.2832);
    };
    SoftGlow(canvas, disc, 5, palette::Moonlight.WithAlpha(0.7));
    cairo_translate(canvas.Cr(), 1, -1);
    Garlic(canvas);
    return canvas.ToPixelMap();
}

// The picture of the bonus type.
std::string PathOf(int type) {
    return "graphics/" + gemlayout::PathOf(gemlayout::kBonusPictures[type]) + ".png";
}

// The bonus type of the bomb at the level.
int TypeOf(int bomb, int level) {
    return gemlayout::kFirstBonus + bomb + (level - 1) * gemlayout::kUpgradeStep;
}

std::vector<std::string> Required() {
    std::vector<std::string> paths{PathOf(gemlayout::kGarlic)};
    for (int bomb = 0; bomb < gemlayout::kTwoLevelBombs; ++bomb) {
        for (int level : {1, 2}) paths.push_back(PathOf(TypeOf(bomb, level)));
    }
    return paths;
}

const GroupRegistration kBombsGroup({
    .name = "bombs",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (int bomb = 0; bomb < gemlayout::kTwoLevelBombs; ++bomb) {
                for (int level : {1, 2}) {
                    WritePicture(out, PathOf(TypeOf(bomb, level)), DrawBomb(kBombs[bomb], level));
                }
            }
            WritePicture(out, PathOf(gemlayout::kGarlic), DrawGarlic());
        },
});

}  // namespace
}  // namespace assetgen
