#include "app/autoplay/EventReport.h"

#include <cstdio>
#include <memory>
#include <sstream>

#include "framework/core/Game.h"
#include "framework/screens/Screen.h"
#include "framework/ui/Dialog.h"
#include "game/save/SaveData.h"
#include "game/screens/LevelEvents.h"
#include "game/screens/PlayerProfiles.h"

namespace {

// A JSON string: quotes, backslashes and control characters escaped; other bytes (UTF-8) as they are.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

class TEventReport {
public:
    TEventReport(std::FILE* file, uint32_t start, std::string exitOn)
        : file_(file), start_(start), exitOn_(std::move(exitOn)) {}
    ~TEventReport() { std::fclose(file_); }

    // One line: the time and the event's name, then the fields already written as JSON. name: the
    // event's "name" field, if it has one, for the exit-on test.
    void Write(const std::string& event, const std::string& fields = "", const std::string& name = "") {
        const uint32_t t = Game->GetPlatform().GetClock().Millisecs() - start_;
        std::fprintf(file_, "{\"t\":%u,\"event\":%s%s}\n", t, Quoted(event).c_str(), fields.c_str());
        std::fflush(file_);
        // Ends the game the way closing the window does, once the event waited for has been written.
        if (!exitOn_.empty() && (exitOn_ == event || exitOn_ == event + ":" + name)) Game->TerminatedEvent = 1;
    }

private:
    std::FILE* file_;
    uint32_t start_;
    std::string exitOn_;
};

}  // namespace

bool InstallEventReport(const std::string& path, const std::string& exitOn, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) {
        error = "cannot write the report " + path;
        return false;
    }
    auto report = std::make_shared<TEventReport>(file, Game->GetPlatform().GetClock().Millisecs(), exitOn);
    Game->ScreenEnteredFunction = [report](TScreen& screen) {
        report->Write("screen", ",\"name\":" + Quoted(screen.name), screen.name);
    };
    LevelEvents.LevelStarted = [report](int level) {
        report->Write("level_start", ",\"level\":" + std::to_string(level) +
                                         ",\"mode\":" + Quoted(SaveData.timer ? "timed" : "relaxed"));
    };
    Game->DialogOpenedFunction = [report](TDialog& dialog) {
        report->Write("dialog", ",\"name\":" + Quoted(dialog.Name), dialog.Name);
    };
    ItemPurchased = [report](int item, int price, int goldLeft) {
        report->Write("purchase", ",\"item\":" + std::to_string(item) + ",\"price\":" + std::to_string(price) +
                                      ",\"gold_left\":" + std::to_string(goldLeft));
    };
    LevelEvents.LevelEnded = [report](const TLevelEnd& end) {
        std::ostringstream fields;
        fields << ",\"level\":" << end.level << ",\"result\":" << Quoted(end.result)
               << ",\"score\":" << end.score << ",\"gold\":" << end.gold
               << ",\"time_left_ms\":" << end.timeLeftMs << ",\"moves\":" << end.moves
               << ",\"bombs\":" << end.bombs << ",\"powerups\":" << end.powerups
               << ",\"time_used_ms\":" << end.timeUsedMs << ",\"time_limit_ms\":" << end.timeLimitMs;
        report->Write("level_end", fields.str());
    };
    PlayerChangedFunction = [report](const std::string& name) {
        report->Write("player", ",\"name\":" + Quoted(name));
    };
    LevelEvents.TipShown = [report](const std::string& key) {
        report->Write("tip", ",\"key\":" + Quoted(key));
    };
    LevelEvents.StoryShown = [report](const std::string& key) {
        report->Write("story", ",\"key\":" + Quoted(key));
    };
    return true;
}
