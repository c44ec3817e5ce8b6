#pragma once

#include <string>

// Reviewing aids made from a finished data folder, never shipped: a contact sheet per picture folder, a
// mock-up of a level's board and of each menu screen, in the preview folder.
namespace assetgen::preview {

// Throws std::runtime_error naming the file at fault.
void MakeContactSheets(const std::string& dataRoot, const std::string& outFolder);
void MakeBoardMockup(const std::string& dataRoot, const std::string& outFolder);
// The map, shop, title, options and instructions screens laid out as the game shows them.
void MakeSceneMockups(const std::string& dataRoot, const std::string& outFolder);

}  // namespace assetgen::preview
