// The menu screens composed from the finished pictures, placed and layered as their screens draw them: the
// level map at three scroll positions (locked, open, special, hovered and current dots), the shop with
// nothing, half and everything bought, the title screen with its layers, and the options and instructions
// screens with their widgets. Positions the game leaves free are the ones these screens are drawn for.

#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "platform/files/Files.h"
#include "tools/assetgen/FontOutline.h"
#include "tools/assetgen/MapDots.h"
#include "tools/assetgen/ShopScene.h"
#include "tools/assetgen/StyleKit.h"
#include "tools/assetgen/preview/Compose.h"
#include "tools/assetgen/preview/Preview.h"

namespace assetgen::preview {
namespace {

namespace files = platform::files;
constexpr int kScreenW = 1024, kScreenH = 768;
const Colour kCaption = Hex(0xf6d27e), kWhite = Hex(0xf0e7d3);

Canvas Blank() {
    Canvas canvas(kScreenW, kScreenH);
    cairo_set_source_rgb(canvas.Cr(), 0, 0, 0);
    cairo_paint(canvas.Cr());
    return canvas;
}

// A menu button with its caption, top-left at (x, y).
void Button(cairo_t* cr, Pictures& pictures, const OutlineFont& font, const std::string& image, double x,
            double y, const std::string& caption, bool hover = false) {
    const std::string path = "menus/" + image + (hover ? "MO" : "") + ".png";
    At(cr, pictures.Get(path), x + 3, y + 3, 0.4, true);
    At(cr, pictures.Get(path), x, y);
    if (!caption.empty()) {
        Text(cr, font, caption, x + pictures.Width(path) / 2.0, y + pictures.Height(path) / 2.0 + 8, 22,
             kCaption);
    }
}

// --- the level map ---------------------------------------------------------------------------------

struct MapState {
    double scrollY;
    int unlocked, current, hovered;
};

Canvas MapScreen(Pictures& pictures, const OutlineFont& font, const MapState& s) {
    using namespace mapdots;
    Canvas canvas = Blank();
    cairo_t* cr = canvas.Cr();
    At(cr, pictures.Get("graphics/Backgrounds/MapBackground.jpg"), 0, s.scrollY);
    const auto dot = [&](int level, bool onTop) {
        if ((level == s.current) != onTop) return;
        const bool special = IsSpecial(level), open = level <= s.unlocked, hover = level == s.hovered;
        std::string name = special ? "MapDotSpecial" : "MapDot";
        if (!open)
            name += "Inactive";
        else if (hover)
            name += "MO";
        const std::string path =
            open || !hover || special ? "graphics/Map/" + name + ".png" : "graphics/MapScreen/LockedMO.png";
        const Centre c = CentreOf(level);
        const double scale = level == s.current ? 1.15 : 1;
        if (level == s.current) {
            Centred(cr, pictures.Get("graphics/MapScreen/CurrentLevel.png"), c.x, c.y + s.scrollY,
                    {.scale = 1.1});
        }
        cairo_surface_t* surface = pictures.Get(path);
        Centred(cr, surface, c.x, c.y + s.scrollY, {.scale = scale, .shadow = true});
        if (hover) Centred(cr, surface, c.x, c.y + s.scrollY, {.alpha = 0.5, .scale = scale, .light = true});
        if (level == s.current) {
            At(cr, pictures.Get("graphics/MapScreen/Cursor.png"), c.x - 20, c.y + s.scrollY - 78);
        }
    };
    for (int level = 1; level <= 100; ++level) dot(level, false);
    dot(s.current, true);
    At(cr, pictures.Get("graphics/MapScreen/TopPanel.png"), 252, 0);
    Text(cr, font, "Choose a Night", 512, 47, 28, kCaption);
    At(cr, pictures.Get("graphics/ShopScreen/GoldPanel.png"), 776, 4);
    Text(cr, font, "Gold 01250", 920, 45, 22, kCaption);
    At(cr, pictures.Get("graphics/MapScreen/BottomPanel.png"), 0, 648);
    Text(cr, font, "Level " + std::to_string(s.current), 456, 689 + 12, 24, kWhite);
    At(cr, pictures.Get("graphics/MapScreen/CheckBox.png"), 614, 671);
    At(cr, pictures.Get("graphics/MapScreen/CheckMark.png"), 616, 668);
    Text(cr, font, "Timed", 700, 698, 22, kWhite);
    Button(cr, pictures, font, "MapScreenButton", 18, 680, "Back");
    Button(cr, pictures, font, "MapScreenButton", 794, 680, "Play", true);
    Button(cr, pictures, font, "Map screen YourHouse", 8, 548, "");
    return canvas;
}

void MakeMap(Pictures& pictures, const OutlineFont& font, const std::string& out) {
    const double bottom = kScreenH - mapdots::kMapHeight;
    Save(MapScreen(pictures, font, {bottom, 7, 7, 5}), files::Join(out, "map-mockup-bottom.png"));
    Save(MapScreen(pictures, font, {-560, 62, 45, 47}), files::Join(out, "map-mockup-middle.png"));
    Save(MapScreen(pictures, font, {0, 100, 93, 97}), files::Join(out, "map-mockup-top.png"));
}

// --- the shop --------------------------------------------------------------------------------------

Canvas ShopScreen(Pictures& pictures, const OutlineFont& font, const std::set<int>& bought) {
    using namespace shopscene;
    Canvas canvas = Blank();
    cairo_t* cr = canvas.Cr();
    At(cr, pictures.Get("graphics/Backgrounds/shopBack.png"), 0, 0);
    for (int id : kDrawOrder) {
        const Item& item = ItemById(id);
        const bool shown = item.scenery || bought.count(id);
        if (!shown || (item.replacedBy && bought.count(item.replacedBy))) continue;
        At(cr, pictures.Get(std::string("graphics/ShopScreen/items/") + item.file + ".png"), item.x, item.y);
    }
    // The bar: the next three items for sale.
    std::vector<const Item*> offered;
    for (const Item& item : kItems) {
        if (!item.scenery && !bought.count(item.id)) offered.push_back(&item);
    }
    for (size_t i = 0; i < offered.size() && i < 3; ++i) {
        const std::string path = std::string("graphics/ShopScreen/saleImages/") + offered[i]->saleFile +
                                 (i == 1 ? " down.png" : ".png");
        Centred(cr, pictures.Get(path), i * 120.0 + 392, 712, {.shadow = true});
    }
    if (offered.size() > 3) {
        Button(cr, pictures, font, "arrowL", 290, 672, "");
        Button(cr, pictures, font, "arrowR", 670, 672, "");
    }
    Button(cr, pictures, font, "DecorationMapButton", 16, 684, "Map");
    Button(cr, pictures, font, "eyeButton", 868, 690, "");
    Button(cr, pictures, font, "rollerButton", 944, 690, "");
    At(cr, pictures.Get("graphics/ShopScreen/GoldPanel.png"), 776, 4);
    Text(cr, font, "Gold 04200", 920, 45, 22, kCaption);
    return canvas;
}

void MakeShop(Pictures& pictures, const OutlineFont& font, const std::string& out) {
    std::set<int> none, half, all;
    for (int id = 1; id <= 38; ++id) all.insert(id);
    // Half way through the game: the early items and the first stages of the power-ups.
    for (int id : {1, 2, 3, 5, 7, 9, 13, 15, 18, 19, 20, 22, 24, 25, 27, 30, 31, 33, 34, 36}) half.insert(id);
    Save(ShopScreen(pictures, font, none), files::Join(out, "shop-mockup-none.png"));
    Save(ShopScreen(pictures, font, half), files::Join(out, "shop-mockup-half.png"));
    Save(ShopScreen(pictures, font, all), files::Join(out, "shop-mockup-all.png"));
}

// --- the title ---------------------------------------------------------------------------------------

// A picture turned by degrees about its pivot (px, py), with the pivot drawn at (x, y).
void Turned(cairo_t* cr, cairo_surface_t* surface, double px, double py, double x, double y, double degrees) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, degrees * std::numbers::pi / 180);
    cairo_set_source_surface(cr, surface, -px, -py);
    cairo_paint(cr);
    cairo_restore(cr);
}

