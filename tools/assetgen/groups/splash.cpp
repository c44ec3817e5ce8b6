// The maker's splash picture: the Tarnfield emblem (a moonlit tarn below a hill line, in a gilt ring) over
// the wordmark, shown centred on black.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

#include "platform/codecs/ImageCodec.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/FontOutline.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

constexpr int kWidth = 560, kHeight = 320;
// The emblem: a disc with the horizon a little below its middle.
constexpr double kCx = 280, kCy = 113, kR = 86;
constexpr double kHorizon = kCy + 14;
constexpr double kMoonX = kCx - 34, kMoonY = kCy - 40, kMoonR = 13;

constexpr const char* kWordFont = "/usr/share/fonts/truetype/ebgaramond/EBGaramond12-Regular.ttf";
constexpr double kWordSize = 78, kWordBaseline = 282;

// A ridge from the left of the disc to the right, closed along the horizon.
void Ridge(cairo_t* cr, const std::vector<Point>& line) {
    cairo_move_to(cr, kCx - kR - 2, kHorizon);
    CurveThrough(cr, line);
    cairo_line_to(cr, kCx + kR + 2, kHorizon);
    cairo_close_path(cr);
}

const std::vector<Point> kFarHills = {{kCx - kR - 2, kHorizon - 22}, {kCx - 60, kHorizon - 30},
                                      {kCx - 20, kHorizon - 18},     {kCx + 22, kHorizon - 36},
                                      {kCx + 58, kHorizon - 44},     {kCx + kR + 2, kHorizon - 26}};
const std::vector<Point> kNearHills = {{kCx - kR - 2, kHorizon - 6}, {kCx - 52, kHorizon - 14},
                                       {kCx - 8, kHorizon - 8},      {kCx + 34, kHorizon - 19},
                                       {kCx + 62, kHorizon - 16},    {kCx + kR + 2, kHorizon - 4}};
// A cottage on the near ridge, its window lit.
constexpr double kCottageX = kCx + 30, kCottageY = kHorizon - 18;

void Disc(cairo_t* cr) {
    cairo_arc(cr, kCx, kCy, kR, 0, 2 * kPi);
}

void Sky(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    SetSource(cr, LinearGradient(0, kCy - kR, 0, kHorizon,
                                 {{0, pal::NightDeep},
                                  {0.45, pal::NightBlue},
                                  {0.85, pal::Dusk},
                                  {1, Mix(pal::Dusk, pal::Heather, 0.45)}}));
    cairo_paint(cr);

    Random random(0x7a4e);
    for (int i = 0; i < 70; ++i) {
        const double x = random.Range(kCx - kR, kCx + kR), y = random.Range(kCy - kR, kHorizon - 24);
        const double size = random.Range(0.4, 1.2), twinkle = random.Uniform();
        if (std::hypot(x - kMoonX, y - kMoonY) < kMoonR * 2.6) continue;
        const double alpha =
            std::min(1.0, (0.3 + 0.7 * size) * (1 - (y - (kCy - kR)) / (kHorizon - kCy + kR) * 0.6));
        SetSource(cr, RadialGradient(x, y, 0, size * 2.2,
                                     {{0, pal::Moonlight.WithAlpha(alpha)},
                                      {0.35, pal::Mist.WithAlpha(alpha * 0.5)},
                                      {1, pal::Mist.WithAlpha(0)}}));
        cairo_arc(cr, x, y, size * 2.2, 0, 2 * kPi);
        cairo_fill(cr);
        if (twinkle > 0.92) {  // a few brighter stars get a faint cross
            SetSource(cr, pal::Moonlight.WithAlpha(0.35));
            cairo_set_line_width(cr, 0.5);
            cairo_move_to(cr, x - 3.5, y);
            cairo_line_to(cr, x + 3.5, y);
            cairo_move_to(cr, x, y - 3.5);
            cairo_line_to(cr, x, y + 3.5);
            cairo_stroke(cr);
        }
    }
}

