// The level screen's life: loading, entering, the level's start and restart, and the tick.
#include "game/screens/GameScreen.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/Messages.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/LoadList.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Sprite.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/Menu.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardPictures.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/HUDPowerup.h"
#include "game/board/HUDPowerupRow.h"
#include "game/board/InitialFill.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/screens/GameScreenEffects.h"
#include "game/screens/InGameMenu.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/LevelEvents.h"
#include "game/screens/Tutorial.h"
#include "platform/KeyCodes.h"

std::shared_ptr<TGameScreen> GameScreen;

std::array<TColor, 7> TGameScreen::Colours;

namespace {

// The board waits this far above the screen until the intro drops it in.
constexpr float kBoardAbove = -(768.0f + 50.0f);

}  // namespace

TGameScreen::TGameScreen() : InGameMenu(std::make_shared<TInGameMenu>()) {
    name = "game";
}

void TGameScreen::ListSharedResources(TLoadList& list) {
    ListBoardPictures(list);
    ListHUDPowerupPictures(list);
    ListGameScreenEffectPictures(list);
    list.Add([this] { PanelImage = ImageBank.Load("HUD/HUDPanel", "", -1, 0); });
    list.Add([this] { HourglassImage = ImageBank.LoadAnim("HUD/Hourglass", 64, 96, 0, 13); });
    list.Add([this] { HourglassShadowImage = ImageBank.Load("HUD/HourglassShadow"); });
    list.Add([this] { SandAnimImage = ImageBank.LoadAnim("HUD/Sand", 64, 96, 0, 14); });
    list.AddQuiet([this] {
        SoundGameOver = SoundBank.Find("EchoPop");
        SoundLowTimeBeep = SoundBank.Find("LowTimeBeep");
        SoundNoMore = SoundBank.Find("NoMoreMoves");
        SoundTimeUp = SoundBank.Find("TimeUp");
        FillColorArray();
        resourcesLoaded_ = 1;
    });
}

int TGameScreen::Load() {
    if (!resourcesLoaded_) {
        TLoadList list;
        ListSharedResources(list);
        list.Run();
    }
    HUDFont = GameFonts.LargeWhite;
    if (HUDPowerups[0] == nullptr) CreateHUDPowerups();
    Go = TSprite::Create(ImageBank.Load("BigText/Play"), 0, 0);
    WellDone = TSprite::Create(ImageBank.Load("BigText/WellDone"), 0, 0);
    IntroAnim = TAnimation::Create(INTRO_MS, 0, 0, 0, 0);
    OutroAnim = TAnimation::Create(OUTRO_MS, 0, 0, 0, 0);
    SandAnim = TAnimation::Create(1000, 0, 1, 1, 0);
    IntroAnim->Stop();
    OutroAnim->Stop();
    SandAnim->Stop();
    LoadBackground();
    LoadMusic();
    if (!LevelCompleteScreen) LevelCompleteScreen = std::make_shared<TLevelCompleteScreen>();
    LevelCompleteScreen->Load();
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    auto menuButton = Menu->AddQuickAuto("MenuButton", "menu");
    menuButton->SetupCaption(GameText.FindString("Button Menu"), GameFonts.Button, nullptr, nullptr, nullptr,
                             nullptr);
    // The keys are the board's during play; Escape opens the menu.
    menuButton->KeyFocusable = 0;
    SetMenuCoords(MENU_Y);
    InGameMenu->Load();
    return 1;
}

int TGameScreen::Start() {
    TScreen::Start();
    // Escape opens the pause panel.
    Game->IgnoreEscapeKey = 1;
    Game->MusicPlay(1, 0, 0);
    FadingIn = 1;
    StartLevel();
    PlaceBoard(kBoardAbove);
    for (const auto& powerup : HUDPowerups) {
        if (powerup) powerup->SetIntroY(768);
    }
    Game->FixedRateLogic.Init();
    Game->GameFade->Init(FADE_IN_MS, 0, 0, 0, 0, nullptr);
    return 1;
}

