#include "app/Startup.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <memory>

#include "app/Product.h"
#include "app/autoplay/AutoPlayer.h"
#include "app/autoplay/EventReport.h"
#include "app/showcase/Showcase.h"
#include "framework/core/ChannelArray.h"
#include "framework/core/ErrorHandler.h"
#include "framework/core/FrameworkKeys.h"
#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/Messages.h"
#include "framework/core/Random.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/LoadList.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/screens/Screen.h"
#include "framework/screens/SplashScreen.h"
#include "framework/screens/StartupLoading.h"
#include "game/board/Player.h"
#include "game/save/AchievementList.h"
#include "game/save/SaveData.h"
#include "game/screens/CreditsScreen.h"
#include "game/screens/GameFinishedScreen.h"
#include "game/screens/GameLoading.h"
#include "game/screens/GameScreen.h"
#include "game/screens/InGameMenu.h"
#include "game/screens/InstructionsScreen.h"
#include "game/screens/IntroScreen.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/MapScreen.h"
#include "game/screens/MessageBox.h"
#include "game/screens/OptionsScreen.h"
#include "game/screens/PlaySession.h"
#include "game/screens/PlayerProfiles.h"
#include "game/screens/ShopScreen.h"
#include "game/screens/TitleScreen.h"
#include "platform/files/Files.h"
#include "platform/os/InstanceLock.h"
#include "platform/os/SystemClock.h"

