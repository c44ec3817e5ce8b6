// The image bank, its images and trim data, on the null platform with pictures written to a temporary
// folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/core/Messages.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/TrimData.h"
#include "framework/sprites/Shadow.h"
#include "platform/files/Files.h"
#include "tests/framework/gfx/GfxTestSupport.h"

namespace murkwell::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class ImageBankTest : public GfxFixture {
protected:
    ImageBankTest() { bank_.SetPath(Folder()); }

    void Picture(const std::string& name, int width, int height) {
        std::string error;
        platform::files::CreateFolders(platform::files::FolderOf(Folder() + name), error);
        WritePicture(name, width, height);
    }
    template <typename F>
    std::string FatalOf(F&& load) {
        try {
            load();
        } catch (const FatalMessage& fatal) {
            return fatal.what();
        }
        ADD_FAILURE() << "no fatal message";
        return "";
    }

    TImageBank bank_;
};

TEST_F(ImageBankTest, AFileIsStoredUnderItsUpperCasedBaseName) {
    Picture("Dialogs/Dialog.png", 40, 30);
    const auto image = bank_.Load("Dialogs/Dialog.png");
    EXPECT_EQ(image->name, "DIALOG");
    EXPECT_EQ(bank_.Find("dialog"), image);
    EXPECT_EQ(bank_.FindTImage("Dialog"), image->image);
    EXPECT_EQ(image->w, 40);
    EXPECT_EQ(image->midhandled, 1);
    EXPECT_FLOAT_EQ(image->image->HandleX(), 20);
}

TEST_F(ImageBankTest, ANameGivenBecomesTheKeyAndTheExtensionIsAddedWhenMissing) {
    Picture("GoldPanel.png", 10, 10);
    const auto image = bank_.LoadNoMid("GoldPanel", "x");
    EXPECT_EQ(image->name, "X");
    EXPECT_EQ(bank_.Find("x"), image);
    EXPECT_EQ(bank_.Find("GoldPanel", 1), nullptr);
    EXPECT_EQ(image->midhandled, 0);
    EXPECT_FLOAT_EQ(image->image->HandleX(), 0);
}

TEST_F(ImageBankTest, APathGetsOneSlash) {
    TImageBank bank;
    bank.SetPath("data/graphics");
    EXPECT_EQ(bank.Path, "data/graphics/");
    bank.SetPath("data/graphics/");
    EXPECT_EQ(bank.Path, "data/graphics/");
}

TEST_F(ImageBankTest, MemoryIsCountedPerFrameAndInPowersOfTwoForTheDisplay) {
    Picture("strip.png", 400, 60);
    const auto strip = bank_.LoadAnim("strip", 100, 60, 0, 4);
    EXPECT_EQ(strip->w, 100);
    EXPECT_EQ(strip->image->Frames(), 4);
    EXPECT_EQ(strip->CalcRAM(), 96000);
    EXPECT_EQ(strip->CalcVRAM(), 131072);
    EXPECT_EQ(bank_.CalcRAM(), 96000 / 1024);
    EXPECT_EQ(bank_.CalcVRAM(), 131072 / 1024);
}

TEST_F(ImageBankTest, HalfSizesAreHalvedAsWholeNumbers) {
    Picture("odd.png", 33, 7);
    const auto image = bank_.Load("odd");
    EXPECT_FLOAT_EQ(image->w2, 16.0f);
    EXPECT_FLOAT_EQ(image->h2, 3.0f);
}

TEST_F(ImageBankTest, TrimDataMovesTheHandleAndReportsTheFullSize) {
    Picture("gem.png", 90, 70);
    const auto image = bank_.Load("gem");
    auto trim = std::make_shared<TTrimData>();
    trim->xOffset = 10;
    trim->yOffset = 20;
    trim->originalWidth = trim->originalHeight = 128;
    image->SetTrimHandle(trim);
    EXPECT_FLOAT_EQ(image->image->HandleX(), -10);
    EXPECT_FLOAT_EQ(image->image->HandleY(), -20);
    EXPECT_EQ(image->GetWidth(), 128);
    EXPECT_EQ(image->GetHeight(), 128);
    EXPECT_EQ(image->w, 90);  // the frame itself is still the trimmed picture
}

TEST_F(ImageBankTest, AShadowIsDrawnBeforeTheImage) {
    Picture("gem.png", 8, 8);
    const auto image = bank_.Load("gem");
    const TShadow shadow;
    image->Draw(0, 0, 0, &shadow);
    EXPECT_EQ(Graphics().Drawn().images, 2);
    image->Draw(0, 0, 0);
    EXPECT_EQ(Graphics().Drawn().images, 3);
}

TEST_F(ImageBankTest, AMissingPictureIsFatal) {
    EXPECT_EQ(FatalOf([&] { bank_.Load("Nothing"); }), "Error loading bitmap " + Folder() + "Nothing.png");
    EXPECT_EQ(FatalOf([&] { bank_.LoadAnim("Nothing", 4, 4, 0, 3); }),
              "Error loading anim bitmap " + Folder() + "Nothing.png");
}

