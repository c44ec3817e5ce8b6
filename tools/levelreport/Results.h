#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// What one simulated play of a level came to, and the figures of each level over its seeds.
namespace levelreport {

struct Run {
    int level = 0;
    unsigned seed = 0;
    std::string result;  // "won", "time_up", "no_moves", "left", or "stuck" when no level_end came
    double timeUsedS = 0;
    double timeLeftS = 0;
    double timeLimitS = 0;
    int score = 0;
    int gold = 0;
    int moves = 0;
    int bombs = 0;
    int powerups = 0;
};

// The run as the game's report tells it: the first level_end line. A report without one (a game that was
// killed, or ended otherwise) gives the result "stuck".
Run RunFromReport(int level, unsigned seed, const std::string& report);

struct LevelSummary {
    int level = 0;
    int runs = 0;
    int wins = 0;
    double winRate = 0;        // 0 to 1
    double meanMargin = 0;     // time left over the limit, over the won runs (0 to 1)
    double minMargin = 0;      // the least of them
    double maxMargin = 0;      // the most of them
    double meanTimeUsedS = 0;  // over every run
    double minTimeUsedS = 0;   // the quickest won run
    double meanGold = 0;
    double meanMoves = 0;
};

// One summary a level, in level order, of the levels that have runs.
std::vector<LevelSummary> Summarise(const std::vector<Run>& runs);

// The table of runs as CSV with a header line, and as JSON lines.
void WriteRunsCsv(std::ostream& out, const std::vector<Run>& runs);
void WriteRunsJson(std::ostream& out, const std::vector<Run>& runs);
// The summaries as CSV with a header line.
void WriteSummaryCsv(std::ostream& out, const std::vector<LevelSummary>& levels);

}  // namespace levelreport
