// Levels played by the real program, headless and deterministic: the autoplayer wins through the mouse and
// the report says so the same way for the same seed; the intro drops the board in, a won level's outro
// and a level's time-up show at their marks. Screenshots are compared by region, never byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/codecs/ImageCodec.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";
const std::string kData = MURKWELL_DATA_DIR;

// Level 1's board: 7 × 7 cells placed with their top-left corner here; the big texts are centred near
// (572, 340).
constexpr int kBoardX = 356, kBoardY = 108, kBoardSize = 7 * 66;
// A click on the loading screen, taken as soon as the screen is up (8 s into a deterministic run: the
// splashes come first, and the loading counts a display frame a step).
constexpr const char* kContinue = "4500 click 512 700\n";
// The tests of the level's own moments play level 1's board as this level, which has neither a story
// before it nor a tip on it.
constexpr int kQuietLevel = 8;
const std::string kQuiet = std::to_string(kQuietLevel);

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The number after "key": in the first line of the report holding every one of the marks.
long Field(const std::string& report, const std::vector<std::string>& marks, const std::string& key) {
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        bool all = true;
        for (const std::string& mark : marks) all = all && line.find(mark) != std::string::npos;
        const size_t at = line.find("\"" + key + "\":");
        if (all && at != std::string::npos) return std::stol(line.substr(at + key.size() + 3));
    }
    return -1;
}

class PlayTest : public ::testing::Test {
protected:
    // A data folder that is the game's own but for the texts of the levels given, by number.
    std::string DataWith(const std::vector<std::pair<int, std::string>>& levels) {
        const std::string data = folder_ + "data/";
        fs::create_directories(data + "levels");
        for (const auto& entry : fs::directory_iterator(kData)) {
            if (entry.path().filename() != "levels")
                fs::create_symlink(entry.path(), data + entry.path().filename().string());
        }
        for (const auto& entry : fs::directory_iterator(kData + "/levels")) {
            fs::create_symlink(entry.path(), data + "levels/" + entry.path().filename().string());
        }
        for (const auto& [number, text] : levels) {
            const std::string path = data + "levels/" + std::to_string(number) + ".txt";
            fs::remove(path);
            std::ofstream(path) << text;
        }
        return data;
    }
    // The same with the quiet level's file given.
    std::string DataWith(const std::string& quietLevel) { return DataWith({{kQuietLevel, quietLevel}}); }
    // Level 1 (or another) of the game with other lines for its time and goals.
    static std::string LevelOne(const std::string& time, const std::string& goals, int number = 1) {
        std::string text = Read(kData + "/levels/" + std::to_string(number) + ".txt");
        auto replace = [&](const std::string& key, const std::string& line) {
            const size_t at = text.find(key + "=");
            text.replace(at, text.find('\n', at) - at, line);
        };
        replace("time", time);
        replace("goals", goals);
        return text;
    }
    // Runs the game with the arguments and a script; the report's text. Without the autoplayer a click
    // once the loading screen is up goes on. Runs with the same home share their per-user folder (settings
    // and players); by default each tag has its own.
    std::string Play(std::vector<std::string> args, const std::string& script, const std::string& tag,
                     std::string home = "") {
        if (home.empty()) home = tag;
        const std::string scriptPath = folder_ + tag + ".txt", report = folder_ + tag + ".jsonl";
        const bool autoplay = std::find(args.begin(), args.end(), "--autoplay") != args.end();
        std::ofstream(scriptPath) << (autoplay ? "" : kContinue) << script;
        args.insert(args.begin(), {kProgram, "--headless", "--deterministic"});
        args.insert(args.end(), {"--script", scriptPath, "--report", report});
        EXPECT_EQ(
            murkwell::test::RunProgram(args, output_, 240, {"XDG_DATA_HOME=" + folder_ + home + "-home"}), 0)
            << output_;
        return Read(report);
    }
    platform::PixelMap Shot(const std::string& name) {
        platform::PixelMap picture;
        std::string error;
        EXPECT_TRUE(platform::LoadImageFile(folder_ + name, picture, error)) << error;
        return picture;
    }
    // Of the pixels of a rectangle, the share (0 to 1) that differ clearly between two pictures.
    static double Differing(const platform::PixelMap& a, const platform::PixelMap& b, int x0, int y0, int w,
                            int h) {
        int differ = 0, total = 0;
        for (int y = y0; y < y0 + h; y += 2) {
            for (int x = x0; x < x0 + w; x += 2) {
                const platform::Rgba p = a.At(x, y), q = b.At(x, y);
                differ += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 60 ? 1 : 0;
                ++total;
            }
        }
        return static_cast<double>(differ) / total;
    }
    std::string Screenshot(long t, const std::string& name) {
        return std::to_string(t) + " screenshot " + folder_ + name + "\n";
    }

