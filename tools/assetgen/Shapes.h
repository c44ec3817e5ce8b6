#pragma once

#include <cairo.h>

#include <vector>

#include "tools/assetgen/StyleKit.h"

// Outlines shared by every picture: smooth curves through points, rounded polygons and stars, and the
// flattening that turns any path into evenly spaced points (for facets, rims and hit masks).
namespace assetgen {

struct Point {
    double x = 0, y = 0;
};

Point Lerp(Point a, Point b, double t);

// A smooth curve through the points (Catmull-Rom as Béziers), continuing the current path with a line to
// the first point.
void CurveThrough(cairo_t* cr, const std::vector<Point>& points);
// A closed smooth curve through the points, as a new sub-path.
void ClosedCurve(cairo_t* cr, const std::vector<Point>& points);
// A closed polygon whose corners are rounded with the given radius (shrunk where the sides are short).
void RoundedPolygon(cairo_t* cr, const std::vector<Point>& corners, double radius);
void Polygon(cairo_t* cr, const std::vector<Point>& corners);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0);

// Corners of a regular polygon and of a star, the first at the given angle (radians, 0 = up, clockwise).
std::vector<Point> RegularPolygon(Point centre, double radius, int sides, double angle = 0);
std::vector<Point> Star(Point centre, double outer, double inner, int points, double angle = 0);

// The closed polygon with every side split into equal parts.
std::vector<Point> Subdivide(const std::vector<Point>& corners, int parts);

// The first sub-path that path draws, in its own coordinates, as n points evenly spaced along it in the
// order it is drawn.
std::vector<Point> Flatten(const PathFn& path, int n);

// The bounding box of the path in its own coordinates.
struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double Width() const { return x1 - x0; }
    double Height() const { return y1 - y0; }
    Point Centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
};
Box Extents(const PathFn& path);

}  // namespace assetgen
