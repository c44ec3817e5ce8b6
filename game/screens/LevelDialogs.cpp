#include "game/screens/LevelDialogs.h"

#include "framework/core/Game.h"
#include "framework/gfx/ImageBank.h"
#include "framework/profile/Profile.h"
#include "framework/ui/DialogOK.h"
#include "game/board/Player.h"
#include "game/screens/GameDialogs.h"
#include "game/screens/LevelEvents.h"

namespace {

std::vector<LevelDialogInfo> table;

// The found cat is an achievement of its own.
constexpr int kCatHint = 5;

const LevelDialogInfo* Find(int level, int timing) {
    for (const LevelDialogInfo& entry : table) {
        if (entry.LevelNo == level && entry.DialogTiming == timing) return &entry;
    }
    return nullptr;
}

// 1 only the first time the profile is asked about the hint, which is then remembered and saved. With no
// player there is nothing to remember it in, and the message shows.
int ShowHintOnce(int hint) {
    TProfile* profile = Game ? Game->CurrentProfile.get() : nullptr;
    return profile ? profile->ShowHint(hint, 1) : 1;
}

}  // namespace

int LevelDialogs::AddDialog(const std::string& title, const std::string& text, int LevelNo, int DialogTiming,
                            int HintID, const std::string& PictureFile) {
    LevelDialogInfo entry;
    entry.title = title;
    entry.text = text;
    entry.LevelNo = LevelNo;
    entry.DialogTiming = DialogTiming;
    entry.HintID = HintID;
    entry.PictureFile = PictureFile;
    entry.SoundName = DialogTiming == POST_LEVEL ? "" : "confirm";
    table.push_back(entry);
    return 1;
}

int LevelDialogs::CreateDialogData() {
    table.clear();
    const int chapters[] = {1, 4, 9, 17, 27, 37, 47, 59, 72, 86, 100};
    int n = 0;
    for (const int level : chapters) {
        ++n;
        const std::string number = std::to_string(n);
        AddDialog("StoryMessageHeader" + number, "StoryMessageText" + number, level, PRE_LEVEL, -1,
                  "story" + number);
    }
    struct TFound {
        int level;
        const char* picture;
    };
    const TFound found[] = {{1, "Found pumpkin"},      {2, "Found candelabra1"},    {6, "Found lantern1"},
                            {9, "Found pumpkin2"},     {15, "Found cat1"},          {16, "Found lightning1"},
                            {18, "Found well1"},       {27, "Found crystal ball1"}, {37, "Found gravebed"},
                            {49, "Found spider web1"}, {59, "Found mist1"},         {74, "Found candelabra2"},
                            {82, "Found cauldron"}};
    n = 0;
    for (const TFound& item : found) {
        const std::string number = std::to_string(++n);
        AddDialog("FoundItemMessageHeader" + number, "FoundItemMessageText" + number, item.level, POST_LEVEL,
                  n, item.picture);
    }
    const int shop[] = {2, 4, 5, 10, 12, 14, 15, 17, 20, 32, 40, 44, 55, 65, 70, 80, 85, 90, 95};
    n = 0;
    for (const int level : shop) {
        ++n;
        AddDialog("", "ShopMessage" + std::to_string(n - 1), level, SHOP_SCREEN, 19 + n, "");
    }
    return LoadDialogImages();
}

int LevelDialogs::LoadDialogImages() {
    for (const LevelDialogInfo& entry : table) {
        if (!entry.PictureFile.empty()) ImageBank.LoadNoMid("DialogImages/" + entry.PictureFile);
    }
    return 1;
}

const std::vector<LevelDialogInfo>& LevelDialogs::Entries() {
    return table;
}

int LevelDialogs::HasDialog(int level, int timing) {
    const LevelDialogInfo* entry = Find(level, timing);
    if (!entry) return 0;
    return entry->HintID == -1 ? 1 : ShowHintOnce(entry->HintID);
}

std::shared_ptr<TDialogOK> LevelDialogs::GetDialog(int level, int timing, const Builder& builder, int force) {
    const LevelDialogInfo* entry = Find(level, timing);
    if (!entry) return nullptr;
    if (!force && entry->HintID != -1 && !ShowHintOnce(entry->HintID)) return nullptr;
    if (entry->HintID == kCatHint) Player.Report("FoundCat", 1);
    auto dialog = builder(entry->title, entry->text, entry->PictureFile, entry->SoundName);
    if (dialog) LevelEvents.StoryShown(entry->text);
    return dialog;
}

std::shared_ptr<TDialogOK> LevelDialogs::GetPreLevelDialog(int level) {
    return GetDialog(level, PRE_LEVEL, MakeStoryDialog, 0);
}

std::shared_ptr<TDialogOK> LevelDialogs::GetPostLevelDialog(int level) {
    return GetDialog(level, POST_LEVEL, MakeStoryDialog, 0);
}

std::shared_ptr<TDialogOK> LevelDialogs::GetShopLevelDialog(int level, int force) {
    return GetDialog(level, SHOP_SCREEN, MakeShopKeeperDialog, force);
}

int LevelDialogs::HasShopLevelDialog(int level) {
    return HasDialog(level, SHOP_SCREEN);
}
