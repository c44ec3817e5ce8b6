#include "platform/sdl/SdlTransformCache.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/sdl/SdlImage.h"

namespace platform {
namespace {

constexpr double kPi = 3.14159265358979323846;

uint32_t PackTint(Tint t) {
    return uint32_t{t.a} << 24 | uint32_t{t.r} << 16 | uint32_t{t.g} << 8 | t.b;
}

// The sides of the slots, each half as large again as the one before.
constexpr int kSlotSides[] = {16, 24, 32, 48, 64, 96, 128, 192, 256, 384, SdlTransformCache::kLargestCopy};
constexpr int kPageSide = 512;

int SizeClass(int w, int h) {
    const int side = std::max(w, h);
    for (int k = 0; k < static_cast<int>(std::size(kSlotSides)); ++k) {
        if (side <= kSlotSides[k]) return k;
    }
    return -1;
}

int Columns(int sizeClass) {
    return std::max(1, kPageSide / kSlotSides[sizeClass]);
}

// The cosine and sine of a rounded angle, exact for upright pictures and quarter turns.
void Turn(const RoundedTransform& q, double& c, double& s) {
    const int step = q.turnStep % q.turnSteps;
    if ((step * 4) % q.turnSteps == 0) {
        static constexpr double kCos[4] = {1, 0, -1, 0}, kSin[4] = {0, 1, 0, -1};
        const int quarter = step * 4 / q.turnSteps;
        c = kCos[quarter];
        s = kSin[quarter];
        return;
    }
    const double radians = 2 * kPi * step / q.turnSteps;
    c = std::cos(radians);
    s = std::sin(radians);
}

// Straight-alpha ARGB8888 pixels blended by weight (0..255 of b), rounded, two channels at a time: each
// 16-bit lane holds at most 255 × 256 + 128.
inline uint32_t Lerp(uint32_t a, uint32_t b, uint32_t w) {
    constexpr uint32_t kMask = 0x00ff00ff, kHalf = 0x00800080;
    const uint32_t v = 256 - w;
    const uint32_t rb = (((a & kMask) * v + (b & kMask) * w + kHalf) >> 8) & kMask;
    const uint32_t ag = (((a >> 8) & kMask) * v + ((b >> 8) & kMask) * w + kHalf) & ~kMask;
    return rb | ag;
}

inline uint32_t Scale8(uint32_t c, uint32_t m) {
    return (c * m + 127) / 255;
}

inline uint32_t ApplyTint(uint32_t p, Tint t) {
    return Scale8(p >> 24, t.a) << 24 | Scale8((p >> 16) & 0xff, t.r) << 16 |
           Scale8((p >> 8) & 0xff, t.g) << 8 | Scale8(p & 0xff, t.b);
}

// The part of the image's pixels as ARGB8888 values, row after row, with a border of one pixel all round
// repeating its edge, so that filtering never reads outside it. Empty when the pixels cannot be read.
std::vector<uint32_t> BorderedPixels(const SdlImage& image, int x0, int y0, int w, int h) {
    std::vector<uint32_t> part;
    if (!image.ReadArgb({x0, y0, w, h}, part)) return {};
    const int stride = w + 2;
    std::vector<uint32_t> out(static_cast<size_t>(stride) * (h + 2));
    for (int y = -1; y <= h; ++y) {
        const uint32_t* row = part.data() + static_cast<size_t>(std::clamp(y, 0, h - 1)) * w;
        uint32_t* o = out.data() + static_cast<size_t>(y + 1) * stride;
        for (int x = -1; x <= w; ++x) o[x + 1] = row[std::clamp(x, 0, w - 1)];
    }
    return out;
}

int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The i in [lo, hi), within [0, n), for which start + i × step lies in [0, limit).
void Span(int64_t start, int64_t step, int64_t limit, int n, int& lo, int& hi) {
    int64_t first = 0, last = n - 1;
    if (step == 0) {
        if (start < 0 || start >= limit) last = -1;
    } else if (step > 0) {
        first = -FloorDiv(start, step);
        last = FloorDiv(limit - 1 - start, step);
    } else {
        first = -FloorDiv(-(limit - 1 - start), step);
        last = FloorDiv(-start, step);
    }
    lo = static_cast<int>(std::clamp<int64_t>(first, 0, n));
    hi = static_cast<int>(std::clamp<int64_t>(last + 1, lo, n));
}

// A run of the copy's pixels from the bordered part, its position (u, v) in 16.16 fixed point moving by
// (du, dv) a pixel, every position inside the part.
template <bool kFiltered, bool kTinted>
void Resample(const uint32_t* pixels, int stride, uint32_t u, uint32_t v, int32_t du, int32_t dv, int count,
              uint32_t* out, Tint tint) {
    for (int i = 0; i < count; ++i, u += static_cast<uint32_t>(du), v += static_cast<uint32_t>(dv)) {
        uint32_t p;
        if constexpr (kFiltered) {
            // Between the four nearest pixel centres: half a pixel back, one on for the border.
            const uint32_t fu = u + 32768, fv = v + 32768;
            const uint32_t* r0 = pixels + static_cast<size_t>(fv >> 16) * stride + (fu >> 16);
            const uint32_t* r1 = r0 + stride;
            const uint32_t wx = (fu >> 8) & 0xff, wy = (fv >> 8) & 0xff;
            p = Lerp(Lerp(r0[0], r0[1], wx), Lerp(r1[0], r1[1], wx), wy);
        } else {
            p = pixels[static_cast<size_t>((v >> 16) + 1) * stride + (u >> 16) + 1];
        }
        if constexpr (kTinted) p = ApplyTint(p, tint);
        out[i] = p;
    }
}

struct Box {
    int x0, y0, x1, y1;
};

// Where the rectangle from (x0, y0) to (x1, y1), relative to the pivot, goes under the linear map, in
// whole pixels. A corner a hair short of a whole pixel counts as on it, so that exact turns stay exact.
Box Bounds(double c, double s, double sx, double sy, double x0, double y0, double x1, double y1) {
    double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
    for (const double cx : {x0, x1}) {
        for (const double cy : {y0, y1}) {
            const double u = cx * sx, v = cy * sy;
            const double x = c * u - s * v, y = s * u + c * v;
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    constexpr double kHair = 1e-4;
    return {static_cast<int>(std::floor(minX + kHair)), static_cast<int>(std::floor(minY + kHair)),
            static_cast<int>(std::ceil(maxX - kHair)), static_cast<int>(std::ceil(maxY - kHair))};
}

}  // namespace

RoundedTransform RoundTransform(float scaleX, float scaleY, float degrees, float reach) {
    RoundedTransform q;
    // Scales in steps of 1/2n move the farthest pixel by at most a quarter of a pixel; never down to
    // nothing.
    const double n = 2 * std::max(1.0, std::ceil(static_cast<double>(reach)));
    auto round = [n](float scale) {
        double steps = std::nearbyint(scale * n);
        if (steps == 0) steps = scale < 0 ? -1 : 1;
        return static_cast<float>(steps / n);
    };
    q.scaleX = round(scaleX);
    q.scaleY = round(scaleY);
    // One step of angle moves the farthest pixel by at most half a pixel, so rounding to the nearest
    // step by at most a quarter of one.
    const double arc = std::min(2 * kPi * n * std::max(std::fabs(q.scaleX), std::fabs(q.scaleY)), 1e7);
    q.turnSteps = std::max(8, static_cast<int>(std::ceil(arc / 8)) * 8);
    double turn = std::fmod(static_cast<double>(degrees), 360.0);
    if (turn < 0) turn += 360;
    q.turnStep = static_cast<int>(std::nearbyint(turn / 360 * q.turnSteps)) % q.turnSteps;
    q.degrees = static_cast<float>(360.0 * q.turnStep / q.turnSteps);
    return q;
}

size_t SdlTransformCache::KeyHash::operator()(const Key& k) const {
    auto mix = [](size_t h, size_t v) { return h ^ (v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2)); };
    auto bits = [](float f) {
        uint32_t u;
        std::memcpy(&u, &f, sizeof u);
        return size_t{u};
    };
    size_t h = std::hash<const void*>()(k.image);
    h = mix(h, static_cast<size_t>(k.x) | static_cast<size_t>(k.y) << 16);
    h = mix(h, static_cast<size_t>(k.w) | static_cast<size_t>(k.h) << 16);
    h = mix(h, bits(k.pivotX));
    h = mix(h, bits(k.pivotY));
    h = mix(h, bits(k.scaleX));
    h = mix(h, bits(k.scaleY));
    h = mix(h, bits(k.degrees));
    h = mix(h, k.tint);
    return mix(h, static_cast<size_t>(k.kind));
}

Tint RoundTint(Tint tint) {
    auto round = [](uint8_t v) { return static_cast<uint8_t>(((v * 63 + 127) / 255 * 255 + 31) / 63); };
    return {round(tint.r), round(tint.g), round(tint.b), round(tint.a)};
}

size_t SdlTransformCache::PageBytes(int w, int h) {
    const int sizeClass = SizeClass(w, h);
    if (sizeClass < 0) return 0;
    const size_t side = static_cast<size_t>(kSlotSides[sizeClass]) * Columns(sizeClass);
    return side * side * 4;
}

SdlTransformCache::SdlTransformCache(SDL_Renderer* renderer, size_t budgetBytes)
    : renderer_(renderer), budget_(budgetBytes) {}

SdlTransformCache::~SdlTransformCache() {
    Clear();
}

bool SdlTransformCache::Place(const SdlImage& image, int frame, const SDL_Rect& part,
                              const PictureTransform& transform, Tint tint, CopyBlend blend, Placement& out) {
    out = {};
    if (!std::isfinite(transform.scaleX) || !std::isfinite(transform.scaleY) ||
        !std::isfinite(transform.degrees) || !std::isfinite(transform.atX) || !std::isfinite(transform.atY) ||
        !std::isfinite(transform.pivotX) || !std::isfinite(transform.pivotY)) {
        return false;
    }
    const SDL_Rect visible = image.Visible(frame);
    SDL_Rect cut;
    if (tint.a == 0 || transform.scaleX == 0 || transform.scaleY == 0 ||
        !SDL_IntersectRect(&part, &visible, &cut)) {
        return true;
    }
    // How far the part reaches from the pivot, in image pixels (adding nought makes a pivot of -0 the
    // same key as one of 0).
    const float pivotX = transform.pivotX + 0.0f, pivotY = transform.pivotY + 0.0f;
    float reach = 0;
    for (const int x : {cut.x, cut.x + cut.w}) {
        for (const int y : {cut.y, cut.y + cut.h})
            reach = std::max(reach, std::hypot(x - pivotX, y - pivotY));
    }
    // A copy reaching further than the largest slot from its pivot could not fit in one.
    const float scale = std::max(std::fabs(transform.scaleX), std::fabs(transform.scaleY));
    if (scale * std::max(reach, 1.0f) > 2 * kLargestCopy) return false;
    const RoundedTransform q = RoundTransform(transform.scaleX, transform.scaleY, transform.degrees, reach);
    double c, s;
    Turn(q, c, s);
    // Added light fades through its page's alpha rather than in the copy: one copy serves every step of
    // a fade, and the renderer's added blending costs little more for it.
    PageKind kind = blend == CopyBlend::Alpha ? PageKind::Alpha : PageKind::Add;
    const uint8_t fade = tint.a;
    if (kind == PageKind::Add && fade != 255) {
        kind = PageKind::FadedAdd;
        tint.a = 255;
    }
    tint = RoundTint(tint);
    const Key key{&image, cut.x,    cut.y,    cut.w,     cut.h,          pivotX,
                  pivotY, q.scaleX, q.scaleY, q.degrees, PackTint(tint), kind};

    Entry* entry = nullptr;
    if (const auto found = index_.find(key); found != index_.end()) {
        lru_.splice(lru_.begin(), lru_, found->second);
        entry = &*found->second;
        ++hits_;
    } else {
        entry = Make(image, key, c, s);
        if (!entry) return false;
    }
    if (entry->src.w == 0) return true;
    // The copy was made with the pivot on a corner of a pixel: it lands with the pivot on the nearest
    // one to where it is drawn.
    out.texture = entry->page->texture;
    if (kind == PageKind::FadedAdd) SDL_SetTextureAlphaMod(out.texture, fade);
    out.src = entry->src;
    out.dst = {static_cast<int>(std::floor(transform.atX + 0.5f)) + entry->offsetX,
               static_cast<int>(std::floor(transform.atY + 0.5f)) + entry->offsetY, entry->src.w,
               entry->src.h};
    return true;
}

SdlTransformCache::Entry* SdlTransformCache::Make(const SdlImage& image, const Key& key, double c, double s) {
    // The copy's pixels are laid out from the pivot; the part's pixels are counted from its corner.
    const double pivotX = key.pivotX - key.x, pivotY = key.pivotY - key.y;
    Box box = Bounds(c, s, key.scaleX, key.scaleY, -pivotX, -pivotY, key.w - pivotX, key.h - pivotY);
    const int width = box.x1 - box.x0, height = box.y1 - box.y0;
    if (width <= 0 || height <= 0) return nullptr;
    const int sizeClass = SizeClass(width, height);
    if (sizeClass < 0) return nullptr;
    const std::vector<uint32_t> part = BorderedPixels(image, key.x, key.y, key.w, key.h);
    if (part.empty()) return nullptr;
    Page* page = nullptr;
    int slot = 0;
    if (!Slot(sizeClass, key.kind, page, slot)) return nullptr;
    const int side = kSlotSides[sizeClass];
    SDL_Rect src{slot % page->columns * side, slot / page->columns * side, width, height};
    void* locked = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(page->texture, &src, &locked, &pitch) != 0) {
        page->free.push_back(slot);
        --page->used;
        return nullptr;
    }

