// The shop: the player's own churchyard at night, where every bought thing stands as a decoration, and the
// round buttons of the item bar.
//
// The scene is one stage: a sky with the moon over a far hill and a churchyard wall, and a mossy ground
// from the wall (y 430) down to the item bar. Each item is drawn as if standing on that ground where its
// picture's bottom edge falls, larger the nearer it stands, all lit by the moon from the upper left; warm
// things glow with lantern fire, their bought upgrades with the cold spirit fire. The two pieces of scenery
// frame it: "midrighttree" leans over from the right, "foreground" darkens the bottom and the corners
// without reaching the items. Stages of one item share their place and grow from stage to stage.
//
// Each item button ("saleImages/") is the item's own picture on a round enamel plate, 104 x 104, drawn
// about its middle; its " down" look is the plate lit and pressed, for the item whose dialog is open.

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/Churchyard.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/ShopScene.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
namespace sc = scenery;
constexpr double kPi = std::numbers::pi;
constexpr int kW = 1024, kH = 768;

using namespace churchyard;

// --- the background -------------------------------------------------------------------------------

platform::PixelMap ShopBack() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x080b24)},
                     {0.3, Hex(0x1a2050)},
                     {0.52, Hex(0x3c3470)},
                     {0.6, Hex(0x2a2850)},
                     {1, Hex(0x0e1418)}});
    sc::Stars(canvas, 0, 330, 150, 0x5a1, 0.9);
    sc::Moon(canvas, {180, 110}, 50, 1.3);
    sc::Clouds(canvas, 40, 260, 0.3, Hex(0x262a60).WithAlpha(0.7), Hex(0xd8d0f0), 0x5a2, 4);
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 380, 30, 420, 0x5a3); }, Hex(0x222447),
        Hex(0xb0a8e0).WithAlpha(0.35), 1.2);
    // The churchyard wall and the ground inside it.
    cairo_rectangle(cr, 0, 430, kW, kH - 430);
    SetSource(cr,
              LinearGradient(0, 430, 0, kH, {{0, Hex(0x1a2a24)}, {0.4, Hex(0x14221c)}, {1, Hex(0x070b0a)}}));
    cairo_fill(cr);
    Random random(0x5a4);
    for (int i = 0; i < 90; ++i) {
        const double y = random.Range(440, kH);
        sc::Halo(cr, {random.Range(0, kW), y}, random.Range(30, 90) * (0.5 + (y - 430) / 340),
                 Mix(pal::Moss, pal::NightBlue, 0.5).WithAlpha(random.Range(0.08, 0.2)));
    }
    // A trodden path from the gate down to the bar, lit by the moon.
    cairo_move_to(cr, 470, 430);
    cairo_curve_to(cr, 440, 520, 380, 600, 330, kH);
    cairo_line_to(cr, 620, kH);
    cairo_curve_to(cr, 580, 600, 540, 520, 520, 430);
    cairo_close_path(cr);
    SetSource(cr, LinearGradient(0, 430, 0, kH,
                                 {{0, Hex(0x4a4a58).WithAlpha(0.5)}, {1, Hex(0x2a2a30).WithAlpha(0.6)}}));
    cairo_fill(cr);
    const auto wall = [](cairo_t* c) {
        cairo_rectangle(c, 0, 402, 455, 30);
        cairo_rectangle(c, 535, 402, kW - 535, 30);
        for (double x = 0; x < kW; x += 64) {
            if (x > 440 && x < 540) continue;
            cairo_rectangle(c, x, 394, 18, 40);
        }
        // The gate's posts.
        cairo_rectangle(c, 447, 370, 14, 64);
        cairo_rectangle(c, 529, 370, 14, 64);
    };
    sc::Silhouette(canvas, wall, Hex(0x2a2c40), pal::Moonlight.WithAlpha(0.4), 1.3);
    for (double x = 466; x < 528; x += 8) {
        cairo_rectangle(cr, x, 384, 2, 48);
    }
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    // Far graves beyond the wall.
    sc::Silhouette(
        canvas,
        [](cairo_t* c) {
            Random r(0x5a5);
            for (double x = 20; x < kW; x += r.Range(50, 110)) {
                sc::Headstone(c, {x, 400}, r.Range(10, 16), r.Range(16, 26), static_cast<int>(r.Next() % 3),
                              r.Range(-0.1, 0.1));
            }
        },
        Hex(0x1c1e34), pal::Mist.WithAlpha(0.3), 1);
    sc::Mist(canvas, 432, 26, pal::Mist, 0.25, 0x5a6);
    sc::Vignette(canvas, 0.4);
    return canvas.ToPixelMap();
}

struct Look {
    int w, h;
    std::function<void(Canvas&)> draw;
};
void Mist(Canvas& c, double alpha, uint32_t seed) {
    const double h = c.Height();
    scenery::Mist(c, h * 0.45, h * 0.35, pal::Mist, alpha, seed);
    scenery::Mist(c, h * 0.7, h * 0.25, pal::Mist, alpha * 0.8, seed + 1);
}

