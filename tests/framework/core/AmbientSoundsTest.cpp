// The two ambient players: random background sounds at random moments, with a seeded random.
#include "AudioTestSupport.h"
#include "framework/core/AmbientSounds.h"
#include "framework/core/ChannelArray.h"
#include "framework/core/GameSound.h"
#include "framework/core/Random.h"

namespace {

class AmbientSoundsTest : public murkwell::test::AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        SeedRandom(1234);
        for (const char* name : {"owl", "bell", "wind"}) {
            WriteTone(game().SoundPath + "AmbientSounds/" + name + ".ogg", 100);
        }
    }
    // Runs n ticks of the pool player and counts the ticks on which it played.
    int Ticks(TAmbientSounds& ambient, int n) {
        int played = 0;
        for (int i = 0; i < n; ++i) played += ambient.Manage();
        return played;
    }
};

TEST_F(AmbientSoundsTest, AtFullChanceASoundPlaysThroughThePoolEveryPeriod) {
    TAmbientSounds ambient;
    ambient.AddSound(TGameSound::Create(game().SoundPath + "AmbientSounds/owl.ogg", 0));
    ambient.Init(100, 100);  // 20 ticks
    EXPECT_EQ(ambient.SoundCounterMax, 20);
    EXPECT_EQ(Ticks(ambient, 19), 0);
    EXPECT_EQ(game().Channels->CountPlaying(), 0);
    EXPECT_EQ(Ticks(ambient, 1), 1);
    EXPECT_EQ(game().Channels->CountPlaying(), 1);
    EXPECT_EQ(Ticks(ambient, 20), 1) << "the next period";
}

TEST_F(AmbientSoundsTest, TheChanceDecidesHowOftenAPeriodEndsInASound) {
    TAmbientSounds ambient;
    ambient.AddSound(TGameSound::Create(game().SoundPath + "AmbientSounds/owl.ogg", 0));
    ambient.Init(5, 0);  // one tick per period
    EXPECT_EQ(Ticks(ambient, 100), 0);
    ambient.Init(5, 50);
    const int played = Ticks(ambient, 200);
    EXPECT_GT(played, 60);
    EXPECT_LT(played, 140);
}

TEST_F(AmbientSoundsTest, FillLoadsNumberedFilesAndTheListHasRoomForTwenty) {
    for (int i = 0; i < 2; ++i) WriteTone(game().SoundPath + "drip" + std::to_string(i) + ".wav", 50);
    TAmbientSounds ambient;
    ambient.Fill(game().SoundPath + "drip", 2, ".wav");
    EXPECT_EQ(ambient.TotalSounds, 2);
    EXPECT_EQ(ambient.Sounds[1]->name, "DRIP1");
    for (int i = 2; i < TAmbientSounds::MAX_SOUNDS; ++i) EXPECT_EQ(ambient.AddSound(ambient.Sounds[0]), 1);
    EXPECT_EQ(ambient.AddSound(ambient.Sounds[0]), 0);
    ambient.Kill();
    EXPECT_EQ(ambient.TotalSounds, 0);
    EXPECT_EQ(ambient.Sounds[0], nullptr);
}

class AmbientSoundsNewTest : public AmbientSoundsTest {
protected:
    void SetUp() override {
        AmbientSoundsTest::SetUp();
        ambient.Init();
        ambient.LoadAmbientSound("owl");
        ambient.LoadAmbientSound("bell");
        ambient.SetCounterMax(50);  // 10 ticks
    }
    void TearDown() override { ambient.Kill(); }
    // Runs n ticks and counts the sounds started.
    int Ticks(int n, int force = 0) {
        int played = 0;
        for (int i = 0; i < n; ++i) played += ambient.Logic(force);
        return played;
    }
    TAmbientSoundsNew ambient;
};

TEST_F(AmbientSoundsNewTest, InitLooksInTheAmbientFolderForOggFiles) {
    EXPECT_EQ(ambient.ambientSoundPath, game().SoundPath + "AmbientSounds/");
    EXPECT_EQ(ambient.ambientSoundFileExtension, ".ogg");
    EXPECT_NE(ambient.ambientChannel, 0);
    EXPECT_EQ(ambient.SoundCount(), 2);
    EXPECT_EQ(ambient.LastIndex(), -1);
    for (int i = 2; i < TAmbientSoundsNew::MAX_AMBIENT_SOUNDS; ++i)
        EXPECT_EQ(ambient.LoadAmbientSound("wind"), 1);
    EXPECT_EQ(ambient.LoadAmbientSound("wind"), 0);
}

TEST_F(AmbientSoundsNewTest, ASoundIsTriedOncePerPeriod) {
    ambient.percentChance = 100;
    ambient.volume = 0.7f;
    EXPECT_EQ(Ticks(9), 0);
    EXPECT_EQ(Ticks(1), 1);
    EXPECT_TRUE(Playing(ambient.ambientChannel));
    EXPECT_FLOAT_EQ(Volume(ambient.ambientChannel), 0.7f);
}

TEST_F(AmbientSoundsNewTest, NothingStartsWhileASoundStillPlays) {
    EXPECT_EQ(ambient.Logic(1), 1);
    EXPECT_EQ(ambient.Logic(1), 0);
    Advance(150);
    EXPECT_EQ(ambient.Logic(1), 1);
}

TEST_F(AmbientSoundsNewTest, AfterMaxFailsMissesASoundPlaysForCertain) {
    ambient.percentChance = 0;
    ambient.maxFails = 3;
    EXPECT_EQ(Ticks(30), 0);
    EXPECT_EQ(ambient.CurrentFails(), 3);
    EXPECT_EQ(Ticks(10), 1);
    EXPECT_EQ(ambient.CurrentFails(), 0);
}

TEST_F(AmbientSoundsNewTest, TheSameSoundIsNotPlayedTwiceInARow) {
    int last = -1;
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(ambient.Logic(1), 1);
        EXPECT_NE(ambient.LastIndex(), last);
        last = ambient.LastIndex();
        Advance(150);
    }
}

TEST_F(AmbientSoundsNewTest, RepeatsHappenWhenAllowed) {
    ambient.allowRepeats = 1;
    int repeats = 0;
    for (int i = 0, last = -1; i < 40; ++i) {
        ambient.Logic(1);
        repeats += ambient.LastIndex() == last;
        last = ambient.LastIndex();
        Advance(150);
    }
    EXPECT_GT(repeats, 0);
}

TEST_F(AmbientSoundsNewTest, TheSpeechVolumeCanStandInForItsOwn) {
    game().SpeechSetVolume(40, 0);
    ambient.useSpeechChannelVolume = 1;
    ambient.Logic(1);
    EXPECT_FLOAT_EQ(Volume(ambient.ambientChannel), 0.4f);
}

TEST_F(AmbientSoundsNewTest, StopCutsTheSoundAndKillReleasesEverything) {
    ambient.Logic(1);
    const platform::ChannelId old = ambient.ambientChannel;
    ambient.Stop();
    EXPECT_FALSE(Playing(old));
    EXPECT_NE(ambient.ambientChannel, old);
    ambient.Kill();
    EXPECT_EQ(ambient.SoundCount(), 0);
    EXPECT_EQ(ambient.Logic(1), 0);
}

}  // namespace
