#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/gfx/GameImage.h"

// Images by name, loaded once and looked up when needed. A key is the upper-cased base name of the file
// unless the load names another, and a later load of the same key replaces the earlier image.
//
// Base names alone would mix up pictures of the same name in different folders. The game keeps them apart
// this way: a picture named without a folder keeps its base name as its key, and a scene picture whose
// base name another image also uses is loaded with LoadUnderPath, keyed by its path. The pairs known today:
//   the board's "lantern1", "lantern2", "torch1", "torch2", "well1", "well2"  and the shop's
//     "ShopScreen/items/lantern1" … "ShopScreen/items/well2" (every shop scene picture is path-keyed);
//   the particle "Lightning"          and "TitleScreen/lightning";
//   "TitleScreen/background"          and "Intro/background" (both path-keyed);
//   "TitleScreen/foreground"          and "ShopScreen/items/foreground" (both path-keyed);
//   the map's "CheckBox"              and "OptionsScreen/CheckBox".
// A key taken over by a different file is recorded in Collisions(), so a test can show that none happens.
class TImageBank {
public:
    std::string Path;          // ends in "/" once set
    std::string Ext = ".png";  // used when a file names no extension
    int defaultFlags = -1;

    int CalcRAM() const;   // kilobytes
    int CalcVRAM() const;  // kilobytes
    int PrintRAM() const;
    int PrintVRAM() const;
    int SetPath(const std::string& path);
    // Loads Path + file (with Ext when it has no extension) under its own key, or under name upper-cased.
    std::shared_ptr<TGameImage> Load(const std::string& file, const std::string& name = "", int flags = -1,
                                     int midHandle = 1);
    std::shared_ptr<TGameImage> LoadNoMid(const std::string& file, const std::string& name = "",
                                          int flags = -1);
    // Load under the file's path without its extension ("TitleScreen/background.png" is kept as
    // "TITLESCREEN/BACKGROUND"; Find("TitleScreen/background") finds it).
    std::shared_ptr<TGameImage> LoadUnderPath(const std::string& file, int flags = -1, int midHandle = 1);
    std::shared_ptr<TGameImage> LoadAnim(const std::string& file, int cellW, int cellH, int firstFrame,
                                         int frameCount, int flags = -1, int midHandle = 1);
    // A missing name is fatal ("Image '" + key + "' was not found in the ImageBank") unless noError.
    std::shared_ptr<TGameImage> Find(const std::string& name, int noError = 0) const;
    platform::ImagePtr FindTImage(const std::string& name) const;
    int Precache();
    size_t Count() const { return images_.size(); }
    void Clear();
    // "KEY: old file -> new file" for every key that a different file took over.
    const std::vector<std::string>& Collisions() const { return collisions_; }

private:
    int Flags(int flags) const { return flags == -1 && defaultFlags != -1 ? defaultFlags : flags; }
    std::shared_ptr<TGameImage> Store(std::shared_ptr<TGameImage> image, const std::string& path);
    std::map<std::string, std::shared_ptr<TGameImage>> images_;
    std::map<std::string, std::string> sources_;  // the file each key was loaded from
    std::vector<std::string> collisions_;
};

// The game's image bank; its path is the game's image folder.
extern TImageBank ImageBank;