    murkwell::test::TempFolder temp_;
    std::string folder_ = temp_.Path() + "/";
    std::string output_;  // what the last run wrote to stdout and stderr
};

TEST_F(PlayTest, TheAutoplayerWinsALevelAndTheSameSeedPlaysItTheSameWay) {
    const std::string script = "105000 quit\n";
    auto play = [&](int seed, const std::string& tag) {
        return Play({"--seed", std::to_string(seed), "--level", "3", "--autoplay"}, script, tag);
    };
    const std::string a = play(5, "a"), b = play(5, "b"), c = play(7, "c");
    EXPECT_NE(a.find("\"event\":\"screen\",\"name\":\"game\""), std::string::npos) << a;
    EXPECT_NE(a.find("\"event\":\"level_start\",\"level\":3,\"mode\":\"timed\""), std::string::npos) << a;
    EXPECT_GT(Field(a, {"level_end", "\"level\":3", "\"result\":\"won\""}, "moves"), 0) << a;
    EXPECT_GT(Field(a, {"level_end", "\"level\":3"}, "score"), 0);
    // On to the next level through the won level's panel and the map (and the shop, for what level 4 opens),
    // as a player goes.
    size_t at = a.find("\"level_end\",\"level\":3");
    for (const char* step : {"\"name\":\"levelcomplete\"", "\"name\":\"map\"", "\"name\":\"game\"",
                             "\"level_start\",\"level\":4"}) {
        at = a.find(step, at == std::string::npos ? at : at + 1);
        EXPECT_NE(at, std::string::npos) << "then " << step << " in\n" << a;
    }
    EXPECT_EQ(a, b) << "the same seed, the same game";
    EXPECT_NE(a, c) << "another seed, another game";
}

// The level report's way of playing: nothing drawn, the same game. It ends by itself after the level.
TEST_F(PlayTest, ASimulatedRunPlaysTheDrawnGameExactlyAndEndsOnTheEventAskedFor) {
    auto lastEnd = [](const std::string& report) {
        const size_t at = report.find("\"event\":\"level_end\"");
        return at == std::string::npos ? "" : report.substr(at, report.find('\n', at) - at);
    };
    const std::string drawn = Play({"--seed", "5", "--level", "3", "--autoplay"}, "95000 quit\n", "drawn");
    const std::string report = folder_ + "simulated.jsonl";
    std::string output;
    ASSERT_EQ(murkwell::test::RunProgram({kProgram, "--simulate", "--seed", "5", "--level", "3", "--autoplay",
                                          "--report", report, "--exit-on", "level_end"},
                                         output, 60, {"XDG_DATA_HOME=" + folder_ + "simulated-home"}),
              0)
        << output;
    const std::string simulated = Read(report);
    ASSERT_FALSE(lastEnd(drawn).empty()) << drawn;
    EXPECT_EQ(lastEnd(simulated), lastEnd(drawn));
    EXPECT_EQ(simulated.substr(simulated.rfind("level_end")).find("\"level\":4"), std::string::npos)
        << "it stops at the first level's end\n" << simulated;
    const long used = Field(simulated, {"level_end"}, "time_used_ms"),
               left = Field(simulated, {"level_end"}, "time_left_ms"),
               limit = Field(simulated, {"level_end"}, "time_limit_ms");
    EXPECT_GT(used, 0);
    EXPECT_NEAR(used + left, limit, 5) << simulated;
}

