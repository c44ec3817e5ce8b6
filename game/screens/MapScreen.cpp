#include "game/screens/MapScreen.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/Messages.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/profile/Profile.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Degrees.h"
#include "framework/ui/Button.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "game/board/BoardSound.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/screens/GameDialogs.h"
#include "game/screens/GameScreen.h"
#include "game/screens/GoldPanel.h"
#include "game/screens/MapDots.h"
#include "platform/KeyCodes.h"

std::shared_ptr<TMapScreen> MapScreen;

namespace {

constexpr int kFadeMs = 300, kZoomMs = 500, kEnterZoomMs = 10;
constexpr int kEdge = 60;             // the band along each edge where the mouse scrolls the map
constexpr float kEdgeSpeed = 2.0f;    // pixels a tick at the very edge
constexpr int kReplayHint = 80;
// The band the bottom panel covers, from y 648 down, and how far inside the rest of the screen the map keeps
// the dot the keyboard's focus is on.
constexpr float kPanelTop = 648, kFollowMargin = 140;
// The share of the way to that place the map goes in a tick.
constexpr float kFollowRate = 0.08f;

}  // namespace

TMapScreen::TMapScreen() {
    name = "map";
}

int TMapScreen::MapWidth() const {
    return Image ? Image->w : mapdots::kMapWidth;
}

int TMapScreen::MapHeight() const {
    return Image ? Image->h : mapdots::kMapHeight;
}

int TMapScreen::CheckSpecialLevel(int i) {
    return mapdots::IsSpecial(i + 1) ? 1 : 0;
}

int TMapScreen::FillCoords() {
    for (int i = 0; i < kLevels; ++i) {
        const auto centre = mapdots::CentreOf(i + 1);
        Coords[static_cast<size_t>(i)] = {static_cast<float>(centre.x), static_cast<float>(centre.y)};
    }
    return 1;
}

int TMapScreen::Load() {
    ImageLoad("Backgrounds/MapBackground.jpg", -1, 0);
    Locked = ImageBank.Load("Map/MapDotInactive");
    LockedMO = ImageBank.Load("MapScreen/LockedMO");
    LockedSpecial = ImageBank.Load("Map/MapDotSpecialInactive");
    Unlocked = ImageBank.Load("Map/MapDot");
    UnlockedMO = ImageBank.Load("Map/MapDotMO");
    UnlockedSpecial = ImageBank.Load("Map/MapDotSpecial");
    UnlockedSpecialMO = ImageBank.Load("Map/MapDotSpecialMO");
    BottomPanel = ImageBank.LoadNoMid("MapScreen/BottomPanel");
    TopPanel = ImageBank.LoadNoMid("MapScreen/TopPanel");
    GoldPanel = ImageBank.LoadNoMid("ShopScreen/GoldPanel.png", "GoldPanel");
    Cursor = ImageBank.LoadNoMid("MapScreen/Cursor");
    CurrentLevel = ImageBank.Load("MapScreen/CurrentLevel");
    Invalid = SoundBank.Find("InvalidClick");
    ZoomInSound = ZoomOut = SoundBank.Find("ZoomIn");
    // From the title and the shop the tune they play goes on.
    if (Game->MusicFileName != "title.ogg" || !Game->MusicIsPlaying()) Game->MusicLoad("title.ogg", 1);
    FillCoords();
    TimedCheckBox = TCheckBox::Create(ImageBank.LoadNoMid("MapScreen/CheckBox"),
                                      ImageBank.LoadNoMid("MapScreen/CheckBoxMO"),
                                      ImageBank.LoadNoMid("MapScreen/CheckMark"), CHECKBOX_X, 671,
                                      SaveData.timer != 0);
    TimedCheckBox->SetCheckOffsets(2, -3);
    TimedCheckBox->SetSounds(SoundBank.Find("buttonclick"), nullptr);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    const auto button = [this](const char* file, const char* name, const char* key, float x, float y) {
        auto b = Menu->AddQuickAuto(file, name);
        b->MoveTo(x, y);
        if (key) b->SetupCaption(GameText.FindString(key), GameFonts.Button, nullptr, nullptr, nullptr, nullptr);
    };
    button("MapScreenButton", "back", "Button Back", 18, 680);
    button("MapScreenButton", "play", "Button Play", 794, 680);
    button("Map screen YourHouse", "shop", nullptr, 8, 548);
    Glow.Init(0, 360, 4, 0);
    Glow2.Init(0, 360, 2, 0);
    ScrollX = ScrollY = 0;
    Angle = 0;
    MOIndex = ClickedIndex = -1;
    Zoom = TAnimation::Create(kEnterZoomMs, 0, 0, 0, 0);
    Zoom->Start();
    ZoomIn = 1;
    return 1;
}