void Moon(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    SetSource(cr, RadialGradient(kMoonX, kMoonY, kMoonR * 0.8, kMoonR * 5,
                                 {{0, pal::Moonlight.WithAlpha(0.38)},
                                  {0.3, pal::Mist.WithAlpha(0.14)},
                                  {1, pal::Mist.WithAlpha(0)}}));
    cairo_paint(cr);
    // Lit from its upper left like everything else; a faint cool shade where it turns away.
    SetSource(cr,
              RadialGradient(kMoonX - 4, kMoonY - 4, 0, kMoonR + 6,
                             {{0, pal::Moonlight}, {0.55, pal::Bone}, {1, Mix(pal::Bone, pal::Mist, 0.6)}}));
    cairo_arc(cr, kMoonX, kMoonY, kMoonR, 0, 2 * kPi);
    cairo_fill(cr);
    // Maria: soft grey patches.
    const Point maria[] = {{-3, -2}, {4, 3}, {-1, 5}, {5, -4}};
    const double sizes[] = {5.5, 4.5, 3.5, 3.0};
    for (int i = 0; i < 4; ++i) {
        const double x = kMoonX + maria[i].x, y = kMoonY + maria[i].y;
        SetSource(cr, RadialGradient(x, y, 0, sizes[i],
                                     {{0, Hex(0xb3aeb8).WithAlpha(0.3)}, {1, Hex(0xb3aeb8).WithAlpha(0)}}));
        cairo_arc(cr, x, y, sizes[i], 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void Hills(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    // Far hills fade into the sky's own violet haze; the near ridge is nearly black against it.
    Ridge(cr, kFarHills);
    SetSource(cr,
              LinearGradient(0, kHorizon - 44, 0, kHorizon,
                             {{0, Mix(pal::Dusk, pal::Violet, 0.35)}, {1, Mix(pal::Dusk, pal::Mist, 0.25)}}));
    cairo_fill(cr);
    // Moonlight catches the far crest.
    cairo_move_to(cr, kCx - kR - 2, kFarHills[0].y);
    CurveThrough(cr, kFarHills);
    SetSource(cr, pal::Mist.WithAlpha(0.28));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    Ridge(cr, kNearHills);
    SetSource(cr, LinearGradient(0, kHorizon - 20, 0, kHorizon,
                                 {{0, Mix(pal::NightDeep, pal::Dusk, 0.25)}, {1, pal::NightDeep}}));
    cairo_fill(cr);

    // The cottage: walls, a steep roof, a chimney, and a lit window with its own little glow.
    const double x = kCottageX, y = kCottageY;
    cairo_move_to(cr, x - 6, y + 6);
    cairo_line_to(cr, x - 6, y - 1);
    cairo_line_to(cr, x - 8, y - 1);
    cairo_line_to(cr, x - 1, y - 8);
    cairo_line_to(cr, x + 6, y - 1);
    cairo_line_to(cr, x + 4, y - 1);
    cairo_line_to(cr, x + 4, y + 6);
    cairo_close_path(cr);
    cairo_rectangle(cr, x + 2, y - 9, 2, 4);
    SetSource(cr, pal::NightDeep);
    cairo_fill(cr);
    SoftGlow(
        canvas, [&](cairo_t* c) { cairo_rectangle(c, x - 3, y + 0.5, 3, 3); }, 3.5,
        pal::LanternAmber.WithAlpha(0.9));
    cairo_rectangle(cr, x - 3, y + 0.5, 3, 3);
    SetSource(cr, pal::CandleGold);
    cairo_fill(cr);
}

// Everything above the water, mirrored into it: darker, and broken by ripples.
void Water(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, kCx - kR, kHorizon, 2 * kR, kR);
    SetSource(cr, LinearGradient(
                      0, kHorizon, 0, kCy + kR,
                      {{0, Mix(pal::Dusk, pal::Heather, 0.3)}, {0.35, pal::NightBlue}, {1, pal::NightDeep}}));
    cairo_fill(cr);

    cairo_save(cr);
    cairo_translate(cr, 0, 2 * kHorizon);
    cairo_scale(cr, 1, -1);
    Ridge(cr, kFarHills);
    SetSource(cr, Mix(pal::Dusk, pal::NightBlue, 0.5));
    cairo_fill(cr);
    Ridge(cr, kNearHills);
    SetSource(cr, Mix(pal::NightDeep, pal::NightBlue, 0.3));
    cairo_fill(cr);
    cairo_restore(cr);

    // The moon's path on the water: broken streaks that widen and dim towards the viewer, where the
    // ripples are larger.
    const double top = kHorizon + 3, bottom = kCy + kR - 8;
    Random random(0x51de);
    for (double y = top; y < bottom; y += random.Range(2.4, 4.0)) {
        const double u = (y - top) / (bottom - top);
        const double alpha = 0.8 * (1 - u) * (1 - u) + 0.1;
        double x = kMoonX - (5 + 11 * u) + random.Range(-3, 3) * (0.4 + u);
        const double end = kMoonX + (5 + 11 * u) + random.Range(-3, 3) * (0.4 + u);
        while (x < end) {  // each row breaks into a few dashes
            const double length = std::min(end - x, random.Range(3, 9 + 8 * u));
            SetSource(cr, LinearGradient(x, 0, x + length, 0,
                                         {{0, pal::Moonlight.WithAlpha(0)},
                                          {0.5, pal::Moonlight.WithAlpha(alpha)},
                                          {1, pal::Moonlight.WithAlpha(0)}}));
            cairo_rectangle(cr, x, y, length, 0.8 + 0.9 * u);
            cairo_fill(cr);
            x += length + random.Range(0.5, 2.5);
        }
    }
    // Faint ripple lines across the whole tarn.
    for (int i = 0; i < 7; ++i) {
        const double y = kHorizon + 9 + i * i * 1.4 + random.Range(-1, 1);
        const double x = kCx + random.Range(-50, 30), length = random.Range(20, 45);
        SetSource(cr, LinearGradient(x, 0, x + length, 0,
                                     {{0, pal::Mist.WithAlpha(0)},
                                      {0.5, pal::Mist.WithAlpha(0.1)},
                                      {1, pal::Mist.WithAlpha(0)}}));
        cairo_rectangle(cr, x, y, length, 0.7);
        cairo_fill(cr);
    }
    // The cottage window shines in the water too.
    SetSource(cr, LinearGradient(kCottageX - 6, 0, kCottageX + 4, 0,
                                 {{0, pal::LanternAmber.WithAlpha(0)},
                                  {0.5, pal::LanternAmber.WithAlpha(0.7)},
                                  {1, pal::LanternAmber.WithAlpha(0)}}));
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, kCottageX - 6 + i, 2 * kHorizon - kCottageY - 1 + 2.5 * i, 8 - 2 * i, 0.9);
        cairo_fill(cr);
    }
    // Mist lying on the water at the foot of the hills.
    SetSource(cr, LinearGradient(0, kHorizon - 7, 0, kHorizon + 7,
                                 {{0, pal::Mist.WithAlpha(0)},
                                  {0.5, pal::Mist.WithAlpha(0.28)},
                                  {1, pal::Mist.WithAlpha(0)}}));
    cairo_rectangle(cr, kCx - kR, kHorizon - 7, 2 * kR, 14);
    cairo_fill(cr);
}

