// Turned and scaled pictures drawn through the software renderer's transform cache, on SDL's dummy video
// driver: where they land, what they look like, and what the cache keeps.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlTransformCache.h"

namespace platform {
namespace {

constexpr int kPictureW = 40, kPictureH = 24;

// A picture whose red grows to the right and blue downwards, fading out over its outer pixels (the
// outermost ring is transparent), so that both its place and its way round show in the drawn pixels.
PixelMap Gradient() {
    PixelMap p(kPictureW, kPictureH);
    for (int y = 0; y < kPictureH; ++y) {
        for (int x = 0; x < kPictureW; ++x) {
            const int edge = std::min({x, kPictureW - 1 - x, y, kPictureH - 1 - y});
            p.Set(x, y,
                  {static_cast<uint8_t>(255 * x / (kPictureW - 1)), 128,
                   static_cast<uint8_t>(255 * y / (kPictureH - 1)),
                   static_cast<uint8_t>(std::min(255, edge * 51))});
        }
    }
    return p;
}

// The colour at a point of the picture (in its pixels) between the four nearest pixel centres, as
// straight-alpha textures are filtered; the edge pixels repeat beyond it.
void Sample(const PixelMap& p, double x, double y, double out[4]) {
    x -= 0.5, y -= 0.5;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    auto at = [&](int px, int py, int c) {
        px = std::clamp(px, 0, p.Width() - 1), py = std::clamp(py, 0, p.Height() - 1);
        return static_cast<double>(p.Row(py)[px * 4 + c]);
    };
    for (int c = 0; c < 4; ++c) {
        const double top = at(x0, y0, c) * (1 - fx) + at(x0 + 1, y0, c) * fx;
        const double bottom = at(x0, y0 + 1, c) * (1 - fx) + at(x0 + 1, y0 + 1, c) * fx;
        out[c] = top * (1 - fy) + bottom * fy;
    }
}

struct Draw {
    const char* name;
    float x, y;  // where the handle lands
    float handleX, handleY;
    float scaleX, scaleY;
    float degrees;
};

// How a picture is coloured and blended, and what it is drawn over.
struct Look {
    Tint tint;
    BlendMode blend = BlendMode::Alpha;
    uint8_t background = 0;
};

// The picture drawn by the book: every screen pixel whose centre falls inside the turned and scaled
// picture takes the filtered colour there, tinted, and blended by its alpha.
PixelMap Reference(const PixelMap& p, const Draw& d, float scaleX, float scaleY, float degrees, int w, int h,
                   const Look& look = {}) {
    const uint8_t bg = look.background;
    PixelMap out(w, h, {bg, bg, bg, 255});
    const double a = degrees * M_PI / 180, c = std::cos(a), s = std::sin(a);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = x + 0.5 - d.x, dy = y + 0.5 - d.y;
            const double u = (c * dx + s * dy) / scaleX + d.handleX;
            const double v = (-s * dx + c * dy) / scaleY + d.handleY;
            if (u < 0 || v < 0 || u >= p.Width() || v >= p.Height()) continue;
            double colour[4];
            Sample(p, u, v, colour);
            const uint8_t tint[4] = {look.tint.r, look.tint.g, look.tint.b, look.tint.a};
            const double alpha = colour[3] * tint[3] / (255.0 * 255.0);
            auto blend = [&](int k) {
                const double c = colour[k] * tint[k] / 255 * alpha;
                return static_cast<uint8_t>(std::lround(
                    look.blend == BlendMode::Light ? std::min(255.0, c + bg) : c + bg * (1 - alpha)));
            };
            out.Set(x, y, {blend(0), blend(1), blend(2), 255});
        }
    }
    return out;
}

// The centre of a channel's ink: where the drawn red (or blue) is, on average.
struct Point {
    double x = 0, y = 0;
};
Point Centroid(const PixelMap& m, int channel) {
    double sum = 0, sx = 0, sy = 0;
    for (int y = 0; y < m.Height(); ++y) {
        for (int x = 0; x < m.Width(); ++x) {
            const double v = m.Row(y)[x * 4 + channel];
            sum += v, sx += v * (x + 0.5), sy += v * (y + 0.5);
        }
    }
    return sum > 0 ? Point{sx / sum, sy / sum} : Point{};
}

class TransformCacheTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override {
        graphics_.reset();
        SDL_Quit();
    }

    void Open(size_t budget = SdlTransformCache::kDefaultBudget) {
        graphics_ = std::make_unique<SdlGraphics>(SdlGraphicsOptions{false, nullptr, budget});
        std::string error;
        WindowSpec spec;
        spec.width = kScreenW;
        spec.height = kScreenH;
        ASSERT_TRUE(graphics_->Open(spec, error)) << error;
        graphics_->SetClsColor(0, 0, 0);
        graphics_->Cls();
    }

    PixelMap DrawOnce(const Draw& d, ImagePtr& image, const Look& look = {}) {
        graphics_->SetClsColor(look.background, look.background, look.background);
        graphics_->Cls();
        image->SetHandle(d.handleX, d.handleY);
        graphics_->SetScale(d.scaleX, d.scaleY);
        graphics_->SetRotation(d.degrees);
        graphics_->SetColor(look.tint.r, look.tint.g, look.tint.b);
        graphics_->SetAlpha(look.tint.a / 255.0f);
        graphics_->SetBlend(look.blend);
        graphics_->DrawImage(*image, d.x, d.y, 0);
        graphics_->SetScale(1, 1);
        graphics_->SetRotation(0);
        graphics_->SetColor(255, 255, 255);
        graphics_->SetAlpha(1);
        graphics_->SetBlend(BlendMode::Alpha);
        return graphics_->Grab({0, 0, kScreenW, kScreenH});
    }

    const SdlTransformCache& Cache() { return *graphics_->TransformCache(); }

    static constexpr int kScreenW = 200, kScreenH = 160;
    std::unique_ptr<SdlGraphics> graphics_;
};

const Draw kDraws[] = {
    {"turned", 100, 80, 20, 12, 1, 1, 30},
    {"turned the other way", 100, 80, 20, 12, 1, 1, -75},
    {"scaled up", 100, 80, 20, 12, 1.6f, 1.6f, 0},
    {"scaled down about a corner", 70, 50, 0, 0, 0.83f, 0.83f, 0},
    {"stretched", 100, 80, 20, 12, 1.3f, 0.7f, 0},
    {"mirrored", 100, 80, 10, 6, -1, 1, 0},
    {"upside down", 100, 80, 10, 6, 1, -1, 0},
    {"turned and scaled", 100, 80, 20, 12, 1.75f, 1.75f, 152},
    {"turned, scaled and mirrored about an off-centre handle", 90, 70, 30, 4, -1.4f, 1.2f, 61},
    {"a quarter turn", 100, 80, 20, 12, 1, 1, 90},
    {"between pixels", 100.3f, 79.6f, 20, 12, 1.2f, 1.2f, 17},
};

// Each draw lands where the picture, turned and scaled about its handle, belongs: the ink of each colour
// is centred within half a pixel of where it is drawn by the book with the exact angle and scale, and
// every pixel is close to the book's picture with the angle and scale the cache rounds to.
TEST_F(TransformCacheTest, DrawsLandWherePicturesTurnedAndScaledBelong) {
    Open();
    const PixelMap picture = Gradient();
    ImagePtr image = graphics_->LoadImage(picture, kImageFiltered);
    ASSERT_TRUE(image);
    for (const Draw& d : kDraws) {
        SCOPED_TRACE(d.name);
        const PixelMap drawn = DrawOnce(d, image);
        const PixelMap exact = Reference(picture, d, d.scaleX, d.scaleY, d.degrees, kScreenW, kScreenH);
        for (int channel : {0, 2}) {
            const Point got = Centroid(drawn, channel), want = Centroid(exact, channel);
            EXPECT_NEAR(got.x, want.x, 0.5) << "channel " << channel;
            EXPECT_NEAR(got.y, want.y, 0.5) << "channel " << channel;
        }
        // Rounded as the cache rounds, with the handle on the nearest corner of a pixel.
        float reach = 0;
        for (int x : {0, kPictureW})
            for (int y : {0, kPictureH}) reach = std::max(reach, std::hypot(x - d.handleX, y - d.handleY));
        const RoundedTransform q = RoundTransform(d.scaleX, d.scaleY, d.degrees, reach);
        Draw whole = d;
        whole.x = std::floor(d.x + 0.5f);
        whole.y = std::floor(d.y + 0.5f);
        const PixelMap rounded = Reference(picture, whole, q.scaleX, q.scaleY, q.degrees, kScreenW, kScreenH);
        int worst = 0, worstX = 0, worstY = 0;
        for (int y = 0; y < kScreenH; ++y) {
            for (int x = 0; x < kScreenW; ++x) {
                for (int c = 0; c < 3; ++c) {
                    const int diff = std::abs(drawn.Row(y)[x * 4 + c] - rounded.Row(y)[x * 4 + c]);
                    if (diff > worst) worst = diff, worstX = x, worstY = y;
                }
            }
        }
        EXPECT_LE(worst, 4) << "at " << worstX << ", " << worstY;
    }
}