namespace {

constexpr const char* kSubPath = "Tarnfield/Murkwell";

// An old test build of the game wrote files that a release must not trip over. Only a version written
// as "0.dd" with dd below 10 counts; the files are moved aside, never deleted, so that nothing is lost
// to a damaged version line.
void VersionHousekeeping(TGame& game) {
    const std::string& v = game.VersionNumber;
    const bool wellFormed = v.size() == 4 && v[0] == '0' && v[1] == '.' &&
                            std::isdigit(static_cast<unsigned char>(v[2])) &&
                            std::isdigit(static_cast<unsigned char>(v[3]));
    if (!wellFormed || std::stoi(v.substr(2, 2)) >= 10) return;
    std::string error;
    for (const char* name : {"BestLevel.dat", "test log.csv"}) {
        const std::string path = game.SubPath + name;
        if (platform::files::Exists(path)) platform::files::Rename(path, path + ".old", error);
    }
    game.DeleteAllProfiles();
}

// The keys of the framework's table that this game does not use.
void SwitchOffFrameworkKeys() {
    VolumeDownKey = VolumeUpKey = MinimiseKey = SoundKey = FastKey = FlipSyncKey = NoTimingKey =
        SoundDriverKey = 0;
}

// The pages around the game: the intro leads to the map; the ending to the credits, which then lead back
// to the title, where the player's next game begins.
void MakeStoryScreens() {
    IntroScreen = std::make_shared<TIntroScreen>();
    IntroScreen->Destination = MapScreen.get();
    InstructionsScreen = std::make_shared<TInstructionsScreen>();
    CreditsScreen = std::make_shared<TCreditsScreen>();
    GameFinishedScreen = std::make_shared<TGameFinishedScreen>();
    GameFinishedScreen->CreditsDestination = [] { return static_cast<TScreen*>(CreditsScreen.get()); };
    GameFinishedScreen->AfterCreditsDestination = [] { return static_cast<TScreen*>(TitleScreen.get()); };
}

// The screens of the game, made once before the loading (which fills the game screen's shared pictures),
// and where each leads.
void CreateScreens() {
    GameScreen = std::make_shared<TGameScreen>();
    LevelCompleteScreen = std::make_shared<TLevelCompleteScreen>();
    MapScreen = std::make_shared<TMapScreen>();
    ShopScreen = std::make_shared<TShopScreen>();
    OptionsScreen = std::make_shared<TOptionsScreen>();
    TitleScreen = std::make_shared<TTitleScreen>();
    MakeStoryScreens();
    MapScreen->ShopDestination = [] { return static_cast<TScreen*>(ShopScreen.get()); };
    MapScreen->TitleDestination = [] { return static_cast<TScreen*>(TitleScreen.get()); };
    ShopScreen->MapDestination = [] { return static_cast<TScreen*>(MapScreen.get()); };
    // A won level leads through its panel to the map, the last one to the ending.
    LevelCompleteScreen->MapDestination = [] { return static_cast<TScreen*>(MapScreen.get()); };
    LevelCompleteScreen->GameFinishedDestination = [] { return static_cast<TScreen*>(GameFinishedScreen.get()); };
    // A level whose found item gives the keeper something to say leads to her shop.
    LevelCompleteScreen->ShopDestination = [] { return static_cast<TScreen*>(ShopScreen.get()); };
    // The pause panel's pages come back to the level; its way out leads to the title.
    GameScreen->InGameMenu->InstructionsDestination = [] { return static_cast<TScreen*>(InstructionsScreen.get()); };
    GameScreen->InGameMenu->TitleDestination = [] { return static_cast<TScreen*>(TitleScreen.get()); };
    GameScreen->InGameMenu->OptionsDestination = [] { return static_cast<TScreen*>(OptionsScreen.get()); };
    // The credits opened from the options come back to them.
    OptionsScreen->CreditsDestination = [] {
        CreditsScreen->Destination = OptionsScreen.get();
        return static_cast<TScreen*>(CreditsScreen.get());
    };
    TitleScreen->IntroDestination = [] { return static_cast<TScreen*>(IntroScreen.get()); };
    TitleScreen->InstructionsDestination = [] {
        InstructionsScreen->Destination = TitleScreen.get();
        return static_cast<TScreen*>(InstructionsScreen.get());
    };
    TitleScreen->MapDestination = [] { return static_cast<TScreen*>(MapScreen.get()); };
    TitleScreen->OptionsDestination = [] { return static_cast<TScreen*>(OptionsScreen.get()); };
}

// The player and the mode play starts with once everything has loaded: a level asked for on the command
// line is played at once by the stored player (or one named "Player"), timed unless the relaxed mode is
// asked for; otherwise the title greets the stored player, or asks a first-time player for a name.
void PreparePlay(const Options& options) {
    if (options.relaxed) {
        TGameState::SetRelaxedMode();
    } else {
        TGameState::SetTimedMode();
    }
    if (options.level > 0) {
        UseStartupPlayer();
        Player.Level = options.level;
        Player.Unlocked = std::max(Player.Unlocked, options.level);
        SaveData.timer = options.relaxed ? 0 : 1;
        if (options.equip) SaveData.TakeEverythingOnOffer();
        return;
    }
    InstallSaveOnClose();
    UseStoredPlayer();
}

// The loading screen, the splashes and the loading behind the screen; the time from the splashes' end to
// the screen taking clicks goes to the debug log, measured on the wall clock whatever clock the game runs on.
void StartUpLoading(const Options& options) {
    ShowLoadingScreen();
    RunStartupSplashes();
    platform::SystemClock wall;
    const uint32_t from = wall.Millisecs();
    CreateScreens();
    TScreen* first = options.level > 0 ? static_cast<TScreen*>(GameScreen.get()) : TitleScreen.get();
    RunStartupLoading([](TLoadList& list) { ListGameLoading(list, {}); }, first);
    PreparePlay(options);
    DebugLog("Start-up loading: " + std::to_string(Game->LoadingScreen->LoadingBar.CurrentStep) +
             " items in " + std::to_string(wall.Millisecs() - from) + " ms");
}

}  // namespace

void ScreenPointToWindow(int vx, int vy, int& wx, int& wy) {
    wx = vx;
    wy = vy;
    if (Game) Game->VirtualToWindow(vx, vy, wx, wy);
}

std::string WindowTitle() {
    return kMurkwell.ProductName + " V" + AppVersion + " - a Tarnfield game";
}

