// The settings file: reading, writing, the shipped defaults, and the guard against a crashed last run.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "GameTestSupport.h"
#include "framework/core/Messages.h"
#include "framework/core/Retry.h"
#include "platform/files/Files.h"

namespace {

using murkwell::test::GameFixture;
namespace files = platform::files;

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

const char* const kCanonicalDefaults =
    "VERSION NO=1.09\nFULL SCREEN=1\nWIDESCREEN=0\nBORDERLESS WINDOW=0\nSOUND=1\nMUSIC=1\nSPEECH=1\n"
    "SOUND VOLUME=100\nMUSIC VOLUME=100\nSPEECH VOLUME=100\nFADE=1\nPARTICLES=80\nSCREENSHAKE=100\n"
    "PORTAL SPLASH=0\nPORTAL SPLASH2=0\nINTRO=0\nVSYNC=1\nDRIVER=0\nSOUND DRIVER=FreeAudio\n"
    "FULL SCREEN PROCESS PRIORITY=0\nFULL SCREEN THREAD PRIORITY=0\nWINDOWED PROCESS PRIORITY=0\n"
    "WINDOWED THREAD PRIORITY=0\nPROFILE NAME=\nREGION=0\nSUB-REGION=0\nCUSTOM MOUSE POINTER=1\n";

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        data = fixture.Folder() + "/data/";
        ASSERT_TRUE(files::CreateFolders(data, error));
        game().DataFolder = data;
        game().SetDefaultPaths();
        game().SetSubPathWrapper("Tarnfield/Murkwell", 1);
        shared = game().SubPath;
        ini = shared + "murkwell.ini";
    }
    TGame& game() { return fixture.game(); }
    const std::vector<std::string>& Messages() { return fixture.platform().TestSystem().Messages(); }
    // The shared data folder as an earlier run left it, after an orderly exit unless crashed.
    void Earlier(bool crashed = false) {
        ASSERT_TRUE(files::CreateFolders(shared, error));
        if (!crashed) Write(shared + "GoodExit.dat", "");
    }
    // The start-up of the settings: the crash check, then Init.
    void Start() {
        game().CheckGoodExit();
        game().Init(0, 1);
    }

    GameFixture fixture;
    std::string data, shared, ini, error;
};

TEST_F(SettingsTest, AFirstRunWithoutShippedDefaultsWritesTheTable) {
    Start();
    EXPECT_EQ(Read(ini),
              std::string(kCanonicalDefaults)
                  .replace(std::string(kCanonicalDefaults).find("FreeAudio"), 9, "OpenAL Generic Software"));
    EXPECT_TRUE(files::IsFolder(shared + "profiles/"));
    EXPECT_TRUE(Messages().empty()) << "a first run is not a crash";
}

TEST_F(SettingsTest, AFirstRunCopiesTheShippedDefaultsAndRewritesThemCanonically) {
    Write(data + "Default.ini", "full screen=0\nMusic Volume=40\nPROFILE NAME=Ada\n");
    Start();
    EXPECT_EQ(game().FullScreen, 0);
    EXPECT_EQ(game().MusicVolume, 40);
    EXPECT_EQ(game().ProfileName, "Ada");
    const std::string written = Read(ini);
    EXPECT_EQ(written.find("full screen"), std::string::npos) << "names are rewritten upper-case";
    EXPECT_NE(written.find("\nFULL SCREEN=0\n"), std::string::npos);
    EXPECT_EQ(written.rfind("VERSION NO=1.09\n", 0), 0u) << "every key, in the file's order";
    EXPECT_NE(written.find("\nCUSTOM MOUSE POINTER=1\n"), std::string::npos);
}

TEST_F(SettingsTest, ValuesAreReadAsTheyStand) {
    Earlier();
    Write(ini,
          "FULL SCREEN=\r\n"       // empty: 0 (and a Windows line end)
          "PROFILE NAME=a=b c \n"  // everything after the first "=", not trimmed
          "MUSIC VOLUME=loud\n"    // not a number: 0
          "SOUND VOLUME=250\n"     // out of range: clamped
          "PARTICLES\n"            // no "=": a name with an empty value
          "UNKNOWN KEY=5\n"        // ignored
          "VSync=0\n");
    Start();
    EXPECT_EQ(game().FullScreen, 0);
    EXPECT_EQ(game().ProfileName, "a=b c ");
    EXPECT_EQ(game().MusicVolume, 0);
    EXPECT_EQ(game().SoundVolume, 100);
    EXPECT_EQ(game().Particles, 0);
    EXPECT_EQ(game().VSync, 0);
    EXPECT_EQ(Read(ini).find("UNKNOWN"), std::string::npos);
}

TEST_F(SettingsTest, BinaryGarbageAndAHugeLineLeaveSaneValues) {
    Earlier();
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    garbage += "\nMUSIC VOLUME=" + std::string(1 << 20, '9') + "\nSOUND=1\n";
    Write(ini, garbage);
    Start();
    EXPECT_EQ(game().MusicVolume, 100);
    EXPECT_EQ(game().Sound, 1);
    EXPECT_EQ(game().FullScreen, 1);
    EXPECT_NE(Read(ini).find("\nMUSIC VOLUME=100\n"), std::string::npos) << "the file is repaired";
}

