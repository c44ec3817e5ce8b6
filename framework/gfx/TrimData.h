#pragma once

#include <map>
#include <memory>
#include <string>

// Where a trimmed picture lay in its full-size original.
class TTrimData {
public:
    std::string name;
    int xOffset = 0, yOffset = 0;
    int originalWidth = 0, originalHeight = 0;
};

// Trim data by upper-cased base name.
class TTrimDataMap {
public:
    void Add(const std::string& name, std::shared_ptr<TTrimData> trim);
    // A missing name is fatal ("TrimData '" + key + "' was not found in the TrimDataMap") unless noError.
    std::shared_ptr<TTrimData> Find(const std::string& name, int noError) const;
    // Reads "[offsets]" then name=x,y,width,height lines; a file that cannot be opened is fatal.
    int LoadDataFile(const std::string& path);
    size_t Count() const { return entries_.size(); }

private:
    std::map<std::string, std::shared_ptr<TTrimData>> entries_;
};