// A reed leaf or stalk: a tapered quadratic spine from its foot, through the pull of ctrl, to its tip.
struct Reed {
    Point foot, ctrl, tip;
    double width;
    bool cattail;

    Point At(double t) const {
        const double u = 1 - t;
        return {u * u * foot.x + 2 * u * t * ctrl.x + t * t * tip.x,
                u * u * foot.y + 2 * u * t * ctrl.y + t * t * tip.y};
    }
};

constexpr double kFoot = kCy + 70;  // under the near bank
const Reed kReeds[] = {
    // The left clump, beside the moon's path.
    {{kCx - 48, kFoot}, {kCx - 51, kCy + 46}, {kCx - 56, kCy + 14}, 1.6, true},
    {{kCx - 44, kFoot}, {kCx - 44, kCy + 44}, {kCx - 41, kCy + 24}, 1.4, true},
    {{kCx - 46, kFoot}, {kCx - 40, kCy + 56}, {kCx - 28, kCy + 38}, 3.0, false},
    {{kCx - 50, kFoot}, {kCx - 54, kCy + 56}, {kCx - 61, kCy + 42}, 2.8, false},
    {{kCx - 42, kFoot}, {kCx - 32, kCy + 62}, {kCx - 16, kCy + 56}, 2.6, false},
    {{kCx - 52, kFoot}, {kCx - 52, kCy + 51}, {kCx - 55, kCy + 32}, 2.4, false},
    // The right clump.
    {{kCx + 50, kFoot}, {kCx + 52, kCy + 46}, {kCx + 57, kCy + 16}, 1.6, true},
    {{kCx + 47, kFoot}, {kCx + 42, kCy + 54}, {kCx + 32, kCy + 42}, 3.0, false},
    {{kCx + 54, kFoot}, {kCx + 60, kCy + 54}, {kCx + 65, kCy + 36}, 2.8, false},
    {{kCx + 45, kFoot}, {kCx + 36, kCy + 64}, {kCx + 20, kCy + 58}, 2.6, false},
    {{kCx + 56, kFoot}, {kCx + 61, kCy + 66}, {kCx + 62, kCy + 48}, 2.4, false},
};