TEST_F(ImageBankTest, ANameNotInTheBankIsFatalUnlessTheCallerSaysOtherwise) {
    EXPECT_EQ(FatalOf([&] { bank_.Find("nope"); }), "Image 'NOPE' was not found in the ImageBank");
    EXPECT_EQ(bank_.Find("nope", 1), nullptr);
    EXPECT_EQ(bank_.FindTImage("nope"), nullptr);
}

TEST_F(ImageBankTest, PicturesOfTheSameNameInDifferentFoldersAreKeptApartByTheirPaths) {
    Picture("Gems/lantern1.png", 8, 8);
    Picture("ShopScreen/items/lantern1.png", 64, 64);
    Picture("TitleScreen/background.png", 16, 16);
    Picture("Intro/background.png", 32, 32);
    const auto gem = bank_.Load("Gems/lantern1.png");
    bank_.LoadUnderPath("ShopScreen/items/lantern1.png");
    bank_.LoadUnderPath("TitleScreen/background.png");
    bank_.LoadUnderPath("Intro/background");
    EXPECT_EQ(bank_.Find("lantern1"), gem);
    EXPECT_EQ(bank_.Find("ShopScreen/items/lantern1")->w, 64);
    EXPECT_EQ(bank_.Find("titlescreen/background")->w, 16);
    EXPECT_EQ(bank_.Find("Intro/background")->w, 32);
    EXPECT_THAT(bank_.Collisions(), IsEmpty());
}

TEST_F(ImageBankTest, AKeyTakenOverByAnotherFileIsRecorded) {
    Picture("Gems/lantern1.png", 8, 8);
    Picture("ShopScreen/items/lantern1.png", 64, 64);
    bank_.Load("Gems/lantern1.png");
    bank_.Load("Gems/lantern1.png");  // loading the same file again is no collision
    EXPECT_THAT(bank_.Collisions(), IsEmpty());
    bank_.Load("ShopScreen/items/lantern1.png");
    EXPECT_EQ(bank_.Find("lantern1")->w, 64);
    ASSERT_EQ(bank_.Collisions().size(), 1u);
    EXPECT_THAT(bank_.Collisions()[0], HasSubstr("LANTERN1: " + Folder() + "Gems/lantern1.png -> "));
}

class TrimDataTest : public ImageBankTest {
protected:
    TTrimDataMap Load(const std::string& text) {
        Write("trim.txt", text);
        TTrimDataMap map;
        map.LoadDataFile(Folder() + "trim.txt");
        return map;
    }
};

TEST_F(TrimDataTest, EntriesAreKeyedByTheirUpperCasedBaseNames) {
    const TTrimDataMap map = Load("[offsets]\r\nGems/gem1.png=10,20,128,96\r\nspark=1,2,3,4\r\n");
    EXPECT_EQ(map.Count(), 2u);
    const auto gem = map.Find("GEM1", 0);
    ASSERT_TRUE(gem);
    EXPECT_EQ(gem->name, "gem1");
    EXPECT_EQ(gem->xOffset, 10);
    EXPECT_EQ(gem->yOffset, 20);
    EXPECT_EQ(gem->originalWidth, 128);
    EXPECT_EQ(gem->originalHeight, 96);
    EXPECT_EQ(map.Find("other/Spark.png", 0)->originalHeight, 4);
    EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(TrimDataTest, ALaterLineReplacesAnEarlierAndLinesWithoutANameAreSkipped) {
    const TTrimDataMap map = Load("gem1.png=1,1,1,1\n=5,5,5,5\n.png=6,6,6,6\nGEM1.png=2,2,2,2\n");
    EXPECT_EQ(map.Count(), 1u);
    EXPECT_EQ(map.Find("gem1", 0)->xOffset, 2);
}

TEST_F(TrimDataTest, MissingFieldsAndTextThatIsNoNumberReadAsZeroSilently) {
    const TTrimDataMap map = Load("[offsets]\na.png=7,8\nb.png=x,9,10,11\nc.png\nd.png=1,2,3,4\n");
    EXPECT_EQ(map.Find("a", 0)->yOffset, 8);
    EXPECT_EQ(map.Find("a", 0)->originalWidth, 0);
    EXPECT_EQ(map.Find("b", 0)->xOffset, 0);
    EXPECT_EQ(map.Find("b", 0)->yOffset, 9);
    EXPECT_EQ(map.Find("c", 0)->originalHeight, 0);
    EXPECT_EQ(map.Find("d", 0)->originalHeight, 4);
    EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(TrimDataTest, AMissingFileIsFatalAndAMissingNameToo) {
    TTrimDataMap map;
    EXPECT_EQ(FatalOf([&] { map.LoadDataFile(Folder() + "none.txt"); }),
              "Error loading file " + Folder() + "none.txt");
    EXPECT_EQ(FatalOf([&] { map.Find("gem9", 0); }), "TrimData 'GEM9' was not found in the TrimDataMap");
    EXPECT_EQ(map.Find("gem9", 1), nullptr);
}

}  // namespace
}  // namespace murkwell::test
