#pragma once

// The row of six power-ups on the HUD.

class TLoadList;

// Puts the power-ups' pictures into the image bank: the slots, fillings, pins and cursors.
int LoadHUDPowerupPictures();
// The same as a list: one item a picture.
void ListHUDPowerupPictures(TLoadList& list);
// Makes the six power-ups in the board's order (stake, hammer, broom, lightning, tarot, crystal), loads
// them, and lets the save data keep their charges.
int CreateHUDPowerups();
