// A power-up's slot drawn for real on SDL's dummy video driver in its three looks, read back pixel by
// pixel: not bought, filling from the bottom with its charge, and full with its glow.
#include <gtest/gtest.h>

#include <memory>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "framework/gfx/ImageBank.h"
#include "game/board/HUDPowerupRow.h"
#include "game/board/StakeHUD.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

class PowerupPixelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        sdl_ = platform::CreateSdlPlatform({true, true}, error);
        ASSERT_TRUE(sdl_) << error;
        game_ = std::make_unique<TGame>(*sdl_);
        guard_.emplace(*game_, kMurkwell);
        ASSERT_TRUE(sdl_->GetGraphics().Open({kWidth, kHeight, 0, 60, false, "slots"}, error)) << error;
        ImageBank.SetPath(std::string(MURKWELL_DATA_DIR) + "/graphics/");
        LoadHUDPowerupPictures();
        SaveData.Init();
    }
    void TearDown() override {
        SaveData = TSaveData{};
        ImageBank.Clear();
        if (sdl_) sdl_->GetGraphics().Close();
        guard_.reset();
    }
    // The slot drawn alone on grey, its centre at (300, 300).
    platform::PixelMap Draw(int charge, bool bought, int highlight) {
        platform::Graphics& graphics = sdl_->GetGraphics();
        graphics.SetClsColor(60, 60, 60);
        graphics.Cls();
        SaveData.shopPurchases[24] = bought ? ShopItem::PURCHASED : ShopItem::AVAILABLE;
        TStakeHUD stake;
        stake.Load();
        stake.HUDLocation = {300, 300};
        stake.offsetY = 0;
        stake.CurrentCharge = charge;
        stake.Draw(highlight);
        return graphics.Grab({0, 0, kWidth, kHeight});
    }
    // Pixels of the filling's orange in a band of rows across the middle of the glass.
    static int Orange(const platform::PixelMap& shot, int top, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 285; x < 315; ++x) {
                const platform::Rgba p = shot.At(x, y);
                n += p.r > 170 && p.g > 60 && p.g < 170 && p.b < 90 ? 1 : 0;
            }
        }
        return n;
    }

    std::unique_ptr<platform::Platform> sdl_;
    std::unique_ptr<TGame> game_;
    std::optional<TGameGuard> guard_;
};

TEST_F(PowerupPixelsTest, ASlotIsEmptyFillingOrFullAndGlowsUnderTheMouse) {
    const platform::PixelMap none = Draw(10, false, 1), half = Draw(5, true, 0), full = Draw(10, true, 1);
    EXPECT_EQ(Orange(none, 275, 325), 0) << "not bought: no charge shows, however full";
    // (The stake inside the glass covers part of each band.)
    EXPECT_GT(Orange(half, 308, 325), 100) << "half full: the lower half is lit";
    EXPECT_LT(Orange(half, 276, 292), 10) << "and the upper half empty";
    EXPECT_GT(Orange(full, 276, 292), 100) << "full to the top";
    // The glow reaches beyond the icon's rim when the slot is full and under the mouse.
    const platform::Rgba outside = full.At(300, 300 - 56), plain = half.At(300, 300 - 56);
    EXPECT_GT(outside.r + outside.g, plain.r + plain.g + 40);
}

}  // namespace
