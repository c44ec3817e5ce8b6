#pragma once

#include <functional>
#include <string>
#include <string_view>

// Who the current player is. Every change of player goes through here, so that the player's profile, the
// save data and the player's progress are always the same person's.

// The characters a typed name may not hold on top of those no file name may hold (UTF-8).
inline constexpr std::string_view ExtraBannedNameChars = "[]^{}#@_\u00A3\u20AC\u0178\u00FF\u00DD\u00FD";

// Told the name whenever another player becomes the current one (the event report listens).
extern std::function<void(const std::string& name)> PlayerChangedFunction;

// A new name's check: -1 with the "Profile Exists" text when a player of that name (in any letter case)
// already has a profile, else 1 with "".
int ProfileNameCheck(const std::string& text, std::string& message);
// Game.ProfileName becomes the current player: a fresh profile with fresh save data, loaded from the
// player's file (made when there is none), and the player's progress read from it. 0, and nothing
// changed, when the name is not one a player could have typed.
int MakeCurrentProfile();
// The player of that name becomes the current one and the name is stored in the settings; 0, and nothing
// changed, when the name is not one a player could have typed.
int MakeCurrentPlayer(const std::string& name);
// At start-up: the player the settings name when that player has a profile, else the first player listed
// in the profile folder (whose name is then stored); 0 and no current player when the folder lists none.
int UseStoredPlayer();