// The cached draw and SDL's own turned or scaled copy agree, up to how each rounds and filters.
TEST_F(TransformCacheTest, CachedDrawsMatchTheRenderersOwn) {
    PixelMap drawn[2][std::size(kDraws)];
    for (int cached = 0; cached < 2; ++cached) {
        Open(cached ? SdlTransformCache::kDefaultBudget : 0);
        ASSERT_EQ(graphics_->TransformCache() != nullptr, cached == 1);
        ImagePtr image = graphics_->LoadImage(Gradient(), kImageFiltered);
        for (size_t i = 0; i < std::size(kDraws); ++i) drawn[cached][i] = DrawOnce(kDraws[i], image);
        image.reset();
        graphics_.reset();
    }
    for (size_t i = 0; i < std::size(kDraws); ++i) {
        SCOPED_TRACE(kDraws[i].name);
        for (int channel : {0, 2}) {
            const Point own = Centroid(drawn[0][i], channel), cached = Centroid(drawn[1][i], channel);
            EXPECT_NEAR(own.x, cached.x, 1.5) << "channel " << channel;
            EXPECT_NEAR(own.y, cached.y, 1.5) << "channel " << channel;
        }
    }
}

struct TintedDraw {
    const char* name;
    Draw draw;
    Look look;
};
const TintedDraw kTintedDraws[] = {
    {"a shadow", {"", 100.7f, 80.2f, 20, 12, 1, 1, 0}, {{0, 0, 0, 102}, BlendMode::Alpha, 90}},
    {"a coloured picture", {"", 60, 50, 0, 0, 1, 1, 0}, {{255, 128, 0, 255}, BlendMode::Alpha, 90}},
    {"faded light", {"", 99.4f, 70, 20, 12, 1, 1, 0}, {{255, 255, 255, 77}, BlendMode::Light, 90}},
    {"a turned shadow", {"", 100, 80, 20, 12, 1, 1, 30}, {{0, 0, 0, 128}, BlendMode::Alpha, 90}},
    {"a turned, scaled and tinted picture",
     {"", 100, 80, 20, 12, 1.4f, 1.4f, 200},
     {{200, 100, 50, 153}, BlendMode::Alpha, 90}},
    {"turning faded light",
     {"", 100, 80, 20, 12, 1.2f, 1.2f, 45},
     {{255, 255, 255, 128}, BlendMode::Light, 90}},
    {"turning light", {"", 100, 80, 20, 12, 0.9f, 0.9f, 300}, {{100, 255, 200, 255}, BlendMode::Light, 90}},
};

// Tinted and faded pictures, light added and pictures blended: a plain one is drawn as the renderer
// draws it, to the pixel, and every one as the book draws it.
TEST_F(TransformCacheTest, TintedDrawsLookAsTheyShould) {
    PixelMap drawn[2][std::size(kTintedDraws)];
    const PixelMap picture = Gradient();
    for (int cached = 0; cached < 2; ++cached) {
        Open(cached ? SdlTransformCache::kDefaultBudget : 0);
        ImagePtr image = graphics_->LoadImage(picture, kImageFiltered);
        for (size_t i = 0; i < std::size(kTintedDraws); ++i) {
            drawn[cached][i] = DrawOnce(kTintedDraws[i].draw, image, kTintedDraws[i].look);
        }
        if (cached) {
            EXPECT_EQ(Cache().Made(), std::size(kTintedDraws));
        }
        image.reset();
        graphics_.reset();
    }
    auto worst = [](const PixelMap& a, const PixelMap& b) {
        int most = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width() * 4; ++x)
                most = std::max(most, std::abs(a.Row(y)[x] - b.Row(y)[x]));
        return most;
    };
    for (size_t i = 0; i < std::size(kTintedDraws); ++i) {
        const Draw& d = kTintedDraws[i].draw;
        SCOPED_TRACE(kTintedDraws[i].name);
        const bool plain = d.degrees == 0 && d.scaleX == 1 && d.scaleY == 1;
        if (plain) {
            EXPECT_LE(worst(drawn[0][i], drawn[1][i]), 3);
        }
        float reach = 0;
        for (int x : {0, kPictureW})
            for (int y : {0, kPictureH}) reach = std::max(reach, std::hypot(x - d.handleX, y - d.handleY));
        const RoundedTransform q = RoundTransform(d.scaleX, d.scaleY, d.degrees, reach);
        Draw whole = d;
        // A plain picture goes where the renderer's own copy goes, its corner cut down to a whole pixel.
        whole.x = plain ? std::trunc(d.x - d.handleX) + d.handleX : std::floor(d.x + 0.5f);
        whole.y = plain ? std::trunc(d.y - d.handleY) + d.handleY : std::floor(d.y + 0.5f);
        const PixelMap book = Reference(picture, whole, q.scaleX, q.scaleY, q.degrees, kScreenW, kScreenH,
                                        kTintedDraws[i].look);
        EXPECT_LE(worst(drawn[1][i], book), 6);
    }
}

