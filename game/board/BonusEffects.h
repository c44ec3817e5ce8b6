#pragma once

// The effects of bombs, gold and power-ups on the board, at points of the screen; they join the board's
// own effects (BoardEffects). Counts of decorative pieces follow the player's particle setting.

class TLoadList;

// Lists their pictures for the image bank, one item each; TGem::Load takes them from it.
void ListBonusEffectPictures(TLoadList& list);
int LoadBonusEffectImages();

// Collected gold: an orange ring and, unless the level is ending, coins flying to the HUD's gold counter.
int GoldEffect(float x, float y, int coins);
// The pumpkin: an orange ring with a burst of fire.
int BombBlast(float x, float y);
// A beam of light along a row or column, from (x1, y1) to (x2, y2).
int LightBeam(float x1, float y1, float x2, float y2);
// Silver streaks shooting up and down a column from (x, y).
int SilverStreaks(float x, float y);
// The grave: four fireballs flying out straight; the torch: four flames flying out diagonally; the well:
// eight blue flames every way.
int CrossBlast(float x, float y);
int DiagonalBlast(float x, float y);
int CrossDiagonalBlast(float x, float y);
// The garlic: a white ring with pieces flying out at random.
int MegaBlast(float x, float y);
// A power-up filled up: a burst at its slot.
int ChargeBurst(float x, float y);
// A bolt of the lightning power-up striking the cell whose middle is (x, y), from the top of the screen.
int LightningStrike(float x, float y);
// A gem the crystal turns into a bonus item: shards flying out.
int CrystalBurst(float x, float y);