TEST_F(PlayTest, AFirstStartLoadsNamesAPlayerOnTheTitleWhoWinsLevelOneAndComesBackForLevelTwo) {
    const std::vector<std::string> args = {"--seed", "5", "--autoplay"};
    const std::string first = Play(args, "70000 quit\n", "first", "shared");
    size_t at = 0;
    for (const char* step : {"\"name\":\"loading\"", "\"name\":\"title\"", "\"event\":\"player\",\"name\":\"Wren\"",
                             "\"name\":\"intro\"", "\"name\":\"map\"", "\"level_start\",\"level\":1,\"mode\":\"timed\"",
                             "\"level_end\",\"level\":1,\"result\":\"won\""}) {
        at = first.find(step, at);
        ASSERT_NE(at, std::string::npos) << "then " << step << " in\n" << first;
    }
    EXPECT_EQ(first.find("\"event\":\"screen\",\"name\":\"loading\""), first.find("\"event\":\"screen\""))
        << "the loading screen is the first";
    // The next start greets Wren from the settings and the profile: no name is asked, no intro is shown,
    // level 2 is next.
    const std::string second = Play(args, "32000 quit\n", "second", "shared");
    EXPECT_EQ(second.find("\"event\":\"player\""), second.rfind("\"event\":\"player\"")) << second;
    EXPECT_NE(second.find("\"event\":\"player\",\"name\":\"Wren\""), std::string::npos) << second;
    EXPECT_EQ(second.find("\"name\":\"intro\""), std::string::npos) << second;
    EXPECT_NE(second.find("\"level_start\",\"level\":2"), std::string::npos) << second;
}

TEST_F(PlayTest, TheFirstLevelsTeachThemselvesAndTheAutoplayerReadsEveryTipAndStoryOnItsWay) {
    const std::string report = Play({"--seed", "3", "--level", "1", "--autoplay"}, "195000 quit\n", "teach");
    // In order: each level's start, what it tells, its win.
    size_t at = 0;
    for (const char* step :
         {"\"level_start\",\"level\":1", "\"story\",\"key\":\"StoryMessageText1\"",
          "\"tip\",\"key\":\"Hint 1\"", "\"tip\",\"key\":\"Hint 1b\"", "\"level\":1,\"result\":\"won\"",
          "\"story\",\"key\":\"FoundItemMessageText1\"", "\"level_start\",\"level\":2",
          "\"tip\",\"key\":\"Hint 2\"", "\"tip\",\"key\":\"Hint 2b\"", "\"level\":2,\"result\":\"won\"",
          "\"story\",\"key\":\"FoundItemMessageText2\"", "\"level_start\",\"level\":3",
          "\"tip\",\"key\":\"Hint 3\"", "\"tip\",\"key\":\"Hint 3b\"", "\"level\":3,\"result\":\"won\""}) {
        at = report.find(step, at);
        ASSERT_NE(at, std::string::npos) << "then " << step << " in\n" << report;
    }
    EXPECT_EQ(report.find("\"result\":\"time_up\""), std::string::npos) << report;
    // Each tip is read a second and a half before the player's first move: the first-swap tip follows it
    // no sooner.
    EXPECT_GE(Field(report, {"\"Hint 1b\""}, "t") - Field(report, {"\"Hint 1\""}, "t"), 1500) << report;
}

TEST_F(PlayTest, AMoveIsPlayedWithTheKeysAlone) {
    // Seed 3 lays level 1's board with a green gem in the middle under a red one that closes a row of
    // reds: the first arrow shows the cursor there, Enter takes the green gem and Up swaps it.
    const std::string data = DataWith(Read(kData + "/levels/1.txt"));
    const std::string script = "12000 key 39\n12200 key 13\n12400 key 38\n15000 quit\n";
    const std::string report = Play({"--data", data, "--seed", "3", "--level", kQuiet}, script, "keys");
    EXPECT_EQ(Field(report, {"level_end", "\"result\":\"left\""}, "moves"), 1) << report;
    EXPECT_GT(Field(report, {"level_end"}, "score"), 0) << report;
}

TEST_F(PlayTest, TheAutoplayerWinsALevelOnTheKeyboardAlone) {
    // Level 1 opens with its story and tips: OK and each tip pressed through the focus by Tab and Enter, the
    // arrows and Enter on the board. A tip left open would hold the board until the clock ran out.
    const std::string report =
        Play({"--seed", "3", "--level", "1", "--autoplay", "--keyboard", "--exit-on", "level_end"}, "",
             "keyboard");
    EXPECT_NE(report.find("\"event\":\"dialog\",\"name\":\"story\""), std::string::npos) << report;
    EXPECT_GT(Field(report, {"level_end", "\"level\":1", "\"result\":\"won\""}, "moves"), 0) << report;
    EXPECT_EQ(output_.find("sent to the mouse"), std::string::npos) << output_;
}