Canvas TitleScreen(Pictures& pictures, const OutlineFont& font, double cloudsX, double lightningX,
                   const std::string& crow) {
    const auto layer = [](const std::string& name) { return "graphics/TitleScreen/" + name + ".png"; };
    Canvas canvas = Blank();
    cairo_t* cr = canvas.Cr();
    At(cr, pictures.Get(layer("background")), 0, 0);
    At(cr, pictures.Get(layer("clouds")), cloudsX, 0);
    At(cr, pictures.Get(layer("clouds")), cloudsX - 1024, 0);
    if (lightningX >= 0) At(cr, pictures.Get(layer("lightning")), lightningX, 0);
    Turned(cr, pictures.Get(layer("trTree")), 210, 612, 870, 716, -3);
    Turned(cr, pictures.Get(layer("hand")), 55, 164, 262, 716, 10);
    At(cr, pictures.Get(layer("foreground")), 0, 0);
    At(cr, pictures.Get(layer(crow)), 108, 418);
    At(cr, pictures.Get(layer("redeyeblink")), 934, 606);
    At(cr, pictures.Get(layer("logo")), 192, 24);
    const char* buttons[][2] = {{"buttonplay", "Play"},
                                {"buttonchangeplayer", "Change Player"},
                                {"buttonoptions", "Options"},
                                {"buttonexit", "Exit"}};
    for (int i = 0; i < 4; ++i)
        Button(cr, pictures, font, buttons[i][0], 358, 300 + i * 82, buttons[i][1], i == 0);
    Text(cr, font, "Welcome back,", 512, 262, 20, Hex(0xc8c8c8));
    return canvas;
}

