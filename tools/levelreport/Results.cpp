#include "tools/levelreport/Results.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <ostream>
#include <sstream>

namespace levelreport {
namespace {

// The number after "key": on the line, or 0 when the line has no such field.
double Number(const std::string& line, const std::string& key) {
    const size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? 0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

std::string Text(const std::string& line, const std::string& key) {
    const std::string mark = "\"" + key + "\":\"";
    const size_t at = line.find(mark);
    if (at == std::string::npos) return "";
    const size_t from = at + mark.size();
    return line.substr(from, line.find('"', from) - from);
}

}  // namespace

Run RunFromReport(int level, unsigned seed, const std::string& report) {
    Run run;
    run.level = level;
    run.seed = seed;
    run.result = "stuck";
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("\"event\":\"level_end\"") == std::string::npos) continue;
        run.result = Text(line, "result");
        run.timeUsedS = Number(line, "time_used_ms") / 1000;
        run.timeLeftS = Number(line, "time_left_ms") / 1000;
        run.timeLimitS = Number(line, "time_limit_ms") / 1000;
        run.score = static_cast<int>(Number(line, "score"));
        run.gold = static_cast<int>(Number(line, "gold"));
        run.moves = static_cast<int>(Number(line, "moves"));
        run.bombs = static_cast<int>(Number(line, "bombs"));
        run.powerups = static_cast<int>(Number(line, "powerups"));
        break;
    }
    return run;
}

std::vector<LevelSummary> Summarise(const std::vector<Run>& runs) {
    std::map<int, std::vector<const Run*>> byLevel;
    for (const Run& run : runs) byLevel[run.level].push_back(&run);
    std::vector<LevelSummary> out;
    for (const auto& [level, levelRuns] : byLevel) {
        LevelSummary s;
        s.level = level;
        s.runs = static_cast<int>(levelRuns.size());
        s.minMargin = 1;
        s.minTimeUsedS = 1e9;
        double margins = 0, used = 0, gold = 0, moves = 0;
        for (const Run* run : levelRuns) {
            used += run->timeUsedS;
            gold += run->gold;
            moves += run->moves;
            if (run->result != "won") continue;
            ++s.wins;
            const double margin = run->timeLimitS > 0 ? run->timeLeftS / run->timeLimitS : 0;
            margins += margin;
            s.minMargin = std::min(s.minMargin, margin);
            s.maxMargin = std::max(s.maxMargin, margin);
            s.minTimeUsedS = std::min(s.minTimeUsedS, run->timeUsedS);
        }
        s.winRate = static_cast<double>(s.wins) / s.runs;
        s.meanMargin = s.wins ? margins / s.wins : 0;
        if (s.wins == 0) s.minMargin = 0, s.minTimeUsedS = 0;
        s.meanTimeUsedS = used / s.runs;
        s.meanGold = gold / s.runs;
        s.meanMoves = moves / s.runs;
        out.push_back(s);
    }
    return out;
}

void WriteRunsCsv(std::ostream& out, const std::vector<Run>& runs) {
    out << "level,seed,result,time_used_s,time_left_s,time_limit_s,score,gold,moves,bombs,powerups\n";
    for (const Run& r : runs) {
        out << r.level << ',' << r.seed << ',' << r.result << ',' << r.timeUsedS << ',' << r.timeLeftS << ','
            << r.timeLimitS << ',' << r.score << ',' << r.gold << ',' << r.moves << ',' << r.bombs << ','
            << r.powerups << '\n';
    }
}

void WriteRunsJson(std::ostream& out, const std::vector<Run>& runs) {
    for (const Run& r : runs) {
        out << "{\"level\":" << r.level << ",\"seed\":" << r.seed << ",\"result\":\"" << r.result
            << "\",\"time_used_s\":" << r.timeUsedS << ",\"time_left_s\":" << r.timeLeftS
            << ",\"time_limit_s\":" << r.timeLimitS << ",\"score\":" << r.score << ",\"gold\":" << r.gold
            << ",\"moves\":" << r.moves << ",\"bombs\":" << r.bombs << ",\"powerups\":" << r.powerups << "}\n";
    }
}

void WriteSummaryCsv(std::ostream& out, const std::vector<LevelSummary>& levels) {
    out << "level,runs,wins,win_rate,mean_margin,min_margin,max_margin,mean_time_used_s,min_time_used_s,"
           "mean_gold,mean_moves\n";
    for (const LevelSummary& s : levels) {
        out << s.level << ',' << s.runs << ',' << s.wins << ',' << s.winRate << ',' << s.meanMargin << ','
            << s.minMargin << ',' << s.maxMargin << ',' << s.meanTimeUsedS << ',' << s.minTimeUsedS << ','
            << s.meanGold << ',' << s.meanMoves << '\n';
    }
}

}  // namespace levelreport
