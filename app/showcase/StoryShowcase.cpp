#include "app/showcase/StoryShowcase.h"

#include "framework/core/Game.h"
#include "framework/gfx/ImageBank.h"
#include "game/screens/CreditsScreen.h"
#include "game/screens/GameFinishedScreen.h"
#include "game/screens/InstructionsScreen.h"
#include "game/screens/IntroScreen.h"
#include "game/screens/PlaySession.h"

namespace {

template <typename Page>
std::unique_ptr<TScreen> MakePage() {
    ImageBank.SetPath(Game->ImagePath);
    LoadPlayResources();
    return std::make_unique<Page>();
}

}  // namespace

std::unique_ptr<TScreen> MakeIntroShowcase() {
    return MakePage<TIntroScreen>();
}

std::unique_ptr<TScreen> MakeInstructionsShowcase() {
    return MakePage<TInstructionsScreen>();
}

std::unique_ptr<TScreen> MakeCreditsShowcase() {
    return MakePage<TCreditsScreen>();
}

std::unique_ptr<TScreen> MakeEndingShowcase() {
    return MakePage<TGameFinishedScreen>();
}
