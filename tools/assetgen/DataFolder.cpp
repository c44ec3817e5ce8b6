#include "tools/assetgen/DataFolder.h"

#include <algorithm>
#include <stdexcept>

#include "platform/files/Files.h"

namespace assetgen {

namespace files = platform::files;

DataFolder::DataFolder(std::string root) : root_(std::move(root)) {}

void DataFolder::MakeFolder(const std::string& relativePath) {
    std::string error;
    if (!files::CreateFolders(files::Join(root_, relativePath), error)) throw std::runtime_error(error);
}

void DataFolder::Write(const std::string& relativePath, std::span<const uint8_t> bytes) {
    const std::string path = files::Join(root_, relativePath);
    std::vector<uint8_t> old;
    std::string error;
    if (files::IsFile(path) && files::ReadAll(path, old, error) &&
        std::equal(old.begin(), old.end(), bytes.begin(), bytes.end())) {
        return;
    }
    if (!files::CreateFolders(files::FolderOf(path), error) || !files::WriteAtomic(path, bytes, error)) {
        throw std::runtime_error(error);
    }
    updated_.push_back(relativePath);
}

void DataFolder::Write(const std::string& relativePath, const std::string& text) {
    Write(relativePath, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

std::vector<std::string> MissingPaths(const std::string& root, const std::vector<std::string>& required) {
    std::vector<std::string> missing;
    for (const std::string& path : required) {
        const std::string full = files::Join(root, path);
        const bool present = path.ends_with('/') ? files::IsFolder(full) : files::IsFile(full);
        if (!present) missing.push_back(path);
    }
    return missing;
}

}  // namespace assetgen
