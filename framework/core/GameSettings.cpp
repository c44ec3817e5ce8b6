// The settings file, the data and profile folders, and the guard against a crashed last run.
#include <algorithm>
#include <climits>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/core/Retry.h"
#include "framework/core/Strings.h"
#include "platform/files/Files.h"

namespace {

namespace files = platform::files;

// One key of the settings file: its name as added, and the field it holds with the range it may take.
struct IntSetting {
    const char* name;
    int TGame::*field;
    int min, max;
};

// The file order. "Version No" comes first and "Sound Driver" and "Profile Name" are text; they are
// written in place by IniFill.
constexpr IntSetting kBeforeSoundDriver[] = {
    {"Full Screen", &TGame::FullScreen, 0, 1},
    {"WideScreen", &TGame::WideScreen, 0, 1},
    {"Borderless Window", &TGame::BorderlessWindow, 0, 1},
    {"Sound", &TGame::Sound, 0, 1},
    {"Music", &TGame::Music, 0, 1},
    {"Speech", &TGame::Speech, 0, 1},
    {"Sound Volume", &TGame::SoundVolume, 0, 100},
    {"Music Volume", &TGame::MusicVolume, 0, 100},
    {"Speech Volume", &TGame::SpeechVolume, 0, 100},
    {"Fade", &TGame::Fade, 0, 1},
    {"Particles", &TGame::Particles, 0, 100},
    {"ScreenShake", &TGame::screenShake, 0, 100},
    {"Portal Splash", &TGame::PortalSplash, 0, 1},
    {"Portal Splash2", &TGame::PortalSplash2, 0, 1},
    {"Intro", &TGame::IntroShow, 0, 1},
    {"VSync", &TGame::VSync, 0, 1},
    {"Driver", &TGame::Driver, 0, 1},
};
constexpr IntSetting kPriorities[] = {
    {"Full Screen Process Priority", &TGame::FullScreenProcess, 0, 2},
    {"Full Screen Thread Priority", &TGame::FullScreenThread, -2, 2},
    {"Windowed Process Priority", &TGame::WindowedProcess, 0, 2},
    {"Windowed Thread Priority", &TGame::WindowedThread, -2, 2},
};
constexpr IntSetting kAfterProfileName[] = {
    {"Region", &TGame::Region, INT_MIN, INT_MAX},
    {"Sub-Region", &TGame::SubRegion, INT_MIN, INT_MAX},
    {"Custom Mouse Pointer", &TGame::CustomMousePointer, 0, 1},
};

}  // namespace

std::string TGame::MarkerFolder() const {
    return UseCorrectPath ? SubPath : DataFolder;
}

std::string TGame::SettingsFileName() const {
    return MarkerFolder() + ProgramName;
}

int TGame::IniFill() {
    Ini.Clear();
    Ini.Add("Version No", AppVersion);
    auto addAll = [this](const auto& table) {
        for (const IntSetting& s : table) Ini.Add(s.name, std::to_string(this->*s.field));
    };
    addAll(kBeforeSoundDriver);
    Ini.Add("Sound Driver", SoundDriver);
    addAll(kPriorities);
    Ini.Add("Profile Name", ProfileName);
    addAll(kAfterProfileName);
    return 1;
}

int TGame::IniExtract() {
    if (const TIniLine* line = Ini.Find("Version No")) VersionNumber = line->Value;
    if (const TIniLine* line = Ini.Find("Sound Driver")) SoundDriver = line->Value;
    if (const TIniLine* line = Ini.Find("Profile Name")) ProfileName = line->Value;
    // A hand-edited file cannot push a value outside what the game can use.
    auto extractAll = [this](const auto& table) {
        for (const IntSetting& s : table) {
            if (const TIniLine* line = Ini.Find(s.name))
                this->*s.field = std::clamp(ToInt(line->Value), s.min, s.max);
        }
    };
    extractAll(kBeforeSoundDriver);
    extractAll(kPriorities);
    extractAll(kAfterProfileName);
    return 1;
}

int TGame::IniUpdateAttempt(int mark, std::string& error) {
    IniFill();
    if (!Ini.SaveAttempt(error)) return 0;
    if (mark == 1 && !files::WriteAtomic(MarkerFolder() + "inichanged.dat", std::string(), error)) return 0;
    return 1;
}

int TGame::IniUpdate(int mark) {
    // A settings file that could not be read is kept from the program's own saves; a change the player
    // makes is written all the same.
    if (settingsUnread_ && mark != 1) return 0;
    std::string error;
    if (Retry(platform_.GetClock(), error, [&](std::string& e) { return IniUpdateAttempt(mark, e) == 1; })) {
        settingsUnread_ = false;
        return 1;
    }
    // Said once, not once per attempt: the settings stay in memory and the next change tries again.
    Message("Failed to save file " + Ini.Path(), 0, 0);
    return 0;
}

int TGame::MakeGoodExitAttempt(std::string& error) {
    return files::WriteAtomic(MarkerFolder() + "GoodExit.dat", std::string(), error) ? 1 : 0;
}

int TGame::MakeGoodExit() {
    if (!Game) return 0;
    std::string error;
    return Retry(Game->platform_.GetClock(), error,
                 [](std::string& e) { return Game->MakeGoodExitAttempt(e) == 1; })
               ? 1
               : 0;
}

