// Sound effects, the Escape sound, speech and the sound driver.
#include "AudioTestSupport.h"
#include "framework/core/GameSound.h"
#include "framework/core/Messages.h"
#include "framework/screens/GameFade.h"

namespace {

class SoundTest : public murkwell::test::AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        WriteTone(game().SoundPath + "click.wav", 500);
        click = TGameSound::Create(game().SoundPath + "click.wav", 0);
    }
    std::shared_ptr<TGameSound> click;
};

TEST_F(SoundTest, AGameSoundPlaysAtItsVolumeAndPitch) {
    game().SoundSetVolume(80, 0);
    click->volume = 0.5f;
    click->pitch = 2.0f;
    platform::ChannelId channel = 0;
    EXPECT_EQ(game().GameSoundPlay(channel, *click, 0.0f), 1);
    ASSERT_NE(channel, 0) << "a new channel comes back";
    EXPECT_FLOAT_EQ(Volume(channel), 0.4f);
    Advance(100);
    EXPECT_NEAR(Seconds(channel), 0.2, 0.01) << "twice as fast";
}

TEST_F(SoundTest, ASoundStartedDuringAScreenFadeTakesTheFadesRatio) {
    game().SoundSetVolume(80, 0);
    game().GameFade->Active = 1;
    game().GameFade->Ratio = 0.25f;
    platform::ChannelId channel = 0;
    click->PlayInChannel(channel, 0.0f);
    EXPECT_FLOAT_EQ(Volume(channel), 0.2f);

    game().GameFade->Active = 0;
    click->PlayInChannel(channel, 0.0f);
    EXPECT_FLOAT_EQ(Volume(channel), 0.8f) << "an inactive fade leaves the volume alone";
}

TEST_F(SoundTest, ReplayingOnAChannelCutsWhatItPlayed) {
    platform::ChannelId channel = 0;
    game().SoundPlaySameChannel(channel, click->sound);
    const platform::ChannelId first = channel;
    Advance(300);
    game().SoundPlaySameChannel(channel, click->sound);
    EXPECT_EQ(channel, first);
    EXPECT_NEAR(Seconds(channel), 0.0, 0.001) << "started again from the beginning";
    EXPECT_FLOAT_EQ(Volume(channel), 1.0f);
}

TEST_F(SoundTest, ReturnChannelLeavesTheOldSoundTurnedDown) {
    platform::ChannelId channel = 0;
    game().SoundPlaySameChannel(channel, click->sound);
    const platform::ChannelId old = channel;
    game().SoundSetVolume(50, 0);
    EXPECT_EQ(game().SoundPlayReturnChannel(channel, click->sound, 0.5f), 1);
    EXPECT_NE(channel, old);
    EXPECT_TRUE(Playing(old));
    EXPECT_FLOAT_EQ(Volume(old), 0.1f);
    EXPECT_FLOAT_EQ(Volume(channel), 0.5f);
    Advance(200);
    EXPECT_NEAR(Seconds(channel), 0.1, 0.01) << "at half speed";
}

TEST_F(SoundTest, NothingPlaysWhileSoundIsOff) {
    game().SoundOff();
    platform::ChannelId channel = 0;
    EXPECT_EQ(game().GameSoundPlay(channel, *click, 0.0f), 0);
    EXPECT_EQ(game().SoundPlaySameChannel(channel, click->sound), 0);
    EXPECT_EQ(game().SoundPlay(click->sound), 0);
    EXPECT_EQ(channel, 0);
    game().SoundOn();
    EXPECT_EQ(game().SoundPlay(click->sound), 1);
}

TEST_F(SoundTest, ToggleSoundFlipsTheSwitchAndSavesIt) {
    game().ToggleSound();
    EXPECT_EQ(game().Sound, 0);
    EXPECT_NE(murkwell::test::ReadText(game().Ini.Path()).find("SOUND=0\n"), std::string::npos);
    game().ToggleSound();
    EXPECT_EQ(game().Sound, 1);
}

TEST_F(SoundTest, SoundVolumeIsClamped) {
    game().SoundChangeVolume(-150);
    EXPECT_EQ(game().SoundVolume, 0);
    game().SoundSetVolume(101, 0);
    EXPECT_EQ(game().SoundVolume, 100);
}