void ReedPath(cairo_t* cr, const Reed& r) {
    // Both edges follow the spine (a quadratic raised to a cubic), pushed out along its normal: full width
    // at the foot, narrowing to the tip.
    const auto normal = [](Point from, Point to) {
        const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
        return Point{-dy / length, dx / length};
    };
    const Point n0 = normal(r.foot, r.ctrl), n1 = normal(r.ctrl, r.tip);
    const Point c1{r.foot.x + 2.0 / 3 * (r.ctrl.x - r.foot.x), r.foot.y + 2.0 / 3 * (r.ctrl.y - r.foot.y)};
    const Point c2{r.tip.x + 2.0 / 3 * (r.ctrl.x - r.tip.x), r.tip.y + 2.0 / 3 * (r.ctrl.y - r.tip.y)};
    const double w0 = r.width, w1 = r.width * 0.6, w2 = r.width * 0.25;
    cairo_move_to(cr, r.foot.x + n0.x * w0, r.foot.y + n0.y * w0);
    cairo_curve_to(cr, c1.x + n0.x * w1, c1.y + n0.y * w1, c2.x + n1.x * w2, c2.y + n1.y * w2, r.tip.x,
                   r.tip.y);
    cairo_curve_to(cr, c2.x - n1.x * w2, c2.y - n1.y * w2, c1.x - n0.x * w1, c1.y - n0.y * w1,
                   r.foot.x - n0.x * w0, r.foot.y - n0.y * w0);
    cairo_close_path(cr);
    if (!r.cattail) return;
    // The seed head sits a little below the tip, along the stalk.
    const Point head = r.At(0.8), below = r.At(0.7);
    cairo_save(cr);
    cairo_translate(cr, head.x, head.y);
    cairo_rotate(cr, std::atan2(head.y - below.y, head.x - below.x) - kPi / 2);
    cairo_scale(cr, 2.3, 7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

// The near shore along the foot of the disc, where the reeds stand.
const std::vector<Point> kBank = {{kCx - kR - 2, kCy + 36}, {kCx - 50, kCy + 55}, {kCx - 10, kCy + 66},
                                  {kCx + 30, kCy + 62},     {kCx + 62, kCy + 50}, {kCx + kR + 2, kCy + 34}};

void Bank(cairo_t* cr) {
    cairo_move_to(cr, kBank.front().x, kBank.front().y);
    CurveThrough(cr, kBank);
    cairo_line_to(cr, kCx + kR + 2, kCy + kR + 2);
    cairo_line_to(cr, kCx - kR - 2, kCy + kR + 2);
    cairo_close_path(cr);
}

void Reeds(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto shapes = [](cairo_t* c) {
        Bank(c);
        for (const Reed& r : kReeds) ReedPath(c, r);
    };
    shapes(cr);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    RimLight(canvas, shapes, light::kMoonX, light::kMoonY, 1.1, pal::Mist.WithAlpha(0.55));
}

void Emblem(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    // A wide, faint halo lets the disc float on the black screen.
    SoftGlow(canvas, Disc, 9, pal::Violet.WithAlpha(0.6));
    SoftGlow(canvas, Disc, 5, pal::LanternAmber.WithAlpha(0.35));

    cairo_save(cr);
    Disc(cr);
    cairo_clip(cr);
    Sky(canvas);
    Moon(canvas);
    Hills(canvas);
    Water(canvas);
    Reeds(canvas);
    // Vignette: the scene darkens towards the rim like an old lens.
    SetSource(cr, RadialGradient(kCx, kCy, kR * 0.6, kR,
                                 {{0, pal::Ink.WithAlpha(0)},
                                  {0.8, pal::Ink.WithAlpha(0.18)},
                                  {1, pal::Ink.WithAlpha(0.55)}}));
    cairo_paint(cr);
    cairo_restore(cr);

    // The gilt ring: bright where the moon strikes it, warmer and darker away from it.
    Pattern gilt = LinearGradient(
        kCx - kR, kCy - kR, kCx + kR, kCy + kR,
        {{0, pal::Moonlight}, {0.3, pal::CandleGold}, {0.7, pal::LanternAmber}, {1, pal::Ember}});
    cairo_set_line_width(cr, 3.2);
    cairo_arc(cr, kCx, kCy, kR + 1.2, 0, 2 * kPi);
    SetSource(cr, gilt);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.9);
    cairo_arc(cr, kCx, kCy, kR + 6.5, 0, 2 * kPi);
    SetSource(cr, LinearGradient(kCx - kR, kCy - kR, kCx + kR, kCy + kR,
                                 {{0, pal::CandleGold.WithAlpha(0.9)}, {1, pal::Ember.WithAlpha(0.6)}}));
    cairo_stroke(cr);
}

const char32_t kWord[] = U"Tarn\uFB01eld";  // with the fi ligature, so the f's hook clears the i
const OutlineFont::Kern kWordKerning[] = {{U'T', U'a', -70}, {U'r', U'n', -6}};

void Wordmark(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const OutlineFont font(kWordFont);
    const OutlineFont::Setting setting{.size = kWordSize, .tracking = 0.035, .kerning = kWordKerning};
    const std::u32string_view word(kWord);
    const double x = (kWidth - font.Width(word, setting)) / 2;
    const auto letters = [&](cairo_t* c) { font.AppendPath(c, word, x, kWordBaseline, setting); };

    SoftGlow(canvas, letters, 9, pal::LanternAmber.WithAlpha(0.38));
    SoftGlow(canvas, letters, 2.5, pal::CandleGold.WithAlpha(0.3));
    letters(cr);
    SetSource(cr, LinearGradient(0, kWordBaseline - 56, 0, kWordBaseline,
                                 {{0, pal::Moonlight}, {0.55, pal::Bone}, {1, pal::CandleGold}}));
    cairo_fill(cr);

    // A hairline rule under the name, fading out at both ends, with a small four-pointed star.
    const double y = kWordBaseline + 22, half = 150;
    SetSource(cr, LinearGradient(kCx - half, 0, kCx + half, 0,
                                 {{0, pal::CandleGold.WithAlpha(0)},
                                  {0.5, pal::CandleGold.WithAlpha(0.9)},
                                  {1, pal::CandleGold.WithAlpha(0)}}));
    cairo_rectangle(cr, kCx - half, y - 0.5, half - 9, 1);
    cairo_rectangle(cr, kCx + 9, y - 0.5, half - 9, 1);
    cairo_fill(cr);
    const auto star = [&](cairo_t* c) {
        cairo_move_to(c, kCx, y - 6);
        cairo_curve_to(c, kCx + 0.6, y - 1, kCx + 1, y - 0.6, kCx + 6, y);
        cairo_curve_to(c, kCx + 1, y + 0.6, kCx + 0.6, y + 1, kCx, y + 6);
        cairo_curve_to(c, kCx - 0.6, y + 1, kCx - 1, y + 0.6, kCx - 6, y);
        cairo_curve_to(c, kCx - 1, y - 0.6, kCx - 0.6, y - 1, kCx, y - 6);
        cairo_close_path(c);
    };
    SoftGlow(canvas, star, 3, pal::LanternAmber.WithAlpha(0.6));
    star(cr);
    SetSource(cr, pal::CandleGold);
    cairo_fill(cr);
}

platform::PixelMap DrawSplash() {
    Canvas canvas(kWidth, kHeight);
    Emblem(canvas);
    Wordmark(canvas);
    return canvas.ToPixelMap();
}

const GroupRegistration kSplash({
    .name = "splash",
    .required = {"Tarnfield.png"},
    .make = [](DataFolder& out) { out.Write("Tarnfield.png", platform::EncodePng(DrawSplash(), 9, true)); },
});

}  // namespace
}  // namespace assetgen
