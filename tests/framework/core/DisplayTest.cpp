// Opening the display, the virtual screen's mapping onto it, the toggles, the mouse mapping and the screen
// shake, on the null platform.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "GameTestSupport.h"
#include "framework/core/Messages.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/MousePointer.h"
#include "platform/codecs/ImageCodec.h"

namespace {

using murkwell::test::GameFixture;
using platform::DisplayMode;
using platform::Driver;
using platform::Rect;

class DisplayTest : public ::testing::Test {
protected:
    // A game whose settings live in the temporary folder, on a desktop of the given size.
    void Start(DisplayMode desktop) {
        fixture.reset();  // the old game leaves the global before the new one takes it
        fixture = std::make_unique<GameFixture>(desktop);
        TGame& g = game();
        g.DataFolder = fixture->Folder() + "/data/";
        g.SetDefaultPaths();
        g.SetSubPathWrapper("Tarnfield/Murkwell", 1);
        g.Init(0, 1);
        g.WindowTitle = "Murkwell test";
        Delta = 1;
    }
    // Full screen with the virtual screen kept in shape, the way the game starts.
    void StartFullScreen(DisplayMode desktop) {
        Start(desktop);
        game().FullScreen = 1;
        game().WideScreen = 1;
        game().UseDesktopResolution = 1;
        game().GraphicsCreate(0);
    }
    void StartWindowed(DisplayMode desktop) {
        Start(desktop);
        game().FullScreen = 0;
        game().GraphicsCreate(0);
    }

    TGame& game() { return fixture->game(); }
    platform::NullGraphics& graphics() { return fixture->platform().TestGraphics(); }
    const std::vector<std::string>& Messages() { return fixture->platform().TestSystem().Messages(); }
    std::string Settings() { return murkwell::test::ReadText(game().Ini.Path()); }
    std::string ErrorLog() { return murkwell::test::ReadText(game().SubPath + "ErrorLog.txt"); }
    // The fatal message the last call raised, as shown and as logged.
    void ExpectFatal(const std::string& text) {
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages().back(), "Murkwell: " + text);
        EXPECT_NE(ErrorLog().find(text), std::string::npos);
    }
    // Writes a picture of w × h to the data folder and returns its path there.
    std::string WritePicture(const std::string& name, int w, int h) {
        std::string error;
        const std::string folder = fixture->Folder() + "/";
        EXPECT_TRUE(
            platform::SavePng(folder + name, platform::PixelMap(w, h, {200, 0, 0, 255}), 6, true, error))
            << error;
        game().ImagePath = folder;
        return name;
    }
    // Where a mouse event at the real position lands on the virtual screen.
    std::pair<int, int> EventToVirtual(int x, int y) {
        fixture->Push(platform::EventType::MouseMove, 0, 0, x, y);
        game().DoPeekEvent();
        return {game().Mouse->x, game().Mouse->y};
    }
    void ExpectOrigin(float x, float y) {
        EXPECT_FLOAT_EQ(graphics().OriginX(), x);
        EXPECT_FLOAT_EQ(graphics().OriginY(), y);
    }

    std::unique_ptr<GameFixture> fixture;
};

// ---- The mapping of the virtual screen -----------------------------------------------------------------

TEST_F(DisplayTest, AWideDesktopInFullScreenIsPillarBoxed) {
    StartFullScreen({1920, 1080, 32, 60});
    EXPECT_EQ(graphics().LastSpec().width, 1920);
    EXPECT_EQ(graphics().LastSpec().height, 1080);
    EXPECT_EQ(graphics().LastSpec().depth, 32);
    EXPECT_EQ(game().Depth, 32);
    EXPECT_EQ(game().UsingVirtualResolution, 1);
    // floor(1365.33 - 1) = 1364, already even.
    EXPECT_EQ(graphics().DrawingWidth(), 1364);
    EXPECT_EQ(graphics().DrawingHeight(), 768);
    EXPECT_FLOAT_EQ(game().vxOff, 170);
    EXPECT_FLOAT_EQ(game().vyOff, 0);
    EXPECT_EQ(graphics().Viewport(), (Rect{171, 0, 1022, 768}));
    ExpectOrigin(170, 0);
    EXPECT_NEAR(game().VirtualRatioX, 1365.333f / 1920, 1e-5);
    EXPECT_FLOAT_EQ(game().VirtualRatioY, 768.0f / 1080);
    EXPECT_EQ(game().NeedsCLSWidescreen(), 1);
    EXPECT_EQ(graphics().Drawn().flips, 4) << "every buffer is cleared once the mode is set";
}

