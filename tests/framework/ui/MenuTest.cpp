// Menus of the game's menu pictures: names, clicks and their sounds, the pressed look, layout, and what
// a menu does while the screen fades.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "framework/screens/GameFade.h"
#include "tests/framework/ui/UiTestSupport.h"

namespace murkwell::test {
namespace {

// "buttonplay" is 308 × 72, "button" 164 × 56 and "OK" 136 × 56.
class MenuTest : public UiTest {
protected:
    MenuTest() { screen.Menu = menu; }

    // The top-left corner of each named button.
    void ExpectAt(std::initializer_list<std::tuple<const char*, float, float>> where) {
        for (const auto& [name, x, y] : where) {
            auto b = menu->FindButton(name);
            ASSERT_NE(b, nullptr) << name;
            EXPECT_FLOAT_EQ(b->x, x) << name;
            EXPECT_FLOAT_EQ(b->y, y) << name;
        }
    }

    std::shared_ptr<TMenu> menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
};

TEST_F(MenuTest, NamesMatchWhateverTheirCase) {
    for (const int clearOnRead : {1, 0}) {
        SCOPED_TRACE(clearOnRead);
        menu->Init("buttonMO", "buttonclick", 0, 100, 10);
        menu->AddQuick("buttonplay", "Play");
        menu->ClearClickedName = menu->ClearMouseOverName = clearOnRead;
        ClickAt(400, 120);
        EXPECT_EQ(menu->ClickedName, "PLAY");
        EXPECT_EQ(menu->Clicked("exit"), 0);
        EXPECT_EQ(menu->Clicked("play"), 1);
        EXPECT_EQ(menu->Clicked("pLaY"), 1 - clearOnRead);
        EXPECT_EQ(menu->MouseOver("Play"), 1);
        EXPECT_EQ(menu->MouseOver("PLAY"), 1 - clearOnRead);
        EXPECT_EQ(menu->FindButton("plAy"), menu->Buttons[0]);
    }
}

TEST_F(MenuTest, AClickIsHeardSeenAndNamedOnce) {
    // The quick pictures' optional looks, from copies of the game's pictures.
    const std::string folder = Folder() + "/menus/";
    std::filesystem::create_directories(folder);
    for (const auto& [from, to] : {std::pair{"buttonplay", "Buttonplay"},
                                   {"buttonplayMO", "buttonplayMO"},
                                   {"buttonplayDown", "buttonplay_down"},
                                   {"buttonDown", "buttonplay_disabled"}}) {
        std::filesystem::copy_file(game().MenuPath + from + ".png", folder + to + ".png");
    }
    game().MenuPath = folder;
    auto play = menu->AddQuickAuto("buttonplay", "play");
    ASSERT_NE(play->ImageMouseClick, nullptr);
    ASSERT_NE(play->ImageDisabled, nullptr);
    EXPECT_EQ(play->ClickDisabled, 1);
    EXPECT_FLOAT_EQ(play->MouseClickDuration, 40);

    MoveMouse(400, 120);
    Tick();
    EXPECT_EQ(menu->MouseOverName, "PLAY");
    EXPECT_GT(Heard(play->ChannelMouseOver), 0);
    ClickAt(400, 120);
    EXPECT_EQ(menu->ClickedName, "PLAY");
    EXPECT_GT(Heard(play->ChannelClick), 0);
    EXPECT_EQ(Heard(play->ChannelMouseOver), 0) << "still over: no second mouse-over sound";
    bool pressed = false;
    for (const auto& d : Drawn()) pressed = pressed || d.image == play->ImageMouseClick->image.get();
    EXPECT_TRUE(pressed);

    // The screen leaves the flag set and the pointer moves off: the click is not named again.
    MoveMouse(600, 600);
    Tick();
    EXPECT_EQ(play->Clicked, 1);
    EXPECT_EQ(menu->ClickedName, "");
    EXPECT_EQ(menu->MouseOverName, "");

    // Without the optional files: the normal picture only, and no pressed look.
    game().MenuPath = std::string(MURKWELL_DATA_DIR) + "/menus/";
    auto plain = menu->AddQuickAuto("button", "plain");
    EXPECT_EQ(plain->ImageMouseClick, nullptr);
    EXPECT_EQ(plain->ImageDisabled, nullptr);
    EXPECT_NE(plain->ImageMouseOver, plain->image) << "\"buttonMO\" exists";
    auto lone = menu->AddNew("OK", "OKnothere", "lone");
    EXPECT_EQ(lone->ImageMouseOver, lone->image) << "a missing mouse-over picture: the normal one serves";
}

TEST_F(MenuTest, ButtonsAreLaidOut) {
    menu->AddQuick("buttonplay", "play");
    menu->AddQuick("button", "button");
    menu->AddQuick("OK", "ok");
    // Centred across the screen, one under another, 10 apart.
    ExpectAt({{"play", 358, 100}, {"button", 430, 182}, {"ok", 444, 248}});
    EXPECT_EQ(menu->NextY, 314);
    EXPECT_EQ(menu->h, 204);
    menu->CalcCoords();
    EXPECT_EQ(std::tie(menu->x, menu->y, menu->w, menu->h), std::make_tuple(358.f, 100.f, 308, 204));

    menu->MakeRow(20);
    ExpectAt({{"play", 358, 100}, {"button", 686, 100}, {"ok", 870, 100}});
    EXPECT_EQ(std::tie(menu->w, menu->h), std::make_tuple(648, 72));
    menu->Centre();
    ExpectAt({{"play", 188, 348}, {"button", 516, 348}, {"ok", 700, 348}});
    menu->MakeColumn(5);
    ExpectAt({{"play", 188, 348}, {"button", 516, 425}, {"ok", 700, 486}});
    EXPECT_EQ(menu->h, 194);
    menu->MoveTo(0, 0);
    ExpectAt({{"play", 0, 0}, {"button", 328, 77}, {"ok", 512, 138}});

    menu->ScaleMenu(0.5f, 0.5f);
    ExpectAt({{"play", 0, 0}, {"button", 164, 38.5f}, {"ok", 256, 69}});
    EXPECT_EQ(std::tie(menu->w, menu->h), std::make_tuple(324, 97));
    ClickAt(240, 60);  // inside the button's picture as drawn, which is now 82 × 28
    EXPECT_EQ(menu->ClickedName, "BUTTON");
    ClickAt(250, 40);
    EXPECT_EQ(menu->ClickedName, "") << "outside it, though inside its full-size area";

    menu->Init("", "", 0, 600, 10);
    menu->AddPair("yes", "no", 20, "button");
    ExpectAt({{"yes", 338, 600}, {"no", 522, 600}});
    EXPECT_EQ(menu->NextY, 666);
    menu->SetPairX("yes", "no", 100);
    ExpectAt({{"yes", 100, 600}, {"no", 284, 600}});
    EXPECT_EQ(menu->RemoveButton("YES"), 1);
    EXPECT_EQ(menu->RemoveButton("yes"), 0);
    EXPECT_EQ(menu->FindButton("yes"), nullptr);
}

TEST_F(MenuTest, OnlyFixedGlowsRunWhileTheScreenFadesOrInputIsOff) {
    auto play = menu->AddQuick("buttonplay", "play");
    play->SetFixedGlowOnMO(1.0f, 0.01f, 1);
    for (const int fade : {1, 0}) {
        SCOPED_TRACE(fade);
        play->FixedGlowOnMOActivate();
        menu->AcceptInput = fade;
        if (fade) game().GameFade->Init(1000, 0, 0, 1, 0, nullptr);
        MoveMouse(400, 120);
        Tick(10);
        EXPECT_EQ(play->MouseOver, 0);
        EXPECT_EQ(menu->MouseOverName, "");
        EXPECT_EQ(Heard(play->ChannelMouseOver), 0);
        EXPECT_NEAR(play->Glow, 0.9f, 1e-4) << "the glow fades as it would";
        EXPECT_EQ(menu->Manage(0, 0), 0);
        MoveMouse(600, 600);
        if (game().GameFade->Active) game().GameFade->Finish();
    }
    menu->AcceptInput = 1;
    MoveMouse(400, 120);
    Tick();
    EXPECT_EQ(menu->MouseOverName, "PLAY");
}

TEST_F(MenuTest, ShadowAndAlphaReachEveryButton) {
    menu->AddQuick("OK", "ok");
    menu->SetShadow(1, 3, 3, 0.4f);
    menu->SetAlpha(0.5f);
    auto late = menu->AddQuick("button", "late");
    Tick();
    ASSERT_EQ(Drawn().size(), 4u) << "a shadow and a picture each";
    for (size_t i = 0; i < 4; i += 2) {
        const auto &shadow = Drawn()[i], &picture = Drawn()[i + 1];
        EXPECT_EQ(shadow.state.r + shadow.state.g + shadow.state.b, 0);
        EXPECT_FLOAT_EQ(shadow.x, picture.x + 3);
        EXPECT_FLOAT_EQ(shadow.y, picture.y + 3);
        EXPECT_EQ(picture.state.r, 255);
    }
    EXPECT_FLOAT_EQ(Drawn()[0].state.alpha, 0.2f) << "0.4 of the button's 0.5";
    EXPECT_FLOAT_EQ(Drawn()[1].state.alpha, 0.5f);
    EXPECT_FLOAT_EQ(Drawn()[3].state.alpha, 1) << "added after SetAlpha";
    menu->ResetShadow();
    Tick();
    EXPECT_EQ(Drawn().size(), 2u);
}

}  // namespace
}  // namespace murkwell::test
