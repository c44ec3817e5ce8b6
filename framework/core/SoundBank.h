#pragma once

#include <map>
#include <memory>
#include <string>

#include "framework/core/GameSound.h"
#include "framework/core/Strings.h"

// Sounds by name, loaded once and looked up when played.
class TSoundBank {
public:
    std::string Path;          // ends in "/" once set
    std::string Ext = ".wav";  // used when a file names no extension

    int SetPath(const std::string& path);
    // Loads Path + file (with Ext when it has no extension) under its own name, or under name upper-cased;
    // a second sound of the same name replaces the first.
    std::shared_ptr<TGameSound> Load(const std::string& file, float pitch = 1.0f, float volume = 1.0f,
                                     const std::string& name = "", int flags = 0);
    // Any case; a name that was never loaded is fatal.
    std::shared_ptr<TGameSound> Find(const std::string& name) const;
    // Whether a sound of that name (any case) is loaded.
    bool Has(const std::string& name) const { return sounds_.count(UpperCase(name)) > 0; }
    size_t Count() const { return sounds_.size(); }
    void Clear() { sounds_.clear(); }

private:
    std::map<std::string, std::shared_ptr<TGameSound>> sounds_;
};

// The game's sound bank; its path is the game's sound folder.
extern TSoundBank SoundBank;