TEST_F(DisplayTest, AnOddDrawingAreaGivesUpAPixelToStayEven) {
    // 16:10: u = 1228.8, floor(1227.8) = 1227, odd.
    StartFullScreen({1680, 1050, 32, 60});
    EXPECT_EQ(graphics().DrawingWidth(), 1226);
    EXPECT_FLOAT_EQ(game().vxOff, 101);
    EXPECT_EQ(graphics().Viewport(), (Rect{102, 0, 1022, 768}));
    ExpectOrigin(101, 0);
}

TEST_F(DisplayTest, ATallDesktopInFullScreenIsLetterBoxed) {
    StartFullScreen({1280, 1024, 32, 60});
    // t = 819.2: floor(818.2) = 818.
    EXPECT_EQ(graphics().DrawingWidth(), 1024);
    EXPECT_EQ(graphics().DrawingHeight(), 818);
    EXPECT_FLOAT_EQ(game().vxOff, 0);
    EXPECT_FLOAT_EQ(game().vyOff, 25);
    EXPECT_EQ(graphics().Viewport(), (Rect{0, 26, 1024, 766}));
    ExpectOrigin(0, 25);
    EXPECT_FLOAT_EQ(game().VirtualRatioX, 0.8f);
    EXPECT_FLOAT_EQ(game().VirtualRatioY, 0.8f);
}

TEST_F(DisplayTest, ADesktopOfTheVirtualSizeNeedsNoMapping) {
    StartFullScreen({1024, 768, 32, 60});
    EXPECT_EQ(game().UsingVirtualResolution, 0);
    EXPECT_EQ(graphics().DrawingWidth(), 1024);
    EXPECT_EQ(graphics().DrawingHeight(), 768);
    EXPECT_EQ(graphics().Viewport(), (Rect{0, 0, 1024, 768}));
    ExpectOrigin(0, 0);
    EXPECT_EQ(game().NeedsCLSWidescreen(), 0);
}

TEST_F(DisplayTest, ADesktopOfTheVirtualWidthOrHeightKeepsItsPixelsUnscaled) {
    StartFullScreen({1024, 1024, 32, 60});
    EXPECT_EQ(game().UsingVirtualResolution, 1);
    EXPECT_EQ(graphics().DrawingHeight(), 1024) << "no scaling: the bars are the display's spare rows";
    EXPECT_FLOAT_EQ(game().vyOff, 128);
    EXPECT_EQ(graphics().Viewport(), (Rect{0, 128, 1024, 768}));
    ExpectOrigin(0, 128);

    StartFullScreen({1366, 768, 32, 60});
    EXPECT_EQ(graphics().DrawingWidth(), 1366);
    EXPECT_FLOAT_EQ(game().vxOff, 171);
    EXPECT_EQ(graphics().Viewport(), (Rect{171, 0, 1024, 768}));
    ExpectOrigin(171, 0);
}

TEST_F(DisplayTest, FullScreenWithoutWideScreenStretchesTheVirtualScreen) {
    StartFullScreen({1920, 1080, 32, 60});
    game().ToggleWideScreen();
    EXPECT_EQ(game().WideScreen, 0);
    EXPECT_EQ(graphics().DrawingWidth(), 1024);
    EXPECT_EQ(graphics().DrawingHeight(), 768);
    EXPECT_EQ(graphics().Viewport(), (Rect{0, 0, 1024, 768}));
    ExpectOrigin(0, 0);
    EXPECT_FLOAT_EQ(game().VirtualRatioX, 1024.0f / 1920);
    EXPECT_FLOAT_EQ(game().VirtualRatioY, 768.0f / 1080);
    EXPECT_NE(Settings().find("WIDESCREEN=0\n"), std::string::npos);
}

