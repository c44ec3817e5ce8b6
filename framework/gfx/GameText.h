#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

// The game text table: every text the player reads, by key. Keys match whatever their letter case; a
// missing key gives an empty text and no message.
class TGameText {
public:
    // A new table read from file (see Read).
    static std::shared_ptr<TGameText> Create(const std::string& file);
    // Reads the table at the game's text folder + file, replacing what was there. A file that cannot be
    // read is fatal ("Error loading file " + path, with the reason when it exists but is damaged), as is a
    // block without its "[TEXT]" header. A header with no key after it is passed over.
    int Read(const std::string& file);
    // The text lines stored under the key, or none.
    const std::vector<std::string>& Find(const std::string& key) const;
    // The lines joined with "\r\n"; "" when the key is missing.
    std::string FindString(const std::string& key) const;
    // FindString with every placeholder in it replaced by value ("Level XX Complete": "XX" becomes the
    // level's number; "Required Purchase": "XXX" the item's name).
    std::string FindReplaced(const std::string& key, const std::string& placeholder,
                             const std::string& value) const;
    size_t Count() const { return entries_.size(); }
    void Clear() { entries_.clear(); }

private:
    std::map<std::string, std::vector<std::string>> entries_;
};

// The game's table, read from "gametext.txt" while the game loads.
extern TGameText GameText;
