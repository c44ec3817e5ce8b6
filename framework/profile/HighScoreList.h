#pragma once

// The high-score list kept beside the players' profiles. Its entries, file and ordering come with the
// player list.
class THighScoreList {};
