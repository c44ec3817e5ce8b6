#include "app/LevelChecker.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include "app/Product.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/gfx/ImageBank.h"
#include "game/board/Board.h"
#include "game/board/BoardPictures.h"
#include "game/board/LevelCheck.h"
#include "platform/files/Files.h"
#include "platform/null/NullPlatform.h"

namespace {

// The number a level file is named after ("12.txt" is level 12), 0 for any other name.
int LevelNumber(const std::string& path) {
    const std::string stem = platform::files::StemOf(path);
    if (stem.empty() || stem.size() > 4 || !std::all_of(stem.begin(), stem.end(), ::isdigit)) return 0;
    return std::stoi(stem);
}

// Every "<number>.txt" of the level folder, in number order.
std::vector<std::string> LevelFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::string error;
    platform::files::ListFolder(folder, names, error);
    std::vector<std::pair<int, std::string>> found;
    for (const std::string& name : names) {
        if (platform::files::ExtensionOf(name) == ".txt" && LevelNumber(name) > 0) {
            found.emplace_back(LevelNumber(name), folder + name);
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> files;
    for (const auto& [number, path] : found) files.push_back(path);
    return files;
}

}  // namespace

int RunLevelChecker(const std::vector<std::string>& files, const std::string& dataFolder) {
    // A game object on the null platform: the loader needs its clock rate and folders, the fill its
    // pictures; nothing is shown and nothing is written.
    platform::NullPlatform platform("/nonexistent/");
    auto game = std::make_unique<TGame>(platform);
    const TGameGuard guard(*game, kMurkwell);
    struct ClearGame {
        ~ClearGame() { ResetBoard(); }
    } clearGame;
    // Problems go to the terminal, not to an error log in whatever folder the checker runs in.
    LogErrorsToFile = 0;
    game->DataFolder = dataFolder;
    game->SetDefaultPaths();
    game->FixedRateLogic.SetDefaultFramerate(kMurkwell.LogicRate);

    const std::vector<std::string> paths = files.empty() ? LevelFiles(game->LevelsPath) : files;
    if (paths.empty()) {
        std::fprintf(stderr, "%sno level files in %s\n", MessagePrefix.c_str(), game->LevelsPath.c_str());
        return 1;
    }
    int failed = 0;
    try {
        ImageBank.SetPath(game->ImagePath);
        LoadBoardPictures();
        for (const std::string& path : paths) {
            const LevelReport report = CheckLevel(path, LevelNumber(path));
            std::printf("%s\n", report.summary.c_str());
            if (report.problems.empty()) continue;
            ++failed;
            for (const std::string& problem : report.problems) {
                std::fprintf(stderr, "%s: %s\n", path.c_str(), problem.c_str());
            }
        }
    } catch (const FatalMessage& e) {
        std::fprintf(stderr, "%s%s\n", MessagePrefix.c_str(), e.what());
        return 1;
    }
    std::printf("%zu level%s checked, %d with problems\n", paths.size(), paths.size() == 1 ? "" : "s",
                failed);
    return failed ? 1 : 0;
}
