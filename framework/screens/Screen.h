#pragma once

#include <memory>
#include <string>

class TGameImage;
class TMenu;
class TSprite;

// A page of the program: loading screen, title, map, the level itself and so on. Exactly one is current;
// the loop runs its Logic every tick and its Draw every frame. Screens are made once and reused.
class TScreen {
public:
    // A screen that goes away is forgotten by the game wherever it still names it (the screen before the
    // current one, above all), so no screen asks about one that no longer exists.
    virtual ~TScreen();

    std::shared_ptr<TGameImage> Image;  // full-screen background, drawn solid at 0, 0
    std::shared_ptr<TSprite> Header;    // drawn over the background
    std::string Ext = ".png";           // of the header's picture
    std::shared_ptr<TMenu> Menu;        // managed and drawn by the screen itself
    std::string name;                   // the in-level screen is named "game"
    int StopKill = 0;                   // leaving does not Kill: resources stay loaded
    int StopInit = 0;                   // entering runs only CoreStart
    TScreen* Destination = nullptr;

    // Loads Game.ImagePath + file as the background (smoothed while the virtual resolution scales it).
    virtual int ImageLoad(const std::string& file, int flags, int preload);
    // The header: a sprite at x, y of Game.ImagePath + file + Ext.
    virtual int HeaderLoad(const std::string& file, float x, float y, int preload);
    virtual int PreStart();
    virtual int ResetStops();
    virtual int Load();
    virtual int Start();
    virtual int CoreStart();
    virtual int PostFadeIn();
    virtual int PostFadeOut();
    virtual int Kill();
    virtual int Logic();
    virtual int Draw();
    // Where Escape leads; returns the fade-out length in ms (0: the default fade).
    virtual int SetEscDestination();
    virtual int SpecificKeys();
};

// Leaves the current screen for destination: it becomes the fade's destination and the fade out of ms
// starts, taking the music with it when withMusic is set.
int FadeOutTo(TScreen* destination, int ms, int withMusic);

// The destination that ends the program.
class TExitScreen : public TScreen {};
