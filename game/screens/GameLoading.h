#pragma once

#include <functional>

class TLoadList;

// The game's part of the start-up loading, stage by stage, one item a file: the text table (then the
// shop's catalogue and the links of play, which load nothing); every sound of the sound folder; the
// pictures (the pointer, the board, the HUD and its power-ups, the effects, the shop's catalogue); the
// seven fonts; then the title screen's own, as listTitle lists them. The game screen's shared pictures
// are listed only when that screen exists.
void ListGameLoading(TLoadList& list, const std::function<void(TLoadList&)>& listTitle);

// The game text table.
void ListGameText(TLoadList& list);
// Each sound of the sound folder that the bank does not hold yet.
void ListGameSounds(TLoadList& list);
