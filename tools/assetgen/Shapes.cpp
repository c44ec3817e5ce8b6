#include "tools/assetgen/Shapes.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace assetgen {

namespace {

constexpr double kPi = std::numbers::pi;

// A context on a tiny surface for measuring paths; nothing is ever drawn on it.
std::unique_ptr<cairo_t, decltype(&cairo_destroy)> ScratchContext() {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1), cairo_surface_destroy);
    return {cairo_create(surface.get()), cairo_destroy};
}

double Distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace

Point Lerp(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

void CurveThrough(cairo_t* cr, const std::vector<Point>& p) {
    if (p.empty()) return;
    cairo_line_to(cr, p[0].x, p[0].y);
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        const Point a = p[i > 0 ? i - 1 : i], b = p[i], c = p[i + 1], d = p[i + 2 < p.size() ? i + 2 : i + 1];
        cairo_curve_to(cr, b.x + (c.x - a.x) / 6, b.y + (c.y - a.y) / 6, c.x - (d.x - b.x) / 6,
                       c.y - (d.y - b.y) / 6, c.x, c.y);
    }
}

void ClosedCurve(cairo_t* cr, const std::vector<Point>& p) {
    const size_t n = p.size();
    if (n < 3) return;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, p[0].x, p[0].y);
    for (size_t i = 0; i < n; ++i) {
        const Point a = p[(i + n - 1) % n], b = p[i], c = p[(i + 1) % n], d = p[(i + 2) % n];
        cairo_curve_to(cr, b.x + (c.x - a.x) / 6, b.y + (c.y - a.y) / 6, c.x - (d.x - b.x) / 6,
                       c.y - (d.y - b.y) / 6, c.x, c.y);
    }
    cairo_close_path(cr);
}

void RoundedPolygon(cairo_t* cr, const std::vector<Point>& p, double radius) {
    const size_t n = p.size();
    if (n < 3) return;
    cairo_new_sub_path(cr);
    for (size_t i = 0; i < n; ++i) {
        const Point prev = p[(i + n - 1) % n], at = p[i], next = p[(i + 1) % n];
        // The corner is cut back along both sides and joined by a curve pulled towards the corner.
        const double cut = std::min({radius, Distance(prev, at) / 2, Distance(at, next) / 2});
        const Point in = Lerp(at, prev, cut / Distance(prev, at));
        const Point out = Lerp(at, next, cut / Distance(at, next));
        cairo_line_to(cr, in.x, in.y);
        const Point c1 = Lerp(in, at, 0.55), c2 = Lerp(out, at, 0.55);
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, out.x, out.y);
    }
    cairo_close_path(cr);
}

void Polygon(cairo_t* cr, const std::vector<Point>& p) {
    if (p.empty()) return;
    cairo_new_sub_path(cr);
    for (const Point& q : p) cairo_line_to(cr, q.x, q.y);
    cairo_close_path(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

std::vector<Point> RegularPolygon(Point c, double radius, int sides, double angle) {
    std::vector<Point> corners;
    for (int i = 0; i < sides; ++i) {
        const double a = angle + 2 * kPi * i / sides;
        corners.push_back({c.x + radius * std::sin(a), c.y - radius * std::cos(a)});
    }
    return corners;
}

std::vector<Point> Star(Point c, double outer, double inner, int points, double angle) {
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = angle + kPi * i / points, r = i % 2 ? inner : outer;
        corners.push_back({c.x + r * std::sin(a), c.y - r * std::cos(a)});
    }
    return corners;
}

std::vector<Point> Subdivide(const std::vector<Point>& corners, int parts) {
    std::vector<Point> out;
    for (size_t i = 0; i < corners.size(); ++i) {
        for (int k = 0; k < parts; ++k) {
            out.push_back(
                Lerp(corners[i], corners[(i + 1) % corners.size()], static_cast<double>(k) / parts));
        }
    }
    return out;
}

std::vector<Point> Flatten(const PathFn& path, int n) {
    auto cr = ScratchContext();
    cairo_set_tolerance(cr.get(), 0.01);
    path(cr.get());
    cairo_path_t* flat = cairo_copy_path_flat(cr.get());
    std::vector<Point> line;
    for (int i = 0; i < flat->num_data; i += flat->data[i].header.length) {
        const cairo_path_data_t& d = flat->data[i];
        if (d.header.type == CAIRO_PATH_MOVE_TO && !line.empty()) break;
        if (d.header.type == CAIRO_PATH_MOVE_TO || d.header.type == CAIRO_PATH_LINE_TO) {
            line.push_back({flat->data[i + 1].point.x, flat->data[i + 1].point.y});
        }
    }
    cairo_path_destroy(flat);
    if (line.size() < 2 || n < 1) return line;
    line.push_back(line.front());  // closed: walk back to the start

    double total = 0;
    for (size_t i = 1; i < line.size(); ++i) total += Distance(line[i - 1], line[i]);
    std::vector<Point> out;
    size_t segment = 1;
    double walked = 0;  // length of the line before segment
    for (int k = 0; k < n; ++k) {
        const double at = total * k / n;
        while (segment + 1 < line.size() && walked + Distance(line[segment - 1], line[segment]) < at) {
            walked += Distance(line[segment - 1], line[segment]);
            ++segment;
        }
        const double length = Distance(line[segment - 1], line[segment]);
        out.push_back(Lerp(line[segment - 1], line[segment], length > 0 ? (at - walked) / length : 0));
    }
    return out;
}

Box Extents(const PathFn& path) {
    auto cr = ScratchContext();
    path(cr.get());
    Box box;
    cairo_path_extents(cr.get(), &box.x0, &box.y0, &box.x1, &box.y1);
    return box;
}

}  // namespace assetgen
