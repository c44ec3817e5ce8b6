// The real program's start-up: the settings and crash guard across runs, and a second copy.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "platform/files/Files.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace std::chrono_literals;
namespace files = platform::files;

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";

std::string Read(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.Ok());
        home_ = temp_.Path() + "/home/";
        shared_ = home_ + "Tarnfield/Murkwell/";
        ini_ = shared_ + "murkwell.ini";
    }
    std::vector<std::string> Environment() const { return {"XDG_DATA_HOME=" + home_}; }
    std::string Script(const std::string& text) {
        const std::string path = temp_.Path() + "/script" + std::to_string(++scripts_) + ".txt";
        std::ofstream(path) << text;
        return path;
    }
    // A run that ends by itself through the script.
    int Run(const std::string& script, std::string& output) {
        return murkwell::test::RunProgram(
            {kProgram, "--headless", "--deterministic", "--script", Script(script)}, output, 60,
            Environment());
    }
    // Starts a run that goes on until killed; returns once ready() holds (or after 10 s).
    int StartUntil(const std::string& script, const std::function<bool()>& ready) {
        const int pid = murkwell::test::StartProgram(
            {kProgram, "--headless", "--deterministic", "--script", Script(script)}, Environment());
        for (int i = 0; i < 1000 && !ready(); ++i) std::this_thread::sleep_for(10ms);
        return pid;
    }
    // The program has consumed the marker of the last orderly exit and so is past its crash check.
    std::function<bool()> Running() {
        return [this] { return !files::Exists(shared_ + "GoodExit.dat"); };
    }

    murkwell::test::TempFolder temp_;
    std::string home_, shared_, ini_;
    int scripts_ = 0;
};

TEST_F(StartupTest, AnOrderlyRunLeavesItsSettingsAndItsMarker) {
    std::string output;
    ASSERT_EQ(Run("100 quit\n", output), 0) << output;
    const std::string settings = Read(ini_);
    EXPECT_EQ(settings.rfind("VERSION NO=1.09\n", 0), 0u) << settings;
    EXPECT_NE(settings.find("\nWIDESCREEN=1\n"), std::string::npos) << "forced at start and saved";
    EXPECT_TRUE(files::Exists(shared_ + "GoodExit.dat"));
    EXPECT_TRUE(files::IsFolder(shared_ + "profiles"));
    EXPECT_FALSE(files::Exists(shared_ + "ErrorLog.txt")) << "nothing went wrong";
}

TEST_F(StartupTest, KilledAfterASettingsChangeTheNextStartIsWindowedWithDefaultsAndTheSameName) {
    std::string output;
    ASSERT_EQ(Run("100 quit\n", output), 0) << output;
    // A player's name and a changed volume from an earlier run.
    std::string settings = Read(ini_);
    settings.replace(settings.find("PROFILE NAME="), 13, "PROFILE NAME=Ada");
    settings.replace(settings.find("MUSIC VOLUME=100"), 16, "MUSIC VOLUME=40");
    std::ofstream(ini_) << settings;
    // Once the game has loaded, Alt+Enter switches the display mode: a settings change. Then the program is
    // killed.
    const std::string changed = shared_ + "inichanged.dat";
    const int pid = StartUntil("10000 keydown 164\n10010 key 13\n10020 keyup 164\n",
                               [&] { return files::Exists(changed); });
    murkwell::test::KillProgram(pid);
    ASSERT_TRUE(files::Exists(changed));
    ASSERT_EQ(Run("100 quit\n", output), 0) << output;
    settings = Read(ini_);
    EXPECT_NE(settings.find("\nFULL SCREEN=0\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("\nMUSIC VOLUME=100\n"), std::string::npos) << "the shipped defaults are back";
    EXPECT_NE(settings.find("\nPROFILE NAME=Ada\n"), std::string::npos) << "the player's name is kept";
    EXPECT_NE(Read(shared_ + "ErrorLog.txt").find("Starting in Windowed mode due to incorrect shutdown."),
              std::string::npos);
}

TEST_F(StartupTest, KilledWithoutASettingsChangeTheNextStartIsWindowedKeepingTheSettings) {
    std::string output;
    ASSERT_EQ(Run("100 quit\n", output), 0) << output;
    std::string settings = Read(ini_);
    settings.replace(settings.find("MUSIC VOLUME=100"), 16, "MUSIC VOLUME=40");
    std::ofstream(ini_) << settings;
    // Killed while running, without any change.
    const int pid = StartUntil("", Running());
    std::this_thread::sleep_for(300ms);
    murkwell::test::KillProgram(pid);
    ASSERT_EQ(Run("100 quit\n", output), 0) << output;
    settings = Read(ini_);
    EXPECT_NE(settings.find("\nFULL SCREEN=0\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("\nMUSIC VOLUME=40\n"), std::string::npos) << "the settings are kept";
}

TEST_F(StartupTest, ASecondCopyEndsAtOnceLeavingTheFirstAlone) {
    std::string output;
    ASSERT_EQ(Run("100 quit\n", output), 0) << output;
    const int first = StartUntil("", Running());
    ASSERT_FALSE(files::Exists(shared_ + "GoodExit.dat"));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(Run("100 quit\n", output), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    EXPECT_EQ(output, "murkwell: already running\n");
    EXPECT_FALSE(files::Exists(shared_ + "GoodExit.dat")) << "the second copy touched nothing";
    murkwell::test::KillProgram(first);
}

}  // namespace