TEST_F(PlayTest, TheIntroDropsTheBoardInAndShowsPlayBeforeTheLevelBegins) {
    const std::string data = DataWith(Read(kData + "/levels/1.txt"));
    const std::string first = Play({"--data", data, "--level", kQuiet}, "12000 quit\n", "start");
    const long start = Field(first, {"\"name\":\"game\""}, "t");
    ASSERT_GT(start, 0);
    EXPECT_EQ(Field(first, {"level_end", "\"result\":\"left\""}, "level"), kQuietLevel)
        << "closed mid-level: left";
    // The intro runs 3500 ms from the end of the 300 ms fade-in; the board falls in between 1000 and
    // 2500 ms into it and "Play" shows in its last second.
    const long intro = start + 300;
    Play({"--data", data, "--level", kQuiet},
         Screenshot(intro + 500, "above.png") + Screenshot(intro + 1800, "falling.png") +
             Screenshot(intro + 3000, "play.png") + Screenshot(intro + 4500, "ready.png") +
             std::to_string(intro + 4600) + " quit\n",
         "intro");
    const auto above = Shot("above.png"), falling = Shot("falling.png"), play = Shot("play.png"),
               ready = Shot("ready.png");
    // The board's lower half: empty sky while the board is above, then the board.
    EXPECT_GT(Differing(above, ready, kBoardX, kBoardY + kBoardSize / 2, kBoardSize, kBoardSize / 2), 0.5);
    EXPECT_GT(Differing(above, falling, kBoardX, kBoardY, kBoardSize, kBoardSize), 0.2) << "under way";
    EXPECT_GT(Differing(falling, ready, kBoardX, kBoardY, kBoardSize, kBoardSize), 0.2) << "not there yet";
    // "Play" over the board in the intro's last second, gone once the level begins.
    EXPECT_GT(Differing(play, ready, 472, 290, 200, 100), 0.2);
    EXPECT_LT(Differing(play, ready, kBoardX, kBoardY + kBoardSize - 60, kBoardSize, 50), 0.1);
}