int TGameScreen::CoreStart() {
    TScreen::CoreStart();
    ConnectBoard();
    // Back from a page the pause panel opened (options, instructions): the level carries on as it was,
    // fading in under the panel, and a later departure ends it as usual.
    if (StopInit) {
        ResetStops();
        Game->IgnoreEscapeKey = 1;
        // A page that played music of its own gives the level its track back.
        if (Game->MusicFileName != MusicTrack()) {
            LoadMusic();
            Game->MusicPlay(1, 0, 0);
        }
        Game->GameFade->Init(FADE_IN_MS, 0, 0, 0, 0, nullptr);
    }
    return 1;
}

int TGameScreen::PostFadeIn() {
    FadingIn = 0;
    return 1;
}

int TGameScreen::Kill() {
    // Leaving in the middle of a level (closing the window, the menu's way out) ends it as left.
    EndLevel("left");
    TScreen::Kill();
    Go.reset();
    WellDone.reset();
    IntroAnim.reset();
    OutroAnim.reset();
    SandAnim.reset();
    backdrop_.reset();
    MessageDialog.reset();
    Tutorial.Kill();
    if (LevelCompleteScreen) LevelCompleteScreen->Kill();
    InGameMenu->Kill();
    KillGameObjects();
    BoardEvents = TBoardEvents{};
    return 1;
}

int TGameScreen::StartLevel() {
    Player.InitNewLevelStats();
    Grid = TGameGrid::Create();
    Grid->LoadLevel(Player.Level);
    ConnectBoard();
    FillGrid();
    Game->FixedRateLogic.Init();
    Grid->RestorePointer();
    ClearAll();
    if (Gems) Gems->SortAll();
    IntroAnim->Start();
    ShownMessage = 0;
    for (const auto& powerup : HUDPowerups) {
        if (powerup) powerup->Reset();
    }
    for (const auto& [level, key] : {std::pair{27, "Dungeon"}, {47, "Asylum"}, {86, "Crypt"}}) {
        if (Player.Level == level) Player.Report(key, 1);
    }
    levelInPlay_ = 1;
    LevelEvents.LevelStarted(Player.Level);
    return 1;
}

int TGameScreen::FillGrid() {
    // A board that can never be filled playable (fixed gems forming a run, a palette that leaves no
    // move) is kept as it came, with a note in the log, rather than filled for ever.
    if (!FillGridUntilPlayable(Player.Level)) {
        Message("Level " + std::to_string(Player.Level) + " never filled without a ready run and with a move",
                0, 1);
    }
    return 1;
}

int TGameScreen::RestartLevel() {
    // A level given up from the pause panel ends as left; one lost already has told its end.
    EndLevel("left");
    KillGameObjects();
    StartLevel();
    PlaceBoard(kBoardAbove);
    PostFadeIn();
    return 1;
}

int TGameScreen::KillGameObjects() {
    ResetBoard();
    Tutorial.ClearTips();
    return 1;
}

int TGameScreen::GameStart() {
    Player.Load();
    Player.ReadProfile(Game->CurrentProfile.get(), 0);
    if (Player.Level > 100) Player.Level = 1;
    return 1;
}

int TGameScreen::GetChapter() const {
    return (Player.Level - 1) / 5 + 1;
}

int TGameScreen::GetSubLevel() const {
    return (Player.Level - 1) % 5 + 1;
}

int TGameScreen::BackgroundFor(int level) {
    static const int kFirstLevels[] = {1, 4, 9, 17, 27, 37, 47, 59, 72, 86};
    int background = 1;
    for (int i = 0; i < 10; ++i) {
        if (level >= kFirstLevels[i]) background = i + 1;
    }
    return background;
}

int TGameScreen::LoadBackground() {
    backdrop_.reset();
    Chapter = GetChapter();
    BackgroundFileName = "Backgrounds/bg" + std::to_string(BackgroundFor(Player.Level)) + ".jpg";
    return ImageLoad(BackgroundFileName, -1, 0);
}

std::string TGameScreen::MusicTrack() const {
    return "level" + std::to_string(GetSubLevel()) + ".ogg";
}