TEST_F(DisplayTest, ABorderlessWindowTakesTheDesktopAndIsBordered) {
    StartWindowed({1920, 1080, 32, 60});
    game().UseDesktopResolution = 1;
    game().ToggleBorderless();
    EXPECT_TRUE(graphics().LastSpec().borderless);
    EXPECT_EQ(graphics().LastSpec().depth, 0);
    EXPECT_EQ(graphics().LastSpec().width, 1920);
    EXPECT_EQ(graphics().Viewport(), (Rect{171, 0, 1022, 768}));
    EXPECT_EQ(game().NeedsCLSWidescreen(), 1);
    EXPECT_NE(Settings().find("BORDERLESS WINDOW=1\n"), std::string::npos);
}

TEST_F(DisplayTest, Direct3D7DrawsUnscaledAtTheDisplaySize) {
    Start({1920, 1080, 32, 60});
    game().FullScreen = game().WideScreen = game().UseDesktopResolution = 1;
    game().GraphicsCreate(1);
    EXPECT_EQ(game().DriverDX7, 1);
    EXPECT_EQ(game().DriverDX9, 0);
    EXPECT_EQ(graphics().SelectedDriver(), Driver::Direct3D7);
    EXPECT_EQ(game().UsingVirtualResolution, 0);
    EXPECT_EQ(graphics().DrawingWidth(), 1920);
    EXPECT_EQ(graphics().DrawingHeight(), 1080);
    ExpectOrigin(0, 0);
    EXPECT_EQ(game().AlwaysForceDX7, 1);
}

// ---- Window sizes --------------------------------------------------------------------------------------

TEST_F(DisplayTest, AWindowTakesTheLargestListedSizeThatFitsAboveTheTaskBar) {
    StartWindowed({1366, 768, 32, 75});
    // 768 > 768 - 70, so 1024 × 768 does not fit.
    EXPECT_EQ(game().WindowWidth, 800);
    EXPECT_EQ(game().WindowHeight, 600);
    EXPECT_EQ(graphics().LastSpec().depth, 0);
    EXPECT_EQ(graphics().LastSpec().hertz, 75);
    EXPECT_EQ(graphics().LastSpec().title, "Murkwell test");
    EXPECT_EQ(game().Depth, 0);
    EXPECT_EQ(game().UsingVirtualResolution, 1);
    EXPECT_EQ(graphics().DrawingWidth(), 1024);
    EXPECT_FLOAT_EQ(game().VirtualRatioX, 1.28f);

    game().WindowedAspectRatio = 1;
    game().GraphicsCreate(0);
    EXPECT_EQ(game().WindowWidth, 1024);
    EXPECT_EQ(game().WindowHeight, 576);
}

TEST_F(DisplayTest, AWindowOfTheVirtualSizeNeedsNoMapping) {
    StartWindowed({1920, 1080, 32, 60});
    EXPECT_EQ(game().WindowWidth, 1024);
    EXPECT_EQ(game().WindowHeight, 768);
    EXPECT_EQ(game().UsingVirtualResolution, 0);
    EXPECT_EQ(graphics().DrawingWidth(), 1024);
}

TEST_F(DisplayTest, FullScreenFallsBackToTheNextDepth) {
    Start({1280, 1024, 32, 60});
    graphics().SetDisplayModes({{1024, 768, 24, 60}, {1024, 768, 16, 60}});
    game().FullScreen = 1;
    game().GraphicsCreate(0);
    EXPECT_EQ(game().Depth, 24);

    graphics().FailNextOpen();
    game().GraphicsCreate(0);
    EXPECT_EQ(game().Depth, 16) << "a depth that will not open is passed over too";
    EXPECT_EQ(game().FullScreen, 1);
}