TEST_F(PlayTest, TimeRunningOutShakesTheBoardAwayAndStartsTheLevelAgain) {
    const std::string data = DataWith(LevelOne("time=6", "goals=99,1,0,0,0"));
    const long start =
        Field(Play({"--data", data, "--level", kQuiet}, "12000 quit\n", "start"), {"\"name\":\"game\""}, "t");
    ASSERT_GT(start, 0);
    const long timeUp = start + 300 + 6000;
    const std::string report =
        Play({"--data", data, "--level", kQuiet},
             Screenshot(timeUp - 500, "playing.png") + Screenshot(timeUp + 500, "up.png") +
                 Screenshot(timeUp + 3000, "scattered.png") + Screenshot(timeUp + 4500, "again.png") +
                 std::to_string(timeUp + 4600) + " quit\n",
             "timeup");
    const long ended = Field(report, {"level_end", "\"result\":\"time_up\""}, "t");
    EXPECT_NEAR(ended, timeUp + 4000, 100) << report;
    EXPECT_NE(report.find("\"level_start\",\"level\":" + kQuiet, report.find("time_up")), std::string::npos)
        << "the same level again";
    const auto playing = Shot("playing.png"), up = Shot("up.png"), scattered = Shot("scattered.png"),
               again = Shot("again.png");
    // "Time's Up!" in red over the board.
    int red = 0;
    for (int y = 300; y < 380; ++y) {
        for (int x = 380; x < 760; ++x) {
            const platform::Rgba p = up.At(x, y);
            red += p.r > 200 && p.g < 140 && p.b < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(red, 300);
    EXPECT_GT(Differing(playing, scattered, kBoardX, kBoardY, kBoardSize, kBoardSize), 0.3) << "gone";
    EXPECT_GT(Differing(playing, again, kBoardX, kBoardY + kBoardSize / 2, kBoardSize, kBoardSize / 2), 0.5)
        << "a new board waits above the screen";
}

TEST_F(PlayTest, AWonLevelsBoardFallsAwayUnderWellDone) {
    // No goal: the first match wins.
    const std::string data = DataWith(LevelOne("time=180", "goals=0,0,0,0,0"));
    const std::vector<std::string> args = {"--data", data, "--level", kQuiet, "--autoplay", "--seed", "3"};
    const long won = Field(Play(args, "30000 quit\n", "first"), {"level_end", "\"result\":\"won\""}, "t");
    ASSERT_GT(won, 0);
    // The outro lasts 4500 ms and ends the level: the board falls from 2000 ms on, "Well Done" shows in
    // the last 1500.
    Play(args,
         Screenshot(won - 4300, "still.png") + Screenshot(won - 600, "done.png") + std::to_string(won - 500) +
             " quit\n",
         "outro");
    const auto still = Shot("still.png"), done = Shot("done.png");
    EXPECT_GT(Differing(still, done, kBoardX, kBoardY + kBoardSize / 2, kBoardSize, kBoardSize / 2), 0.4)
        << "the board has fallen";
    EXPECT_GT(Differing(still, done, 412, 300, 320, 80), 0.2) << "Well Done";
}

// The events of the report in order, each the first holding all its marks after the one before.
void ExpectInOrder(const std::string& report, const std::vector<std::vector<std::string>>& events) {
    std::istringstream lines(report);
    std::string line;
    for (const auto& marks : events) {
        bool found = false;
        while (!found && std::getline(lines, line)) {
            found = std::all_of(marks.begin(), marks.end(),
                                [&line](const std::string& mark) { return line.find(mark) != std::string::npos; });
        }
        ASSERT_TRUE(found) << "then " << marks.front() << " in\n" << report;
    }
}

TEST_F(PlayTest, TheAutoplayerShopsBetweenLevelsPowerupsFirstAndPlaysOn) {
    const std::string data = DataWith({{1, LevelOne("time=180", "goals=0,0,0,0,0")},
                                       {3, LevelOne("time=180", "goals=0,0,0,0,0", 3)}});
    // Level 1 opens level 2 and with it the keeper's pumpkin, which costs nothing; its found item sends the
    // player to her shop.
    const std::string first =
        Play({"--data", data, "--level", "1", "--autoplay", "--seed", "3"}, "50000 quit\n", "first", "player");
    ExpectInOrder(first, {{"level_end", "\"level\":1", "won"},
                          {"\"screen\"", "\"shop\""},
                          {"\"dialog\"", "\"purchase\""},
                          {"\"purchase\"", "\"item\":1,", "\"price\":0"},
                          {"\"screen\"", "\"map\""},
                          {"\"screen\"", "\"game\""},
                          {"level_start", "\"level\":2"}});
    // The player's bank, put at 100 gold in the profile the level wrote.
    const std::string profile = folder_ + "player-home/Tarnfield/Murkwell/profiles/Player.dat";
    std::string bytes = Read(profile);
    ASSERT_EQ(bytes.size(), 696u);
    const char hundred[4] = {100, 0, 0, 0};
    bytes.replace(440 + 57 * 4, 4, hundred, 4);
    std::ofstream(profile, std::ios::binary) << bytes;
    // Level 3 opens the coffin (30 gold, the stake's first stage): bought before the free candelabra.
    const std::string second =
        Play({"--data", data, "--level", "3", "--autoplay", "--seed", "3"}, "55000 quit\n", "second", "player");
    const long gold = Field(second, {"level_end", "\"level\":3"}, "gold");
    ASSERT_GE(gold, 0) << second;
    ExpectInOrder(second, {{"level_end", "\"level\":3", "won"},
                           {"\"screen\"", "\"shop\""},
                           {"\"purchase\"", "\"item\":24,", "\"price\":30,",
                            "\"gold_left\":" + std::to_string(100 + gold - 30)},
                           {"\"purchase\"", "\"item\":5,", "\"price\":0"},
                           {"\"screen\"", "\"map\""},
                           {"level_start", "\"level\":4"}});
    EXPECT_EQ(second.find("\"item\":1,"), std::string::npos) << "bought once, in the first game";
}

// The game begun afresh shows its intro again on the way from the title to the map.
TEST_F(PlayTest, TheLastLevelWonLeadsThroughTheEndingAndTheCreditsToTheTitleAndAFreshStart) {
    // No goal: the first match wins the hundredth level.
    const std::string data = DataWith({{100, LevelOne("time=180", "goals=0,0,0,0,0", 100)}});
    const std::string report =
        Play({"--data", data, "--level", "100", "--autoplay", "--seed", "4"}, "42000 quit\n", "ending");
    size_t at = report.find("\"level_end\",\"level\":100,\"result\":\"won\"");
    ASSERT_NE(at, std::string::npos) << report;
    for (const char* step : {"\"name\":\"levelcomplete\"", "\"name\":\"gamefinished\"", "\"name\":\"credits\"",
                             "\"name\":\"title\"", "\"name\":\"intro\"", "\"name\":\"map\""}) {
        at = report.find(step, at + 1);
        ASSERT_NE(at, std::string::npos) << "then " << step << " in\n" << report;
    }
}

}  // namespace
