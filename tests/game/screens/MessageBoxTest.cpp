// The message function while the display is open: the game's box over the standing screen, running on its
// own until its OK is clicked; the system box once the display is closed.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/gfx/Label.h"
#include "framework/ui/Button.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/Menu.h"
#include "game/screens/MessageBox.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace murkwell::test {
namespace {

// A screen that counts its ticks and drawings and has a button where a click could land.
class CountingScreen : public TScreen {
public:
    int logic = 0, drawn = 0;
    int Logic() override { return ++logic; }
    int Draw() override { return ++drawn; }
};

class MessageBoxTest : public GameScreenFixture {
protected:
    MessageBoxTest() {
        game().CurrentTScreen = &screen;
        game().IgnoreEscapeKey = 0;
        GraphicsOpen = 1;
        InstallMessageBox();
    }
    ~MessageBoxTest() override {
        game().AfterTickFunction = nullptr;
        game().MessageBoxFunction = nullptr;
        game().CurrentTScreen = nullptr;
    }
    // After every tick of the box: once it stands still, a person clicks first at (x, y), then on its OK.
    void ClickWhenStill(int x, int y) {
        game().AfterTickFunction = [this, x, y] {
            const auto& open = TDialog::OpenDialogs();
            if (open.empty()) return 1;
            const TDialog& box = *open.back();
            seen = box.Name, text = box.Caption->Text, w = box.w, h = box.h;
            if (box.Transitioning != 0) return 1;
            const auto ok = box.Menu->FindButton("OK");
            const int step = ticks++;
            const int ox = static_cast<int>(ok->x + ok->Width() / 2), oy = static_cast<int>(ok->y + ok->Height() / 2);
            if (step == 0) Push(platform::EventType::MouseMove, 0, 0, x, y);
            if (step == 2) Push(platform::EventType::MouseDown, 0, 1, x, y);
            if (step == 4) Push(platform::EventType::MouseUp, 0, 1, x, y);
            if (step == 10) Push(platform::EventType::MouseMove, 0, 0, ox, oy);
            if (step == 12) Push(platform::EventType::MouseDown, 0, 1, ox, oy);
            if (step == 14) Push(platform::EventType::MouseUp, 0, 1, ox, oy);
            return 1;
        };
    }

    CountingScreen screen;
    std::string seen, text;
    int w = 0, h = 0, ticks = 0;
};

TEST_F(MessageBoxTest, AMessageWhileTheDisplayIsOpenIsTheGamesBoxUntilItsOKIsClicked) {
    ClickWhenStill(20, 20);
    Message("The crypt door is stuck.", 0, 0);
    EXPECT_EQ(seen, "message_box");
    EXPECT_EQ(text, "The crypt door is stuck.");
    EXPECT_EQ(w, 600);
    EXPECT_GE(h, 100);
    EXPECT_GT(ticks, 10) << "answered by the click on OK, not the one beside it";
    EXPECT_EQ(screen.logic, 0) << "the screen behind stands still and takes no clicks";
    EXPECT_GT(screen.drawn, 10) << "but is drawn under the box every frame";
    EXPECT_TRUE(TDialog::OpenDialogs().empty());
    EXPECT_TRUE(platform().TestSystem().Messages().empty());
    EXPECT_EQ(game().IgnoreEscapeKey, 0) << "Escape is the game's again";
    // The game goes on afterwards.
    Frames(3);
    EXPECT_EQ(screen.logic, 3);
}

TEST_F(MessageBoxTest, ALongMessageGrowsTheBoxALongWordWidensItAndAClosedDisplayUsesTheSystemBox) {
    ClickWhenStill(20, 20);
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "The lantern has gone out. ";
    Message(longText, 0, 0);
    EXPECT_GT(h, 100);
    EXPECT_EQ(w, 600) << "words wrap";
    ticks = 0;
    Message("Cannot write /home/player/.local/share/Tarnfield/Murkwell/profiles/Player.dat", 0, 0);
    EXPECT_GT(w, 600) << "a path does not wrap: the box widens";
    EXPECT_LE(w, 1024 - 40);
    EXPECT_EQ(game().IgnoreEscapeKey, 0) << "a box laid out twice still gives Escape back";
    GraphicsOpen = 0;
    Message("Goodbye.", 0, 0);
    ASSERT_EQ(platform().TestSystem().Messages().size(), 1u);
    EXPECT_NE(platform().TestSystem().Messages()[0].find("Goodbye."), std::string::npos);
}

}  // namespace
}  // namespace murkwell::test
