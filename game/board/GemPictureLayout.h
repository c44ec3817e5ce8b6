#pragma once

#include <array>
#include <string>

// Where each picture of what stands in a cell is: which frame of the gem strip holds which colour, which
// picture each bonus type has, how many frames the coin spins through. The picture generator draws by
// this table and the game loads and draws by it, so the two cannot drift apart. Plain data, so that the
// tools include it without the rest of the game.
namespace gemlayout {

// Every picture is one cell, drawn about its centre.
inline constexpr int kCell = 66;
// The folder of the image folder they are in; the image bank finds them by the name alone.
inline constexpr const char* kFolder = "Gems/";

// "gems": the thirteen colours in type order, then the golden skull (the collect goal's icon).
inline constexpr const char* kStrip = "gems";
inline constexpr int kColours = 13;
inline constexpr int kSkullFrame = kColours;
inline constexpr int kStripFrames = kColours + 1;
// The frame of colour type 1 … 13.
constexpr int ColourFrame(int type) {
    return type - 1;
}

// "coin": a half turn of the spinning coin, one frame a cell.
inline constexpr const char* kCoinStrip = "coin";
inline constexpr int kCoinFrames = 6;

// The picture of the golden skull on the board.
inline constexpr const char* kSkull = "Gold Skull";
// What holds a gem fast, each chain and first-strength rock in two looks; the strong rock has one.
inline constexpr std::array<const char*, 2> kLocks = {"Lock1", "Lock2"};
inline constexpr std::array<const char*, 2> kRocks = {"Rock1Var1", "Rock1Var2"};
inline constexpr const char* kStrongRock = "Rock2";

// The bonus types: six bombs that come in two levels (level two is the type plus kUpgradeStep), the
// garlic (one picture for both levels), the coin (its strip) and the money bag.
inline constexpr int kFirstBonus = 15;
inline constexpr int kTwoLevelBombs = 6;
inline constexpr int kUpgradeStep = 8;
inline constexpr int kGarlic = 21;
inline constexpr int kCoin = 22;
inline constexpr int kBag = 30;
inline constexpr int kTypes = 31;  // -1 aside, types run 0 … 30
// The picture of each bonus type, by type; null below the first.
inline constexpr std::array<const char*, kTypes> kBonusPictures = {
    nullptr,    nullptr,   nullptr,  nullptr,  nullptr, nullptr,  nullptr,    nullptr,
    nullptr,    nullptr,   nullptr,  nullptr,  nullptr, nullptr,  nullptr,    "pump1",
    "lantern1", "candle1", "grave1", "torch1", "well1", "garlic", kCoinStrip, "pump2",
    "lantern2", "candle2", "grave2", "torch2", "well2", "garlic", "moneybag"};

// The path of a picture relative to the image folder, without its extension.
inline std::string PathOf(const char* name) {
    return std::string(kFolder) + name;
}

}  // namespace gemlayout
