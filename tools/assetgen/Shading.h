#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

// The two ways a solid thing is lit in this game, both by the one moon of light::: cut stones in flat
// facets, everything else (pumpkins, pearls, metal, wood) as smooth rounded bodies; plus the bevels and
// gloss that plates and buttons share.
namespace assetgen {

// Three tones of one material: where the moon strikes it, its own colour, and where it turns away.
struct Tones {
    Colour light, mid, dark;
    // t = 0 … 1 from dark through mid to light.
    Colour At(double t) const;
};

// A cut stone: a ring of crown facets from the outline in to the table, the flat top face. Each facet
// takes the light by the way it faces the moon, so every stone of the game is lit alike.
struct Facets {
    std::vector<Point> outline;  // the girdle, in drawing order, about a dozen to thirty points
    PathFn silhouette;           // the stone's edge, when it is rounder than the girdle's polygon
    Point centre;                // the middle of the table
    double table = 0.55;         // the table's size relative to the outline
    double slope = 0.9;          // how steeply the crown falls away (0 flat … 1.5 steep)
    uint32_t sparkle = 0;        // seed of the small facet-to-facet variations that make a stone glitter
};
void FacetedStone(Canvas& canvas, const Facets& facets, const Tones& tones);

// A smooth body: the moonlit side brightest, shading into the far side, a warm lantern rim on the lower
// right and a glint of moonlight. glint and rim are strengths 0 … 1.
void RoundedBody(Canvas& canvas, const PathFn& path, const Tones& tones, double glint = 0.6,
                 double rim = 0.45);

// A surface given by its height (in pixels, up towards the viewer) lit by the moon pixel by pixel, for
// stone, bark and hammered metal that paths alone cannot model. A level surface takes tones.At(0.5);
// relief, 0 … 1 and more, sets how strongly slopes turn to light and shade.
using HeightFn = std::function<double(double x, double y)>;
// Like PixelPattern, it covers width x height pixels from (x0, y0).
Pattern Relief(int width, int height, const HeightFn& heightAt, const Tones& tones, double relief = 1,
               int x0 = 0, int y0 = 0);

// A raised edge: light on the moon's side, shade on the far side, width pixels deep.
void Bevel(Canvas& canvas, const PathFn& path, double width, Colour light, Colour shade);

// A soft sheen over the upper part of the shape, strongest at the top.
void Gloss(Canvas& canvas, const PathFn& path, double strength, double depth = 0.5);

// A four-pointed glint of light, the sparkle of polished things and of magic.
void Glint(cairo_t* cr, Point at, double size, Colour colour);

}  // namespace assetgen