TEST_F(DisplayTest, FullScreenThatOpensAtNoDepthFallsBackToAWindowForTheRun) {
    Start({1280, 1024, 32, 60});
    graphics().SetDisplayModes({{640, 480, 32, 60}});
    game().FullScreen = 1;
    game().GraphicsCreate(0);
    EXPECT_EQ(game().FullScreen, 0);
    EXPECT_EQ(game().ForceWindowedMode, 1);
    EXPECT_EQ(game().Depth, 0);
    EXPECT_EQ(graphics().LastSpec().depth, 0);
    EXPECT_TRUE(graphics().IsOpen());

    graphics().MoveWindow(5, 5);
    EXPECT_EQ(game().ToggleFullScreen(), 0);
    EXPECT_EQ(game().FullScreen, 0);
    EXPECT_EQ(game().WindowX, 0) << "refused without re-creating the display";
}

TEST_F(DisplayTest, ToggleFullScreenSwitchesBothWaysAndSavesIt) {
    StartWindowed({1920, 1080, 32, 60});
    game().UseDesktopResolution = 1;
    EXPECT_EQ(game().ToggleFullScreen(), 1);
    EXPECT_EQ(graphics().LastSpec().depth, 32);
    EXPECT_FALSE(graphics().PointerShown()) << "the framework draws its own pointer";
    EXPECT_NE(Settings().find("FULL SCREEN=1\n"), std::string::npos);
    EXPECT_EQ(game().ToggleFullScreen(), 1);
    EXPECT_EQ(graphics().LastSpec().depth, 0);
    EXPECT_EQ(game().FullScreen, 0);
    EXPECT_NE(Settings().find("FULL SCREEN=0\n"), std::string::npos);
}

TEST_F(DisplayTest, WindowDraggedNoticesAMoveUntilThePositionIsTaken) {
    StartWindowed({1920, 1080, 32, 60});
    EXPECT_FALSE(game().WindowDragged());
    graphics().MoveWindow(40, 30);
    EXPECT_TRUE(game().WindowDragged());
    game().SetWindowCoords();
    game().SetClientCoords();
    EXPECT_FALSE(game().WindowDragged());
    EXPECT_EQ(game().WindowX, 40);
    EXPECT_EQ(game().ClientY, 30);
    game().FullScreen = 1;
    graphics().MoveWindow(0, 0);
    EXPECT_FALSE(game().WindowDragged()) << "a full-screen display cannot be dragged";
}

// ---- Drivers and failures ------------------------------------------------------------------------------

TEST_F(DisplayTest, AMissingOpenGlFallsBackToDirectXAndSavesTheChoice) {
    Start({1920, 1080, 32, 60});
    graphics().SetDriverAvailable(Driver::OpenGL, false);
    game().Driver = 1;
    game().GraphicsCreate(0);
    EXPECT_EQ(game().Driver, 0);
    EXPECT_EQ(game().DriverDX9, 1);
    EXPECT_EQ(graphics().SelectedDriver(), Driver::Direct3D9);
    EXPECT_NE(Settings().find("DRIVER=0\n"), std::string::npos);
}

TEST_F(DisplayTest, AMissingDirectXFallsBackToOpenGlAndSavesTheChoice) {
    Start({1920, 1080, 32, 60});
    graphics().SetDriverAvailable(Driver::Direct3D9, false);
    graphics().SetDriverAvailable(Driver::Direct3D7, false);
    game().FullScreen = game().WideScreen = game().UseDesktopResolution = 1;
    game().GraphicsCreate(0);
    EXPECT_EQ(game().Driver, 1);
    EXPECT_EQ(game().DriverDX7 + game().DriverDX9, 0);
    EXPECT_EQ(graphics().SelectedDriver(), Driver::OpenGL);
    EXPECT_NE(Settings().find("DRIVER=1\n"), std::string::npos);
    EXPECT_EQ(game().UsingVirtualResolution, 1) << "OpenGL maps the virtual screen like Direct3D 9";
    EXPECT_EQ(game().GameRefreshRate, -1);
}

TEST_F(DisplayTest, WithoutDirect3D9TheDirectXDriverIsDirect3D7) {
    Start({1920, 1080, 32, 60});
    graphics().SetDriverAvailable(Driver::Direct3D9, false);
    game().GraphicsCreate(0);
    EXPECT_EQ(game().DriverDX7, 1);
    EXPECT_EQ(game().DirectXVersion, "9.0c");
    EXPECT_EQ(game().GameRefreshRate, 60);
}

