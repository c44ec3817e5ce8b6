#pragma once

// What play needs before its first level, until the loading screen takes this over: every sound of the
// sound folder, the game text table, the fonts, the shop's catalogue, and the links between the save
// data, the player and the profiles.
int LoadPlayResources();

// Closing the window during a level saves the current player's progress with the profile.
int InstallSaveOnClose();
// The player for a run that skips the title (a level from the command line, a showcase, a test): the
// stored player (see UseStoredPlayer), or "Player", made when there is no player yet.
int UseStartupPlayer();