TEST_F(SoundTest, TheEscapeSoundPlaysOnItsOwnChannel) {
    WriteTone(game().SoundPath + "buttonclick.wav", 100);
    game().SetEscapeSound("buttonclick");
    ASSERT_TRUE(game().EscapeSound);
    EXPECT_EQ(game().EscapeSound->name, "BUTTONCLICK");
    EXPECT_EQ(game().EscapeSoundPlay(), 1);
    EXPECT_TRUE(Playing(game().EscapeChannel));
}

TEST_F(SoundTest, AMissingEscapeSoundIsFatal) {
    EXPECT_THROW(game().SetEscapeSound("nothing"), FatalMessage);
}

// ---- Speech --------------------------------------------------------------------------------------------

TEST_F(SoundTest, ALineIsDroppedWhileAnotherPlaysUnlessItInterrupts) {
    game().SpeechSetVolume(60, 0);
    EXPECT_EQ(game().SpeechPlay(*click, 0), 1);
    EXPECT_FLOAT_EQ(Volume(game().SpeechChannel), 0.6f);
    Advance(200);
    EXPECT_EQ(game().SpeechPlay(*click, 0), 0);
    EXPECT_NEAR(Seconds(game().SpeechChannel), 0.2, 0.01);
    EXPECT_EQ(game().SpeechPlay(*click, 1), 1);
    EXPECT_NEAR(Seconds(game().SpeechChannel), 0.0, 0.001);
}

TEST_F(SoundTest, SpeechOffAndOnResumesTheLine) {
    game().SpeechPlay(*click, 0);
    Advance(100);
    EXPECT_EQ(game().SpeechOff(), 1);
    Advance(300);
    EXPECT_EQ(game().SpeechPlay(*click, 1), 0) << "no speech while off";
    EXPECT_EQ(game().SpeechOn(), 1);
    EXPECT_EQ(game().SpeechOn(), 0);
    Advance(100);
    EXPECT_NEAR(Seconds(game().SpeechChannel), 0.2, 0.01);
}

TEST_F(SoundTest, AnEndedLineStaysSilentWhenSpeechComesBackOn) {
    game().SpeechPlay(*click, 0);
    Advance(600);
    game().CheckWindow();  // the loop notices the end of the line
    EXPECT_EQ(game().SpeechStopped, 1);
    game().SpeechOff();
    game().SpeechOn();
    EXPECT_FALSE(Playing(game().SpeechChannel));
}

TEST_F(SoundTest, StoppingSpeechGivesItAFreshChannel) {
    EXPECT_EQ(game().SpeechStop(), 0) << "nothing to stop";
    game().SpeechPlay(*click, 0);
    const platform::ChannelId old = game().SpeechChannel;
    EXPECT_EQ(game().SpeechStop(), 1);
    EXPECT_NE(game().SpeechChannel, old);
    EXPECT_FALSE(Playing(old));
    EXPECT_EQ(game().SpeechPlay(*click, 0), 1);
}

TEST_F(SoundTest, StopChannelsSilencesMusicAndSpeech) {
    WriteTone(game().MusicPath + "title.ogg", 1000);
    game().MusicLoad("title.ogg", 1);
    game().MusicPlay(0, 0, 0);
    game().SpeechPlay(*click, 0);
    const platform::ChannelId music = game().MusicChannel, speech = game().SpeechChannel;
    game().StopChannels();
    EXPECT_FALSE(Playing(music));
    EXPECT_FALSE(Playing(speech));
    EXPECT_NE(game().MusicChannel, music);
    EXPECT_NE(game().SpeechChannel, speech);
    EXPECT_NE(game().MusicChannel, 0);
    EXPECT_NE(game().SpeechChannel, 0);
}

// ---- Driver --------------------------------------------------------------------------------------------

TEST_F(SoundTest, AnUnknownDriverLeavesTheGameSilentUnderNone) {
    game().ChangeSoundDriver("DirectSound", 1);
    EXPECT_EQ(game().SoundDriver, "DirectSound");
    game().ChangeSoundDriver("Glass Harmonica", 1);
    EXPECT_EQ(game().SoundDriver, "None");
    EXPECT_NE(murkwell::test::ReadText(game().Ini.Path()).find("SOUND DRIVER=None\n"), std::string::npos);
    game().ChangeSoundDriver("None", 0);
    EXPECT_EQ(game().SoundDriver, "None");
    EXPECT_EQ(game().SpeechPlay(*click, 0), 1) << "a silent game keeps every audio state";
    EXPECT_TRUE(Playing(game().SpeechChannel));
}

}  // namespace