int RunMurkwell(platform::Platform& platform, const Options& options, const std::string& dataFolder) {
    StartupStage = 901;
    // Until the display is open, messages go to the system box.
    GraphicsOpen = 0;
    // Module-level objects (the image bank, the sound bank, the date names) exist from the start; the
    // desktop composition probe has nothing to find on this platform.
    StartupStage = 903;
    // The lock lives beside the shared data folder, not in it: whether that folder exists tells a first
    // run from a crashed one.
    const std::string lockFolder = platform.GetSystem().UserDataFolder() + "Tarnfield/";
    std::string error;
    platform::files::CreateFolders(lockFolder, error);
    platform::InstanceLock::Result lockResult;
    const auto lock = platform::InstanceLock::Acquire(lockFolder + "Murkwell.lock", lockResult, error);
    if (lockResult == platform::InstanceLock::Result::HeldElsewhere) {
        std::fprintf(stderr, "%s: already running\n", kMurkwell.ProgramName.c_str());
        return 0;
    }
    StartupStage = 905;
    LogicDuringFade = 1;
    PrecacheImages = 1;

    StartupStage = 906;
    auto game = std::make_unique<TGame>(platform);
    const TGameGuard guard(*game, kMurkwell);
    game->WindowTitle = WindowTitle();
    game->ClsColor = TColor::Create(0, 0, 0, 1.0f);
    game->DataInAppBundle = 1;
    game->CorrectPathID = 26;
    game->FixedSeed = options.seed;
    game->DataFolder = dataFolder;
    game->SetDefaultPaths();
    game->SetSubPathWrapper(kSubPath, 1);
    InstallCrashReport();

    try {
        StartupStage = 907;
        game->CheckGoodExit();
        game->Init(0, 1);
        StartupStage = 908;
        BuildAchievementList();
        StartupStage = 909;
        VersionHousekeeping(*game);
        StartupStage = 910;
        game->FixedRateLogic.SetDefaultFramerate(kMurkwell.LogicRate);
        StartupStage = 911;
        game->Region = 0;
        game->SubRegion = 0;
        game->PortalSplash = 0;
        game->WideScreen = 1;
        game->IntroShow = 1;
        game->Fade = 1;
        game->IniUpdate(0);
        StartupStage = 912;
        SoundBank.SetPath(game->SoundPath);
        ImageBank.SetPath(game->ImagePath);
        StartupStage = 913;
        game->ChannelsCreate(16);
        // The falling gems play on a channel of their own.
        game->Channels->ChannelByIndex(1)->Reserved = 1;
        StartupStage = 914;
        game->SetEscapeSound("buttonclick");
        StartupStage = 915;
        SeedRandom(options.seed.value_or(platform.GetClock().Millisecs()));
        StartupStage = 916;
        game->IgnoreFrameworkKeys = 1;
        game->IgnoreDebugKey = 1;
        SwitchOffFrameworkKeys();
        StartupStage = 917;
        DefaultFadeTime = 300;
        game->FixedRateLogic.JitterCorrection = 0;
        game->MusicFadeIn = 0;
        game->DebugDisplayX = game->DebugDisplayY = 5;
        game->SlowMotionSpeed = 0.2f;
        game->PauseOnLossOfFullScreenFocus = 1;
        game->MaxLevels = 100;
        // The command line outranks the settings file for this run only.
        if (options.display != Options::Display::FromSettings) {
            game->FullScreen = options.display == Options::Display::FullScreen ? 1 : 0;
        }

        StartupStage = 919;
        game->UseDesktopResolution = 1;
        game->GraphicsCreate(0);
        GraphicsOpen = 1;
        InstallMessageBox();
        if (game->CustomMousePointer) platform.GetGraphics().ShowPointer(false);
        if (!options.reportPath.empty() && !InstallEventReport(options.reportPath, options.exitOn, error)) {
            Message(error, 1, 1);
        }
        if (options.autoplay) {
            InstallAutoPlayer(options.seed.value_or(platform.GetClock().Millisecs()), options.relaxed,
                              options.keyboard);
        }
        std::unique_ptr<TScreen> showcase;
        if (options.showcase.empty()) {
            StartUpLoading(options);
        } else {
            showcase = MakeShowcase(options.showcase);
            showcase->PreStart();
        }
        FlushKeysAndMouse();
        game->FixedRateLogic.Init();
        game->NoTimingTicks = 3;

        StartupStage = 950;
        for (;;) {
            if (game->MainLogicLoop() == -1) break;
            game->ScreenDraw();
        }
        ExitRoutine();
        return 0;
    } catch (const FatalMessage&) {
        // Already shown and logged; the game ends in order so the next start is not taken for a crash.
        ExitRoutine();
        return 1;
    } catch (const std::exception& e) {
        HandleError(e);
        ExitRoutine();
        return 1;
    }
}