int TMapScreen::Start() {
    TScreen::Start();
    const TScreen* cameFrom = Game->LastTScreen;
    const bool fromShop = cameFrom && cameFrom->name == "shop";
    if (!fromShop && !(cameFrom && cameFrom->name == "title")) Game->MusicPlay(1, 0, 0);
    // Progress read from a damaged file may be anything: the map keeps to its hundred dots.
    Player.Unlocked = std::clamp(Player.Unlocked, 1, kLevels);
    Player.Level = std::clamp(Player.Level, 1, kLevels);
    Level = Player.Level;
    LastMOIndex = Level - 1;
    SetClampAndPosition();
    if (fromShop && Game->CurrentProfile) {
        DebugLog("Saving backup profile");
        Game->CurrentProfile->Backup();
    }
    Game->IgnoreEscapeKey = 1;
    Game->GameFade->Init(kFadeMs, 0, 0, 0, 0, nullptr);
    Game->FixedRateLogic.Init();
    return 1;
}

int TMapScreen::PostFadeIn() {
    if (SlideInYDist < -300) {
        if (auto slide = SoundBank.Find("SlideDown")) {
            TGameSound sound(*slide);
            sound.pitch = 0.75f;
            PlayBoardSound(&sound);
        }
    }
    return 1;
}

int TMapScreen::Kill() {
    Game->IgnoreEscapeKey = 0;
    if (TimedCheckBox) TimedCheckBox->Kill();
    TimedCheckBox.reset();
    ReplayDialog.reset();
    Zoom.reset();
    SlideIn.reset();
    return TScreen::Kill();
}

float TMapScreen::DotScreenX(int i) const {
    return Coords[static_cast<size_t>(i)].X * Scale + ScrollX;
}

float TMapScreen::DotScreenY(int i) const {
    return (Coords[static_cast<size_t>(i)].Y + static_cast<float>(YOffset)) * Scale + ScrollY;
}

float TMapScreen::DotRadius(int i) {
    return CheckSpecialLevel(i) ? 20.0f : 17.0f;
}

int TMapScreen::DotAt(int x, int y) const {
    for (int i = 0; i < kLevels; ++i) {
        const float r = DotRadius(i);
        const float cx = DotScreenX(i), cy = DotScreenY(i);
        if (x >= cx - r && x < cx + r && y >= cy - r && y < cy + r) return i;
    }
    return -1;
}

int TMapScreen::CalcScrollYMin() {
    float top = Coords[0].Y;
    for (int i = 0; i < std::clamp(Player.Unlocked, 1, kLevels); ++i) top = std::min(top, Coords[static_cast<size_t>(i)].Y);
    ScrollYMin = static_cast<int>(384 - top + Y_SCROLL_PAD);
    return 1;
}

int TMapScreen::ClampScrollPosition() {
    ScrollX = std::clamp(ScrollX, static_cast<float>(1024 - MapWidth()), 0.0f);
    if (!SlideIn || !SlideIn->Active) ScrollY = std::min(ScrollY, static_cast<float>(ScrollYMin));
    ScrollY = std::clamp(ScrollY, static_cast<float>(768 - MapHeight()), 0.0f);
    return 1;
}

