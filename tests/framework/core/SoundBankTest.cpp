// The sound bank: loading sounds under their names and finding them again.
#include "AudioTestSupport.h"
#include "framework/core/Messages.h"
#include "framework/core/SoundBank.h"

namespace {

class SoundBankTest : public murkwell::test::AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        bank.SetPath(game().SoundPath);
    }
    TSoundBank bank;
};

TEST_F(SoundBankTest, SetPathEndsThePathInASlash) {
    bank.SetPath("data/sound");
    EXPECT_EQ(bank.Path, "data/sound/");
    bank.SetPath("data/sound/");
    EXPECT_EQ(bank.Path, "data/sound/");
}

TEST_F(SoundBankTest, SoundsAreFoundByNameInAnyCase) {
    WriteTone(game().SoundPath + "buttonclick.wav", 50);
    const auto loaded = bank.Load("buttonclick", 1.2f, 0.7f);
    EXPECT_EQ(loaded->name, "BUTTONCLICK");
    EXPECT_FLOAT_EQ(loaded->pitch, 1.2f);
    EXPECT_FLOAT_EQ(loaded->volume, 0.7f);
    for (const char* name : {"buttonclick", "ButtonClick", "BUTTONCLICK", "buttonClick"}) {
        EXPECT_EQ(bank.Find(name), loaded) << name;
    }
}

TEST_F(SoundBankTest, TheNameComesFromTheFileUnlessOneIsGiven) {
    std::string error;
    ASSERT_TRUE(platform::files::CreateFolders(game().SoundPath + "GameFinishedScreen", error));
    WriteTone(game().SoundPath + "GameFinishedScreen/Scream.wav", 50);
    WriteTone(game().SoundPath + "wind.ogg", 50);
    EXPECT_EQ(bank.Load("GameFinishedScreen/Scream")->name, "SCREAM");
    EXPECT_EQ(bank.Load("wind.ogg")->name, "WIND") << "an extension of its own is kept";
    EXPECT_EQ(bank.Load("wind.ogg", 1.0f, 1.0f, "Gust")->name, "GUST");
    EXPECT_EQ(bank.Count(), 3u);
}

TEST_F(SoundBankTest, ASecondSoundOfTheSameNameReplacesTheFirst) {
    WriteTone(game().SoundPath + "a.wav", 50);
    WriteTone(game().SoundPath + "b.wav", 50);
    bank.Load("a", 1.0f, 1.0f, "same");
    const auto second = bank.Load("b", 1.0f, 1.0f, "SAME");
    EXPECT_EQ(bank.Count(), 1u);
    EXPECT_EQ(bank.Find("same"), second);
}

TEST_F(SoundBankTest, FileNamesAreFoundWhateverTheirCase) {
    WriteTone(game().SoundPath + "buttonclick.wav", 50);
    EXPECT_NE(bank.Load("ButtonClick")->sound, nullptr);
}

TEST_F(SoundBankTest, AnUnknownNameIsFatalAndLogged) {
    try {
        bank.Find("Thunder");
        FAIL() << "no fatal message";
    } catch (const FatalMessage& e) {
        EXPECT_EQ(std::string(e.what()), "Sound 'THUNDER' was not found in the SoundBank");
    }
    EXPECT_NE(ErrorLog().find("Sound 'THUNDER' was not found in the SoundBank"), std::string::npos);
}

TEST_F(SoundBankTest, AMissingOrDamagedFileIsFatalAndNamesIt) {
    const std::string missing = game().SoundPath + "missing.wav";
    try {
        bank.Load("missing");
        FAIL() << "no fatal message";
    } catch (const FatalMessage& e) {
        EXPECT_EQ(std::string(e.what()), "Error loading sample " + missing);
    }
    murkwell::test::WriteText(game().SoundPath + "broken.wav", "RIFF but no wave");
    EXPECT_THROW(bank.Load("broken"), FatalMessage);
    EXPECT_EQ(bank.Count(), 0u);
}

}  // namespace