// However the angle and scale are rounded, no pixel of a picture reaching that far from its pivot moves
// more than half a pixel; upright pictures, quarter turns and unscaled ones stay exact.
TEST(RoundTransform, MovesNoPixelMoreThanHalfAPixel) {
    struct Case {
        float scaleX, scaleY, degrees, reach;
    };
    const Case cases[] = {{1, 1, 0, 50},
                          {1, 1, 90, 50},
                          {1, 1, -90, 33},
                          {1.5f, 1.5f, 180, 70},
                          {1.73f, 1.73f, 17.3f, 70},
                          {0.21f, 0.21f, 359.9f, 47},
                          {-1.1f, 0.9f, 123.4f, 33},
                          {2.5f, 2.5f, 5, 140},
                          {0.05f, 0.05f, 44, 10},
                          {1, -1, 271.2f, 3}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.scaleX << " " << k.scaleY << " " << k.degrees << " " << k.reach);
        const RoundedTransform q = RoundTransform(k.scaleX, k.scaleY, k.degrees, k.reach);
        EXPECT_EQ(q.turnSteps % 8, 0);
        for (int i = 0; i < 64; ++i) {
            const double along = 2 * M_PI * i / 64;
            const double px = k.reach * std::cos(along), py = k.reach * std::sin(along);
            auto place = [&](double sx, double sy, double degrees, double& x, double& y) {
                const double a = degrees * M_PI / 180;
                x = std::cos(a) * px * sx - std::sin(a) * py * sy;
                y = std::sin(a) * px * sx + std::cos(a) * py * sy;
            };
            double x0, y0, x1, y1;
            place(k.scaleX, k.scaleY, k.degrees, x0, y0);
            place(q.scaleX, q.scaleY, q.degrees, x1, y1);
            // A scale too small to show rounds to the smallest one that does.
            const double slack = std::max(0.0, double(std::fabs(q.scaleX) - std::fabs(k.scaleX)) * k.reach);
            EXPECT_LE(std::hypot(x1 - x0, y1 - y0), 0.5 + slack + 1e-4);
        }
    }
    for (float degrees : {0.0f, 90.0f, 180.0f, 270.0f, -90.0f, 360.0f}) {
        const RoundedTransform q = RoundTransform(1, 1, degrees, 77.7f);
        EXPECT_EQ(q.degrees, std::fmod(degrees + 360.0f, 360.0f));
        EXPECT_EQ(q.scaleX, 1.0f);
    }
}

TEST_F(TransformCacheTest, AnotherDrawAtTheSameRoundedTransformMakesNoNewCopy) {
    Open();
    ImagePtr image = graphics_->LoadImage(Gradient(), kImageFiltered);
    image->SetHandle(20, 12);
    graphics_->SetRotation(30);
    graphics_->DrawImage(*image, 50, 50, 0);
    EXPECT_EQ(Cache().Made(), 1u);
    // Elsewhere, and a hair further round.
    graphics_->SetRotation(30.01f);
    graphics_->DrawImage(*image, 120.5f, 90, 0);
    EXPECT_EQ(Cache().Made(), 1u);
    EXPECT_EQ(Cache().Hits(), 1u);
    graphics_->SetRotation(40);
    graphics_->DrawImage(*image, 50, 50, 0);
    graphics_->SetScale(1.5f, 1.5f);
    graphics_->DrawImage(*image, 50, 50, 0);
    EXPECT_EQ(Cache().Made(), 3u);
    EXPECT_EQ(Cache().Entries(), 3u);
    // Upright and unscaled pictures take the plain copy, and a scaled picture's other frame is another copy.
    graphics_->SetRotation(0);
    graphics_->SetScale(1, 1);
    graphics_->DrawImage(*image, 50, 50, 0);
    EXPECT_EQ(Cache().Made(), 3u);
}

