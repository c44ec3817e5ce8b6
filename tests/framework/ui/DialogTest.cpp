// Dialogs managed by a screen through the real loop: what Manage answers and when, the keys that answer
// for the buttons, Escape taken while open and given back, and where the slides start from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/sprites/Animation.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogTextInput.h"
#include "framework/ui/DialogYesNo.h"
#include "platform/KeyCodes.h"
#include "tests/framework/ui/UiTestSupport.h"

namespace murkwell::test {
namespace {

// A screen that runs one dialog and writes down what each tick's Manage answered.
class DialogScreen : public ButtonScreen {
public:
    std::shared_ptr<TDialog> dialog;
    std::vector<int> answers;
    int Logic() override {
        if (dialog) answers.push_back(dialog->Manage());
        return 1;
    }
    int Draw() override {
        if (dialog) dialog->Draw();
        return 1;
    }
};

class DialogTest : public UiTest {
protected:
    DialogTest() { game().CurrentTScreen = &dialogs; }

    // The answers of the ticks since the last call.
    std::vector<int> Answers() {
        auto answers = dialogs.answers;
        dialogs.answers.clear();
        return answers;
    }
    // The middle of a button of the open dialog.
    void ClickButton(const char* name) {
        const auto button = dialogs.dialog->Menu->FindButton(name);
        ASSERT_NE(button, nullptr) << name;
        ClickAt(static_cast<int>(button->x + button->Width() / 2), static_cast<int>(button->y + button->Height() / 2));
    }
    static std::shared_ptr<TDialog> Make(bool yesNo) {
        std::shared_ptr<TDialog> dialog;
        if (yesNo) {
            dialog = TDialogYesNo::Create("Leave the crypt?", nullptr, 400, 0, 0, 1, 20, "");
        } else {
            dialog = TDialogOK::Create("The well is dry.", nullptr, 400, 0, 0, "");
        }
        return dialog;
    }

