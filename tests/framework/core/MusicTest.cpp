// Music: the track's life through load, play, off and on, its volumes and its three fades.
#include "AudioTestSupport.h"
#include "framework/core/Messages.h"

namespace {

using murkwell::test::ReadText;

class MusicTest : public murkwell::test::AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        game().MusicFadeIn = 0;  // as the game runs it
        WriteTone(game().MusicPath + "title.ogg", 1000);
    }
    // Loads and starts title.ogg.
    void PlayTitle(int looped = 1) {
        game().MusicLoad("title.ogg", looped);
        game().MusicPlay(0, 0, 0);
    }
};

TEST_F(MusicTest, SwitchingMusicOffAndOnResumesTheTrackWhereItWas) {
    PlayTitle();
    Advance(300);
    EXPECT_NEAR(Seconds(game().MusicChannel), 0.3, 0.01);

    EXPECT_EQ(game().MusicOff(), 1);
    EXPECT_EQ(game().Music, 0);
    Advance(500);
    EXPECT_NEAR(Seconds(game().MusicChannel), 0.3, 0.01) << "paused while off";
    EXPECT_TRUE(Playing(game().MusicChannel)) << "a paused track still counts as playing";

    EXPECT_EQ(game().MusicOn(), 1);
    Advance(100);
    EXPECT_NEAR(Seconds(game().MusicChannel), 0.4, 0.01) << "resumed, not restarted";
    EXPECT_EQ(game().MusicIsPlaying(), 1);
    EXPECT_EQ(game().MusicOn(), 0) << "already on";
}

TEST_F(MusicTest, ALoopedTrackGoesOnPastItsEnd) {
    PlayTitle(1);
    Advance(2500);
    EXPECT_EQ(game().MusicIsPlaying(), 1);
    EXPECT_NEAR(std::fmod(Seconds(game().MusicChannel), 1.0), 0.5, 0.01);
}

TEST_F(MusicTest, ANonLoopingTrackThatEndedStaysSilentWhenMusicComesBackOn) {
    PlayTitle(0);
    Advance(1200);
    game().CheckWindow();  // the loop notices the end of the track
    EXPECT_EQ(game().MusicStopped, 1);
    EXPECT_EQ(game().MusicIsPlaying(), 0);

    game().MusicOff();
    game().MusicOn();
    Advance(100);
    EXPECT_EQ(game().MusicIsPlaying(), 0);
    EXPECT_EQ(game().MusicRestart, 0) << "the track was not started again";
}

TEST_F(MusicTest, ATrackChosenWhileMusicIsOffStartsWhenMusicIsSwitchedOn) {
    PlayTitle();
    game().MusicOff();
    WriteTone(game().MusicPath + "level1.ogg", 1000);
    game().MusicLoad("level1.ogg", 1);
    game().MusicPlay(1, 0, 0);
    EXPECT_EQ(game().MusicFileName, "level1.ogg");
    EXPECT_EQ(game().MusicName, "level1.ogg");
    EXPECT_EQ(game().MusicRestart, 1);
    EXPECT_EQ(game().MusicIsPlaying(), 0);

    game().MusicOn();
    EXPECT_EQ(game().MusicIsPlaying(), 1);
    EXPECT_EQ(game().MusicRestart, 0);
    Advance(200);
    EXPECT_NEAR(Seconds(game().MusicChannel), 0.2, 0.01) << "the new track, from its start";
}

TEST_F(MusicTest, AMissingTrackIsFatalOnlyWhenMusicIsOn) {
    game().Music = 0;
    game().MusicLoad("nothing.ogg", 1);  // not loaded: no error yet
    EXPECT_EQ(game().MusicFileName, "nothing.ogg");

    game().Music = 1;
    const std::string path = game().MusicPath + "nothing.ogg";
    try {
        game().MusicLoad("nothing.ogg", 1);
        FAIL() << "no fatal message";
    } catch (const FatalMessage& e) {
        EXPECT_EQ(std::string(e.what()), "Error loading sample " + path);
    }
    EXPECT_NE(ErrorLog().find("Error loading sample " + path), std::string::npos) << "logged";
}

