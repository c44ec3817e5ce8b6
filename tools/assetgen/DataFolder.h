#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace assetgen {

// The data folder as the generators see it. A file is written only when its bytes differ from what is
// already there, so an unchanged file keeps its time stamp and nothing downstream rebuilds.
class DataFolder {
public:
    explicit DataFolder(std::string root);

    const std::string& Root() const { return root_; }

    // Throw std::runtime_error naming the path when the folder or file cannot be made.
    void MakeFolder(const std::string& relativePath);
    void Write(const std::string& relativePath, std::span<const uint8_t> bytes);
    void Write(const std::string& relativePath, const std::string& text);

    // Relative paths of the files that were actually rewritten, in order.
    const std::vector<std::string>& Updated() const { return updated_; }

private:
    std::string root_;
    std::vector<std::string> updated_;
};

// The required paths (files, and folders ending in "/") that are absent from the folder at root.
std::vector<std::string> MissingPaths(const std::string& root, const std::vector<std::string>& required);

}  // namespace assetgen
