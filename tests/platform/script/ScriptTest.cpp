#include <gtest/gtest.h>

#include "platform/null/NullEvents.h"
#include "platform/os/SystemClock.h"
#include "platform/script/Script.h"
#include "platform/script/ScriptedEvents.h"

namespace platform {
namespace {

std::vector<ScriptStep> Parse(const std::string& text) {
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_TRUE(ParseScript(text, "t.txt", steps, error)) << error;
    return steps;
}

std::string ParseError(const std::string& text) {
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_FALSE(ParseScript(text, "t.txt", steps, error));
    return error;
}

TEST(ScriptParsing, EveryCommandWithCommentsAndBlankLines) {
    const auto steps = Parse(
        "# a comment\n"
        "\n"
        "500 move 512 384        # pointer to the middle\r\n"
        "600 press 1\n"
        "650 release 1\n"
        "700 click 300 200\n"
        "800 key 27\n"
        "810 keydown 16\n"
        "820 keyup 16\n"
        "900 text Ada Lovelace   # typed characters\n"
        "950 text a#b\n"
        "1000 screenshot out.png\n"
        "1200 quit\n");
    ASSERT_EQ(steps.size(), 11u);
    EXPECT_EQ(steps[0].kind, ScriptStep::Kind::Move);
    EXPECT_EQ(steps[0].time, 500u);
    EXPECT_EQ(steps[0].a, 512);
    EXPECT_EQ(steps[0].b, 384);
    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[3].kind, ScriptStep::Kind::Click);
    EXPECT_EQ(steps[4].a, 27);
    EXPECT_EQ(steps[7].text, "Ada Lovelace");
    EXPECT_EQ(steps[8].text, "a#b");
    EXPECT_EQ(steps[9].text, "out.png");
    EXPECT_EQ(steps[10].kind, ScriptStep::Kind::Quit);
}

TEST(ScriptParsing, StepsAreOrderedByTimeKeepingFileOrderForTies) {
    const auto steps = Parse("300 key 65\n100 key 66\n300 key 67\n");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].a, 66);
    EXPECT_EQ(steps[1].a, 65);
    EXPECT_EQ(steps[2].a, 67);
}

TEST(ScriptParsing, MistakesNameTheFileAndLine) {
    EXPECT_EQ(ParseError("100 key 27\nsoon quit\n"),
              "t.txt:2: the line must start with a time in milliseconds, not 'soon'");
    EXPECT_EQ(ParseError("100 jump\n"), "t.txt:1: unknown command 'jump'");
    EXPECT_EQ(ParseError("100 move 5\n"), "t.txt:1: 'move' takes 2 number(s)");
    EXPECT_EQ(ParseError("100 press 4\n"), "t.txt:1: '4' is not a valid value for 'press'");
    EXPECT_EQ(ParseError("100 key 300\n"), "t.txt:1: '300' is not a valid value for 'key'");
    EXPECT_EQ(ParseError("100 key x\n"), "t.txt:1: 'x' is not a valid value for 'key'");
    EXPECT_EQ(ParseError("100 text\n"), "t.txt:1: 'text' needs the text to type");
    EXPECT_EQ(ParseError("100 screenshot a b.png\n"), "t.txt:1: 'screenshot' needs one file name (without blanks)");
    EXPECT_EQ(ParseError("-5 quit\n"), "t.txt:1: the line must start with a time in milliseconds, not '-5'");
    EXPECT_EQ(ParseError("100\n"), "t.txt:1: a command must follow the time");
}

TEST(ScriptParsing, MissingFileIsReported) {
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_FALSE(LoadScript("/nonexistent/script.txt", steps, error));
    EXPECT_NE(error.find("/nonexistent/script.txt"), std::string::npos);
}

class ScriptedEventsTest : public ::testing::Test {
protected:
    void Start(const std::string& text) {
        auto inner = std::make_unique<NullEvents>();
        inner_ = inner.get();
        events_ = std::make_unique<ScriptedEvents>(
            std::move(inner), clock_, Parse(text),
            [](int vx, int vy, int& wx, int& wy) { wx = vx * 2, wy = vy * 2; },
            [this](const std::string& path) { screenshots_.push_back(path); });
    }
    std::vector<Event> Drain() {
        std::vector<Event> out;
        for (Event e; events_->PollEvent(e);) out.push_back(e);
        return out;
    }

    ManualClock clock_{1000};
    NullEvents* inner_ = nullptr;
    std::unique_ptr<ScriptedEvents> events_;
    std::vector<std::string> screenshots_;
};

TEST_F(ScriptedEventsTest, StepsArriveWhenTheClockReachesThem) {
    Start("100 key 65\n200 click 10 20\n");
    EXPECT_TRUE(Drain().empty());
    clock_.Advance(99);
    EXPECT_TRUE(Drain().empty());
    clock_.Advance(1);
    auto events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].type, EventType::KeyDown);
    EXPECT_EQ(events[0].key, 65);
    EXPECT_EQ(events[1].type, EventType::KeyUp);
    clock_.Advance(150);
    events = Drain();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].type, EventType::MouseMove);
    EXPECT_EQ(events[0].x, 20) << "virtual coordinates are mapped to window pixels";
    EXPECT_EQ(events[0].y, 40);
    EXPECT_EQ(events[1].type, EventType::MouseDown);
    EXPECT_EQ(events[1].button, 1);
    EXPECT_EQ(events[1].x, 20);
    EXPECT_EQ(events[2].type, EventType::MouseUp);
    EXPECT_TRUE(events_->Finished());
}

TEST_F(ScriptedEventsTest, RealEventsStillComeThroughFirst) {
    Start("0 key 66\n");
    Event real;
    real.type = EventType::FocusLost;
    inner_->Push(real);
    const auto events = Drain();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].type, EventType::FocusLost);
}

TEST_F(ScriptedEventsTest, TextEscapeScreenshotAndQuit) {
    Start("0 text né\n0 key 27\n0 screenshot shot.png\n0 quit\n");
    const auto events = Drain();
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].character, U'n');
    EXPECT_EQ(events[1].character, U'é');
    EXPECT_EQ(events[2].type, EventType::KeyDown);
    EXPECT_EQ(events[3].type, EventType::Character);
    EXPECT_EQ(events[3].character, U'\x1b');
    EXPECT_EQ(events[4].type, EventType::KeyUp);
    EXPECT_EQ(events[5].type, EventType::CloseRequest);
    EXPECT_EQ(screenshots_, std::vector<std::string>{"shot.png"});
}

TEST_F(ScriptedEventsTest, PressAndReleaseUseTheLastPointerPosition) {
    Start("0 move 5 6\n10 press 2\n20 release 2\n");
    Drain();
    clock_.Advance(10);
    const auto pressed = Drain();
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(pressed[0].button, 2);
    EXPECT_EQ(pressed[0].x, 10);
    EXPECT_EQ(pressed[0].y, 12);
}

}  // namespace
}  // namespace platform
