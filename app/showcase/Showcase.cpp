#include "app/showcase/Showcase.h"

#include <functional>
#include <utility>

#include "app/showcase/BoardShowcase.h"
#include "app/showcase/DialogShowcase.h"
#include "app/showcase/EffectShowcase.h"
#include "app/showcase/FontShowcase.h"
#include "app/showcase/LoadingShowcase.h"
#include "app/showcase/ScreenSwitchShowcase.h"
#include "app/showcase/StoryShowcase.h"
#include "framework/screens/Screen.h"

namespace {

using Factory = std::function<std::unique_ptr<TScreen>()>;

// Each page's file adds its line here.
const std::vector<std::pair<std::string, Factory>>& Showcases() {
    static const std::vector<std::pair<std::string, Factory>> showcases = {
        {"screens", MakeScreenSwitchShowcase},
        {"board", MakeBoardShowcase},
        {"play", MakePlayShowcase},
        {"bombs", MakeBombsShowcase},
        {"powerups", MakePowerupsShowcase},
        {"fonts", MakeFontShowcase},
        {"effects", MakeEffectShowcase},
        {"dialogs", MakeDialogShowcase},
        {"shop", MakeShopShowcase},
        {"shop-full", MakeFullShopShowcase},
        {"map", MakeMapShowcase},
        {"intro", MakeIntroShowcase},
        {"instructions", MakeInstructionsShowcase},
        {"credits", MakeCreditsShowcase},
        {"ending", MakeEndingShowcase},
        {"options", MakeOptionsShowcase},
        {"loading", MakeLoadingShowcase},
    };
    return showcases;
}

}  // namespace

std::unique_ptr<TScreen> MakeShowcase(const std::string& name) {
    for (const auto& [known, make] : Showcases()) {
        if (known == name) return make();
    }
    return nullptr;
}

std::vector<std::string> ShowcaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : Showcases()) names.push_back(entry.first);
    return names;
}