void MakeTitle(Pictures& pictures, const OutlineFont& font, const std::string& out) {
    Save(TitleScreen(pictures, font, 0, 412, "crow_right"), files::Join(out, "title-mockup.png"));
    // Clouds half way through their wrap, a later strike elsewhere, the crow cawing.
    Save(TitleScreen(pictures, font, 530, 40, "crow_caw"), files::Join(out, "title-mockup-later.png"));
}

// --- the intro ---------------------------------------------------------------------------------------

// The intro at t (0 … 1) of its journey: every layer between its first and last place.
Canvas IntroScreen(Pictures& pictures, double t, bool paper) {
    const auto layer = [](const std::string& name) { return "graphics/Intro/" + name + ".png"; };
    const auto lerp = [t](double a, double b) { return a + (b - a) * t; };
    Canvas canvas = Blank();
    cairo_t* cr = canvas.Cr();
    At(cr, pictures.Get(layer("background")), 0, 0);
    Centred(cr, pictures.Get(layer("Glowing Crypt")), 512, 390, {.scale = lerp(0.8, 1.1)});
    At(cr, pictures.Get(layer("layer4")), lerp(0, -276), lerp(420, 410));
    At(cr, pictures.Get(layer("layer3")), lerp(0, -376), lerp(440, 430));
    At(cr, pictures.Get(layer("layer2")), lerp(0, -576), lerp(360, 340));
    At(cr, pictures.Get(layer("layer1")), lerp(0, -776), lerp(80, 0));
    if (paper) Centred(cr, pictures.Get(layer("newspaper")), 512, 384, {.angle = -3});
    return canvas;
}

void MakeIntro(Pictures& pictures, const std::string& out) {
    Save(IntroScreen(pictures, 0, true), files::Join(out, "intro-mockup-start.png"));
    Save(IntroScreen(pictures, 1, false), files::Join(out, "intro-mockup-end.png"));
}

