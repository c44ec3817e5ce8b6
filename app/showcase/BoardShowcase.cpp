#include "app/showcase/BoardShowcase.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/ui/MousePointer.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardPictures.h"
#include "game/board/GameGrid.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/InitialFill.h"
#include "platform/files/Files.h"

namespace {

constexpr int kLevels = 100;

// The background of a level: ten pictures over the hundred levels, the early ones shorter.
int BackgroundFor(int level) {
    static const int kFirstLevels[] = {1, 4, 9, 17, 27, 37, 47, 59, 72, 86};
    int b = 1;
    for (int i = 0; i < 10; ++i) {
        if (level >= kFirstLevels[i]) b = i + 1;
    }
    return b;
}

class BoardShowcase : public TScreen {
public:
    BoardShowcase() { name = "board"; }

    int Load() override {
        LoadBoardPictures();
        // Every sound of the folder: the board takes its own from the bank.
        std::vector<std::string> names;
        std::string error;
        platform::files::ListFolder(Game->SoundPath, names, error);
        SoundBank.SetPath(Game->SoundPath);
        for (const std::string& name : names) {
            if (platform::files::ExtensionOf(name) == ".wav") SoundBank.Load(name);
        }
        return 1;
    }
    int Start() override {
        TScreen::Start();
        ShowLevel(1);
        return 1;
    }
    int Logic() override {
        if (Game->Mouse->MouseHit(1)) ShowLevel(level_ % kLevels + 1);
        Grid->mx = ScreenToGridX(Game->Mouse->x);
        Grid->my = ScreenToGridY(Game->Mouse->y);
        for (TSineCounter* counter :
             {&Grid->glow1, &Grid->glow2, &Grid->glow3, &Grid->glow4, &Grid->SkullAnim}) {
            counter->Manage();
        }
        Gems->Manage();
        return 1;
    }
    int Draw() override {
        TScreen::Draw();
        Grid->Draw();
        return 1;
    }
    int Kill() override {
        Grid.reset();
        Gems.reset();
        BoardEvents.PlayerLevel = [] { return 1; };
        return TScreen::Kill();
    }

private:
    void ShowLevel(int level) {
        level_ = level;
        ImageLoad("Backgrounds/bg" + std::to_string(BackgroundFor(level)) + ".jpg", -1, 0);
        BoardEvents.PlayerLevel = [level] { return level; };
        Grid = TGameGrid::Create();
        Grid->LoadLevel(level);
        FillGridUntilPlayable(level);
        Game->GameFade->Init(DefaultFadeTime, 0, 0, 0, 0, nullptr);
    }

    int level_ = 1;
};

}  // namespace

std::unique_ptr<TScreen> MakeBoardShowcase() {
    return std::make_unique<BoardShowcase>();
}