TEST_F(MusicTest, ADamagedTrackIsFatalAndNamesTheFile) {
    murkwell::test::WriteText(game().MusicPath + "broken.ogg", "OggS but not really");
    EXPECT_THROW(game().MusicLoad("broken.ogg", 1), FatalMessage);
    ASSERT_FALSE(Messages().empty());
    EXPECT_NE(Messages().back().find("broken.ogg"), std::string::npos);
}

TEST_F(MusicTest, TrackNamesAreFoundWhateverTheirCase) {
    game().MusicLoad("Title.OGG", 1);
    game().MusicPlay(0, 0, 0);
    EXPECT_EQ(game().MusicIsPlaying(), 1);
}

TEST_F(MusicTest, SwitchingOnWithNoTrackChosenPlaysNothing) {
    game().MusicNone();
    game().Music = 0;
    EXPECT_EQ(game().MusicOn(), 1);
    EXPECT_EQ(game().MusicIsPlaying(), 0);
    EXPECT_EQ(game().MusicName, "none");
}

TEST_F(MusicTest, OffIsRefusedUntilATrackHasStarted) {
    game().MusicLoad("title.ogg", 1);
    EXPECT_EQ(game().MusicOff(), 0);
    EXPECT_EQ(game().Music, 1);
}

TEST_F(MusicTest, StoppingGivesTheMusicAFreshChannel) {
    PlayTitle();
    const platform::ChannelId old = game().MusicChannel;
    game().MusicStop();
    EXPECT_NE(game().MusicChannel, old);
    EXPECT_FALSE(Playing(old));
    EXPECT_EQ(game().MusicRestart, 1);
    EXPECT_EQ(game().MusicIsPlaying(), 0);
}

TEST_F(MusicTest, ACustomVolumeIsAPercentageOfTheMusicVolume) {
    game().MusicSetVolume(80, 0);
    game().MusicLoad("title.ogg", 1);
    game().MusicPlay(0, 50, 0);
    EXPECT_EQ(game().GetMusicVolume(), 40);
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 0.4f);

    game().MusicPlay(0, 0, 0);
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 0.8f);
}

TEST_F(MusicTest, AStartSilentTrackPlaysAtNoVolume) {
    game().MusicLoad("title.ogg", 1);
    game().MusicPlay(0, 0, 1);
    EXPECT_EQ(game().MusicIsPlaying(), 1);
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 0.0f);
}

TEST_F(MusicTest, FadeInRisesOverItsLengthAfterItsDelay) {
    game().MusicFadeIn = 50;  // 10 ticks
    game().MusicLoad("title.ogg", 1);
    game().MusicPlay(1, 0, 0);
    EXPECT_FLOAT_EQ(game().MusicFadeInCounter, 9.8f);
    EXPECT_NEAR(Volume(game().MusicChannel), 0.02f, 1e-5);

    game().MusicFadeInDelay = 1.5f;
    game().MusicFadeInManage();
    game().MusicFadeInManage();
    EXPECT_EQ(game().MusicFadeInDelay, 0.0f);
    EXPECT_FLOAT_EQ(game().MusicFadeInCounter, 9.8f) << "nothing moves during the delay";

    for (int i = 0; i < 5; ++i) game().MusicFadeInManage();
    EXPECT_NEAR(Volume(game().MusicChannel), 0.52f, 1e-5);
    Delta = 0.5f;
    game().MusicFadeInManage();
    EXPECT_NEAR(Volume(game().MusicChannel), 0.57f, 1e-5);
    for (int i = 0; i < 20; ++i) game().MusicFadeInManage();
    EXPECT_EQ(game().MusicFadeInCounter, 0.0f);
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 1.0f);
}

TEST_F(MusicTest, WithoutAFadeInTheTrackStartsAtFullVolume) {
    game().MusicSetVolume(60, 0);
    game().MusicLoad("title.ogg", 1);
    game().MusicPlay(1, 0, 0);
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 0.6f);
    EXPECT_FLOAT_EQ(game().MusicFadeInCalc(), 1.0f);
}

