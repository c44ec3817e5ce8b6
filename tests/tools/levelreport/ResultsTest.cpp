// The level report's reading of the game's reports, its figures per level and its chart.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/codecs/ImageCodec.h"
#include "tests/support/TempFolder.h"
#include "tools/levelreport/Chart.h"
#include "tools/levelreport/Results.h"

namespace {

using namespace levelreport;

std::string End(const std::string& result, int usedMs, int leftMs, int limitMs, int gold = 0) {
    return "{\"t\":9,\"event\":\"level_end\",\"level\":4,\"result\":\"" + result +
           "\",\"score\":310,\"gold\":" + std::to_string(gold) + ",\"time_left_ms\":" + std::to_string(leftMs) +
           ",\"moves\":12,\"bombs\":2,\"powerups\":1,\"time_used_ms\":" + std::to_string(usedMs) +
           ",\"time_limit_ms\":" + std::to_string(limitMs) + "}\n";
}

TEST(LevelReport, ARunIsTheFirstLevelEndOfTheGamesReport) {
    const std::string before = "{\"t\":1,\"event\":\"screen\",\"name\":\"game\"}\n";
    const levelreport::Run won = RunFromReport(4, 2, before + End("won", 60000, 120000, 180000, 17) + End("time_up", 1, 0, 1));
    EXPECT_EQ(won.result, "won");
    EXPECT_DOUBLE_EQ(won.timeUsedS, 60);
    EXPECT_DOUBLE_EQ(won.timeLeftS, 120);
    EXPECT_DOUBLE_EQ(won.timeLimitS, 180);
    EXPECT_EQ(won.gold, 17);
    EXPECT_EQ(won.moves, 12);
    EXPECT_EQ(won.bombs, 2);
    EXPECT_EQ(won.powerups, 1);
    EXPECT_EQ(won.level, 4);
    EXPECT_EQ(won.seed, 2u);
    for (const std::string& cut : {std::string(), before, std::string("{\"t\":3,\"event\":\"level_e")}) {
        EXPECT_EQ(RunFromReport(4, 2, cut).result, "stuck") << "a game that never ended the level: " << cut;
    }
}

TEST(LevelReport, EachLevelSumsItsSeeds) {
    std::vector<levelreport::Run> runs;
    for (const auto& [level, result, used, left] :
         std::vector<std::tuple<int, std::string, int, int>>{{2, "won", 40000, 60000},
                                                             {2, "won", 70000, 30000},
                                                             {2, "time_up", 100000, 0},
                                                             {1, "won", 25000, 75000}}) {
        runs.push_back(RunFromReport(level, 1, End(result, used, left, 100000, 10)));
        runs.back().level = level;
    }
    const auto levels = Summarise(runs);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[0].level, 1) << "in level order";
    const LevelSummary& two = levels[1];
    EXPECT_EQ(two.runs, 3);
    EXPECT_EQ(two.wins, 2);
    EXPECT_NEAR(two.winRate, 2.0 / 3, 1e-9);
    EXPECT_NEAR(two.meanMargin, 0.45, 1e-9) << "margins of the won runs only";
    EXPECT_NEAR(two.minMargin, 0.3, 1e-9);
    EXPECT_NEAR(two.maxMargin, 0.6, 1e-9);
    EXPECT_NEAR(two.meanTimeUsedS, 70, 1e-9) << "time of every run";
    EXPECT_NEAR(two.minTimeUsedS, 40, 1e-9);
    EXPECT_NEAR(two.meanGold, 10, 1e-9);

    std::ostringstream csv, json;
    WriteRunsCsv(csv, runs);
    WriteRunsJson(json, runs);
    EXPECT_EQ(csv.str().substr(0, csv.str().find('\n')),
              "level,seed,result,time_used_s,time_left_s,time_limit_s,score,gold,moves,bombs,powerups");
    EXPECT_NE(csv.str().find("\n2,1,time_up,100,0,100,310,10,12,2,1\n"), std::string::npos) << csv.str();
    const std::string lines = json.str();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 4) << "a line a run";
}

TEST(LevelReport, TheChartMarksTheLevelsBelowFourInFiveInRed) {
    murkwell::test::TempFolder folder;
    const std::string path = folder.Path() + "/chart.png";
    LevelSummary all, none;
    all.level = 1, all.runs = all.wins = 5, all.winRate = 1, all.meanMargin = all.minMargin = all.maxMargin = 0.5;
    none.level = 2, none.runs = 5, none.winRate = 0;
    std::string error;
    ASSERT_TRUE(WriteChart(path, "test", {all, none}, error)) << error;
    platform::PixelMap chart;
    ASSERT_TRUE(platform::LoadImageFile(path, chart, error)) << error;
    ASSERT_EQ(chart.Width(), 1600);
    ASSERT_EQ(chart.Height(), 1000);
    // The bands start 90 px in; the two levels share the width, the won one on the left. The win band's
    // foot is at y 340.
    const platform::Rgba won = chart.At(90 + 370, 330), lost = chart.At(90 + 1110, 337);
    EXPECT_GT(won.g, won.r + 60) << "a level won in every run stands green";
    EXPECT_GT(lost.r, lost.g + 60) << "a level never won shows a red stub";
    EXPECT_FALSE(WriteChart(path, "test", {}, error)) << "nothing to chart";
}

}  // namespace