// The frame in front of everything: dark grass along the bottom, an iron railing low on both sides and
// brambles in the top-left corner; it stays below y 645 in the middle, where the coffins lie.
void Foreground(Canvas& c) {
    cairo_t* cr = c.Cr();
    cairo_rectangle(cr, 0, 640, kW, kH - 640);
    SetSource(
        cr, LinearGradient(
                0, 640, 0, kH,
                {{0, pal::Ink.WithAlpha(0)}, {0.4, pal::Ink.WithAlpha(0.65)}, {1, pal::Ink.WithAlpha(0.9)}}));
    cairo_fill(cr);
    sc::Silhouette(
        c,
        [](cairo_t* x) {
            sc::Grass(x, 700, 0, 180, 40, 0x611);
            sc::Grass(x, 690, 840, kW, 44, 0x612);
            sc::Grass(x, 720, 180, 840, 26, 0x613);
        },
        Hex(0x060a08), pal::Mist.WithAlpha(0.3), 1);
    sc::Silhouette(
        c,
        [](cairo_t* x) {
            sc::Fence(x, 724, -10, 170, 80, 0x614);
            sc::Fence(x, 724, 880, kW + 10, 80, 0x615);
        },
        Hex(0x0a0c14), pal::Mist.WithAlpha(0.45), 1.2);
    sc::Silhouette(
        c,
        [](cairo_t* x) {
            sc::BareTree(x, {-10, 150}, 140, 1.1, 0x616);
            sc::BareTree(x, {kW + 8, 690}, 120, -0.9, 0x617);
        },
        Hex(0x06070c), pal::Mist.WithAlpha(0.3), 1);
    sc::Vignette(c, 0.35);
}

const std::map<int, Look>& Looks() {
    static const std::map<int, Look> looks = {
        {1,
         {76, 64,
          [](Canvas& c) {
              FootShadow(c, 38, 58, 30);
              Prop(c, 6, 0, 64, [](Canvas& k) { Pumpkin(k, fire::kWarm); });
          }}},
        {2,
         {100, 84,
          [](Canvas& c) {
              FootShadow(c, 50, 78, 44);
              Prop(c, 4, 4, 80, [](Canvas& k) { Pumpkin(k, fire::kSpirit); });
          }}},
        {3, {72, 120, [](Canvas& c) { LanternPost(c, fire::kWarm); }}},
        {4, {80, 140, [](Canvas& c) { LanternPost(c, fire::kSpirit); }}},
        {5, {72, 140, [](Canvas& c) { Candelabra(c, fire::kWarm, 1); }}},
        {6, {84, 150, [](Canvas& c) { Candelabra(c, fire::kSpirit, 1.15); }}},
        {7, {50, 120, [](Canvas& c) { GroundTorch(c, fire::kWarm); }}},
        {8, {54, 130, [](Canvas& c) { GroundTorch(c, fire::kSpirit); }}},
        {9, {70, 76, [](Canvas& c) { Cat(c, 2, 4, 1, fire::kWarm); }}},
        {10,
         {96, 86,
          [](Canvas& c) {
              cairo_t* cr = c.Cr();
              RoundedBody(
                  c, [](cairo_t* x) { RoundedRect(x, 0, 70, 96, 10, 5); }, kWood, 0.3, 0.3);
              (void)cr;
              Cat(c, 18, 4, 0.95, fire::kSpirit);
          }}},
        {11, {kW, 200, [](Canvas& c) { Mist(c, 0.45, 0x620); }}},
        {12, {kW, 240, [](Canvas& c) { Mist(c, 0.55, 0x622); }}},
        {13, {230, 70, [](Canvas& c) { PumpkinLights(c, 6, fire::kWarm); }}},
        {14, {400, 96, [](Canvas& c) { PumpkinLights(c, 10, fire::kSpirit); }}},
        {15, {160, 92, Gravebed}},
        {16, {280, 250, Tarnfield}},
        {17, {132, 330, Cauldron}},
        {18, {50, 110, [](Canvas& c) { CrossStone(c, false); }}},
        {19, {68, 140, [](Canvas& c) { CrossStone(c, true); }}},
        {20, {190, 210, [](Canvas& c) { BigWell(c, false); }}},
        {21, {190, 210, [](Canvas& c) { BigWell(c, true); }}},
        {22, {100, 100, [](Canvas& c) { Web(c, false); }}},
        {23, {120, 130, [](Canvas& c) { Web(c, true); }}},
        {24, {150, 80, [](Canvas& c) { Coffin(c, 1); }}},
        {25, {150, 80, [](Canvas& c) { Coffin(c, 2); }}},
        {26, {200, 110, [](Canvas& c) { Coffin(c, 3); }}},
        {27, {160, 60, [](Canvas& c) { Broom(c, 1); }}},
        {28, {170, 66, [](Canvas& c) { Broom(c, 2); }}},
        {29, {230, 84, [](Canvas& c) { Broom(c, 3); }}},
        {30, {90, 110, [](Canvas& c) { CurvedStone(c, 1); }}},
        {31, {90, 110, [](Canvas& c) { CurvedStone(c, 2); }}},
        {32, {106, 124, [](Canvas& c) { CurvedStone(c, 3); }}},
        {33, {300, 480, [](Canvas& c) { LightningTree(c, 1); }}},
        {34, {300, 480, [](Canvas& c) { LightningTree(c, 2); }}},
        {35, {300, 480, [](Canvas& c) { LightningTree(c, 3); }}},
        {36, {110, 250, [](Canvas& c) { Cage(c, 1); }}},
        {37, {110, 250, [](Canvas& c) { Cage(c, 2); }}},
        {38, {200, 290, [](Canvas& c) { Cage(c, 3); }}},
        {39, {kW, kH, Foreground}},
        {40, {240, 480, MidRightTree}},
    };
    return looks;
}