int TMapScreen::SetClampAndPosition() {
    const int current = std::clamp(Level, 1, kLevels) - 1;
    ScrollX = 512 - Coords[static_cast<size_t>(current)].X;
    SlideInYDist = std::max(384 - Coords[static_cast<size_t>(current)].Y, static_cast<float>(768 - MapHeight()));
    SlideIn = TAnimation::Create(SlideInYDist > -300 ? 300 : 750, 0, 1, 0, 0);
    SlideIn->Start();
    ScrollY = 0;
    CalcScrollYMin();
    return ClampScrollPosition();
}

bool TMapScreen::Zooming() const {
    return Zoom && Zoom->Active;
}

float TMapScreen::CalcScale(int) const {
    if (ZoomIn || !Zooming()) return 1.0f;
    return 1.0f + static_cast<float>(SinDeg(90.0 * Zoom->GetRatioInv()));
}

int TMapScreen::CalcScrollCoords() {
    if (!Zooming() || ZoomIn || ClickedIndex < 0) return 1;
    // The picked dot stays where it was while the map grows around it.
    const TDot& dot = Coords[static_cast<size_t>(ClickedIndex)];
    const float dotX = LastX + dot.X, dotY = LastY + dot.Y;
    ScrollX = std::clamp(dotX - dot.X * Scale, 1024 - MapWidth() * Scale, 0.0f);
    ScrollY = std::clamp(dotY - dot.Y * Scale, 768 - MapHeight() * Scale, 0.0f);
    return 1;
}

int TMapScreen::CheckLevelDots() {
    int keyFocus = -1;
    const int pressed = CheckKeyDots(keyFocus);
    if (pressed >= 0) return PickDot(pressed);
    TMousePointer& mouse = *Game->Mouse;
    // A dot under a button is the button's: Play must not start the level whose dot lies beneath it.
    const int hit = Menu && Menu->Covers(mouse.x, mouse.y) ? -1 : DotAt(mouse.x, mouse.y);
    if (hit < 0) {
        MOIndex = keyFocus;
        LastMOIndex = keyFocus >= 0 ? keyFocus : Player.Level - 1;
        return 0;
    }
    if (hit != MOIndex && Player.Unlocked >= hit + 1) Glow.Reset();
    MOIndex = LastMOIndex = hit;
    if (!mouse.MouseHit(1)) return 0;
    if (Player.Unlocked < hit + 1) {
        PlayBoardSound(Invalid.get());
        return 0;
    }
    return PickDot(hit);
}

int TMapScreen::CheckKeyDots(int& focused) {
    const float bottom = BottomPanel ? kPanelTop : 768.0f;
    int pressed = -1;
    // The current level's dot first: the first arrow shows the focus there.
    const int open = std::min(Player.Unlocked, kLevels);
    if (open < 1) return pressed;
    const int current = std::clamp(Level, 1, open) - 1;
    for (int k = 0; k < open; ++k) {
        const int i = (current + k) % open;
        const float x = DotScreenX(i), y = DotScreenY(i), r = DotRadius(i);
        const bool inSight = x >= r && x < 1024 - r && y >= r && y < bottom - r;
        if (!inSight || (Menu && Menu->Covers(static_cast<int>(x), static_cast<int>(y)))) continue;
        if (KeyFocus.Offer(&Coords[static_cast<size_t>(i)], x - r, y - r, 2 * r, 2 * r)) pressed = i;
        if (KeyFocus.ShowsOn(&Coords[static_cast<size_t>(i)])) focused = i;
    }
    if (focused < 0) return pressed;
    // The map follows the dot in focus, so that the dots beyond it come into sight for the next arrow.
    const auto towards = [](float at, float low, float high) {
        return at < low ? low - at : at > high ? high - at : 0.0f;
    };
    const float step = std::min(1.0f, kFollowRate * Delta);
    ScrollX += towards(DotScreenX(focused), kFollowMargin, 1024 - kFollowMargin) * step;
    ScrollY += towards(DotScreenY(focused), kFollowMargin, bottom - kFollowMargin) * step;
    return pressed;
}