int TGameScreen::LoadMusic() {
    return Game->MusicLoad(MusicTrack(), 1);
}

int TGameScreen::FillColorArray() {
    const int rgb[7][3] = {{255, 59, 9},   {255, 174, 8},  {252, 215, 13}, {76, 222, 4},
                           {15, 227, 255}, {66, 132, 255}, {154, 118, 255}};
    for (int i = 0; i < 7; ++i) {
        Colours[i].r = rgb[i][0], Colours[i].g = rgb[i][1], Colours[i].b = rgb[i][2];
        Colours[i].a = 1.0f;
    }
    return 1;
}

int TGameScreen::ClearAll() {
    BoardEvents.LowTime = 0;
    if (Grid) {
        Grid->DiagonalMoves = 0;
        Grid->BonusPower = 1;
    }
    HUDSliding = 0;
    PlayShown = 0;
    Goal1Done = Goal2Done = Goal3Done = Goal4Done = 0;
    BoardEvents.Goal1Done = BoardEvents.Goal2Done = BoardEvents.Goal3Done = BoardEvents.Goal4Done = 0;
    GridSlideInSoundPlayed = GridSlideOutSoundPlayed = 0;
    ClearCounters();
    ClearParticles();
    ClearSoundTriggers();
    Tutorial.Clear();
    return 1;
}

int TGameScreen::ClearCounters() {
    if (IntroAnim) IntroAnim->Stop();
    if (OutroAnim) OutroAnim->Stop();
    GaugeFillDelay.Clear();
    GoldParticleDelay.Clear();
    ClearHint();
    HintShowCounter = 0;
    NoMoreCounter = 0;
    NoMore = 0;
    TimeUp = 0;
    TimeUpCounter = 0;
    return 1;
}

int TGameScreen::ClearParticles() {
    BoardEffects.Clear();
    HudEffects.Clear();
    return 1;
}

int TGameScreen::ClearHint() {
    AutoHintCounter = 0;
    return 1;
}

int TGameScreen::ClearSoundTriggers() {
    BoardEvents.ClearTriggers();
    return 1;
}

int TGameScreen::SetGaugeEmpty() {
    if (Grid && Grid->BonusPower == 2) {
        Grid->BonusPower = 1;
        SaveData.gaugeLevel = 0;
    }
    return 1;
}

int TGameScreen::SetMenuCoords(int y) {
    if (!Menu) return 0;
    // The button rides with the HUD panel as it slides.
    auto button = Menu->FindButton("menu");
    return button ? button->MoveTo(GetHUDX() + static_cast<float>(MENU_X + 2), static_cast<float>(y)) : 0;
}

int TGameScreen::MakeTestGem(int x, int y, int type) {
    if (!Grid || !CellAt(x, y)) return 0;
    Grid->DeleteGem(x, y);
    auto gem = TGem::Make(x, y, type, 0);
    Gems->InsertGem(gem);
    CellAt(x, y)->Gem = gem;
    return 1;
}

int TGameScreen::Quit() {
    const bool fading = Game->GameFade && Game->GameFade->Active;
    if (Player.Alive != 1 || fading) return 0;
    Player.Lives = 0;
    ClearCounters();
    Player.Die();
    StartNoMoreMovesAnim();
    return 1;
}

int TGameScreen::SetEscDestination() {
    // Escape is the pause panel's while the level runs; were it the framework's, it would lead where the
    // panel's way out does.
    const auto& title = InGameMenu->TitleDestination;
    Game->DestinationTScreen = title ? title() : Game->ExitScreen.get();
    return 0;
}

int TGameScreen::SpecificKeys() {
    return 0;
}