// --- the options and instructions screens ----------------------------------------------------------

Canvas OptionsScreen(Pictures& pictures, const OutlineFont& font) {
    const auto piece = [](const std::string& name) { return "menus/OptionsScreen/" + name + ".png"; };
    Canvas canvas = Blank();
    cairo_t* cr = canvas.Cr();
    At(cr, pictures.Get("graphics/Backgrounds/OptionsBackground.jpg"), 0, 0);
    Text(cr, font, "Options", 512, 108, 40, kCaption);
    const char* sliders[] = {"Music", "Sound"};
    const double values[] = {0.7, 0.35};
    for (int i = 0; i < 2; ++i) {
        const double y = 220 + i * 95, x = (kScreenW - 284) / 2.0;
        Text(cr, font, sliders[i], 512, y - 4, 20, kWhite);
        At(cr, pictures.Get(piece("slider")), x, y);
        Centred(cr, pictures.Get(piece("Dot")), x + 10 + 264 * values[i], y + 14 - 5, {.shadow = true});
    }
    const char* boxes[] = {"Full Screen", "Show Tips", "Custom Pointer"};
    for (int i = 0; i < 3; ++i) {
        const double y = 421 + i * 47;
        Text(cr, font, boxes[i], 440, y + 25, 22, kWhite);
        At(cr, pictures.Get(piece(i == 1 ? "CheckBoxMO" : "CheckBox")), 592, y);
        if (i != 2) At(cr, pictures.Get(piece("CheckMark")), 594, y - 3);
    }
    // The menu, OK and credits 200 pixels apart, is centred and raised 5 pixels; OK sits 9 lower.
    const double left = (kScreenW - (200 + pictures.Width("menus/button.png"))) / 2.0;
    Button(cr, pictures, font, "OK", left, 620 + 9 - 5, "");
    Button(cr, pictures, font, "button", left + 200, 620 - 5, "Credits");
    return canvas;
}

Canvas InstructionsScreen(Pictures& pictures, const OutlineFont& font) {
    Canvas canvas = Blank();
    cairo_t* cr = canvas.Cr();
    At(cr, pictures.Get("graphics/Backgrounds/InstructionsBackground.jpg"), 0, 0);
    Text(cr, font, "How to Play", 512, 90, 32, kCaption);
    const double corners[][2] = {{113, 160}, {570, 160}, {113, 410}, {570, 410}};
    const char* lines[] = {"Swap two neighbours", "Break the armour", "Free the locked gems",
                           "Bring the skull down"};
    for (int i = 0; i < 4; ++i) {
        const double x = corners[i][0], y = corners[i][1];
        Centred(cr, pictures.Get("graphics/Gems/gems.png"), x + 76, y + 110,
                {.cellW = 66, .cellH = 66, .frame = i * 3});
        Text(cr, font, lines[i], x + 282, y + 100, 20, kWhite);
        Text(cr, font, "to make a row of three.", x + 282, y + 128, 18, kWhite);
    }
    Button(cr, pictures, font, "OK", 448, 672, "");
    return canvas;
}

void MakeMenuScreens(Pictures& pictures, const OutlineFont& font, const std::string& out) {
    Save(OptionsScreen(pictures, font), files::Join(out, "options-mockup.png"));
    Save(InstructionsScreen(pictures, font), files::Join(out, "instructions-mockup.png"));
}

}  // namespace

void MakeSceneMockups(const std::string& dataRoot, const std::string& outFolder) {
    Pictures pictures(dataRoot);
    const OutlineFont font(kTextFont);
    MakeMap(pictures, font, outFolder);
    MakeShop(pictures, font, outFolder);
    MakeTitle(pictures, font, outFolder);
    MakeIntro(pictures, outFolder);
    MakeMenuScreens(pictures, font, outFolder);
}

}  // namespace assetgen::preview
