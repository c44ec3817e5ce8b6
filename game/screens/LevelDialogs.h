#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDialogOK;

// One story message: the text keys of its header (may be empty) and body, the level and the moment it
// belongs to, the profile's hint flag that shows it once (-1: every time), its picture and sound.
struct LevelDialogInfo {
    std::string title;
    std::string text;
    int LevelNo = 0;
    int DialogTiming = 0;
    int HintID = -1;
    std::string PictureFile;
    std::string SoundName;
};

// The story told around the levels: a chapter's story before its first level (every time), a found-item
// message after a level's first completion, and the shop keeper's word when the shop is entered after
// certain levels, each of the last two once per player (the profile's hint flags remember them).
class LevelDialogs {
public:
    static constexpr int PRE_LEVEL = 0, POST_LEVEL = 1, SHOP_SCREEN = 2;
    // Makes the dialog of an entry from its header key, text key, picture and opening sound.
    using Builder =
        std::function<std::shared_ptr<TDialogOK>(const std::string& title, const std::string& text,
                                                 const std::string& picture, const std::string& sound)>;

    static int AddDialog(const std::string& title, const std::string& text, int LevelNo, int DialogTiming,
                         int HintID, const std::string& PictureFile);
    // The whole table (built anew), then its pictures.
    static int CreateDialogData();
    static int LoadDialogImages();
    // 1 when the level has a dialog at that moment that may show now; a once-only one is marked shown.
    static int HasDialog(int level, int timing);
    // The level's dialog at that moment, made by builder; none when there is none or, unless force, when
    // a once-only one was shown already (else it is marked shown now).
    static std::shared_ptr<TDialogOK> GetDialog(int level, int timing, const Builder& builder, int force);
    static std::shared_ptr<TDialogOK> GetPreLevelDialog(int level);
    static std::shared_ptr<TDialogOK> GetPostLevelDialog(int level);
    static std::shared_ptr<TDialogOK> GetShopLevelDialog(int level, int force);
    static int HasShopLevelDialog(int level);
    static const std::vector<LevelDialogInfo>& Entries();
};
