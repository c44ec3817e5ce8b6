#pragma once

#include <string>

// Reviewing aids made from a finished data folder, never shipped: a contact sheet per picture folder and a
// mock-up of a level's board, in the preview folder.
namespace assetgen::preview {

// Throws std::runtime_error naming the file at fault.
void MakeContactSheets(const std::string& dataRoot, const std::string& outFolder);
void MakeBoardMockup(const std::string& dataRoot, const std::string& outFolder);

}  // namespace assetgen::preview
