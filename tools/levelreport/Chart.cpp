#include "tools/levelreport/Chart.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

namespace levelreport {
namespace {

constexpr int kWidth = 1600, kHeight = 1000;
constexpr double kLeft = 90, kRight = 30, kTop = 70, kBandHeight = 250, kBandGap = 50;

struct Band {
    double top;
    double max;  // the value at the band's top
    const char* label;
    const char* unit;  // printed after the scale's numbers
    double scale;      // what a value is multiplied by for the scale's numbers
};

void Text(cairo_t* cr, double x, double y, const std::string& text, double size, bool centred = false,
          bool right = false) {
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    const double dx = centred ? -extents.x_advance / 2 : right ? -extents.x_advance : 0;
    cairo_move_to(cr, x + dx, y);
    cairo_show_text(cr, text.c_str());
}

class Plot {
public:
    Plot(cairo_t* cr, int firstLevel, int lastLevel)
        : cr_(cr), first_(firstLevel), count_(std::max(1, lastLevel - firstLevel + 1)) {}

    double SlotWidth() const { return (kWidth - kLeft - kRight) / count_; }
    double X(int level) const { return kLeft + (level - first_ + 0.5) * SlotWidth(); }
    double Y(const Band& band, double value) const {
        return band.top + kBandHeight * (1 - std::clamp(value / band.max, 0.0, 1.0));
    }

    // The frame, the scale and the chapter boundaries of a band.
    void Frame(const Band& band) const {
        cairo_set_source_rgb(cr_, 0.16, 0.15, 0.22);
        cairo_rectangle(cr_, kLeft, band.top, kWidth - kLeft - kRight, kBandHeight);
        cairo_fill(cr_);
        cairo_set_line_width(cr_, 1);
        for (int i = 0; i <= 4; ++i) {
            const double value = band.max * i / 4, y = Y(band, value);
            cairo_set_source_rgba(cr_, 1, 1, 1, 0.12);
            cairo_move_to(cr_, kLeft, y);
            cairo_line_to(cr_, kWidth - kRight, y);
            cairo_stroke(cr_);
            cairo_set_source_rgb(cr_, 0.85, 0.83, 0.9);
            char number[32];
            std::snprintf(number, sizeof number, "%.0f%s", value * band.scale, band.unit);
            Text(cr_, kLeft - 8, y + 5, number, 14, false, true);
        }
        for (int level = first_; level < first_ + count_; ++level) {
            if ((level - 1) % 5 != 0 || level == first_) continue;
            const double x = kLeft + (level - first_) * SlotWidth();
            cairo_set_source_rgba(cr_, 0.95, 0.75, 0.35, 0.35);
            cairo_move_to(cr_, x, band.top);
            cairo_line_to(cr_, x, band.top + kBandHeight);
            cairo_stroke(cr_);
        }
        cairo_set_source_rgb(cr_, 0.95, 0.9, 0.75);
        Text(cr_, kLeft, band.top - 10, band.label, 17);
    }

    void Bar(const Band& band, int level, double value, double r, double g, double b) const {
        const double w = std::max(1.0, SlotWidth() * 0.7);
        const double y = Y(band, value);
        cairo_set_source_rgb(cr_, r, g, b);
        cairo_rectangle(cr_, X(level) - w / 2, y, w, band.top + kBandHeight - y);
        cairo_fill(cr_);
    }

    // Chapter numbers under the last band.
    void Chapters(double y) const {
        cairo_set_source_rgb(cr_, 0.85, 0.83, 0.9);
        for (int level = first_; level < first_ + count_; ++level) {
            if ((level - 1) % 5 != 2) continue;
            Text(cr_, X(level), y, std::to_string((level - 1) / 5 + 1), 13, true);
        }
        Text(cr_, kLeft - 8, y, "chapter", 13, false, true);
    }

private:
    cairo_t* cr_;
    int first_, count_;
};

}  // namespace

bool WriteChart(const std::string& path, const std::string& title, const std::vector<LevelSummary>& levels,
                std::string& error) {
    if (levels.empty()) {
        error = "no levels to chart";
        return false;
    }
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight), cairo_surface_destroy);
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> context(cairo_create(surface.get()), cairo_destroy);
    cairo_t* cr = context.get();
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_source_rgb(cr, 0.08, 0.07, 0.12);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 1, 0.93, 0.75);
    Text(cr, kLeft, 38, title, 22);

    const Plot plot(cr, levels.front().level, levels.back().level);
    double maxGold = 10;
    for (const LevelSummary& s : levels) maxGold = std::max(maxGold, s.meanGold);
    maxGold = std::ceil(maxGold / 20) * 20;
    const Band wins{kTop + 20, 1, "Runs won", "%", 100};
    const Band margins{wins.top + kBandHeight + kBandGap, 1, "Time left when won, of the limit (mean; least to most)",
                       "%", 100};
    const Band gold{margins.top + kBandHeight + kBandGap, maxGold, "Gold earned a run (mean)", "", 1};

    plot.Frame(wins);
    for (const LevelSummary& s : levels) {
        const bool enough = s.winRate >= 0.8 - 1e-9;
        plot.Bar(wins, s.level, std::max(s.winRate, 0.01), enough ? 0.35 : 0.9, enough ? 0.75 : 0.3,
                 enough ? 0.45 : 0.25);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
    const double goalY = plot.Y(wins, 0.8);
    const double dashes[] = {6, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_move_to(cr, kLeft, goalY);
    cairo_line_to(cr, kWidth - kRight, goalY);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);

    plot.Frame(margins);
    cairo_set_line_width(cr, 2);
    for (const LevelSummary& s : levels) {
        if (s.wins == 0) continue;
        cairo_set_source_rgba(cr, 0.6, 0.8, 1, 0.6);
        cairo_move_to(cr, plot.X(s.level), plot.Y(margins, s.minMargin));
        cairo_line_to(cr, plot.X(s.level), plot.Y(margins, s.maxMargin));
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0.7, 0.9, 1);
        cairo_arc(cr, plot.X(s.level), plot.Y(margins, s.meanMargin), 3.5, 0, 2 * M_PI);
        cairo_fill(cr);
    }

    plot.Frame(gold);
    for (const LevelSummary& s : levels) plot.Bar(gold, s.level, s.meanGold, 0.95, 0.78, 0.3);
    plot.Chapters(gold.top + kBandHeight + 22);

    const std::string temporary = path + ".tmp";
    if (cairo_surface_write_to_png(surface.get(), temporary.c_str()) != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + temporary;
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) error = "cannot write " + path + ": " + ec.message();
    return !ec;
}

}  // namespace levelreport
