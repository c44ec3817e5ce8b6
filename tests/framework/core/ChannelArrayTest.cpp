// The pool of effect channels: handing channels out, replacing them and balancing their volumes.
#include "AudioTestSupport.h"
#include "framework/core/ChannelArray.h"
#include "framework/core/GameSound.h"

namespace {

class ChannelArrayTest : public murkwell::test::AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        WriteTone(game().SoundPath + "pop.wav", 500);
        pop = TGameSound::Create(game().SoundPath + "pop.wav", 0);
    }
    TChannelArray& pool() { return *game().Channels; }
    // Starts the pop on the pool's i-th channel.
    void Busy(int i) {
        game().GameSoundPlay(pool().ChannelByIndex(i)->Channel, *pop, 0.0f);
        ASSERT_TRUE(Playing(pool().ChannelByIndex(i)->Channel));
    }
    std::shared_ptr<TGameSound> pop;
};

TEST_F(ChannelArrayTest, ThePoolStartsOnItsFirstChannelAndHandsOutTheSecond) {
    EXPECT_EQ(pool().Count(), 16);
    EXPECT_FLOAT_EQ(pool().MaxVol, 16.0f);
    EXPECT_EQ(pool().Current, pool().ChannelByIndex(1));
    EXPECT_EQ(pool().GetChannel(), pool().ChannelByIndex(2));
    EXPECT_EQ(pool().Current, pool().ChannelByIndex(2));
}

TEST_F(ChannelArrayTest, ChannelsAreCountedFromOne) {
    EXPECT_EQ(pool().ChannelByIndex(0), nullptr);
    EXPECT_EQ(pool().ChannelByIndex(17), nullptr);
    ASSERT_NE(pool().ChannelByIndex(16), nullptr);
    EXPECT_NE(pool().ChannelByIndex(16)->Channel, pool().ChannelByIndex(1)->Channel);
}

TEST_F(ChannelArrayTest, TheRoundWrapsFromTheLastChannelToTheFirst) {
    pool().Current = pool().ChannelByIndex(16);
    EXPECT_EQ(pool().GetChannel(), pool().ChannelByIndex(1));
}

TEST_F(ChannelArrayTest, GetChannelSkipsReservedAndBusyChannels) {
    pool().ChannelByIndex(2)->Reserved = 1;
    Busy(3);
    EXPECT_EQ(pool().GetChannel(), pool().ChannelByIndex(4));

    pool().Current = pool().ChannelByIndex(1);
    pool().ChannelByIndex(3)->PlayWhenFinished = 0;
    EXPECT_EQ(pool().GetChannel(), pool().ChannelByIndex(3)) << "this one may be cut";

    pool().ChannelByIndex(2)->PlayWhenFinished = 0;
    pool().Current = pool().ChannelByIndex(1);
    EXPECT_EQ(pool().GetChannel(), pool().ChannelByIndex(3)) << "reserved stays reserved";
}

TEST_F(ChannelArrayTest, WithEveryChannelBusyGetChannelGivesUpAfterOneRound) {
    for (int i = 2; i <= 16; ++i) Busy(i);
    const auto start = pool().Current;
    EXPECT_EQ(pool().GetChannel(), nullptr);
    EXPECT_EQ(pool().Current, start);
    EXPECT_EQ(pool().PlayGameSound(*pop, nullptr, 1.0f, 0.0f), nullptr) << "the sound is not played";

    Advance(600);  // every pop has ended
    EXPECT_EQ(pool().GetChannel(), pool().ChannelByIndex(2));
}

TEST_F(ChannelArrayTest, AFreeCurrentChannelIsNotTakenInTheSameRound) {
    for (int i = 2; i <= 16; ++i) Busy(i);
    ASSERT_FALSE(Playing(pool().Current->Channel));
    EXPECT_EQ(pool().GetChannel(), nullptr);
}

TEST_F(ChannelArrayTest, StoppingAChannelAppendsAFreshOneThatBecomesCurrent) {
    Busy(5);
    const auto stopped = pool().ChannelByIndex(5);
    const platform::ChannelId old = stopped->Channel;
    const auto sixth = pool().ChannelByIndex(6);

    EXPECT_EQ(pool().StopGameChannel(stopped.get()), 1);
    EXPECT_FALSE(Playing(old));
    EXPECT_EQ(pool().Count(), 16);
    EXPECT_EQ(pool().ChannelByIndex(5), sixth);
    const auto fresh = pool().ChannelByIndex(16);
    EXPECT_EQ(pool().Current, fresh);
    EXPECT_NE(fresh, stopped);
    EXPECT_NE(fresh->Channel, 0);
    EXPECT_EQ(pool().GetChannel(), pool().ChannelByIndex(1));

    TGameChannel stranger;
    EXPECT_EQ(pool().StopGameChannel(&stranger), 0) << "not one of the pool's";
    EXPECT_EQ(pool().StopGameChannel(nullptr), 0);
}

TEST_F(ChannelArrayTest, BalancingSharesMaxVolBetweenThePlayingSounds) {
    game().SoundSetVolume(80, 0);
    pool().MaxVol = 1.5f;
    EXPECT_FLOAT_EQ(pool().BalanceVolumes(0), 1.0f) << "nothing plays";
    Busy(2);
    Busy(3);
    Busy(4);
    EXPECT_EQ(pool().CountPlaying(), 3);
    pool().ChannelByIndex(2)->OriginalVolume = 0.5f;
    EXPECT_FLOAT_EQ(pool().BalanceVolumes(1), 0.375f);
    EXPECT_FLOAT_EQ(Volume(pool().ChannelByIndex(2)->Channel), 0.5f * 0.375f * 0.8f);
    EXPECT_FLOAT_EQ(Volume(pool().ChannelByIndex(3)->Channel), 0.375f * 0.8f);

    pool().MaxVol = 16.0f;
    EXPECT_FLOAT_EQ(pool().BalanceVolumes(1), 1.0f) << "never louder than asked";
    pool().Manage();
    EXPECT_FLOAT_EQ(Volume(pool().ChannelByIndex(3)->Channel), 0.8f);
}

TEST_F(ChannelArrayTest, PlayGameSoundBalancesTheSoundAgainstThePool) {
    pool().MaxVol = 1.5f;
    Busy(5);
    Busy(6);
    const auto channel = pool().PlayGameSound(*pop, nullptr, 0.8f, -0.5f);
    ASSERT_EQ(channel, pool().ChannelByIndex(2));
    EXPECT_TRUE(Playing(channel->Channel));
    EXPECT_FLOAT_EQ(channel->OriginalVolume, 0.8f);
    EXPECT_FLOAT_EQ(pop->volume, 0.8f * 0.5f);
    EXPECT_FLOAT_EQ(Volume(channel->Channel), 0.4f);

    const auto given = pool().ChannelByIndex(9);
    EXPECT_EQ(pool().PlayGameSound(*pop, given, 1.0f, 0.0f), given);
    EXPECT_TRUE(Playing(given->Channel));
    EXPECT_EQ(pool().Current, channel) << "a given channel does not move the round";
}

TEST_F(ChannelArrayTest, KillingThePoolReleasesEveryChannel) {
    Busy(2);
    const platform::ChannelId busy = pool().ChannelByIndex(2)->Channel;
    game().ChannelsKill();
    EXPECT_FALSE(Playing(busy));
    EXPECT_EQ(game().Channels, nullptr);
    EXPECT_EQ(game().ChannelsKill(), 0);
}

}  // namespace