int TMapScreen::PickDot(int i) {
    if (auto play = Menu->FindButton("play")) play->SimulateClick();
    ClickedIndex = i;
    return LevelSelected(i + 1);
}

int TMapScreen::LevelSelected(int level) {
    Zoom = TAnimation::Create(kZoomMs, 0, 0, 0, 0);
    Zoom->Start();
    ZoomIn = 0;
    LastX = ScrollX, LastY = ScrollY;
    ClickedIndex = level - 1;
    Player.Level = level;
    Player.WriteProfile(Game->CurrentProfile.get());
    Level = level;
    for (const char* name : {"back", "play"}) {
        if (auto b = Menu->FindButton(name)) b->Disabled = 1;
    }
    const bool replay = Player.Level != Player.Unlocked;
    if (replay && Game->CurrentProfile && Game->CurrentProfile->ShowHint(kReplayHint, 1)) {
        ReplayDialog = MakeMessageDialog(GameText.FindString("Level Replay"), GameText.FindString("Level Replay Body"),
                                         "Button OK", "level_replay");
        Zoom->Stop();
    } else {
        PlayBoardSound(ZoomOut.get());
    }
    return 1;
}

int TMapScreen::Close() {
    if (Game->GameFade->Active) return 0;
    if (Game->CurrentProfile) Player.WriteProfile(Game->CurrentProfile.get());
    TScreen* next = TitleDestination ? TitleDestination() : nullptr;
    FadeOutTo(next ? next : Game->ExitScreen.get(), kFadeMs, 1);
    return 1;
}

int TMapScreen::SetEscDestination() {
    Close();
    return kFadeMs;
}

int TMapScreen::Logic() {
    if (Game->GameFade->Active) return 1;
    if (ReplayDialog) {
        if (ReplayDialog->Manage() != 0) {
            ReplayDialog.reset();
            Zoom->Start();
            PlayBoardSound(ZoomOut.get());
        }
        return 1;
    }
    CheckLevelDots();
    if (Zoom && Zoom->Active && Zoom->Manage()) {
        if (ZoomIn) {
            for (const char* name : {"back", "play"}) {
                if (auto b = Menu->FindButton(name)) b->Disabled = 0;
            }
        } else {
            FadeOutTo(GameScreen.get(), kFadeMs, 1);
            return 1;
        }
    }
    if (SlideIn && SlideIn->Active) {
        SlideIn->Manage();
        ScrollY = SlideIn->GetRatio() * SlideInYDist;
        if (!SlideIn->Active) ScrollY = SlideInYDist;
    }
    Scale = CalcScale(0);
    if (Zooming()) return CalcScrollCoords();

    Glow.Manage();
    Glow2.Manage();
    if (TimedCheckBox->Logic()) SaveData.timer = TimedCheckBox->state;
    const TMousePointer& mouse = *Game->Mouse;
    // The pointer at an edge scrolls the map, unless the keyboard's focus leads it.
    if ((!SlideIn || !SlideIn->Active) && !KeyFocus.Shows()) {
        const auto edge = [](int at, int size) {
            if (at < kEdge) return (kEdge - at) / static_cast<float>(kEdge);
            if (at >= size - kEdge) return -(kEdge - (size - 1 - at)) / static_cast<float>(kEdge);
            return 0.0f;
        };
        ScrollX += edge(mouse.x, 1024) * kEdgeSpeed * Delta;
        ScrollY += edge(mouse.y, 768) * kEdgeSpeed * Delta;
    }
    ClampScrollPosition();
    Angle = std::fmod(Angle + Delta, 360.0f);
    Menu->Manage(0, 0);
    if (KeyHit(platform::vk::kSpace) || KeyHit(platform::vk::kEnter) || Menu->Clicked("play")) {
        return LevelSelected(Level);
    }
    if (Menu->Clicked("shop") && ShopDestination) {
        if (TScreen* shop = ShopDestination()) {
            FadeOutTo(shop, kFadeMs, 0);
        }
    }
    if (KeyHit(platform::vk::kEscape) || Menu->Clicked("back")) Close();
    return 1;
}