    DialogScreen dialogs;
};

TEST_F(DialogTest, AnswersOnTheTickOfTheClickOrWhenTheSlideOutEnds) {
    struct Case {
        bool yesNo;
        int outMs;
        const char* button;  // clicked, or null for the key
        int key;
        int answer;
    };
    const Case cases[] = {
        {false, 0, "OK", 0, 1},
        {false, 0, nullptr, platform::vk::kEscape, 1},
        {false, 300, "OK", 0, 1},
        {true, 0, "Yes", 0, 1},
        {true, 0, "No", 0, -1},
        {true, 0, nullptr, platform::vk::kEscape, -1},
        {true, 0, nullptr, 78, -1},  // N
        {true, 0, nullptr, 89, 1},   // Y
        {true, 300, nullptr, platform::vk::kEscape, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.yesNo << " " << c.outMs << " " << (c.button ? c.button : "key"));
        dialogs.dialog = Make(c.yesNo);
        dialogs.dialog->SetTransitions(0, c.outMs, 0, 0, c.outMs ? 3 : 0, 0, 0);
        dialogs.dialog->Start();
        Tick(3);
        EXPECT_EQ(Answers(), std::vector<int>(3, 0)) << "open";
        if (c.button) {
            ClickButton(c.button);
        } else {
            Key(c.key);
            Tick();
        }
        std::vector<int> answers = Answers();
        if (c.outMs) {
            EXPECT_EQ(answers.back(), 0) << "still sliding out";
            Tick(static_cast<int>(game().CalcAnimLength(c.outMs)) + 2);
            const auto rest = Answers();
            answers.insert(answers.end(), rest.begin(), rest.end());
        }
        // Exactly one tick gives the answer; the dialog is closed after it.
        EXPECT_EQ(std::count(answers.begin(), answers.end(), c.answer), 1);
        EXPECT_EQ(dialogs.dialog->Active, 0);
        EXPECT_EQ(dialogs.dialog->CloseResult, c.answer);
    }
}

TEST_F(DialogTest, EscapeIsTheDialogsWhileOpenAndGivenBackOnlyWhenAsked) {
    for (const int reenable : {1, 0}) {
        SCOPED_TRACE(reenable);
        game().IgnoreEscapeKey = 0;
        dialogs.dialog = Make(false);
        dialogs.dialog->ReenableEscapeKey = reenable;
        dialogs.dialog->Start();
        EXPECT_EQ(game().IgnoreEscapeKey, 1);
        Key(platform::vk::kEscape);
        Tick();
        EXPECT_EQ(dialogs.dialog->Active, 0);
        EXPECT_EQ(game().DestinationTScreen, nullptr) << "Escape closed the dialog, not the screen";
        EXPECT_EQ(game().IgnoreEscapeKey, reenable ? 0 : 1);
    }
}

TEST_F(DialogTest, ASlideStartsWhollyOffItsEdgeAndEndsInPlace) {
    struct Case {
        int slide;
        bool horizontal;
    };
    for (const Case c : {Case{1, false}, {2, true}, {3, false}, {4, true}}) {
        SCOPED_TRACE(c.slide);
        dialogs.dialog = Make(false);
        dialogs.dialog->Start();
        dialogs.dialog->SetTransitions(400, 0, 0.5f, 0, c.slide, 0, 0);
        dialogs.dialog->CalcOffset();
        const TDialog& d = *dialogs.dialog;
        const float left = d.x + d.OffsetX, top = d.y + d.OffsetY;
        const bool off = left + d.w <= 0 || left >= 1024 || top + d.h <= 0 || top >= 768;
        EXPECT_TRUE(off) << left << ", " << top;
        EXPECT_EQ(c.horizontal ? d.OffsetY : d.OffsetX, 0);
        Tick(static_cast<int>(game().CalcAnimLength(400)) + 2);
        EXPECT_EQ(d.Transitioning, 0);
        EXPECT_FLOAT_EQ(d.OffsetX, 0);
        EXPECT_FLOAT_EQ(d.OffsetY, 0);
        EXPECT_EQ(Answers().back(), 0) << "open, in place";
    }
}

TEST_F(DialogTest, ASlideFollowsItsTimelineAtEveryQuarterInAndOut) {
    constexpr double kPi = 3.14159265358979;
    const int length = static_cast<int>(game().CalcAnimLength(400));
    for (const int sine : {0, 1}) {
        SCOPED_TRACE(sine);
        dialogs.dialog = Make(false);
        dialogs.dialog->Start();
        dialogs.dialog->SetTransitions(400, 400, 0.5f, 0, 3, sine, 0);  // from the bottom
        const TDialog& d = *dialogs.dialog;
        const float away = static_cast<float>(768 - d.y);  // from in place to wholly below the screen
        // The share of the way still to go after a fraction f of a slide in, and the share gone after f of
        // a slide out: straight, or eased on a quarter sine.
        const auto in = [sine](double f) { return sine ? 1 - std::sin(f * kPi / 2) : 1 - f; };
        const auto out = [sine](double f) { return sine ? 1 - std::cos(f * kPi / 2) : f; };
        for (const int quarter : {1, 2, 3}) {
            Tick(length / 4);
            EXPECT_NEAR(d.OffsetY, away * in(quarter / 4.0), 0.5) << "in, quarter " << quarter;
            EXPECT_EQ(d.Transitioning, 1);
        }
        Tick(length / 4);
        EXPECT_EQ(d.Transitioning, 0);
        EXPECT_FLOAT_EQ(d.OffsetY, 0);
        Key(platform::vk::kEscape);
        Tick();
        EXPECT_EQ(d.Transitioning, 2);
        for (const int quarter : {1, 2, 3}) {
            Tick(length / 4);
            EXPECT_NEAR(d.OffsetY, away * out(quarter / 4.0), 0.5) << "out, quarter " << quarter;
        }
        Tick(length / 4);
        EXPECT_EQ(d.Active, 0);
        EXPECT_EQ(Answers().back(), 1) << "answered when the slide out ends";
    }
}

TEST_F(DialogTest, ANameIsTakenOnlyWhenItHasMoreThanSpacesAndPassesTheCheck) {
    auto dialog = TDialogTextInput::Create("Your name?", "", 10, nullptr, 400, 0, 0, 0, "");
    std::string refused;
    dialog->ErrorCheckFunc = [](const std::string& text, std::string& message) {
        message = "Someone is called " + text + " already.";
        return text == "Ada" ? -1 : 1;
    };
    dialog->ErrorDialogFunc = [&refused](const std::string& message) {
        refused = message;
        return TDialogOK::Create(message, nullptr, 300, 0, 0, "");
    };
    dialogs.dialog = dialog;
    dialog->Start();
    Type(U"   \r");
    EXPECT_EQ(dialog->Active, 1) << "spaces are no name";
    Type(U"\b\b\bAda\r");
    EXPECT_EQ(refused, "Someone is called Ada already.");
    ASSERT_NE(dialog->DialogOK, nullptr);
    Type(U"x");
    EXPECT_EQ(dialog->TextInput.Text, "Ada") << "nothing is typed under the refusal";
    Key(platform::vk::kEscape);
    Tick();
    EXPECT_EQ(dialog->DialogOK, nullptr);
    EXPECT_EQ(dialog->Active, 1);
    Answers();
    Type(U"m\r");
    EXPECT_EQ(dialog->TextInput.Text, "Adam");
    EXPECT_EQ(dialog->Active, 0);
    EXPECT_EQ(dialog->CloseResult, 1);
    EXPECT_EQ(Answers().back(), 1);

    dialog = TDialogTextInput::Create("Your name?", "Bo", 10, nullptr, 400, 0, 0, 0, "");
    dialogs.dialog = dialog;
    dialog->Start();
    Type(U"\x1b");
    EXPECT_EQ(dialog->CloseResult, -1) << "Escape cancels";
}

}  // namespace
}  // namespace murkwell::test