TEST_F(DisplayTest, SetDriverReopensTheDisplayOnlyForAChange) {
    StartWindowed({1920, 1080, 32, 60});
    EXPECT_EQ(game().SetDriver(0), 0);
    game().Mouse->x = 100;
    game().Mouse->y = 50;
    EXPECT_EQ(game().SetDriver(7), 1) << "any non-zero choice is OpenGL";
    EXPECT_EQ(game().Driver, 1);
    EXPECT_EQ(graphics().SelectedDriver(), Driver::OpenGL);
    EXPECT_EQ(graphics().PointerX(), 100);
    EXPECT_EQ(graphics().PointerY(), 50);
    EXPECT_NE(Settings().find("DRIVER=1\n"), std::string::npos);
}

TEST(DirectXVersion, SevenAndNewerAreAcceptable) {
    for (const char* ok : {"9.0c", "7.0a", "8.1", "11", "12", ""})
        EXPECT_TRUE(TGame::DirectXVersionAcceptable(ok)) << ok;
    for (const char* old : {"1.0", "2.0a", "3.0", "5.2", "6.1", "6"}) {
        EXPECT_FALSE(TGame::DirectXVersionAcceptable(old)) << old;
    }
}

TEST_F(DisplayTest, NoDisplayModesIsFatal) {
    Start({1920, 1080, 32, 60});
    graphics().SetDisplayModes({});
    EXPECT_THROW(game().GraphicsCreate(0), FatalMessage);
    ExpectFatal("No 3D Hardware Found (could not count graphics modes.)");
    EXPECT_EQ(GraphicsOpen, 0);
    GraphicsOpen = 1;
}

TEST_F(DisplayTest, NoDriverAtAllIsFatal) {
    Start({1920, 1080, 32, 60});
    for (Driver d : {Driver::Direct3D9, Driver::Direct3D7, Driver::OpenGL})
        graphics().SetDriverAvailable(d, false);
    EXPECT_THROW(game().GraphicsCreate(0), FatalMessage);
    ExpectFatal("No DirectX or OpenGL 3D Drivers Found!");
}

TEST_F(DisplayTest, ADesktopTooSmallForAnyWindowIsFatal) {
    Start({600, 400, 32, 60});
    game().FullScreen = 0;
    EXPECT_THROW(game().GraphicsCreate(0), FatalMessage);
    ExpectFatal("Cannot find a suitable resolution. Desktop Resolution= 600x400");
    EXPECT_EQ(game().Depth, -1);
}

TEST_F(DisplayTest, AWindowThatCannotOpenIsFatal) {
    Start({1920, 1080, 32, 60});
    game().FullScreen = 0;
    graphics().FailNextOpen();
    EXPECT_THROW(game().GraphicsCreate(0), FatalMessage);
    ExpectFatal("Cannot create Windowed Mode at 1024x768 60Hz");
    EXPECT_EQ(game().Depth, -1);
    EXPECT_EQ(GraphicsOpen, 0);
    GraphicsOpen = 1;
}

// ---- The mouse -----------------------------------------------------------------------------------------

TEST_F(DisplayTest, MovingTheMouseIsTheInverseOfTheEventMapping) {
    for (DisplayMode desktop : {DisplayMode{1920, 1080, 32, 60}, DisplayMode{1280, 1024, 32, 60}}) {
        StartFullScreen(desktop);
        for (int y = 0; y < 768; y += 17) {
            for (int x = 0; x < 1024; x += 13) {
                game().DoMoveMouse(x, y);
                ASSERT_EQ(EventToVirtual(graphics().PointerX(), graphics().PointerY()), std::make_pair(x, y))
                    << desktop.width << "x" << desktop.height << " at " << x << "," << y;
            }
        }
    }
    game().DoMoveMouse(0, 384);
    EXPECT_EQ(graphics().PointerX(), 0);
    EXPECT_EQ(graphics().PointerY(), 511) << "round((384 + 25) / 0.8)";
}

