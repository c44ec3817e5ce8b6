// The sound effects: every name the game's code asks for is a 16-bit WAV its loader reads, and each
// sounds at once, ends in silence and leaves the mixer headroom.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/tools/audio/AudioFiles.h"
#include "tools/assetgen/listening/SoundMeasures.h"

namespace murkwell::test {
namespace {

namespace fs = std::filesystem;

// The game's own names (the sound bank adds ".wav"), and the names chosen for the sounds it plays
// without naming them: the menu's and the level-complete panel's opening and closing, the slider's step.
const char* const kEffects[] = {"buttonclick",
                                "buttonMO",
                                "Click",
                                "ClickReverse",
                                "InvalidClick",
                                "Swap",
                                "FailedSwap",
                                "MatchOverTile",
                                "MatchOverArmour2",
                                "Match",
                                "LockClick",
                                "RockClick",
                                "Unlock",
                                "RockDestroyed",
                                "RockCracked",
                                "coin",
                                "bag",
                                "GaugeFull",
                                "GemLanding",
                                "MagicReleased",
                                "Hint",
                                "CrossBomb",
                                "DiagonalBomb",
                                "DiagonalBomb2",
                                "HolyWater",
                                "Explode",
                                "HorizontalBomb",
                                "VerticalBomb",
                                "EchoPop",
                                "LowTimeBeep",
                                "NoMoreMoves",
                                "TimeUp",
                                "GoalDone",
                                "SlideInReverb",
                                "LevelEnd",
                                "LevelStart",
                                "BonusAppears",
                                "EggDrop",
                                "coindisappears",
                                "Bomb",
                                "Pumpkin",
                                "Garlic",
                                "HolyWater2",
                                "TorchExtra",
                                "Stake",
                                "Broom",
                                "lightning",
                                "Random",
                                "SlideIn",
                                "SlideOut",
                                "Confirm",
                                "Typing",
                                "OKDialog",
                                "ZoomIn",
                                "SlideDown",
                                "crow",
                                "creak",
                                "wind",
                                "GameFinishedScreen/Scream",
                                "MenuActivate",
                                "MenuDeactivate",
                                "PanelActivate",
                                "PanelDeactivate",
                                "SliderClick"};

// Heard all the time, so short and crisp.
const char* const kClicks[] = {"buttonclick", "buttonMO",   "Click",     "ClickReverse", "SliderClick",
                               "Typing",      "GemLanding", "RockClick", "LowTimeBeep"};
// The blasts of the bombs.
const char* const kBlasts[] = {"Explode",        "Bomb",         "CrossBomb", "DiagonalBomb", "DiagonalBomb2",
                               "HorizontalBomb", "VerticalBomb", "Garlic",    "TorchExtra"};

std::string PathOf(const std::string& name) {
    return "sound/" + name + ".wav";
}

// Every effect file: the sound folder's and the maker's jingle beside it, which obeys the same rules.
std::vector<std::string> EffectPaths() {
    std::vector<std::string> paths = {"splashsound.wav"};
    for (const char* name : kEffects) paths.push_back(PathOf(name));
    return paths;
}

// The bits per sample of a WAV's format chunk, 0 when there is none.
int BitsPerSample(const std::vector<uint8_t>& bytes) {
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = bytes[at + 4] | bytes[at + 5] << 8 | bytes[at + 6] << 16 | bytes[at + 7] << 24;
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && at + 24 <= bytes.size())
            return bytes[at + 22] | bytes[at + 23] << 8;
        at += 8 + size + (size & 1);
    }
    return 0;
}

TEST(SoundEffectsTest, EveryNameTheGameAsksForIsASixteenBitWavItsLoaderReads) {
    EXPECT_EQ(std::size(kEffects), 59u + 5u);
    for (const std::string& path : EffectPaths()) {
        EXPECT_EQ(BitsPerSample(DataFile(path)), 16) << path;
        const platform::SoundData sound = DataSound(path);
        EXPECT_EQ(sound.rate, 44100) << path;
        EXPECT_GT(sound.Frames(), 0) << path;
    }
}

TEST(SoundEffectsTest, NoTwoFilesShareANameIgnoringCase) {
    // The game finds files ignoring case: "Confirm" and "confirm" must be one file, not two that race.
    const std::string root = std::string(MURKWELL_DATA_DIR) + "/sound";
    std::map<std::string, std::string> seen;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string path = fs::relative(entry.path(), root).generic_string();
        std::string folded = path;
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        const auto [at, fresh] = seen.emplace(folded, path);
        EXPECT_TRUE(fresh) << path << " and " << at->second;
    }
}

TEST(SoundEffectsTest, EveryEffectSoundsWithinFiveMillisecondsAndEndsInSilence) {
    for (const std::string& path : EffectPaths()) {
        const platform::SoundData sound = DataSound(path);
        ASSERT_GT(sound.Frames(), 0) << path;
        EXPECT_LE(listening::OnsetSeconds(sound, -40), 0.005) << path << " starts with silence";
        const double end = listening::Seconds(sound);
        EXPECT_LE(listening::RmsDb(sound, end - 0.01, end), -60) << path << " is cut off";
        for (int c = 0; c < sound.channels; ++c) {
            EXPECT_EQ(sound.samples[sound.samples.size() - sound.channels + c], 0.0f)
                << path << " does not end at rest";
        }
    }
}

TEST(SoundEffectsTest, EveryEffectPeaksAtMinusThreeDbfsOrBelowYetIsClearlyHeard) {
    for (const std::string& path : EffectPaths()) {
        const double peak = listening::PeakDb(DataSound(path));
        EXPECT_LE(peak, -3) << path;
        EXPECT_GE(peak, -16) << path;
    }
}

TEST(SoundEffectsTest, ClicksAreShortAndBlastsAreLongerAndLouder) {
    double loudestClick = -200;
    for (const char* name : kClicks) {
        const platform::SoundData sound = DataSound(PathOf(name));
        EXPECT_LE(listening::Seconds(sound), 0.4) << name;
        loudestClick = std::max(loudestClick, listening::RmsDb(sound));
    }
    for (const char* name : kBlasts) {
        const platform::SoundData sound = DataSound(PathOf(name));
        EXPECT_GE(listening::Seconds(sound), 1.0) << name;
        EXPECT_GT(listening::RmsDb(sound), loudestClick + 2) << name;
    }
}

}  // namespace
}  // namespace murkwell::test