platform::PixelMap ItemPicture(int id) {
    const Look& look = Looks().at(id);
    Canvas canvas(look.w, look.h);
    look.draw(canvas);
    return canvas.ToPixelMap();
}

// The item's button: its picture fitted onto a round plate.
platform::PixelMap SaleButton(const platform::PixelMap& item, bool down) {
    constexpr int kSize = 104;
    constexpr double kC = kSize / 2.0, kR = 44;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    const auto disc = [](cairo_t* x) {
        cairo_new_sub_path(x);
        cairo_arc(x, kC, kC, kR, 0, 2 * kPi);
    };
    if (down) SoftGlow(canvas, disc, 3, pal::LanternAmber.WithAlpha(0.9));
    chrome::PanelStyle style{.rim = 3.5, .shadow = 3};
    if (down)
        style.enamel = {Mix(chrome::kEnamel.light, pal::Heather, 0.3),
                        Mix(chrome::kEnamel.mid, pal::Violet, 0.5), chrome::kEnamel.dark};
    chrome::Panel(canvas, disc, style);
    // The item's visible part, not its whole picture, is fitted to the plate.
    int x0 = item.Width(), y0 = item.Height(), x1 = 0, y1 = 0;
    for (int y = 0; y < item.Height(); ++y) {
        for (int x = 0; x < item.Width(); ++x) {
            if (item.At(x, y).a < 40) continue;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x + 1), y1 = std::max(y1, y + 1);
        }
    }
    if (x1 <= x0) x0 = y0 = 0, x1 = item.Width(), y1 = item.Height();
    const Surface picture = ToSurface(item);
    const double fit = std::min(72.0 / (x1 - x0), 72.0 / (y1 - y0));
    cairo_save(cr);
    disc(cr);
    cairo_clip(cr);
    cairo_translate(cr, kC - (x0 + x1) / 2.0 * fit, kC - (y0 + y1) / 2.0 * fit + (down ? 1 : 0));
    cairo_scale(cr, fit, fit);
    cairo_set_source_surface(cr, picture.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    Gloss(
        canvas,
        [](cairo_t* x) {
            cairo_new_sub_path(x);
            cairo_arc(x, kC, kC, kR - 4, 0, 2 * kPi);
        },
        down ? 0.08 : 0.18, 0.45);
    if (down) InnerShadow(canvas, disc, 4, pal::Ink.WithAlpha(0.8), 2.5);
    return canvas.ToPixelMap();
}

std::string ItemPath(const shopscene::Item& item) {
    return std::string("graphics/ShopScreen/items/") + item.file + ".png";
}
std::string SalePath(const shopscene::Item& item, bool down) {
    return std::string("graphics/ShopScreen/saleImages/") + item.saleFile + (down ? " down.png" : ".png");
}
constexpr const char* kBack = "graphics/Backgrounds/shopBack.png";

std::vector<std::string> Required() {
    std::vector<std::string> paths = {kBack};
    for (const shopscene::Item& item : shopscene::kItems) {
        paths.push_back(ItemPath(item));
        if (item.scenery) continue;
        paths.push_back(SalePath(item, false));
        paths.push_back(SalePath(item, true));
    }
    return paths;
}

const GroupRegistration kShopGroup({
    .name = "shop",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            WritePicture(out, kBack, ShopBack());
            for (const shopscene::Item& item : shopscene::kItems) {
                const platform::PixelMap picture = ItemPicture(item.id);
                WritePicture(out, ItemPath(item), picture);
                if (item.scenery) continue;
                WritePicture(out, SalePath(item, false), SaleButton(picture, false));
                WritePicture(out, SalePath(item, true), SaleButton(picture, true));
            }
        },
});

}  // namespace
}  // namespace assetgen