TEST_F(SettingsTest, ASettingsChangeIsSavedAndMarked) {
    Start();
    game().MusicVolume = 30;
    EXPECT_EQ(game().IniUpdate(1), 1);
    EXPECT_NE(Read(ini).find("\nMUSIC VOLUME=30\n"), std::string::npos);
    EXPECT_TRUE(files::Exists(shared + "inichanged.dat"));
    EXPECT_EQ(game().IniUpdate(0), 1);
}

TEST_F(SettingsTest, AnUnwritableFolderIsReportedOnceAndLosesNothing) {
    Start();
    game().MusicVolume = 30;
    // A folder where the settings file should be: no write can succeed, as root or not.
    game().Ini.FileName = shared + "blocked";
    ASSERT_TRUE(files::CreateFolders(shared + "blocked.ini", error));
    EXPECT_EQ(game().IniUpdate(0), 0);
    EXPECT_EQ(game().MusicVolume, 30) << "the settings stay in memory";
    int failures = 0;
    for (const std::string& m : Messages())
        failures += m.find("Failed to save file " + shared + "blocked.ini") != std::string::npos;
    EXPECT_EQ(failures, 1) << "said once, not once per attempt";
}

TEST_F(SettingsTest, AnOrderlyExitLeavesTheNextStartAsItWas) {
    Start();
    TGame::MakeGoodExit();
    EXPECT_TRUE(files::Exists(shared + "GoodExit.dat"));
    game().CheckGoodExit();
    EXPECT_FALSE(files::Exists(shared + "GoodExit.dat")) << "consumed by the next start";
    EXPECT_EQ(game().UseWindowedModeAfterCrash, 1);
}

TEST_F(SettingsTest, ACrashWithoutChangedSettingsStartsWindowedKeepingTheSettings) {
    Earlier(true);
    Write(ini, "FULL SCREEN=1\nMUSIC VOLUME=40\nPROFILE NAME=Ada\n");
    Start();
    EXPECT_EQ(game().FullScreen, 0);
    EXPECT_EQ(game().MusicVolume, 40);
    EXPECT_EQ(game().ProfileName, "Ada");
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().back(), "Murkwell: Starting in Windowed mode due to incorrect shutdown.");
    EXPECT_NE(Read(shared + "ErrorLog.txt").find("Starting in Windowed mode due to incorrect shutdown."),
              std::string::npos);
    EXPECT_NE(Read(ini).find("\nFULL SCREEN=0\n"), std::string::npos);
}

TEST_F(SettingsTest, ACrashAfterChangedSettingsRestoresTheShippedDefaultsKeepingTheName) {
    Earlier(true);
    Write(data + "Default.ini", "FULL SCREEN=1\nMUSIC VOLUME=100\nPROFILE NAME=\n");
    Write(ini, "FULL SCREEN=1\nMUSIC VOLUME=40\nPROFILE NAME=Ada\n");
    Write(shared + "inichanged.dat", "");
    Start();
    EXPECT_EQ(game().MusicVolume, 100);
    EXPECT_EQ(game().ProfileName, "Ada");
    EXPECT_EQ(game().FullScreen, 0);
    EXPECT_FALSE(files::Exists(shared + "inichanged.dat"));
}

TEST_F(SettingsTest, ACrashAfterChangedSettingsWithoutShippedDefaultsKeepsTheNameToo) {
    Earlier(true);
    Write(ini, "MUSIC VOLUME=40\nPROFILE NAME=Ada\n");
    Write(shared + "inichanged.dat", "");
    Start();
    EXPECT_EQ(game().MusicVolume, 100);
    EXPECT_EQ(game().ProfileName, "Ada");
}

TEST_F(SettingsTest, ACrashDoesNotRewriteASettingsFileThatCannotBeRead) {
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "settings changed before the crash" : "no change before the crash");
        GameFixture run;
        TGame& g = run.game();
        g.DataFolder = data;
        g.SetDefaultPaths();
        g.SetSubPathWrapper("Tarnfield/Murkwell", 1);
        const std::string path = g.SubPath + "murkwell.ini";
        // A folder in the file's place cannot be read, whoever runs the test.
        ASSERT_TRUE(files::CreateFolders(path + "/kept", error));
        if (changed) Write(g.SubPath + "inichanged.dat", "");
        g.CheckGoodExit();
        g.Init(0, 1);
        EXPECT_EQ(g.FullScreen, 0) << "this run is windowed all the same";
        EXPECT_EQ(g.UseWindowedModeAfterCrash, 2);
        EXPECT_EQ(g.IniUpdate(0), 0) << "the program's own saves keep away from it";
        EXPECT_TRUE(files::IsFolder(path + "/kept")) << "nothing was written over it";
        for (const std::string& m : run.platform().TestSystem().Messages())
            EXPECT_EQ(m.find("Failed to save file"), std::string::npos) << m;
    }
}

