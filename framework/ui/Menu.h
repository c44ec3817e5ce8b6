#pragma once

#include <memory>
#include <string>
#include <vector>

class TButton;
class TColor;
class TGameSound;

// A list of buttons laid out as a column or a row, managed and drawn together. It reports the name of the
// button the mouse is over and of the one clicked; names are kept upper-cased and every name asked for
// is upper-cased before it is compared. Its pictures come from the menu folder.
class TMenu {
public:
    std::vector<std::shared_ptr<TButton>> Buttons;  // in the order they were added
    float x = 0, y = 0;                             // top-left
    float OX = 0, OY = 0;                           // the stored starting position
    int w = 0, h = 0;
    std::string MouseOverName, ClickedName;                  // empty when none
    std::shared_ptr<TGameSound> SoundMouseOver, SoundClick;  // given to every button added
    int NextY = 0;                                           // where the next button goes
    int Gap = 0;                                             // between buttons
    int AddGap = 0;                                          // 1 once a button has been added
    int NoSound = 0;
    int Shadow = 0;
    float ShadowX = 3, ShadowY = 3, ShadowAlpha = 0.5f;
    int ClearClickedName = 1;    // reading the clicked name clears it
    int ClearMouseOverName = 0;  // reading the mouse-over name clears it
    int AcceptInput = 1;

    // Sounds are named without folder or extension; an empty name means none.
    static std::shared_ptr<TMenu> Create(const std::string& mouseOverSound, const std::string& clickSound,
                                         float x, float y, int gap);
    int Init(const std::string& mouseOverSound, const std::string& clickSound, float x, float y, int gap);
    int Kill();
    int SetButtonCaptionRoundCoords(int on);
    int SetShadow(int on, float x, float y, float alpha);
    // Gives every button the menu's shadow.
    int ChangeShadow();
    int SetAlpha(float a);
    int SetColor(std::shared_ptr<TColor> colour);
    // No shadow on the menu or its buttons.
    int ResetShadow();
    // A button of file with mouseOverFile as its mouse-over picture, centred across the screen under the
    // ones before it; frames of 2 or more make it an animation strip.
    std::shared_ptr<TButton> AddNew(const std::string& file, const std::string& mouseOverFile,
                                    const std::string& name, int frames = 1);
    // AddNew without taking up height.
    std::shared_ptr<TButton> DoAddNew(const std::string& file, const std::string& mouseOverFile,
                                      const std::string& name, int frames = 1);
    int RemoveButton(const std::string& name);
    int IncreaseHeight(const TButton& button);
    // file, with file + "MO" for the mouse-over look.
    std::shared_ptr<TButton> AddQuick(const std::string& file, const std::string& name);
    // AddQuick, and file + "_disabled" as the disabled look and file + "_down" as the pressed look (for
    // 200 ms) when those files exist.
    std::shared_ptr<TButton> AddQuickAuto(const std::string& file, const std::string& name);
    // Two buttons of file on one line, centred across the screen, gap pixels apart.
    int AddPair(const std::string& name1, const std::string& name2, int gap, const std::string& file);
    std::shared_ptr<TButton> FindButton(const std::string& name) const;
    int StoreOriginalCoords();
    int SetX(float x);
    int SetY(float y);
    // The pair's first button to x, the second after it as far apart as they were.
    int SetPairX(const std::string& name1, const std::string& name2, float x);
    // Scales every button and its distance from the stored starting position.
    int ScaleMenu(float sx, float sy);
    int CalcCoords();
    int CalcLeft();
    int CalcTop();
    int CalcWidth();
    int CalcHeight();
    int CentreHoriz();
    int CentreVert();
    int Centre();
    int MakeColumn(int gap);
    int MakeRow(int gap);
    int MoveTo(float x, float y);
    int ClearStates();
    int ClearScale();
    int ClearGlow();
    int ClearMouseClick();
    int ClearMouseOver();
    // 1 when the named button was clicked (or is under the mouse); the name is cleared on a match when
    // the menu says so.
    // Whether a button of the menu, drawn at offset (ox, oy), lies under the point: what is beneath it
    // should not take the click too.
    bool Covers(float px, float py, float ox = 0, float oy = 0) const;
    int Clicked(const std::string& name);
    int MouseOver(const std::string& name);
    int ManageNoSound(float ox, float oy);
    int Precache();
    // Once a tick: nothing but the fixed glows while the screen fades or input is off; otherwise every
    // button at the offsets. Returns 1 when input was taken.
    int Manage(float ox, float oy);
    int ManageFixedGlowOnly();
    int ManageScaleOnMO();
    int Draw(float ox, float oy);

private:
    bool coordsStored_ = false;
};
