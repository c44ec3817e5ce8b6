#pragma once

class TGameImage;

// The banked gold on its panel at x, y (the panel's top-left): the word "Gold" and five figures, in the
// panel's dark well right of its coin. The map and the shop show it alike.
void DrawGoldPanel(const TGameImage& panel, float x, float y);