    const int stride = key.w + 2;
    const Tint tint{static_cast<uint8_t>(key.tint >> 16), static_cast<uint8_t>(key.tint >> 8),
                    static_cast<uint8_t>(key.tint), static_cast<uint8_t>(key.tint >> 24)};
    auto resample = Resample<true, false>;
    if (!image.Filtered()) {
        resample = tint.White() ? Resample<false, false> : Resample<false, true>;
    } else if (!tint.White()) {
        resample = Resample<true, true>;
    }
    // Each pixel of the copy looks up the part's pixel under its centre: the inverse of the map, turning
    // back and then dividing out the scale, walked in 16.16 fixed point along each row over the run that
    // falls inside the part.
    constexpr double kOne = 65536;
    const double dux = c / key.scaleX, dvx = -s / key.scaleY;  // per pixel to the right
    const double duy = s / key.scaleX, dvy = c / key.scaleY;   // per pixel down
    const int32_t stepU = static_cast<int32_t>(std::lround(dux * kOne));
    const int32_t stepV = static_cast<int32_t>(std::lround(dvx * kOne));
    const int64_t limitU = int64_t{key.w} << 16, limitV = int64_t{key.h} << 16;
    // The copy is cut down to its visible pixels as it is made.
    int left = width, right = -1, top = height, bottom = -1;
    for (int j = 0; j < height; ++j) {
        uint32_t* row =
            reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(locked) + static_cast<size_t>(j) * pitch);
        const double px = box.x0 + 0.5, py = box.y0 + j + 0.5;
        const int64_t u = std::llround((pivotX + px * dux + py * duy) * kOne);
        const int64_t v = std::llround((pivotY + px * dvx + py * dvy) * kOne);
        int loU, hiU, loV, hiV;
        Span(u, stepU, limitU, width, loU, hiU);
        Span(v, stepV, limitV, width, loV, hiV);
        const int lo = std::max(loU, loV), hi = std::max(lo, std::min(hiU, hiV));
        std::fill(row, row + lo, 0u);
        std::fill(row + hi, row + width, 0u);
        if (hi == lo) continue;
        resample(part.data(), stride, static_cast<uint32_t>(u + int64_t{lo} * stepU),
                 static_cast<uint32_t>(v + int64_t{lo} * stepV), stepU, stepV, hi - lo, row + lo, tint);
        int first = lo, last = hi - 1;
        while (first <= last && (row[first] >> 24) == 0) ++first;
        while (last >= first && (row[last] >> 24) == 0) --last;
        if (first > last) continue;
        left = std::min(left, first), right = std::max(right, last);
        top = std::min(top, j), bottom = j;
    }
    SDL_UnlockTexture(page->texture);
    if (right < left) {
        // Nothing of it shows: remembered as such, drawn as nothing.
        src.w = src.h = 0;
    } else {
        src = {src.x + left, src.y + top, right - left + 1, bottom - top + 1};
        box.x0 += left;
        box.y0 += top;
    }

