#pragma once

// What play needs before its first level, until the loading screen takes this over: every sound of the
// sound folder, the game text table, the fonts, the shop's catalogue, and the links between the save
// data, the player and the profiles.
int LoadPlayResources();

// The player the game starts with while no title screen chooses one: the one the settings name, or
// "Player", made when there is no such player yet. Its profile is read (or written afresh) and becomes
// the current one.
int UseStartupPlayer();