int TMapScreen::DrawDot(int i, int onTop) {
    const bool current = i == Level - 1;
    if (current && !onTop) return 0;
    const bool special = CheckSpecialLevel(i), open = Player.Unlocked >= i + 1, over = i == MOIndex;
    std::shared_ptr<TGameImage> picture;
    if (!open) {
        picture = special ? LockedSpecial : (over && LockedMO ? LockedMO : Locked);
    } else if (special) {
        picture = over ? UnlockedSpecialMO : UnlockedSpecial;
    } else {
        picture = over ? UnlockedMO : Unlocked;
    }
    if (!picture) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float x = DotScreenX(i), y = DotScreenY(i);
    const float scale = (current ? 1.1f + 0.1f * static_cast<float>(SinDeg(2.0 * Angle)) : 1.0f) * Scale;
    graphics.SetScale(scale, scale);
    if (current && CurrentLevel) CurrentLevel->DrawMiddle(x, y, 0);
    graphics.SetColor(0, 0, 0);
    graphics.SetAlpha(0.4f);
    picture->DrawMiddle(x + 2, y + 3, 0);
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    picture->DrawMiddle(x, y, 0);
    if (over) {
        graphics.SetBlend(platform::BlendMode::Light);
        graphics.SetAlpha(Glow.ratio / 5 + 0.1f);
        picture->DrawMiddle(x, y, 0);
        graphics.SetBlend(platform::BlendMode::Alpha);
        graphics.SetAlpha(1);
    }
    graphics.SetScale(1, 1);
    if (current && Cursor) Cursor->Draw(x - 20, y - 78, 0);
    return 1;
}

void TMapScreen::DrawPanels() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (TopPanel) TopPanel->Draw(252, 0, 0);
    if (GameFonts.BigText) {
        const std::string header = GameText.FindString("Map Header");
        const float fit = static_cast<float>(std::min(1.0, GameFonts.BigText->CalcReducedScale(header, 460)));
        graphics.SetScale(fit * 0.6f, fit * 0.6f);
        GameFonts.BigText->DrawAligned(header, 512, 47, 3);
        graphics.SetScale(1, 1);
    }
    if (GoldPanel) DrawGoldPanel(*GoldPanel, 776, 4);
    if (BottomPanel) BottomPanel->Draw(0, 648, 0);
    if (GameFonts.LargeWhite) {
        GameFonts.LargeWhite->DrawAligned(GameText.FindString("Level") + " " + std::to_string(Level),
                                          512 + LEVEL_X_OFFSET + 83, LEVEL_Y + 12, 3);
    }
    TimedCheckBox->Draw();
    if (GameFonts.Button) {
        GameFonts.Button->Draw(GameText.FindString("Button Timed"), CHECKBOX_X + 50, 698, 0, 0, 0, 0, 0, 1);
    }
    Menu->Draw(0, 0);
}

int TMapScreen::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (Image) {
        graphics.SetBlend(platform::BlendMode::Solid);
        graphics.SetScale(Scale, Scale);
        Image->Draw(ScrollX, ScrollY, 0);
        graphics.SetScale(1, 1);
        graphics.SetBlend(platform::BlendMode::Alpha);
    }
    for (int i = 0; i < kLevels; ++i) DrawDot(i, 0);
    DrawDot(Level - 1, 1);
    DrawPanels();
    if (ReplayDialog) ReplayDialog->Draw();
    return 1;
}