int TGameScreen::Logic() {
    // The chapter's story holds the level until it is read.
    if (MessageDialog) {
        if (MessageDialog->Manage() != 0) MessageDialog.reset();
        return 1;
    }
    if (!LevelCompleteUp()) {
        // Escape lets go of a gem or power-up in hand before it opens the menu.
        if (!InGameMenu->Active && Grid && (Grid->Mode == 1 || Grid->PointerGemType) &&
            KeyHit(platform::vk::kEscape)) {
            Grid->ClearBonus(1);
        }
        const int menu = InGameMenu->Logic();
        // The pointer puts down a carried power-up while the panel is open and takes it up again after.
        if ((menu == TInGameMenu::kOpened || menu == TInGameMenu::kClosed) && Grid) Grid->TogglePointer(menu);
    }
    // Over a won level the panel has the tick: the board, the clock and the effects under it stand still.
    if (LevelCompleteScreen) LevelCompleteScreen->Logic();
    SetMenuCoords(MENU_Y);
    // Paused under the menu, the level keeps still: board, clock, effects and its own animations.
    if (InGameMenu->Active) return 1;
    if (!LevelCompleteUp()) {
        if (ManageMenuButton()) return 1;
        ClearSoundTriggers();
        if (Player.Manage() == -1) {
            ProcessSoundTriggers();
            return -1;
        }
        // A click that closes a tip is not a press on the board under it.
        if (Tutorial.Manage() && Grid) Grid->MouseUpFlag = 0;
        if (Grid) Grid->Manage();
        ManageNoMoreMovesAnim();
        ManageHUDEffects();
        ManageHUDClicks();
        BoardEffects.Manage();
        HudEffects.Manage();
        ProcessSoundTriggers();
        if (SandAnim) SandAnim->Manage();
    }
    ManageIntroAnim();
    ManageOutroAnim();
    return 1;
}

int TGameScreen::Draw() {
    DrawBackdrop();
    if (Grid) Grid->DrawOver();
    BoardEffects.Draw();
    DrawHUD();
    if (Menu) Menu->Draw(0, 0);
    // The HUD's sparks go with the HUD while the panel is up.
    if (!LevelCompleteUp()) HudEffects.Draw();
    DrawBigTexts();
    Tutorial.Draw();
    InGameMenu->Draw();
    if (LevelCompleteScreen) LevelCompleteScreen->Draw();
    if (MessageDialog) MessageDialog->Draw();
    return 1;
}

int TGameScreen::ManageMenuButton() {
    // The button rests while the board drops in and while the level is won.
    const bool intro = IntroAnim && IntroAnim->Active, outro = OutroAnim && OutroAnim->Active;
    if (!Menu || intro || outro) return 0;
    Menu->Manage(0, 0);
    if (!Menu->Clicked("menu")) return 0;
    InGameMenu->Show(1);
    if (Grid) Grid->TogglePointer(TInGameMenu::kOpened);
    return 1;
}

bool TGameScreen::LevelCompleteUp() const {
    return LevelCompleteScreen && LevelCompleteScreen->Active != 0;
}

void TGameScreen::DrawBackdrop() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    // While the board stands still in its place, the background with the frame and tiles over it is the
    // same picture frame after frame: it is drawn once, copied, and the copy drawn whole from then on,
    // until a tile breaks.
    const bool steady = Grid && Grid->topY == 0 && Grid->alpha >= 1.0f && Game->screenShakeCounter <= 0;
    const TBackdropKey key{Grid ? Grid->Serial : 0, Grid ? Grid->TilesVersion : 0, Image.get(),
                           Game->Particles >= 50};
    graphics.SetBlend(platform::BlendMode::Solid);
    if (steady && backdrop_ && backdropKey_ == key) {
        backdrop_->Draw(0, 0, 0);
        graphics.SetBlend(platform::BlendMode::Alpha);
        return;
    }
    if (Image) Image->Draw(0, 0, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    if (Grid) Grid->DrawBase();
    backdrop_.reset();
    if (!steady) return;
    if (auto copy = graphics.CaptureImage({0, 0, VirtualWidth, VirtualHeight})) {
        backdrop_ = TGameImage::CreateFromImage(std::move(copy), "backdrop", 0);
        backdropKey_ = key;
    }
}

void TGameScreen::EndLevel(const char* result) {
    if (!levelInPlay_) return;
    levelInPlay_ = 0;
    LevelEvents.LevelEnded(LevelEndOf(result));
}
