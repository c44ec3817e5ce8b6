#pragma once

#include <functional>
#include <string>
#include <vector>

namespace assetgen {

class DataFolder;

// A strip of equal cells read left to right, then top to bottom; the loading code passes the same cell
// size and count.
struct StripLayout {
    int cellWidth = 0, cellHeight = 0, frames = 0;
    int columns = 0;  // cells per row; 0 puts every frame in one row

    int Columns() const { return columns > 0 ? columns : frames; }
    int Rows() const { return (frames + Columns() - 1) / Columns(); }
    int Width() const { return cellWidth * Columns(); }
    int Height() const { return cellHeight * Rows(); }
};

struct Strip {
    std::string path;  // relative to the data folder
    StripLayout layout;
};

// A set of related files of the data folder made by one source file under groups/. The build reruns a
// group only when its own source or the shared kit changes, so a group should hold what changes together.
struct Group {
    std::string name;
    // Paths relative to the data folder that the game cannot start without; a folder ends in "/".
    std::vector<std::string> required;
    // Draws or composes the files and hands them to the folder; throws std::runtime_error naming the
    // file or resource at fault.
    std::function<void(DataFolder&)> make;
    // The group's pictures that are strips, so that reviews can show them frame by frame.
    std::vector<Strip> strips = {};
};

// Every group linked into the tool, sorted by name.
const std::vector<Group>& Groups();
const Group* FindGroup(const std::string& name);

// A group's source file holds one static registration, so adding a group means adding its file and its
// name to Groups.cmake, nothing else.
struct GroupRegistration {
    explicit GroupRegistration(Group group);
};

}  // namespace assetgen