TEST_F(SettingsTest, FoldersThatCannotBeMadeAreFatal) {
    // A file where the shared data folder should be.
    files::CreateFolders(fixture.Folder() + "/home/Tarnfield", error);
    Write(fixture.Folder() + "/home/Tarnfield/Murkwell", "in the way");
    game().CheckGoodExit();
    EXPECT_THROW(game().Init(0, 1), FatalMessage);
    EXPECT_EQ(Messages().back(), "Murkwell: Cannot create shared data folder " + shared);
    EXPECT_EQ(StartupStage, 1001) << "the stage names the step that failed";
}

TEST_F(SettingsTest, TheStartUpStageFollowsInitToItsEnd) {
    // A file where the profile folder should be.
    Earlier();
    Write(shared + "profiles", "in the way");
    game().CheckGoodExit();
    EXPECT_THROW(game().Init(0, 1), FatalMessage);
    EXPECT_EQ(Messages().back(), "Murkwell: Cannot create shared profiles folder " + shared + "profiles/");
    EXPECT_EQ(StartupStage, 8002);
    ASSERT_TRUE(files::Delete(shared + "profiles", error));
    game().Init(0, 1);
    EXPECT_EQ(StartupStage, 9);
    StartupStage = 0;
}

TEST_F(SettingsTest, PathsEndInASlashAndThePerUserFolderHoldsTheProfiles) {
    EXPECT_EQ(game().ImagePath, data + "graphics/");
    EXPECT_EQ(game().LevelsPath, data + "levels/");
    EXPECT_EQ(shared, fixture.Folder() + "/home/Tarnfield/Murkwell/");
    EXPECT_EQ(game().ProfilePath, shared + "profiles/");
    EXPECT_EQ(ErrorLogFolder, shared);
    game().SetFontPath("x");
    EXPECT_EQ(game().FontPath, "x/");
}

TEST(Messages, TheFrameworksBoxServesWhileTheDisplayIsOpenElseTheSystemBox) {
    GameFixture fixture;
    std::vector<std::string> boxed;
    const auto& system = fixture.platform().TestSystem().Messages();
    GraphicsOpen = 1;
    Message("no box yet", 0, 0);
    EXPECT_EQ(system.back(), "Murkwell: no box yet") << "until the box is installed";
    fixture.game().MessageBoxFunction = [&](const std::string& text) { boxed.push_back(text); };
    Message("over the game", 0, 0);
    GraphicsOpen = 0;
    Message("display closed", 0, 0);
    GraphicsOpen = 1;
    EXPECT_EQ(boxed, std::vector<std::string>{"over the game"});
    EXPECT_EQ(system.back(), "Murkwell: display closed");
    EXPECT_EQ(system.size(), 2u);
}

TEST(ErrorLog, EntriesAreThreeLines) {
    const platform::DateTime when{2026, 12, 8, 7, 5, 3};
    EXPECT_EQ(ErrorLogEntry(when, "Something failed"),
              std::string(57, '-') + "\nDate: 08 Dec 2026   Time: 07:05:03\nSomething failed\n");
}

TEST(ErrorLog, MessagesAreAppendedWhenAskedAndFatalOnesThrow) {
    GameFixture fixture;
    fixture.game().SetSubPathWrapper("Tarnfield/Murkwell", 1);
    std::string error;
    ASSERT_TRUE(files::CreateFolders(fixture.game().SubPath, error));
    Message("first", 0, 1);
    Message("not logged", 0, 0);
    EXPECT_THROW(Message("second", 1, 1), FatalMessage);
    const std::string log = Read(fixture.game().SubPath + "ErrorLog.txt");
    EXPECT_NE(log.find("\nfirst\n"), std::string::npos);
    EXPECT_NE(log.find("\nsecond\n"), std::string::npos);
    EXPECT_EQ(log.find("not logged"), std::string::npos);
    EXPECT_EQ(fixture.platform().TestSystem().Messages().size(), 3u) << "every message is shown";
}

}  // namespace

namespace {

TEST(Retry, AFatalMessageEndsTheTriesAtOnce) {
    murkwell::test::GameFixture fixture;
    std::string error;
    int attempts = 0;
    EXPECT_THROW(Retry(fixture.platform().GetClock(), error,
                       [&](std::string&) -> bool {
                           ++attempts;
                           throw FatalMessage("shown already");
                       }),
                 FatalMessage);
    EXPECT_EQ(attempts, 1);
    attempts = 0;
    EXPECT_FALSE(Retry(fixture.platform().GetClock(), error, [&](std::string&) -> bool {
        ++attempts;
        throw std::runtime_error("disk busy");
    }));
    EXPECT_EQ(attempts, 5) << "any other failure is tried again";
    EXPECT_EQ(error, "disk busy");
}

}  // namespace