TEST_F(DisplayTest, ASmallWindowMapsRealPixelsThereAndBack) {
    StartWindowed({1366, 768, 32, 60});
    for (int y = 0; y < 600; y += 7) {
        for (int x = 0; x < 800; x += 11) {
            const auto [vx, vy] = EventToVirtual(x, y);
            game().DoMoveMouse(vx, vy);
            ASSERT_EQ(std::make_pair(graphics().PointerX(), graphics().PointerY()), std::make_pair(x, y));
        }
    }
}

TEST_F(DisplayTest, RestoringTheMouseInFullScreenKeepsItOnTheVirtualScreen) {
    StartFullScreen({1920, 1080, 32, 60});
    game().Mouse->x = 5000;
    game().Mouse->y = -20;
    game().RestoreMouseCoords();
    EXPECT_EQ(game().Mouse->x, 1023);
    EXPECT_EQ(game().Mouse->y, 0);
    game().DoMoveMouse(1023, 0);
    const int expectedX = graphics().PointerX();
    game().RestoreMouseCoords();
    EXPECT_EQ(graphics().PointerX(), expectedX);
}

TEST_F(DisplayTest, ToggleCustomMousePointerHidesTheSystemPointerWhileTheFrameworkDrawsItsOwn) {
    StartWindowed({1920, 1080, 32, 60});
    game().ToggleCustomMousePointer();
    EXPECT_EQ(game().CustomMousePointer, 0);
    EXPECT_TRUE(graphics().PointerShown());
    EXPECT_NE(Settings().find("CUSTOM MOUSE POINTER=0\n"), std::string::npos);
    game().ToggleCustomMousePointer();
    EXPECT_FALSE(graphics().PointerShown());
}

TEST_F(DisplayTest, ToggleVSyncSetsTheFlipSyncAndSavesIt) {
    StartWindowed({1920, 1080, 32, 60});
    game().ToggleVSync();
    EXPECT_EQ(FlipSync, 0);
    EXPECT_NE(Settings().find("VSYNC=0\n"), std::string::npos);
    game().ToggleVSync();
    EXPECT_EQ(FlipSync, 1);
}

// ---- Borders and clearing ------------------------------------------------------------------------------

TEST_F(DisplayTest, BordersAreDrawnOnlyBesideAPillarBoxedFullScreen) {
    StartFullScreen({1920, 1080, 32, 60});
    game().SetLeftBorderImage(WritePicture("left.png", 100, 768));
    game().SetRightBorderImage(WritePicture("right.png", 100, 768));
    EXPECT_EQ(game().DoDrawWidescreenBorders(), 0) << "only where a screen asks for them";
    game().DrawWidescreenBorders = 1;
    graphics().ResetCounts();
    EXPECT_EQ(game().DoDrawWidescreenBorders(), 1);
    EXPECT_EQ(graphics().Drawn().images, 2);
    EXPECT_EQ(game().VR_viewportx, 171);
    EXPECT_EQ(graphics().Viewport(), (Rect{171, 0, 1022, 768})) << "the viewport is put back";
    ExpectOrigin(170, 0);

    game().SetRightBorderImage("");
    graphics().ResetCounts();
    game().DoDrawWidescreenBorders();
    EXPECT_EQ(graphics().Drawn().images, 1);

    StartFullScreen({1280, 1024, 32, 60});
    game().SetLeftBorderImage(WritePicture("left.png", 100, 768));
    game().DrawWidescreenBorders = 1;
    EXPECT_EQ(game().DoDrawWidescreenBorders(), 0) << "a letter-box has no sides to fill";
}

TEST_F(DisplayTest, AMissingBorderImageIsFatal) {
    StartFullScreen({1920, 1080, 32, 60});
    game().ImagePath = fixture->Folder() + "/";
    EXPECT_THROW(game().SetLeftBorderImage("Backgrounds/LeftBorder.jpg"), FatalMessage);
    ExpectFatal("Error loading bitmap " + fixture->Folder() + "/Backgrounds/LeftBorder.jpg");
}