TEST_F(TransformCacheTest, PicturesTooLargeForACopyAreDrawnTheRenderersOwnWay) {
    Open();
    ImagePtr image = graphics_->LoadImage(Gradient(), kImageFiltered);
    image->SetHandle(20, 12);
    graphics_->SetRotation(10);
    graphics_->SetScale(40, 40);
    graphics_->DrawImage(*image, 100, 80, 0);
    EXPECT_EQ(Cache().Made(), 0u);
    EXPECT_GT(graphics_->Grab({100, 80, 1, 1}).At(0, 0).r, 0);
}

TEST_F(TransformCacheTest, TheBudgetDropsTheLeastRecentlyDrawnFirst) {
    // A bar so long that each copy of it takes a page of its own, and room for three pages.
    PixelMap bar(400, 20);
    for (int y = 1; y < 19; ++y)
        for (int x = 1; x < 399; ++x) bar.Set(x, y, {200, 100, 50, 255});
    const size_t page = SdlTransformCache::PageBytes(400, 20);
    ASSERT_GT(page, 0u);
    ASSERT_EQ(SdlTransformCache::PageBytes(400, 400), page);
    Open(3 * page + 100);
    ImagePtr image = graphics_->LoadImage(bar, kImageFiltered);
    image->SetHandle(200, 10);
    auto draw = [&](float degrees) {
        graphics_->SetRotation(degrees);
        graphics_->DrawImage(*image, 100, 80, 0);
    };
    draw(90), draw(180), draw(270);
    EXPECT_EQ(Cache().Made(), 3u);
    EXPECT_EQ(Cache().Pages(), 3u);
    EXPECT_EQ(Cache().Bytes(), 3 * page);
    draw(90);  // now the most recently drawn
    draw(0);   // upright: not a copy
    EXPECT_EQ(Cache().Made(), 3u);
    graphics_->SetScale(-1, 1);
    draw(0);  // mirrored: a fourth copy, which pushes out the one turned by 180
    graphics_->SetScale(1, 1);
    EXPECT_EQ(Cache().Made(), 4u);
    EXPECT_EQ(Cache().Entries(), 3u);
    EXPECT_EQ(Cache().Pages(), 3u);
    EXPECT_LE(Cache().Bytes(), Cache().Budget());
    draw(90);
    draw(270);
    EXPECT_EQ(Cache().Made(), 4u);
    draw(180);
    EXPECT_EQ(Cache().Made(), 5u);
}

TEST_F(TransformCacheTest, NothingIsKeptOfAnImageOrARendererThatWent) {
    Open();
    ImagePtr kept = graphics_->LoadImage(Gradient(), kImageFiltered);
    ImagePtr dropped = graphics_->LoadImage(Gradient(), kImageFiltered);
    graphics_->SetRotation(45);
    graphics_->DrawImage(*kept, 50, 50, 0);
    graphics_->DrawImage(*dropped, 50, 50, 0);
    EXPECT_EQ(Cache().Entries(), 2u);
    dropped.reset();
    EXPECT_EQ(Cache().Entries(), 1u);
    // The page stays for the next copies.
    EXPECT_EQ(Cache().Pages(), 1u);

    // Lost textures: the drawing area and the images are made again, and the copies dropped.
    graphics_->RestoreTextures();
    EXPECT_EQ(Cache().Entries(), 0u);
    EXPECT_EQ(Cache().Pages(), 0u);
    EXPECT_EQ(Cache().Bytes(), 0u);
    graphics_->DrawImage(*kept, 100, 80, 0);
    EXPECT_EQ(Cache().Entries(), 1u);
    graphics_->SetRotation(0);
    EXPECT_GT(Centroid(graphics_->Grab({0, 0, kScreenW, kScreenH}), 0).x, 80);

    // A new renderer starts with no copies; with none open there is no cache at all.
    std::string error;
    WindowSpec spec;
    spec.width = kScreenW;
    spec.height = kScreenH;
    ASSERT_TRUE(graphics_->Open(spec, error)) << error;
    EXPECT_EQ(Cache().Entries(), 0u);
    graphics_->SetRotation(45);
    graphics_->DrawImage(*kept, 100, 80, 0);
    EXPECT_EQ(Cache().Entries(), 1u);
    graphics_->Close();
    EXPECT_EQ(graphics_->TransformCache(), nullptr);
    // The image outlives the renderer and goes afterwards without touching either.
    kept.reset();
}

}  // namespace
}  // namespace platform
