#pragma once

// What play needs before its first level where the start-up loading has not run (tests, showcases, the
// benchmarks): every sound of the sound folder, the game text table, the fonts, then ConnectPlay.
int LoadPlayResources();
// The shop's catalogue (named from the text table) and the links between the save data, the player and
// the profiles; loads nothing.
int ConnectPlay();

// The player the game starts with while no title screen chooses one: the one the settings name, or
// "Player", made when there is no such player yet. Its profile is read (or written afresh) and becomes
// the current one.
int UseStartupPlayer();