TEST_F(DisplayTest, CLSWidescreenClearsTheBarsAndKeepsTheViewport) {
    StartFullScreen({1920, 1080, 32, 60});
    graphics().ResetCounts();
    game().CLSWidescreen();
    EXPECT_EQ(graphics().Drawn().clears, 1);
    EXPECT_EQ(game().VR_viewportw, 1022);
    EXPECT_EQ(graphics().Viewport(), (Rect{171, 0, 1022, 768}));
    ExpectOrigin(170, 0);

    game().ResetVRViewport();
    EXPECT_EQ(graphics().Viewport(), (Rect{0, 0, 1364, 768})) << "the whole drawing area, bars included";
    ExpectOrigin(0, 0);
    game().RestoreVRViewPort();
    EXPECT_EQ(graphics().Viewport(), (Rect{171, 0, 1022, 768}));
}

// ---- Screen shake --------------------------------------------------------------------------------------

class ScreenShakeTest : public DisplayTest {
protected:
    void SetUp() override {
        StartFullScreen({1920, 1080, 32, 60});
        SeedRandom(7);
    }
    // The largest offset of the origin from its rest over n ticks; the viewport must move with it.
    int LargestOffset(int ticks) {
        int largest = 0;
        for (int i = 0; i < ticks; ++i) {
            game().DoScreenShake();
            const int dx = static_cast<int>(graphics().OriginX()) - 170;
            const int dy = static_cast<int>(graphics().OriginY());
            EXPECT_EQ(graphics().Viewport(), (Rect{171 + dx, dy, 1022, 768}));
            largest = std::max({largest, std::abs(dx), std::abs(dy)});
        }
        return largest;
    }
    void ExpectAtRest() {
        ExpectOrigin(170, 0);
        EXPECT_EQ(graphics().Viewport(), (Rect{171, 0, 1022, 768}));
        EXPECT_EQ(game().screenShakeRange, 0);
    }
};

TEST_F(ScreenShakeTest, StrengthZeroDoesNothing) {
    game().ScreenShakeSetIniValue(0, 0);
    EXPECT_EQ(game().SetScreenShake(10, 0, 0), 0);
    EXPECT_EQ(LargestOffset(50), 0);
    ExpectAtRest();
}

TEST_F(ScreenShakeTest, StrengthScalesTheAmplitude) {
    game().SetScreenShake(10, 0, 0);
    EXPECT_EQ(LargestOffset(400), 10);
    game().ScreenShakeSetIniValue(50, 0);
    game().SetScreenShake(10, 0, 0);
    EXPECT_FLOAT_EQ(game().screenShakeRange, 5);
    EXPECT_EQ(LargestOffset(400), 5);
}

TEST_F(ScreenShakeTest, ACountedShakeStopsAfterItsTicks) {
    game().SetScreenShake(4, 0, 3);
    game().DoScreenShake();
    EXPECT_GT(game().screenShakeRange, 0);
    game().DoScreenShake();
    ExpectAtRest();
}

TEST_F(ScreenShakeTest, AFadingShakeStopsWhenItsAmplitudeIsSpent) {
    game().SetScreenShake(2, -1, 0);
    EXPECT_FLOAT_EQ(game().screenShakeRange, 1);
    game().DoScreenShake();
    ExpectAtRest();
}

TEST_F(ScreenShakeTest, ANewShakeStartsFromTheRestingViewport) {
    game().SetScreenShake(10, 0, 0);
    game().SetScreenShake(10, 0, 2);
    EXPECT_EQ(game().screenshake_viewportx, 171);
    game().DoScreenShake();
    ExpectAtRest();
}

TEST_F(ScreenShakeTest, ChangingTheDisplayEndsAShake) {
    game().SetScreenShake(10, 0, 0);
    game().ToggleWideScreen();
    EXPECT_EQ(game().screenShakeRange, 0);
    game().DoScreenShake();
    EXPECT_EQ(graphics().Viewport(), (Rect{0, 0, 1024, 768}));
    ExpectOrigin(0, 0);
}

TEST_F(ScreenShakeTest, TheStrengthIsClampedAndSaved) {
    game().ScreenShakeSetIniValue(150, 1);
    EXPECT_EQ(game().screenShake, 100);
    game().ScreenShakeSetIniValue(-5, 1);
    EXPECT_EQ(game().screenShake, 0);
    EXPECT_NE(Settings().find("SCREENSHAKE=0\n"), std::string::npos);
}

}  // namespace