TEST_F(MusicTest, FadeOutFallsToSilenceAndLeavesTheTrackRunning) {
    PlayTitle();
    game().MusicSetVolume(80, 0);
    game().MusicFadeOutSet(1000);  // 200 ticks
    EXPECT_FLOAT_EQ(game().MusicFadeOutCounter, 200.0f);
    for (int i = 0; i < 50; ++i) game().MusicFadeOutManage();
    EXPECT_NEAR(game().MusicFadeOutCalc(), 0.25f, 1e-5);
    EXPECT_NEAR(Volume(game().MusicChannel), 0.6f, 1e-5);
    for (int i = 0; i < 200; ++i) game().MusicFadeOutManage();
    EXPECT_EQ(game().MusicFadeOutCounter, 0.0f);
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 0.0f);
    EXPECT_EQ(game().MusicIsPlaying(), 1) << "the caller stops or replaces the track";
}

TEST_F(MusicTest, AFadeOutOfNoLengthKeepsFullVolume) {
    PlayTitle();
    game().MusicSetVolume(70, 0);
    game().MusicFadeOut = 0;
    game().MusicFadeOutApply();
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 0.7f);
}

TEST_F(MusicTest, PauseFadeRunsEitherWay) {
    PlayTitle();
    game().PauseFadeLength = 100;  // 20 ticks
    game().PauseFadeCounter = 20;
    game().PauseFadeDirection = 0;
    for (int i = 0; i < 5; ++i) game().PauseFadeManage();
    EXPECT_NEAR(Volume(game().MusicChannel), 0.75f, 1e-5) << "fading out";

    game().PauseFadeCounter = 20;
    game().PauseFadeDirection = 1;
    for (int i = 0; i < 5; ++i) game().PauseFadeManage();
    EXPECT_NEAR(Volume(game().MusicChannel), 0.25f, 1e-5) << "fading in";
    for (int i = 0; i < 30; ++i) game().PauseFadeManage();
    EXPECT_EQ(game().PauseFadeCounter, 0.0f);
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 1.0f);
}

TEST_F(MusicTest, APauseFadeOfNoLengthIsInstant) {
    PlayTitle();
    game().PauseFadeLength = 0;
    game().PauseFadeDirection = 0;
    game().PauseFadeApply();
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 0.0f);
    game().PauseFadeDirection = 1;
    game().PauseFadeApply();
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 1.0f);
}

TEST_F(MusicTest, VolumeChangesAreClampedAppliedAndSaved) {
    PlayTitle();
    game().MusicSetVolume(150, 0);
    EXPECT_EQ(game().MusicVolume, 100);
    game().MusicChangeVolume(-130);
    EXPECT_EQ(game().MusicVolume, 0);
    game().MusicChangeVolume(30);
    EXPECT_EQ(game().MusicVolume, 30);
    EXPECT_FLOAT_EQ(Volume(game().MusicChannel), 0.3f);
    EXPECT_NE(ReadText(game().Ini.Path()).find("MUSIC VOLUME=30\n"), std::string::npos);
}

TEST_F(MusicTest, ToggleIsIgnoredWhilePausedAndSavedOtherwise) {
    PlayTitle();
    game().Paused = 1;
    EXPECT_EQ(game().ToggleMusic(), 0);
    EXPECT_EQ(game().Music, 1);
    game().Paused = 0;
    game().ToggleMusic();
    EXPECT_EQ(game().Music, 0);
    EXPECT_NE(ReadText(game().Ini.Path()).find("MUSIC=0\n"), std::string::npos);
    game().ToggleMusic();
    EXPECT_EQ(game().MusicIsPlaying(), 1);
}

TEST_F(MusicTest, MusicIsAudibleOnlyWhenOnAndNotSilent) {
    EXPECT_EQ(game().MusicIsAudible(), 1);
    game().MusicSetVolume(0, 0);
    EXPECT_EQ(game().MusicIsAudible(), 0);
    game().MusicSetVolume(10, 0);
    game().Music = 0;
    EXPECT_EQ(game().MusicIsAudible(), 0);
}

}  // namespace