    lru_.push_front(Entry{key, page, slot, src, box.x0, box.y0});
    index_.emplace(key, lru_.begin());
    ++made_;
    return &lru_.front();
}

bool SdlTransformCache::Slot(int sizeClass, PageKind kind, Page*& page, int& slot) {
    const int columns = Columns(sizeClass);
    const size_t pageSide = static_cast<size_t>(kSlotSides[sizeClass]) * columns;
    const size_t pageBytes = pageSide * pageSide * 4;
    if (pageBytes > budget_) return false;
    for (;;) {
        for (const auto& p : pages_) {
            if (p->sizeClass != sizeClass || p->kind != kind || p->free.empty()) continue;
            page = p.get();
            slot = page->free.back();
            page->free.pop_back();
            ++page->used;
            return true;
        }
        if (bytes_ + pageBytes <= budget_) break;
        // Room is made by empty pages of other sizes or kinds first, then by the least recently drawn
        // copies.
        const auto idle =
            std::find_if(pages_.begin(), pages_.end(), [](const auto& p) { return p->used == 0; });
        if (idle != pages_.end()) {
            DropPage(idle->get());
            continue;
        }
        if (lru_.empty()) return false;
        Drop(std::prev(lru_.end()));
    }
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                             static_cast<int>(pageSide), static_cast<int>(pageSide));
    if (!texture) return false;
    SDL_SetTextureBlendMode(texture, kind == PageKind::Alpha ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_ADD);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    // A faded page is never drawn opaque, so its alpha never switches the renderer's blitting.
    if (kind == PageKind::FadedAdd) SDL_SetTextureAlphaMod(texture, 128);
    auto made = std::make_unique<Page>(Page{texture, sizeClass, kind, columns, {}, 1});
    // Slots are handed out from the top-left corner on.
    for (int k = columns * columns - 1; k >= 1; --k) made->free.push_back(k);
    page = made.get();
    slot = 0;
    pages_.push_back(std::move(made));
    bytes_ += pageBytes;
    peakBytes_ = std::max(peakBytes_, bytes_);
    return true;
}

void SdlTransformCache::Drop(List::iterator it) {
    index_.erase(it->key);
    it->page->free.push_back(it->slot);
    --it->page->used;
    lru_.erase(it);
}

void SdlTransformCache::DropPage(Page* page) {
    const size_t side = static_cast<size_t>(kSlotSides[page->sizeClass]) * page->columns;
    bytes_ -= side * side * 4;
    SDL_DestroyTexture(page->texture);
    std::erase_if(pages_, [page](const std::unique_ptr<Page>& p) { return p.get() == page; });
}

void SdlTransformCache::Forget(const SdlImage& image) {
    for (auto it = lru_.begin(); it != lru_.end();) {
        const auto next = std::next(it);
        if (it->key.image == &image) Drop(it);
        it = next;
    }
}

void SdlTransformCache::Clear() {
    lru_.clear();
    index_.clear();
    for (const auto& page : pages_) SDL_DestroyTexture(page->texture);
    pages_.clear();
    bytes_ = 0;
}

}  // namespace platform