int TGame::CheckGoodExitAttempt(std::string& error) {
    const std::string goodExit = MarkerFolder() + "GoodExit.dat";
    const std::string changed = MarkerFolder() + "inichanged.dat";
    if (files::Exists(goodExit)) return files::Delete(goodExit, error) ? 1 : 0;

    if (files::Exists(changed)) {
        // The settings were changed in a run that crashed: go back to the shipped defaults, keeping only
        // who was playing.
        TIniFile old;
        old.FileName = SettingsFileName();
        old.Add("Profile Name", "");
        std::string ignored;
        // A file that exists but cannot be read is left as it is: rewriting it would lose the name.
        const bool readable = old.LoadAttempt(ignored) || !files::Exists(old.Path());
        const std::string name = old.Lines.front().Value;

        std::vector<std::string> lines;
        std::string text;
        if (files::ReadLines(files::Resolve(DataFolder + "default.ini"), lines, ignored)) {
            for (std::string& line : lines) {
                if (UpperCase(line.substr(0, line.find('='))) == "PROFILE NAME")
                    line = "PROFILE NAME=" + name;
                text += line + "\n";
            }
        } else {
            // Without a shipped file the table's defaults serve (a fresh object holds them).
            TGame defaults(platform_);
            defaults.ProfileName = name;
            defaults.IniFill();
            for (const TIniLine& line : defaults.Ini.Lines) text += line.Name + "=" + line.Value + "\n";
        }
        if (readable && !files::WriteAtomic(SettingsFileName() + ".ini", text, error)) return 0;
    }
    if (UseWindowedModeAfterCrash && UseCorrectPath && files::IsFolder(SubPath))
        UseWindowedModeAfterCrash = 2;
    return files::Delete(changed, error) ? 1 : 0;
}

int TGame::CheckGoodExit() {
    std::string error;
    return Retry(platform_.GetClock(), error, [this](std::string& e) { return CheckGoodExitAttempt(e) == 1; })
               ? 1
               : 0;
}

void TGame::SettingsStartUp() {
    std::string error;
    if (UseCorrectPath && !files::IsFolder(SubPath) && !files::CreateFolders(SubPath, error)) {
        Message("Cannot create shared data folder " + SubPath, 1, 1);
    }
    StartupStage = 1002;
    Ini.FileName = SettingsFileName();
    IniFill();
    StartupStage = 1003;
    const std::string shipped = files::Resolve(DataFolder + "Default.ini");
    if (!files::Exists(Ini.Path()) && files::IsFile(shipped) && !files::Copy(shipped, Ini.Path(), error)) {
        Message("Cannot copy default.ini file to " + Ini.Path(), 1, 1);
    }
    StartupStage = 1004;
    // A file that exists but cannot be read is left as it is, so that nothing it holds is lost; a missing
    // file gets the defaults written out at once.
    const bool readable = !files::Exists(Ini.Path()) || Ini.Load(platform_.GetClock(), error);
    settingsUnread_ = !readable;
    if (readable && !Ini.Save(platform_.GetClock(), error))
        Message("Failed to save file " + Ini.Path(), 0, 0);
    IniExtract();
    if (UseWindowedModeAfterCrash == 2) {
        FullScreen = 0;
        BorderlessWindow = 0;
        IniFill();
        // This run is windowed either way; only a file that was read is rewritten.
        if (readable && !Ini.Save(platform_.GetClock(), error))
            Message("Failed to save file " + Ini.Path(), 0, 0);
        Message("Starting in Windowed mode due to incorrect shutdown.", 0, 1);
    }
}

void TGame::ProfileFolderStartUp() {
    if (!files::IsFolder(ProfilePath)) {
        StartupStage = 8001;
        std::string error;
        if (!files::CreateFolders(ProfilePath, error)) {
            StartupStage = 8002;
            Message("Cannot create shared profiles folder " + ProfilePath, 1, 1);
        }
    }
    StartupStage = 8004;
}

int TGame::SetDefaultPaths() {
    SetImagePath(DataFolder + "graphics");
    SetSoundPath(DataFolder + "sound");
    SetMusicPath(DataFolder + "music");
    SetSpeechPath(DataFolder + "speech");
    SetMenuPath(DataFolder + "menus");
    SetTextPath(DataFolder + "text");
    SetLevelsPath(DataFolder + "levels");
    SetFontPath(DataFolder + "fonts");
    SetProfilePath(UseCorrectPath ? "profiles" : DataFolder + "profiles");
    return 1;
}

int TGame::SetSubPath(const std::string& path, int /*flag*/) {
    SubPath = WithSlash(path);
    if (UseCorrectPath) {
        // Every per-user folder the framework may ask for is the XDG data folder on this platform.
        SubPath = platform_.GetSystem().UserDataFolder() + SubPath;
        ApplySubPath();
    }
    ErrorLogFolder = SubPath;
    return 1;
}

int TGame::SetSubPathWrapper(const std::string& path, int flag) {
    return SetSubPath(path, flag);
}

int TGame::ApplySubPath() {
    ProfilePath = SubPath + ProfilePath;
    return 1;
}

int TGame::SetImagePath(const std::string& path) {
    return ImagePath = WithSlash(path), 1;
}
int TGame::SetSoundPath(const std::string& path) {
    return SoundPath = WithSlash(path), 1;
}
int TGame::SetMusicPath(const std::string& path) {
    return MusicPath = WithSlash(path), 1;
}
int TGame::SetSpeechPath(const std::string& path) {
    return SpeechPath = WithSlash(path), 1;
}
int TGame::SetMenuPath(const std::string& path) {
    return MenuPath = WithSlash(path), 1;
}
int TGame::SetProfilePath(const std::string& path) {
    return ProfilePath = WithSlash(path), 1;
}
int TGame::SetTextPath(const std::string& path) {
    return TextPath = WithSlash(path), 1;
}
int TGame::SetLevelsPath(const std::string& path) {
    return LevelsPath = WithSlash(path), 1;
}
int TGame::SetFontPath(const std::string& path) {
    return FontPath = WithSlash(path), 1;
}
