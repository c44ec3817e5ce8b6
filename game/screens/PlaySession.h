#pragma once

// What play needs before its first level where the start-up loading has not run (tests, showcases, the
// benchmarks): every sound of the sound folder, the game text table, the fonts, then ConnectPlay.
int LoadPlayResources();
// The shop's catalogue (named from the text table) and the links between the save data, the player and
// the profiles; loads nothing.
int ConnectPlay();

// Closing the window during a level saves the current player's progress with the profile.
int InstallSaveOnClose();
// The player for a run that skips the title (a level from the command line, a showcase, a test): the
// stored player (see UseStoredPlayer), or "Player", made when there is no player yet.
int UseStartupPlayer();
